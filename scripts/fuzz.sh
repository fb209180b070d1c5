#!/usr/bin/env bash
# Builds every fuzz target as a libFuzzer program (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each in turn for MINUTES, starting from its corpus in
# fuzz/corpus/<target>/. New inputs that reach new code are merged back into that corpus
# (kept minimal with -merge=1); a crash stops the script and leaves its input in
# build-fuzz/findings/<target>/.
#   scripts/fuzz.sh MINUTES [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+([.][0-9]+)?$ ]]; then
  echo "usage: scripts/fuzz.sh MINUTES [TARGET...]" >&2
  exit 2
fi
seconds=$(awk -v m="$1" 'BEGIN { printf "%d", m * 60 }')
shift
build=build-fuzz
# Every target registered in fuzz/CMakeLists.txt, unless some are named.
if [ $# -gt 0 ]; then
  targets=("$@")
else
  mapfile -t targets < <(sed -n 's/^vok_fuzz_target(\([A-Za-z0-9_]*\).*/\1/p' fuzz/CMakeLists.txt)
fi

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVOK_FUZZ=ON -DVOK_GUI=OFF -DVOK_BENCH=OFF -DVOK_TESTS=OFF >/dev/null
nice -n 19 cmake --build "$build" -j 2 --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for target in "${targets[@]}"; do
  corpus=fuzz/corpus/$target
  work=$build/work/$target
  findings=$build/findings/$target
  mkdir -p "$corpus" "$work" "$findings"
  start=$(date +%s)
  echo "== $target: $seconds s from $(find "$corpus" -type f | wc -l) corpus files"
  # Only one fuzzing process at a time, at the lowest priority: the machine is shared.
  if ! nice -n 19 "$build/fuzz/$target" -max_total_time="$seconds" -max_len=1024 -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$findings/" "$work" "$corpus" >"$build/$target.log" 2>&1; then
    echo "!! $target: finding after $(( $(date +%s) - start )) s; see $build/$target.log and $findings/" >&2
    tail -n 40 "$build/$target.log" >&2
    status=1
  fi
  echo "   ran $(( $(date +%s) - start )) s; $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$build/$target.log" | grep -o '[0-9]*$' || echo '?') inputs"
  # The kept corpus: the smallest set of inputs that reaches everything both sets reach.
  merged=$build/merged/$target
  rm -rf "$merged" && mkdir -p "$merged"
  nice -n 19 "$build/fuzz/$target" -merge=1 -max_len=1024 "$merged" "$corpus" "$work" >"$build/$target.merge.log" 2>&1
  rm -rf "$corpus" && mv "$merged" "$corpus"
  echo "   corpus: $(find "$corpus" -type f | wc -l) files, $(du -sk "$corpus" | cut -f1) KiB"
done
exit $status
