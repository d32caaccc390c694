#!/usr/bin/env bash
# Renders the story map for authors: docs/story-map.dot -> docs/story-map.svg.
# Installs Debian's graphviz first when `dot` is missing (uses sudo when not
# run as root).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

if ! command -v dot >/dev/null; then
  if [[ $(id -u) -eq 0 ]]; then
    as_root=()
  elif command -v sudo >/dev/null; then
    as_root=(sudo)
  else
    echo "graphviz is missing. Run this script as root or install sudo." >&2
    exit 1
  fi
  echo "Installing: graphviz"
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get -o DPkg::Lock::Timeout=900 install -y graphviz
fi

dot -Tsvg "$root/docs/story-map.dot" -o "$root/docs/story-map.svg"
echo "Wrote docs/story-map.svg"
