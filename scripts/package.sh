#!/usr/bin/env bash
# Builds the Debian package of the program and the simulator into build-package/ with CPack.
# With --check it then installs the package with apt-get, starts the installed program under Xvfb
# for a few seconds, and removes the package again.
# Usage: scripts/package.sh [--check]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package

cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_TESTS=OFF -DORVANE_BUILD_BENCHMARKS=OFF >/dev/null
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
