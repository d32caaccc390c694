#!/usr/bin/env bash
# Proves the releases in dist/ (made by tools/release.sh) as players meet
# them:
#   - the checksums hold, and lintian reports no error on the Debian package;
#   - on a freshly bootstrapped Debian (tools/fresh_root.sh) the package
#     installs with apt; `hulgor` plays from an empty folder with piped input,
#     once to the end of the content and once to the bard's lute, so every
#     sound plays through SDL's file-writing audio driver, without an error
#     line; purged, the package leaves none of its files behind;
#   - the Windows zip, unpacked, plays to the end of the content under Wine
#     from a folder outside the zip's, finding its sounds beside hulgor.exe;
#   - the web zip, unpacked, passes the browser test.
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

echo "== lintian"
bash tools/setup.sh --only lintian unzip
lintian --tag-display-limit 0 "dist/$deb" 2>&1 | grep -v 'running with root privileges' | tee /tmp/hulgor-lintian.txt || true
! grep -q '^E:' /tmp/hulgor-lintian.txt || fail "lintian reports errors"

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

echo "== apt purge hulgor"
in_root "DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq hulgor >/dev/null" || fail "apt could not remove the package"
while IFS= read -r path; do
  case $path in /. | /usr | /usr/games | /usr/share | /usr/share/doc | /usr/share/games | /usr/share/man | /usr/share/man/man6) continue ;; esac
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

echo "== the web zip in headless Chromium"
bash tools/setup.sh --web-test
unzip -q "dist/hulgor-$version-web.zip" -d "$scratch/web"
[[ -f $scratch/web/index.html ]] || fail "the web zip has no index.html at its root"
/usr/bin/python3 tools/web_test.py "$scratch/web" "$scratch/web-title.png" >"$scratch/web.log" 2>&1 ||
  { tail -n 30 "$scratch/web.log"; fail "the web zip failed the browser test"; }
tail -n 1 "$scratch/web.log"

echo "RELEASE CHECK PASSED: $deb installed, played and purged on a fresh Debian; lintian without errors;" \
  "the Windows zip played under Wine; the web zip passed the browser test"
