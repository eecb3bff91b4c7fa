#!/usr/bin/env bash
# Builds everything and runs every test twice: a plain build, then one with
# AddressSanitizer and UndefinedBehaviorSanitizer. Fails when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

jobs=$(nproc)
run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  (cd "$dir" && ctest --output-on-failure -j"$jobs" --timeout 300)
}

echo "== plain build =="
run_suite build
echo "== sanitizer build (ASan + UBSan) =="
run_suite build-asan -DORVANE_SANITIZE=ON -DORVANE_BUILD_BENCHMARKS=OFF
