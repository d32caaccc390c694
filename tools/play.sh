#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it in ./play, the
# folder that holds its sound files and, once you play, its save files.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
# The game alone: playing needs nothing that only the tests need.
cmake --preset play >/dev/null
cmake --build --preset play -j"$(nproc)" --target hulgor sounds

mkdir -p play
# The generated sounds, where missing or older than the build's (a .wav of
# your own that is newer stays).
for sound in build/play/sounds/*.wav; do
  [[ "play/${sound##*/}" -nt "$sound" ]] || cp "$sound" play/
done
cd play
exec ../build/play/hulgor "$@"  # options pass through: bash tools/play.sh --plain
