#!/usr/bin/env bash
# The game's benchmarks: prints figures, asserts nothing. Linux.
#   bash bench/run.sh [continues] [deaths]
# Builds the game in build/benchmarks (RelWithDebInfo, no test suite), then
# measures the real binary with the real clock, the eight sounds in its
# working folder unless said otherwise:
#  - time from exec to the first byte of the splash (intro sound started);
#  - overshoot of the splash's 3000 ms pauses, in a pseudo-terminal;
#  - CPU time while the game waits 10 s at the menu prompt;
#  - peak memory of a whole game (chapter 1 to the end) through a pipe;
#  - deep nesting: 1,000,000 Continues without a save and 100,000 deaths
#    on the scripted console, and 1,000,000 Continues fed to the real binary.
# Takes about two minutes; the splash alone pauses 6 s in every run.
set -euo pipefail
cd "$(dirname "$0")/.."
continues=${1:-1000000}
deaths=${2:-100000}
build=build/benchmarks

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHULGOR_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target hulgor sounds stress_nesting figures >/dev/null
game=$build/hulgor
figures=$build/figures

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
mkdir "$folder/sounds" "$folder/silent"
cp "$build"/sounds/*.wav "$folder/sounds/"

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), kernel $(uname -r)"
echo "audio: SDL's default driver$( [[ -e /dev/snd ]] || echo ' (no sound card here: the device does not open)')"

echo "== start-up (30 runs each)"
for setup in "default sounds" "default silent" "dummy sounds"; do
  read -r driver case <<<"$setup"
  printf '%-7s driver, %-6s folder: ' "$driver" "$case"
  if [[ $driver == dummy ]]; then
    SDL_AUDIODRIVER=dummy "$figures" startup "$game" "$folder/$case" 30
  else
    "$figures" startup "$game" "$folder/$case" 30
  fi
done

echo "== pauses and waiting at a prompt (3 games in a pseudo-terminal)"
"$figures" screens "$game" "$folder/sounds" 3
printf 'on the dummy driver (a device that opens): '
SDL_AUDIODRIVER=dummy "$figures" screens "$game" "$folder/sounds" 1 | tail -n 1

echo "== a whole game through a pipe (about 20 s of the game's own pauses)"
rm -f "$folder"/sounds/*.txt
printf '1\nKai\n1\n2\n1\n1\n2\n3\n1\n1\n2\n' | "$figures" game "$game" "$folder/sounds"

echo "== deep nesting"
"$build"/stress_nesting continues "$continues"
"$build"/stress_nesting deaths "$deaths"
rm -f "$folder"/silent/*.txt
printf 'real binary, %s Continues through a pipe: ' "$continues"
{ yes 2 || true; } | head -n "$continues" | "$figures" game "$game" "$folder/silent"
