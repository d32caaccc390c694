#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it in ./play, the
# folder that holds its sound files and, once you play, its save files.
# The build is quiet: its output shows only when it fails, and a first
# build says in one line that it runs. In a terminal the game then starts
# on a clear screen (not with --plain or TERM=dumb, which never clear).
set -euo pipefail
cd "$(dirname "$0")/.."

log=$(mktemp "${TMPDIR:-/tmp}/hulgor-build.XXXXXX")
trap 'rm -f "$log"' EXIT
quietly() {
  local status=0
  "$@" >>"$log" 2>&1 || status=$?
  if [[ $status -ne 0 ]]; then
    cat "$log" >&2
    echo "tools/play.sh: '$*' failed with status $status (its output is above)" >&2
    exit "$status"
  fi
}

if [[ ! -x build/play/hulgor ]]; then
  echo "Building Hulgor (a few minutes the first time)..."
fi
quietly bash tools/setup.sh
# The game alone: playing needs nothing that only the tests need.
quietly cmake --preset play
quietly cmake --build --preset play -j"$(nproc)" --target hulgor sounds

mkdir -p play
# The generated sounds, where missing or older than the build's (a .wav of
# your own that is newer stays).
for sound in build/play/sounds/*.wav; do
  [[ "play/${sound##*/}" -nt "$sound" ]] || cp "$sound" play/
done

plain=false
for option in "$@"; do
  if [[ $option == --plain ]]; then plain=true; fi
done
if [[ -t 1 && ${TERM:-dumb} != dumb && $plain == false ]]; then
  printf '\033[H\033[2J'  # the window only: the scrollback stays
fi
cd play
exec ../build/play/hulgor "$@"  # options pass through: bash tools/play.sh --plain
