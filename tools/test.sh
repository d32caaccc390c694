#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the normal
# build, the build under AddressSanitizer and UndefinedBehaviorSanitizer,
# and the Windows console build with the mingw-w64 cross compiler.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh --tests
jobs=$(nproc)

for preset in default sanitize; do
  echo "== $preset build and tests"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$jobs"
  ctest --preset "$preset"
done

echo "== Windows console build (mingw-w64)"
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j"$jobs"
echo "Windows build ok: build/mingw/hulgor.exe"
