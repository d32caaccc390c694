#!/usr/bin/env bash
# Proves the releases in dist/ (made by tools/release.sh) as players meet
# them:
#   - the English edition is current with the German (tools/l10n check
#     --strict);
#   - the checksums hold, and lintian reports no error on the Debian package,
#     which holds the English manual page beside the German one;
#   - on a freshly bootstrapped Debian (tools/fresh_root.sh) the package
#     installs with apt; `hulgor` plays from an empty folder with piped input,
#     once to the end of the content and once to the bard's lute, so every
#     sound plays through SDL's file-writing audio driver, without an error
#     line, and speaks English with --lang en and HULGOR_LANG=en; purged,
#     the package leaves none of its files behind;
#   - the Windows zip, unpacked, plays to the end of the content under Wine
#     from a folder outside the zip's, finding its sounds beside hulgor.exe;
#     it holds README.txt and "Hulgor-English.bat" with CR LF line ends,
#     and that launcher plays the game in English in its own folder;
#   - the web zip, unpacked, holds the English edition, takes under 4 MB
#     and passes the browser test (which switches the page to English and
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
bash tools/setup.sh --only lintian unzip
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

echo "== apt purge hulgor"
in_root "DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq hulgor >/dev/null" || fail "apt could not remove the package"
while IFS= read -r path; do
  case $path in /. | /usr | /usr/games | /usr/share | /usr/share/doc | /usr/share/games | /usr/share/man | /usr/share/man/man6 | \
    /usr/share/man/en | /usr/share/man/en/man6) continue ;; esac
  [[ ! -e $root$path ]] || fail "left behind after purge: $path"
done <"$scratch/files"

echo "== the Windows zip under Wine, from another folder"
bash tools/setup.sh --wine
source tools/wine_env.sh
unzip -q "dist/hulgor-$version-windows.zip" -d "$scratch/windows"
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
  "on a fresh Debian; lintian without errors; the Windows zip played under Wine, in English through its launcher;" \
  "the web zip passed the browser test"
