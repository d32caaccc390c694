#!/usr/bin/env bash
# Builds every release from this checkout into dist/:
#   hulgor_<version>_amd64.deb        the Debian package (section games)
#   hulgor-<version>-windows.zip      hulgor.exe, the eight sounds, LIESMICH.txt,
#                                     README.txt and the English launcher
#   hulgor-<version>-web.zip          the browser version, index.html at its root
#   hulgor-<version>.tar.gz           the source
#   SHA256SUMS                        over all of them
# The version is the one the version screen shows (src/frontend/version.h).
# Installs what is missing; builds in build/release-*, apart from play and tests.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

version=$(bash tools/version.sh)
echo "== Hulgor $version"
bash tools/setup.sh --release
# The English edition must be current with the German before anything is built.
echo "== tools/l10n check --strict"
bash tools/l10n check --strict
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
jobs=$(nproc)
rm -rf dist
mkdir -p dist

echo "== The Debian package"
build=build/release-linux
# Debian's hardening flags, bind-now included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CPPFLAGS=$(dpkg-buildflags --get CPPFLAGS) CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  LDFLAGS=$(dpkg-buildflags --get LDFLAGS) \
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DHULGOR_TESTS=OFF \
  -DHULGOR_DATA_DIR=/usr/share/games/hulgor >/dev/null
cmake --build "$build" -j"$jobs" --target hulgor sounds
tree=$build/deb
rm -rf "$tree"
install -D -m 0755 "$build/hulgor" "$tree/usr/games/hulgor"
strip --strip-unneeded --remove-section=.comment --remove-section=.note "$tree/usr/games/hulgor"
install -d "$tree/usr/share/games/hulgor"
install -m 0644 "$build"/sounds/*.wav "$tree/usr/share/games/hulgor/"
install -D -m 0644 docs/release/hulgor.6 "$tree/usr/share/man/man6/hulgor.6"
gzip -9n "$tree/usr/share/man/man6/hulgor.6"
install -D -m 0644 docs/release/hulgor.en.6 "$tree/usr/share/man/en/man6/hulgor.6"
gzip -9n "$tree/usr/share/man/en/man6/hulgor.6"
install -D -m 0644 README.md "$tree/usr/share/doc/hulgor/README.md"
gzip -9n "$tree/usr/share/doc/hulgor/README.md"
install -m 0644 docs/release/copyright "$tree/usr/share/doc/hulgor/copyright"
printf 'hulgor (%s) unstable; urgency=low\n\n  * Release %s.\n\n -- Hulgor developers <hulgor@example.org>  %s\n' \
  "$version" "$version" "$(date -u -R -d "@$SOURCE_DATE_EPOCH")" | gzip -9n >"$tree/usr/share/doc/hulgor/changelog.gz"
# The C and C++ runtime as dpkg-shlibdeps finds them; SDL2_mixer is loaded
# when the first sound plays, so it is named here.
mkdir -p "$build/shlibs/debian"
printf 'Source: hulgor\n\nPackage: hulgor\nArchitecture: amd64\n' >"$build/shlibs/debian/control"
runtime=$(cd "$build/shlibs" && dpkg-shlibdeps -O "$root/$tree/usr/games/hulgor" | sed -n 's/^shlibs:Depends=//p')
mkdir -p "$tree/DEBIAN"
cat >"$tree/DEBIAN/control" <<CONTROL
Package: hulgor
Version: $version
Section: games
Priority: optional
Architecture: amd64
Maintainer: Hulgor developers <hulgor@example.org>
Installed-Size: $(du -sk --exclude=DEBIAN "$tree" | cut -f1)
Depends: $runtime, libsdl2-mixer-2.0-0
Description: German text adventure for the console
 Hulgor - der Barbar: you wake up bound on a prisoner cart in a winter
 landscape, with no idea how you got there. A German text adventure in the
 terminal, with colours, sounds, chapters that save by themselves, and a
 plain mode for screen readers. The game keeps its save files in the folder
 it is started in.
CONTROL
(cd "$tree" && find usr -type f -print0 | sort -z | xargs -0 md5sum >DEBIAN/md5sums)
find "$tree" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
dpkg-deb --root-owner-group -Zxz --build "$tree" "dist/hulgor_${version}_amd64.deb" >/dev/null

echo "== The Windows zip"
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j"$jobs" --target hulgor
stage=build/release-windows/hulgor-$version
rm -rf build/release-windows
mkdir -p "$stage"
cp build/mingw/hulgor.exe "$build"/sounds/*.wav "$stage/"
sed 's/$/\r/' docs/release/LIESMICH.txt >"$stage/LIESMICH.txt"
sed 's/$/\r/' docs/release/README.txt >"$stage/README.txt"
sed 's/$/\r/' docs/release/hulgor-english.bat >"$stage/Hulgor-English.bat"
find "$stage" -exec touch -d "@$SOURCE_DATE_EPOCH" {} +
(cd build/release-windows && zip -qrX "$root/dist/hulgor-$version-windows.zip" "hulgor-$version")

echo "== The web zip"
cmake --preset web >/dev/null
cmake --build --preset web -j"$jobs"
find build/web/site -exec touch -d "@$SOURCE_DATE_EPOCH" {} +
(cd build/web/site && zip -qrX "$root/dist/hulgor-$version-web.zip" .)

echo "== The source"
git archive --format=tar --prefix="hulgor-$version/" HEAD | gzip -9n >"dist/hulgor-$version.tar.gz"

(cd dist && sha256sum -- *.deb *.zip *.tar.gz >SHA256SUMS)
echo "== dist/"
ls -l dist
