# Shared by the checks that need a fresh machine (fresh_machine_check.sh,
# release_check.sh): a scratch copy of a freshly bootstrapped minimal Debian
# bookworm, with /proc, /sys, /dev and apt's archive cache bound into it.
# Source it; it sets $repo, $root and $scratch and cleans up at exit. The
# bootstrapped root is kept in a cache folder outside the repository
# (HULGOR_FRESH_CACHE, default /var/cache/hulgor), so later runs skip that
# download. Needs root.
# Callers define fail() before sourcing.

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cache=${HULGOR_FRESH_CACHE:-/var/cache/hulgor}
pristine=$cache/debian-bookworm-minbase
archives=$cache/apt-archives   # downloaded .debs, shared between runs

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

