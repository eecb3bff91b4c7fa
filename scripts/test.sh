#!/usr/bin/env bash
# Builds everything and runs every test twice: a plain build, then one with
# AddressSanitizer and UndefinedBehaviorSanitizer; then builds the fuzz targets with clang and runs
# each for 30 s on its corpus. Fails when any test fails or a fuzz target finds anything.
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
echo "== fuzz targets (clang, ASan + UBSan, 30 s each) =="
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_FUZZ=ON \
  -DORVANE_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz -j"$jobs" --target orvane_fuzz
(cd build-fuzz && ctest -L fuzz --output-on-failure -j"$jobs")
