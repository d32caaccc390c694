#!/usr/bin/env bash
# Installs the Debian packages the game needs to build (and, with --tests,
# to run every test and the Windows cross build). Installs only what is
# missing; uses sudo when not run as root.
set -euo pipefail

packages=(cmake make g++ pkg-config)
if [[ "${1:-}" == "--tests" ]]; then
  packages+=(libgtest-dev g++-mingw-w64-x86-64-posix)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "Missing packages: ${missing[*]}. Run this script as root or install sudo." >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
