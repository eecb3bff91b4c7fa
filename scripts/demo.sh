#!/usr/bin/env bash
# Builds the program and the drive simulator, starts the simulator on a
# pseudo-terminal paced at 4800 baud, and runs the program against it as
# "Communications Port 1" and "2". The simulator stops when the program ends.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target orvane-trend drive-sim

# The demo keeps its own settings, with every quantity and indicator ticked,
# so all three traces and every indicator move; your own settings stay as they are.
demo_config="$PWD/build/demo-config"
if [[ ! -f "$demo_config/orvane-trend/ta.ini" ]]; then
  mkdir -p "$demo_config/orvane-trend"
  printf '0\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n0\r\n10\r\n1\r\n' >"$demo_config/orvane-trend/ta.ini"
fi

link="${XDG_RUNTIME_DIR:-/tmp}/orvane-demo-drive"
build/bin/drive-sim --baud 4800 --link "$link" "$@" >/dev/null &
sim=$!
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null || true' EXIT
for _ in $(seq 50); do [[ -e "$link" ]] && break; sleep 0.1; done

# Both ports open the simulator, chosen as a user would in Options, so Options shows the link and
# lets you change it; a device you pick is kept until the next demo run.
printf 'port1=%s\nport2=%s\n' "$link" "$link" >"$demo_config/orvane-trend/devices.conf"
env -u ORVANE_PORT1 -u ORVANE_PORT2 XDG_CONFIG_HOME="$demo_config" build/bin/orvane-trend
