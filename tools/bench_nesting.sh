#!/usr/bin/env bash
# Deep-nesting benchmark: prints figures, asserts nothing.
#  1. the menu machinery on the scripted console (no real pauses):
#     1,000,000 Continues without a save, 100,000 deaths in nested new games;
#  2. the real binary fed 1,000,000 Continues through a pipe, without a
#     terminal (its intro still pauses 6 s for real).
set -euo pipefail
cd "$(dirname "$0")/.."
continues=${1:-1000000}
deaths=${2:-100000}

cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)" --target hulgor stress_nesting >/dev/null

build/default/stress_nesting continues "$continues"
build/default/stress_nesting deaths "$deaths"

echo "real binary: $continues Continues through a pipe"
play=$(mktemp -d)
trap 'rm -rf "$play"' EXIT
start=$(date +%s.%N)
if [[ -x /usr/bin/time ]]; then
  (cd "$play" && yes 2 | head -n "$continues" |
     setsid /usr/bin/time -f "peak memory: %M KB, exit status %x" "$OLDPWD/build/default/hulgor" \
       >/dev/null 2>"$play/err.txt") || true
  grep "peak memory" "$play/err.txt"
else
  (cd "$play" && yes 2 | head -n "$continues" | setsid "$OLDPWD/build/default/hulgor" >/dev/null 2>&1)
  echo "exit status $? (install the 'time' package for the peak memory)"
fi
echo "time: $(echo "$(date +%s.%N) - $start" | bc 2>/dev/null || echo '?') s"
