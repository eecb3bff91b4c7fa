#!/usr/bin/env bash
# Builds everything once with clang, AddressSanitizer and UndefinedBehaviorSanitizer (the libraries
# also carry the fuzzer's coverage instrumentation), runs every test, then each fuzz target for
# 15 s on its corpus, all at once. Fails when any test fails, anything does not build warning-free,
# or a fuzz target finds anything.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

jobs=$(nproc)
echo "== clang build with ASan + UBSan =="
# Lightly optimised with line tables only: it compiles in about half the time of -O2 -g, the
# sanitizers still catch everything, and their reports still name file and line.
cmake -S . -B build-asan -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" -DORVANE_FUZZ=ON -DORVANE_FUZZ_SECONDS=15 \
  -DORVANE_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-asan -j"$jobs"

echo "== every test =="
# A few tests wait on a pseudo-terminal rather than compute, so twice as many run at once as there
# are cores.
(cd build-asan && ctest -LE fuzz --output-on-failure -j$((jobs * 2)) --timeout 300)

echo "== fuzz targets, 15 s each, all at once =="
(cd build-asan && ctest -L fuzz --output-on-failure -j8)
