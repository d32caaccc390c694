#!/usr/bin/env bash
# Renders the story map for authors: docs/story-map.dot -> docs/story-map.svg.
# Installs Debian's graphviz first when `dot` is missing (uses sudo when not
# run as root).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

command -v dot >/dev/null || bash "$root/tools/setup.sh" --only graphviz

dot -Tsvg "$root/docs/story-map.dot" -o "$root/docs/story-map.svg"
echo "Wrote docs/story-map.svg"
