# The rig both soak scripts stand on, sourced after their options are read: builds the program and
# the simulator, copies them into a fresh working directory ($work) with a home and a settings
# folder holding the given ta.ini lines, and on exit stops every process in $pids and removes the
# directory unless $keep is 1.
#
# Usage: soak_rig NAME TA_INI_LINE...

soak_rig() {
  local name=$1
  shift
  # ORVANE_SOAK_BUILD names a build folder that already holds both programs (a Release or the
  # package's build); without it they are built here.
  local build=${ORVANE_SOAK_BUILD:-}
  if [[ -z $build ]]; then
    build=build
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j2 --target orvane-trend drive-sim >/dev/null
  fi
  work=$(mktemp -d "${TMPDIR:-/tmp}/$name.XXXXXX")
  # Copies, so that a rebuild during the run leaves the programs under test alone.
  cp "$build/bin/orvane-trend" "$build/bin/drive-sim" "$work/"
  mkdir -p "$work/home" "$work/config/orvane-trend"
  printf '%s\r\n' "$@" >"$work/config/orvane-trend/ta.ini"
  pids=()
  trap soak_cleanup EXIT
}

soak_cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  if ((keep)); then echo "working directory kept: $work"; else rm -rf "$work"; fi
}
