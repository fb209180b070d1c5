#!/usr/bin/env bash
# Builds everything and runs every test: the full suite, then the core tests
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)

# Warnings are errors here, so that none comes back unseen.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOK_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build -j "$jobs" --output-on-failure --timeout 300 2>&1 | tee build/ctest.log
# A test that could not run says why; in CI it counts as a failure.
if [ "${CI:-}" = true ] && grep -q '(Skipped)' build/ctest.log; then
  echo "Tests were skipped; every test must run in CI." >&2
  exit 1
fi

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVOK_GUI=OFF -DVOK_BENCH=OFF -DVOK_SANITIZE=ON \
  -DVOK_TEST_SHARDS=4 >/dev/null
cmake --build build-asan -j "$jobs" --target core_tests vokcli fuzz_targets
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan -j "$jobs" --output-on-failure --timeout 300
