#!/usr/bin/env bash
# Runs the README's two commands the way a new player would: on a freshly
# bootstrapped minimal Debian bookworm, as root, without a terminal and with
# standard input closed.
#   1. `bash tools/play.sh` must build the game, show the title menu and end
#      with status 0 at the end of input.
#   2. `bash tools/test.sh` must pass.
# The bootstrapped root is kept in a cache folder outside the repository
# (HULGOR_FRESH_CACHE, default /var/cache/hulgor), so later runs skip that
# download; every run works on a scratch copy of it. Needs root.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
cache=${HULGOR_FRESH_CACHE:-/var/cache/hulgor}
pristine=$cache/debian-bookworm-minbase
archives=$cache/apt-archives   # downloaded .debs, shared between runs

fail() {
  echo "FRESH MACHINE CHECK FAILED: $*" >&2
  exit 1
}

[[ $(id -u) -eq 0 ]] || fail "run this script as root (it bootstraps and enters a chroot)"

# The Debian mirror this machine uses, from its apt sources.
host_mirror() {
  local file uri
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [[ -f $file ]] || continue
    uri=$(grep -hoE '(^URIs:[[:space:]]*|^deb[[:space:]]+(\[[^]]*\][[:space:]]+)?)[a-z]+://[^[:space:]]+/debian/?([[:space:]]|$)' "$file" |
      grep -oE '[a-z]+://[^[:space:]]+' | head -n1 || true)
    if [[ -n $uri ]]; then
      echo "${uri%/}"
      return
    fi
  done
  echo "http://deb.debian.org/debian"
}
mirror=$(host_mirror)

if [[ ! -x $pristine/bin/bash ]]; then
  if ! command -v debootstrap >/dev/null; then
    echo "== installing debootstrap"
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends debootstrap
  fi
  echo "== bootstrapping Debian bookworm (minbase) from $mirror into $pristine"
  mkdir -p "$cache"
  rm -rf --one-file-system "$pristine.partial"
  debootstrap --variant=minbase bookworm "$pristine.partial" "$mirror" ||
    fail "debootstrap did not finish (see its messages above)"
  mv "$pristine.partial" "$pristine"
fi

scratch=$(mktemp -d /var/tmp/hulgor-fresh.XXXXXX)
root=$scratch/root
mounted=()

cleanup() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" 2>/dev/null || true
  done
  # Never delete through a mount that is still there.
  if findmnt -rn -o TARGET | grep -qF "$scratch"; then
    echo "warning: $scratch still has mounts; left in place" >&2
  else
    rm -rf --one-file-system "$scratch"
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

bind() {
  mkdir -p "$2"
  mount --bind "$1" "$2"
  mounted+=("$2")
}

echo "== scratch copy of the fresh root in $root"
cp -a "$pristine" "$root"
bind /proc "$root/proc"
bind /sys "$root/sys"
bind /dev "$root/dev"
bind /dev/pts "$root/dev/pts"   # pseudo-terminals, for the tests that play in one
bind /dev/shm "$root/dev/shm"
mkdir -p "$archives/partial"
bind "$archives" "$root/var/cache/apt/archives"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
security=${mirror%/debian}/debian-security
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $security bookworm-security main
EOF

echo "== fresh copy of the repository in /root/hulgor"
mkdir -p "$root/root/hulgor"
(cd "$repo" && git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' file; do [[ -e $file ]] && printf '%s\0' "$file"; done |
  tar --null -T - -cf -) | tar -xf - -C "$root/root/hulgor"

# One README command inside the fresh machine: a new session without a
# controlling terminal, standard input closed, a root login's environment.
in_fresh_machine() {
  setsid chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    /bin/bash -c 'cd /root/hulgor && "$@"' bash "$@" </dev/null
}

log=$scratch/play.log
echo "== bash tools/play.sh"
start=$SECONDS
status=0
in_fresh_machine bash tools/play.sh >"$log" 2>&1 || status=$?
tail -n 25 "$log"
echo "-- play.sh ended with status $status after $((SECONDS - start)) s"
[[ $status -eq 0 ]] || fail "'bash tools/play.sh' ended with status $status on a fresh machine"
for expected in "*        Hulgor - der Barbar       *" "10. Spiel beenden"; do
  grep -qF -- "$expected" "$log" || fail "'bash tools/play.sh' did not show the title menu line '$expected'"
done

echo "== bash tools/test.sh"
start=$SECONDS
status=0
in_fresh_machine bash tools/test.sh 2>&1 || status=$?
echo "-- test.sh ended with status $status after $((SECONDS - start)) s"
[[ $status -eq 0 ]] || fail "'bash tools/test.sh' ended with status $status on a fresh machine"

echo "FRESH MACHINE CHECK PASSED: play.sh showed the title menu and ended with 0; test.sh passed"
