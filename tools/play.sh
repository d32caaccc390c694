#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it in ./play, the
# folder that holds its sound files and, once you play, its save files.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)" --target hulgor make_sounds

mkdir -p play
[[ -f play/intro.wav ]] || build/default/make_sounds play
cd play
exec ../build/default/hulgor
