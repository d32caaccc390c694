#!/usr/bin/env bash
# Runs the README's two commands the way a new player would: on a freshly
# bootstrapped minimal Debian bookworm, as root, without a terminal and with
# standard input closed.
#   1. `bash tools/play.sh` must build the game, show the title menu and end
#      with status 0 at the end of input.
#   2. `bash tools/test.sh` must pass.
# The fresh machine comes from tools/fresh_root.sh. Needs root.
set -euo pipefail

fail() {
  echo "FRESH MACHINE CHECK FAILED: $*" >&2
  exit 1
}
source "$(dirname "$0")/fresh_root.sh"

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
