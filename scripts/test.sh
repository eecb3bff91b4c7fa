#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test; then
# builds the fuzz targets with clang and runs each for 20 s on its corpus. Fails when any test
# fails, anything does not build warning-free, or a fuzz target finds anything.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

jobs=$(nproc)
echo "== ASan + UBSan build, every test =="
# Lightly optimised with line tables only: it compiles in about half the time of -O2 -g, the
# sanitizers still catch everything, and their reports still name file and line.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
  -DORVANE_SANITIZE=ON -DORVANE_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-asan -j"$jobs"
# Most tests wait on a pseudo-terminal or a real time-out rather than compute, so twice as many
# run at once as there are cores.
(cd build-asan && ctest --output-on-failure -j$((jobs * 2)) --timeout 300)

echo "== fuzz targets (clang, ASan + UBSan, 20 s each, all at once) =="
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_FUZZ=ON \
  -DORVANE_FUZZ_SECONDS=20 -DORVANE_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz -j"$jobs" --target orvane_fuzz
(cd build-fuzz && ctest -L fuzz --output-on-failure -j3)
