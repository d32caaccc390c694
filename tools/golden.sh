#!/bin/bash
# Digests of 4,000 seeded random games (colour, plain text, colours off):
# every byte each game showed, its colour and console events and its errors,
# one hash line per game. Run it before and after a change that must not
# alter what a player sees, and compare:
#   bash tools/golden.sh build/default /tmp/before
#   ... change ...
#   bash tools/golden.sh build/default /tmp/after && diff -r /tmp/before /tmp/after
set -euo pipefail
build=${1:?build folder}
out=${2:?output folder}
mkdir -p "$out"
player="$build/tests/random_player"
"$player" --games 2000 --seed 11 --digests "$out/colour.txt" >/dev/null
"$player" --games 1000 --seed 12 --plain --digests "$out/plain.txt" >/dev/null
"$player" --games 1000 --seed 13 --no-colour --digests "$out/no-colour.txt" >/dev/null
wc -l "$out"/*.txt | tail -1
