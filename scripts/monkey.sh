#!/usr/bin/env bash
# Random use of every window for SECONDS in all, on the build with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan-gui), offscreen, at the lowest priority.
#   scripts/monkey.sh SECONDS [FIRST-SEED]
# Each seed runs up to 30 s in a fresh throw-away folder; a failure prints its seed and its
# last actions. Replay one with VOK_MONKEY_SEED=S VOK_MONKEY_SECONDS=30 VOK_MONKEY_TRACE=1.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
  echo "usage: scripts/monkey.sh SECONDS [FIRST-SEED]" >&2
  exit 2
fi
build=build-asan-gui
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVOK_GUI=ON -DVOK_BENCH=OFF -DVOK_SANITIZE=ON >/dev/null
nice -n 19 cmake --build "$build" -j 2 --target gui_tests
start=$(date +%s)
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
QT_QPA_PLATFORM=offscreen VOK_MONKEY_SECONDS="$1" VOK_MONKEY_SEED="${2:-$(date +%s)}" \
  nice -n 19 "$build/tests/gui_tests" --gtest_filter='MonkeyTest.*'
echo "monkey: $(( $(date +%s) - start )) s without a finding"
