#!/usr/bin/env bash
# Builds the program and the drive simulator, starts the simulator on a
# pseudo-terminal paced at 4800 baud, and runs the program against it as
# "Communications Port 1". The simulator stops when the program ends.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target orvane-trend drive-sim

link="${XDG_RUNTIME_DIR:-/tmp}/orvane-demo-drive"
build/bin/drive-sim --baud 4800 --link "$link" "$@" >/dev/null &
sim=$!
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null || true' EXIT
for _ in $(seq 50); do [[ -e "$link" ]] && break; sleep 0.1; done

ORVANE_PORT1="$link" ORVANE_PORT2="$link" build/bin/orvane-trend
