#!/usr/bin/env bash
# Installs the Debian packages the build, the demo and the tests need, when missing.
# Usage: scripts/install-deps.sh build|test|soak|package|check|bench
set -euo pipefail

packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
          libgl-dev libgtest-dev libgmock-dev libbenchmark-dev libqcustomplot-dev libmosquitto-dev
          libpng-dev)
if [[ "${1:-build}" == test ]]; then
  packages+=(clang libclang-rt-14-dev lld ninja-build xvfb xauth locales)
  # The publishing tests start a real broker and make their TLS certificates.
  packages+=(mosquitto mosquitto-clients openssl)
fi
if [[ "${1:-build}" == soak || "${1:-build}" == package ]]; then
  packages+=(xvfb xauth xdotool)
fi
if [[ "${1:-build}" == package ]]; then
  packages+=(dpkg-dev)
fi
# systemd-analyze scores the logger's unit (package.sh --check, check.sh).
if [[ "${1:-build}" == package || "${1:-build}" == check ]]; then
  packages+=(systemd)
fi
if [[ "${1:-build}" == check ]]; then
  packages+=(clang clang-tidy cppcheck python3)
fi
# bench/render-vs-kst.sh times --render against Kst 2 with hyperfine.
if [[ "${1:-build}" == bench ]]; then
  packages+=(hyperfine kst)
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
