#!/usr/bin/env bash
# Proves the releases in dist/ (made by tools/release.sh) as players meet
# them:
#   - the English edition is current with the German (tools/l10n check
#     --strict);
#   - the checksums hold, and lintian reports no error on the Debian package,
#     which holds the English manual page beside the German one, both naming
#     /usr/games/hulgor;
#   - the package's desktop entry passes desktop-file-validate (German and
#     English names, Terminal=true, the game's categories and icon), its
#     AppStream data passes appstreamcli validate (descriptions in both
#     languages, the screenshot, the content rating, this release), and the
#     icon is there as SVG and as a PNG of each size, 16 to 256;
#   - on a freshly bootstrapped Debian (tools/fresh_root.sh) the package
#     installs with apt; `hulgor` plays from an empty folder with piped input,
#     once to the end of the content and once to the bard's lute, so every
#     sound plays through SDL's file-writing audio driver, without an error
#     line, and speaks English with --lang en and HULGOR_LANG=en; the desktop
#     entry's command, run as a menu runs it (in a terminal of 80x24, from
#     the home folder, /usr/games not on PATH), shows the title menu and
#     quits; purged, the package leaves none of its files behind;
#   - hulgor.exe carries the icon and a version resource whose versions
#     are those of src/frontend/version.h;
#   - the Windows zip, unpacked, plays to the end of the content under Wine
#     from a folder outside the zip's, finding its sounds beside hulgor.exe;
#     it holds README.txt and "Hulgor-English.bat" with CR LF line ends,
#     and that launcher plays the game in English in its own folder;
#     LIESMICH.txt and README.txt say to unzip first;
#   - the web zip, unpacked, holds the English edition, the icon as the
#     page's favicon and the AppStream screenshot, takes under 4 MB and
#     passes the browser test (which switches the page to English and
#     opens the unpacked folder from disk, as a double-click does).
# Needs root (the fresh machine is a chroot).
set -euo pipefail
fail() {
  echo "RELEASE CHECK FAILED: $*" >&2
  exit 1
}
cd "$(dirname "$0")/.."
version=$(bash tools/version.sh)
deb=hulgor_${version}_amd64.deb
for file in "$deb" "hulgor-$version-windows.zip" "hulgor-$version-web.zip" "hulgor-$version.tar.gz" SHA256SUMS; do
  [[ -f dist/$file ]] || fail "dist/$file is missing: run bash tools/release.sh first"
done
(cd dist && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match dist/"

echo "== tools/l10n check --strict"
bash tools/l10n check --strict || fail "the English edition is not current with the German"

echo "== lintian"
bash tools/setup.sh --only lintian unzip desktop-file-utils appstream tmux python3
lintian --tag-display-limit 0 "dist/$deb" 2>&1 | grep -v 'running with root privileges' | tee /tmp/hulgor-lintian.txt || true
! grep -q '^E:' /tmp/hulgor-lintian.txt || fail "lintian reports errors"
echo "== the manual pages"
# The manual pages, German and English (man -L en hulgor), each naming --lang.
pages=$(mktemp -d /tmp/hulgor-pages.XXXXXX)
dpkg-deb -x "dist/$deb" "$pages"
for page in man6 en/man6; do
  [[ -f $pages/usr/share/man/$page/hulgor.6.gz ]] || fail "the package has no manual page /usr/share/man/$page/hulgor.6.gz"
done
gzip -dc "$pages/usr/share/man/man6/hulgor.6.gz" >"$pages/de.6"
gzip -dc "$pages/usr/share/man/en/man6/hulgor.6.gz" >"$pages/en.6"
grep -q '^\.SH BESCHREIBUNG' "$pages/de.6" && grep -q 'lang' "$pages/de.6" ||
  fail "the German manual page is not in German or does not name --lang"
grep -q '^\.SH DESCRIPTION' "$pages/en.6" && grep -q 'HULGOR_LANG' "$pages/en.6" ||
  fail "the English manual page is not in English or does not name HULGOR_LANG"
for page in de en; do
  grep -q '/usr/games/hulgor' "$pages/$page.6" || fail "the manual page ($page) does not name /usr/games/hulgor"
done

echo "== the desktop entry, the icon and the AppStream data"
desktop=$pages/usr/share/applications/hulgor.desktop
[[ -f $desktop ]] || fail "the package has no /usr/share/applications/hulgor.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate reports problems in hulgor.desktop"
for line in 'Terminal=true' 'Categories=Game;AdventureGame;' 'Icon=hulgor' 'Name=' 'Name\[de\]=' 'Comment=' \
  'Comment\[de\]=' 'Exec=/usr/games/hulgor'; do
  grep -q "^$line" "$desktop" || fail "hulgor.desktop has no line $line"
done
icons=$pages/usr/share/icons/hicolor
[[ -f $icons/scalable/apps/hulgor.svg ]] || fail "the package has no icon $icons/scalable/apps/hulgor.svg"
for size in 16 22 24 32 48 64 128 256; do
  png=$icons/${size}x${size}/apps/hulgor.png
  [[ -f $png ]] || fail "the package has no icon /usr/share/icons/hicolor/${size}x${size}/apps/hulgor.png"
  # The width and height in the PNG's header.
  side=" 0 0 $((size >> 8)) $((size & 255))"
  [[ $(od -An -tu1 -j16 -N8 "$png" | tr -s ' ') == "$side$side" ]] ||
    fail "the ${size}x${size} icon is not $size pixels square"
done
metainfo=$pages/usr/share/metainfo/org.tamlowen.hulgor.metainfo.xml
[[ -f $metainfo ]] || fail "the package has no /usr/share/metainfo/org.tamlowen.hulgor.metainfo.xml"
# --no-net: the homepage and the screenshot are checked as written, not fetched.
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate reports problems in the AppStream data"
for wanted in '<launchable type="desktop-id">hulgor.desktop</launchable>' '<p xml:lang="de">' \
  '/web-title.png</image>' '<content_rating type="oars-1.1">' "<release version=\"$version\" date=\""; do
  grep -qF "$wanted" "$metainfo" || fail "the AppStream data has no $wanted"
done
grep -qF "$(gzip -dc "$pages/usr/share/doc/hulgor/changelog.gz" | head -n1)" docs/release/changelog ||
  fail "the package's changelog is not docs/release/changelog"
rm -rf "$pages"

source tools/fresh_root.sh
in_root() {
  setsid chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin:/usr/local/games:/usr/games /bin/bash -c "$1" </dev/null
}
echo "== apt install ./$deb on a fresh Debian"
cp "dist/$deb" "$root/tmp/"
in_root "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /tmp/$deb >/dev/null" ||
  fail "apt could not install the package"
in_root "dpkg -L hulgor" >"$scratch/files"

# To the end of the content with Ragnar; and south with the sword to the
# bard, whose lute kills (bard.wav, gore.wav, death.wav), then option 10.
complete='1\nKai\n1\n2\n1\n1\n2\n3\n1\n1\n2\n'
lute='1\nKai\n1\n2\n1\n1\n3\n3\n10\n'
for game in complete lute; do
  echo "== hulgor from an empty folder: $game"
  in_root "mkdir /root/$game && cd /root/$game && printf '${!game}' |
    SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/root/$game.raw hulgor >out.txt 2>err.txt" ||
    fail "$game: hulgor ended with status $?"
  tail -n 3 "$root/root/$game/out.txt"
  ! grep -q 'Fehler: Konnte Sound' "$root/root/$game/err.txt" || fail "$game: a sound was not played"
  [[ -s $root/root/$game.raw ]] || fail "$game: SDL's disk driver received no sound"
  [[ -f $root/root/$game/savegame.txt ]] || fail "$game: no savegame.txt in the folder the game ran in"
done
grep -q 'Aktuell endet die Reise hier.' "$root/root/complete/out.txt" || fail "the end of the content was not reached"
grep -q 'DU BIST TOT.' "$root/root/lute/out.txt" || fail "the lute did not kill"
for asked in "hulgor --lang en --no-sound" "HULGOR_LANG=en hulgor --no-sound"; do
  in_root "mkdir -p /root/english && cd /root/english && printf '10\n' | $asked" >"$scratch/english.txt" 2>&1 ||
    fail "$asked ended with status $?"
  grep -q 'Hulgor - the Barbarian' "$scratch/english.txt" && grep -q 'Quitting the game...' "$scratch/english.txt" ||
    fail "$asked did not play in English"
done

echo "== the desktop entry's command in a terminal, as a menu starts it"
# The command as the installed entry gives it, run from root's home with
# root's PATH, which has no /usr/games, in a terminal of 80x24.
command=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/hulgor.desktop" | head -n1)
screen=$scratch/desktop-screen.txt
terminal=(tmux -L "hulgor-release-check-$$")
"${terminal[@]}" new-session -d -x 80 -y 24 "chroot $root /usr/bin/env -i HOME=/root TERM=xterm-256color \
  LANG=C.UTF-8 SDL_AUDIODRIVER=dummy PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  /bin/bash -c 'cd /root && $command; echo exit status \$?; sleep 60'"
await() {
  local i
  for ((i = 0; i < 60; i++)); do
    "${terminal[@]}" capture-pane -p >"$screen" 2>/dev/null || true
    grep -qF -- "$1" "$screen" && return 0
    sleep 0.5
  done
  return 1
}
shown=ok
if ! await 'Taste'; then shown="no key prompt after the splash"
else
  "${terminal[@]}" send-keys Space
  if ! await '10. Spiel beenden'; then shown="no title menu"
  else
    "${terminal[@]}" send-keys 1 0 Enter
    await 'exit status' || shown="the game did not end after option 10"
  fi
fi
grep -v '^[[:space:]]*$' "$screen" || true
"${terminal[@]}" kill-server 2>/dev/null || true
[[ $shown == ok ]] || fail "the desktop entry's command '$command': $shown"
grep -q 'exit status 0' "$screen" || fail "the desktop entry's command '$command' did not end with status 0"

echo "== apt purge hulgor"
in_root "DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq hulgor >/dev/null" || fail "apt could not remove the package"
while IFS= read -r path; do
  case $path in /. | /usr | /usr/games | /usr/share | /usr/share/doc | /usr/share/games | /usr/share/man | /usr/share/man/man6 | \
    /usr/share/man/en | /usr/share/man/en/man6 | /usr/share/applications | /usr/share/metainfo | /usr/share/icons) continue ;; esac
  # The icon theme's folders, which other packages share.
  [[ $path == /usr/share/icons/hicolor* && $path != *.* ]] && continue
  [[ ! -e $root$path ]] || fail "left behind after purge: $path"
done <"$scratch/files"

echo "== hulgor.exe's icon and version resource"
unzip -q "dist/hulgor-$version-windows.zip" -d "$scratch/windows"
python3 tools/exe_resources.py "$scratch/windows/hulgor-$version/hulgor.exe" | tee "$scratch/resources.txt" ||
  fail "hulgor.exe has no version resource"
game_version=$(sed -n 's/.*GameVersion = "\(.*\)".*/\1/p' src/frontend/version.h)
for wanted in "FILEVERSION $version.0" "PRODUCTVERSION $version.0" "ProductVersion $game_version" \
  "FileVersion $version" "ProductName Hulgor – der Barbar" "OriginalFilename hulgor.exe" "ICON_GROUPS 1"; do
  grep -qxF "$wanted" "$scratch/resources.txt" || fail "hulgor.exe's resources have no line '$wanted'"
done
grep -q '^FileDescription .' "$scratch/resources.txt" || fail "hulgor.exe's version resource has no description"
! grep -qx 'ICONS 0' "$scratch/resources.txt" || fail "hulgor.exe has no icon"

echo "== the Windows zip under Wine, from another folder"
bash tools/setup.sh --wine
source tools/wine_env.sh
mkdir "$scratch/windows-play"
(cd "$scratch/windows-play" && printf "$complete" |
  timeout 300 "$wine" "$scratch/windows/hulgor-$version/hulgor.exe" >out.txt 2>err.txt) ||
  fail "hulgor.exe ended with status $?"
/usr/lib/wine/wineserver64 -w
tr -d '\r' <"$scratch/windows-play/out.txt" | grep -q 'Aktuell endet die Reise hier.' ||
  fail "hulgor.exe did not reach the end of the content"
! grep -q 'Fehler: Konnte Sound' "$scratch/windows-play/err.txt" || fail "hulgor.exe did not find its sounds beside it"
[[ -f $scratch/windows-play/savegame.txt && ! -e $scratch/windows/hulgor-$version/savegame.txt ]] ||
  fail "hulgor.exe did not save in the folder it was started in"
launcher="Hulgor-English.bat"
for file in LIESMICH.txt README.txt "$launcher"; do
  [[ -f $scratch/windows/hulgor-$version/$file ]] || fail "the Windows zip has no $file"
  ! grep -qv $'\r$' "$scratch/windows/hulgor-$version/$file" || fail "$file has a line without CR LF"
done
grep -q 'README.txt' "$scratch/windows/hulgor-$version/LIESMICH.txt" || fail "LIESMICH.txt does not point to README.txt"
grep -q 'Entpacke das ganze Zip-Archiv, bevor' "$scratch/windows/hulgor-$version/LIESMICH.txt" ||
  fail "LIESMICH.txt does not say to unzip before starting"
grep -q 'Unzip the whole archive before' "$scratch/windows/hulgor-$version/README.txt" ||
  fail "README.txt does not say to unzip before starting"
# The launcher as a double-click starts it (through cmd), from another
# folder: the game speaks English, finds its sounds, saves beside itself.
mkdir "$scratch/windows-english"
(cd "$scratch/windows-english" && printf "$complete" |
  timeout 300 "$wine" cmd /c "Z:${scratch//\//\\}\\windows\\hulgor-$version\\$launcher" >out.txt 2>err.txt) ||
  fail "$launcher ended with status $?"
/usr/lib/wine/wineserver64 -w
tr -d '\r' <"$scratch/windows-english/out.txt" | grep -q 'For now, the journey ends here.' ||
  fail "$launcher did not play the game in English to the end of the content"
! grep -q 'Error: Could not play sound' "$scratch/windows-english/err.txt" "$scratch/windows-english/out.txt" ||
  fail "$launcher: hulgor.exe did not find its sounds"
[[ -f $scratch/windows/hulgor-$version/savegame.txt ]] || fail "$launcher did not start the game in its own folder"

echo "== the web zip in headless Chromium"
bash tools/setup.sh --web-test
unzip -q "dist/hulgor-$version-web.zip" -d "$scratch/web"
[[ -f $scratch/web/index.html ]] || fail "the web zip has no index.html at its root"
cmp -s "$scratch/web/hulgor.svg" data/icon/hulgor.svg && grep -q '<link rel="icon"[^>]*href="hulgor.svg"' "$scratch/web/index.html" ||
  fail "the web zip's page does not have the game's icon as its favicon"
[[ -f $scratch/web/web-title.png ]] || fail "the web zip has no web-title.png, the AppStream screenshot"
# The game's WebAssembly is inside hulgor.js (a page opened from disk loads
# no .wasm beside it); the story's English text is in there.
[[ ! -e $scratch/web/hulgor.wasm ]] || fail "the web zip still has a hulgor.wasm beside hulgor.js"
/usr/bin/python3 - "$scratch/web/hulgor.js" <<'PY' && grep -q 'Hulgor the Barbarian' "$scratch/web/hulgor.js" ||
import base64, re, sys
page = open(sys.argv[1], encoding="utf-8").read()
embedded = re.findall(r"data:application/octet-stream;base64,([A-Za-z0-9+/=]+)", page)
sys.exit(0 if any(b"Hulgor - the Barbarian" in base64.b64decode(data) for data in embedded) else 1)
PY
  fail "the web zip's game has no English edition"
size=$(du -sb "$scratch/web" | cut -f1)
((size < 4 * 1024 * 1024)) || fail "the unpacked web zip takes $size bytes, over 4 MB"
/usr/bin/python3 tools/web_test.py "$scratch/web" "$scratch/web-title.png" >"$scratch/web.log" 2>&1 ||
  { tail -n 30 "$scratch/web.log"; fail "the web zip failed the browser test"; }
tail -n 1 "$scratch/web.log"

echo "RELEASE CHECK PASSED: the translation current; $deb installed, played (in German and English) and purged" \
  "on a fresh Debian, its desktop entry's command started in a terminal; lintian without errors; the desktop entry," \
  "icon and AppStream data valid; hulgor.exe's icon and version resource read back; the Windows zip played under" \
  "Wine, in English through its launcher; the web zip passed the browser test"
