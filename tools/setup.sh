#!/usr/bin/env bash
# Installs the Debian packages the game needs to build (and, with --tests,
# to run every test and the Windows cross build; with --wine, to build the
# Windows game and play it under Wine; with --release, to build every
# release; with --web, to build the browser
# version, and with --web-test, to test it in headless Chromium; with
# --only PACKAGE..., just those packages, for the scripts that need one
# tool more). Installs only what is missing; uses sudo when not run as root.
set -euo pipefail

# libsdl2-mixer-dev: sound playback (configure with -DHULGOR_SOUND=OFF to do without)
packages=(cmake make g++ pkg-config libsdl2-mixer-dev)
if [[ "${1:-}" == "--only" ]]; then
  packages=("${@:2}")
elif [[ "${1:-}" == "--tests" ]]; then
  packages+=(libgtest-dev g++-mingw-w64-x86-64-posix python3)
elif [[ "${1:-}" == "--wine" ]]; then
  packages+=(g++-mingw-w64-x86-64-posix wine64 tmux python3)
elif [[ "${1:-}" == "--release" ]]; then
  # Every release build: the Debian package, the Windows zip, the web zip.
  packages+=(dpkg-dev fakeroot zip g++-mingw-w64-x86-64-posix emscripten)
  if ! command -v npm >/dev/null; then packages+=(npm); fi
elif [[ "${1:-}" == "--web" || "${1:-}" == "--web-test" ]]; then
  # emscripten builds the browser version; npm installs its terminal (xterm.js).
  # A Node.js that brings its own npm (NodeSource) needs no Debian npm.
  packages+=(emscripten)
  if ! command -v npm >/dev/null; then packages+=(npm); fi
  # The browser test: headless Chromium driven through Selenium.
  if [[ "${1:-}" == "--web-test" ]]; then packages+=(chromium chromium-driver python3-selenium); fi
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
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}"
