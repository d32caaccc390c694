#!/usr/bin/env bash
# Prints the game's version as releases name it: "ALPHA 0.2.0" in
# src/frontend/version.h gives 0.2.0.
set -euo pipefail
version=$(sed -n 's/.*GameVersion = "ALPHA \([0-9][0-9.]*\)".*/\1/p' "$(dirname "$0")/../src/frontend/version.h")
[[ -n $version ]] || { echo "no version in src/frontend/version.h" >&2; exit 1; }
echo "$version"
