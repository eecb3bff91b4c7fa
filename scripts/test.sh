#!/usr/bin/env bash
# Builds everything once with clang, AddressSanitizer and UndefinedBehaviorSanitizer (the libraries
# also carry the fuzzer's coverage instrumentation), runs every test and each fuzz target for
# 10 s on its corpus, all at once. Fails when any test fails, anything does not build warning-free,
# or a fuzz target finds anything.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

jobs=$(nproc)
echo "== clang build with ASan + UBSan =="
# Unoptimised with line tables only: it compiles in well under half the time of -O2 -g, the
# sanitizers still catch everything, and their reports still name file and line. A unity build
# (each target's sources compiled a few at a time, so the Qt and GoogleTest headers are parsed
# once for several files), Ninja and lld keep a clean build on 2 cores within the time the
# test command is allowed. A build directory made with another generator cannot be reused.
if [[ -f build-asan/CMakeCache.txt ]] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' build-asan/CMakeCache.txt; then
  rm -rf build-asan
fi
cmake -S . -B build-asan -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O0 -gline-tables-only" -DCMAKE_UNITY_BUILD=ON \
  -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld -DORVANE_FUZZ=ON -DORVANE_FUZZ_SECONDS=10 \
  -DORVANE_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-asan -j"$jobs"

echo "== every test and the fuzz targets, 10 s each, all at once =="
# A few tests wait on a pseudo-terminal or a broker rather than compute, and each fuzz target keeps
# one process busy for its time, so three times as many run at once as there are cores.
(cd build-asan && ctest --output-on-failure -j$((jobs * 3)) --timeout 300)
