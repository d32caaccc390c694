#!/usr/bin/env bash
# Draws and renders the maps for authors and maintainers with graphviz:
#   the game   -> docs/story-map.dot, docs/story-map.svg   the story's choices, drawn
#                 by playing every way through it (tools/story_map.cpp, built in build/default)
#   src/ includes      -> docs/house.dot, docs/house.svg   which folder includes which
# Installs Debian's graphviz first when `dot` is missing (uses sudo when not
# run as root).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

command -v dot >/dev/null || bash "$root/tools/setup.sh" --only graphviz

cd "$root"
cmake --preset default >/dev/null
cmake --build --preset default --target story_map >/dev/null
"$root/build/default/tests/story_map" > "$root/docs/story-map.dot"
dot -Tsvg "$root/docs/story-map.dot" -o "$root/docs/story-map.svg"
python3 "$root/tools/include_graph.py" --dot > "$root/docs/house.dot"
dot -Tsvg "$root/docs/house.dot" -o "$root/docs/house.svg"
echo "Wrote docs/story-map.svg and docs/house.svg"
