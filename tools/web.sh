#!/usr/bin/env bash
# Installs what is missing, builds the browser version (preset web) into
# build/web/site and serves that folder on http://localhost:8080 (another
# port: PORT=8000 bash tools/web.sh). Ctrl+C stops the server.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh --web
cmake --preset web >/dev/null
cmake --build --preset web -j"$(nproc)"

port="${PORT:-8080}"
echo "Hulgor im Browser: http://localhost:${port}/  (Strg+C beendet den Server)"
exec /usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web/site
