#!/usr/bin/env bash
# Builds the libFuzzer targets (preset fuzz, Debian's clang) and runs each for
# SECONDS seconds, starting from the seed corpus in tests/fuzz/corpus. Fails
# on any finding; the input behind it is kept in build/fuzz/findings/<target>.
#
#   tools/fuzz.sh          30 seconds per target
#   tools/fuzz.sh 600      ten minutes per target
set -euo pipefail
seconds=${1:-30}
cd "$(dirname "$0")/.."
root=$PWD

# clang and its libFuzzer runtime, installed when missing.
bash tools/setup.sh --only clang cmake make
bash tools/setup.sh --only "libclang-rt-$(clang++ -dumpversion | cut -d. -f1)-dev"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2

for target in files session; do
  corpus=$root/build/fuzz/corpus/$target
  findings=$root/build/fuzz/findings/$target
  mkdir -p "$corpus" "$findings"
  echo "== fuzz_$target: $seconds s"
  # New inputs go to the build's corpus; the repository's seeds stay as they are.
  if ! "$root/build/fuzz/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix="$findings/" "$corpus" "$root/tests/fuzz/corpus/$target" 2>&1 |
      sed '/^#[0-9]*[[:space:]]*\(NEW\|REDUCE\|pulse\)/d'; then
    echo "fuzz_$target: finding, see $findings" >&2
    exit 1
  fi
done
