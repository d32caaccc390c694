#!/usr/bin/env bash
# Builds the browser version (preset web) and plays it in headless Chromium:
# splash time, title menu colours and screenshot (docs/web-title.png), a new
# game into chapter 2, a reload and Continue, the story to its end, a quit.
# Installs emscripten, Chromium, its driver and Selenium if missing.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh --web-test
cmake --preset web >/dev/null
cmake --build --preset web -j"$(nproc)"
mkdir -p docs
# Debian's Selenium belongs to Debian's Python.
exec /usr/bin/python3 tools/web_test.py build/web/site docs/web-title.png
