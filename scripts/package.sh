#!/usr/bin/env bash
# Builds the Debian package of the program and the simulator into build-package/ with CPack.
# With --check it then installs the package with apt-get, starts the installed program under Xvfb
# for a few seconds, and removes the package again.
# Usage: scripts/package.sh [--check]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package

# The distribution's hardening flags (fortified calls, stack protector, full RELRO, immediate
# binding, position-independent executable), as a Debian package build would give them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_TESTS=OFF -DORVANE_BUILD_BENCHMARKS=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build-package -j2 --target orvane-trend drive-sim
(cd build-package && cpack -G DEB >/dev/null)
package=$(ls -t build-package/orvane-trend_*.deb | head -n1)
echo "$package: $(du -h "$package" | cut -f1)"
dpkg-deb --field "$package" Package Version Depends

[[ "${1:-}" == --check ]] || exit 0

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
work=$(mktemp -d)
display_pid=
cleanup() {
  [[ -n "$display_pid" ]] && kill "$display_pid" 2>/dev/null
  rm -rf "$work"
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get remove -y -qq orvane-trend >/dev/null || true
}
trap cleanup EXIT
if ! DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "./$package" >"$work/apt" 2>&1; then
  cat "$work/apt" >&2
  exit 1
fi
echo "installed: $(command -v orvane-trend) $(command -v drive-sim)"
# The logger's unit is installed disabled and passes systemd's own check.
unit=/usr/lib/systemd/system/orvane-trend-logger.service
if ! systemd-analyze verify "$unit" || systemctl is-enabled --quiet orvane-trend-logger 2>/dev/null; then
  echo "FAIL: $unit does not verify, or is enabled by the installation" >&2
  exit 1
fi
echo "the logger's unit verifies and is disabled until enabled"
exposure=$(systemd-analyze security --offline=yes "$unit" 2>/dev/null | sed -n 's/.*Overall exposure level.*: \([0-9.]*\).*/\1/p')
if ! awk -v score="$exposure" 'BEGIN { exit !(score != "" && score <= 2.0) }'; then
  echo "FAIL: the logger's unit scores ${exposure:-nothing} in systemd-analyze security, above 2.0" >&2
  exit 1
fi
echo "the logger's unit scores $exposure in systemd-analyze security"

# The logger as its service user, from the unit's own command line, records a simulated drive.
drive-sim --link "$work/drive" >"$work/sim" &
sim_pid=$!
for _ in $(seq 100); do [[ -e "$work/drive" ]] && break; sleep 0.1; done
chmod 0666 "$(readlink -f "$work/drive")"
chmod 0755 "$work"
logs=$(runuser -u orvane-logger -- mktemp -d /tmp/orvane-logger-check-XXXXXX)
command_line=$(sed -n 's/^ExecStart=//p' "$unit")
ORVANE_DEVICE="$work/drive" ORVANE_LOG_DIR="$logs" ORVANE_LOGGER_FLAGS="--rate 0.5"
eval "set -- $command_line"
status=0
XDG_CONFIG_HOME=/etc timeout -s TERM 6 runuser -u orvane-logger -- "$@" >"$work/logger" 2>&1 || status=$?
kill "$sim_pid" 2>/dev/null || true
samples=$(cat "$logs"/Trend-*.CSV 2>/dev/null | wc -l)
rm -rf "$logs"
if [[ $status -ne 124 || $samples -lt 5 ]]; then
  echo "FAIL: the logger as orvane-logger recorded $samples lines (exit $status)" >&2
  cat "$work/logger" >&2
  exit 1
fi
echo "the logger ran as orvane-logger from the unit's command line and recorded $samples lines"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
display_pid=$!
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
HOME="$work" XDG_CONFIG_HOME="$work/config" DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb \
  timeout 8 orvane-trend >"$work/out" 2>&1 &
program=$!
window=$(DISPLAY=":$(cat "$work/display")" timeout 7 \
  xdotool search --sync --onlyvisible --name '^Orvane Trend Analysis$' | head -n1) || true
status=0
wait "$program" || status=$?
if [[ -n "$window" && $status -eq 124 ]]; then
  echo "the installed program started and showed its main window"
else
  echo "FAIL: the installed program did not show its main window (exit $status)" >&2
  cat "$work/out" >&2
  exit 1
fi
