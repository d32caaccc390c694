#!/usr/bin/env bash
# Builds every release from this checkout into dist/:
#   hulgor_<version>_amd64.deb        the Debian package (section games), with
#                                     a desktop menu entry, the icon and the
#                                     AppStream data
#   hulgor-<version>-windows.zip      hulgor.exe, the eight sounds, LIESMICH.txt,
#                                     README.txt and the English launcher
#   hulgor-<version>-web.zip          the browser version, index.html at its root,
#                                     and web-title.png, the AppStream screenshot
#   hulgor-<version>.tar.gz           the source
#   SHA256SUMS                        over all of them
# The version is the one the version screen shows (src/frontend/version.h);
# docs/release/changelog is the release history, its newest entry this
# version. HULGOR_HOMEPAGE names where the web zip is published (the
# AppStream data's homepage and screenshot).
# Installs what is missing; builds in build/release-*, apart from play and tests.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

version=$(bash tools/version.sh)
echo "== Hulgor $version"
bash tools/setup.sh --release
changelog_version=$(dpkg-parsechangelog -l docs/release/changelog -S Version)
if [[ $changelog_version != "$version" ]]; then
  echo "docs/release/changelog begins with $changelog_version, not $version: add an entry for this release" >&2
  exit 1
fi
homepage=${HULGOR_HOMEPAGE:-https://hulgor.example.org}
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
gzip -9n <docs/release/changelog >"$tree/usr/share/doc/hulgor/changelog.gz"
# The desktop's menu entry (in a terminal), the icon in every size of the
# icon theme, and the AppStream data for software centres.
install -D -m 0644 docs/release/hulgor.desktop "$tree/usr/share/applications/hulgor.desktop"
install -D -m 0644 data/icon/hulgor.svg "$tree/usr/share/icons/hicolor/scalable/apps/hulgor.svg"
for png in data/icon/hulgor-*.png; do
  size=${png##*-}
  size=${size%.png}
  install -D -m 0644 "$png" "$tree/usr/share/icons/hicolor/${size}x${size}/apps/hulgor.png"
done
# The releases of the AppStream data, one for each entry of the changelog.
awk '
  function flush() {
    if (item == "") return
    gsub(/&/, "\\&amp;", item); gsub(/</, "\\&lt;", item); gsub(/>/, "\\&gt;", item)
    items = items "          <li>" item "</li>\n"
    item = ""
  }
  /^hulgor \(/ { version = substr($2, 2, length($2) - 2); items = ""; next }
  /^  \* / { flush(); item = substr($0, 5); next }
  /^    [^ ]/ { item = item " " substr($0, 5); next }
  /^ -- / {
    flush()
    stamp = $0; sub(/.*>  /, "", stamp)
    command = "date -u -d \"" stamp "\" +%F"; command | getline day; close(command)
    printf "    <release version=\"%s\" date=\"%s\">\n      <description>\n        <ul>\n%s        </ul>\n      </description>\n    </release>\n", version, day, items
  }' docs/release/changelog >"$build/releases.xml"
mkdir -p "$tree/usr/share/metainfo"
sed -e "s|@HOMEPAGE@|${homepage%/}|g" -e "/@RELEASES@/{r $build/releases.xml" -e 'd}' \
  docs/release/org.tamlowen.hulgor.metainfo.xml.in >"$tree/usr/share/metainfo/org.tamlowen.hulgor.metainfo.xml"
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
# The title screenshot beside the page: published with it, it is the
# screenshot the AppStream data names.
mkdir -p build/release-web
cp docs/web-title.png build/release-web/
touch -d "@$SOURCE_DATE_EPOCH" build/release-web/web-title.png
(cd build/release-web && zip -qX "$root/dist/hulgor-$version-web.zip" web-title.png)

echo "== The source"
git archive --format=tar --prefix="hulgor-$version/" HEAD | gzip -9n >"dist/hulgor-$version.tar.gz"

(cd dist && sha256sum -- *.deb *.zip *.tar.gz >SHA256SUMS)
echo "== dist/"
ls -l dist
