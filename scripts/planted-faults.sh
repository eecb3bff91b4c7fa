#!/usr/bin/env bash
# Checks that the fast tests catch every planted fault of scripts/planted-faults.txt.
# Usage: scripts/planted-faults.sh [fault number ...]   (numbers count the faults from 1; none: all)
#
# The tree is copied to a scratch folder (PLANTED_DIR, default /tmp/orvane-planted) that keeps its
# build between runs. Each fault is applied there alone, the build is brought up to date, and the
# test expected to fail is run; if it passes, every test but the fuzz targets runs. The fault is
# then taken out again. Prints one line a fault and fails when any fault goes unnoticed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
scratch=${PLANTED_DIR:-/tmp/orvane-planted}
tree=$scratch/tree
build=$scratch/build
jobs=$(nproc)
mkdir -p "$tree"

trim() {
  local text=$1
  text=${text#"${text%%[![:space:]]*}"}
  printf '%s' "${text%"${text##*[![:space:]]}"}"
}

# The scratch tree becomes the working tree as it is now; only files that differ are copied, so
# the build stays incremental.
declare -A tracked
while IFS= read -rd '' file; do
  [[ -f $root/$file ]] || continue
  tracked[$file]=1
  if ! cmp -s "$root/$file" "$tree/$file"; then
    mkdir -p "$(dirname "$tree/$file")"
    cp "$root/$file" "$tree/$file"
  fi
done < <(git -C "$root" ls-files -co --exclude-standard -z)
while IFS= read -rd '' file; do
  [[ -n ${tracked[$file]:-} ]] || rm -f "$tree/$file"
done < <(cd "$tree" && find . -type f -printf '%P\0')

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$tree" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g0" \
  -DORVANE_BUILD_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
export QT_QPA_PLATFORM=offscreen
echo "== building and running the unchanged suite"
cmake --build "$build" -j"$jobs" >"$scratch/build.log" 2>&1 || { tail -30 "$scratch/build.log"; exit 1; }
# A test that fails on the unchanged tree judges nothing: it is named and left out.
failing='^$'
if ! ctest --test-dir "$build" -LE fuzz -j"$jobs" --timeout 120 >"$scratch/baseline.log" 2>&1; then
  failing=$(cut -d: -f2- "$build/Testing/Temporary/LastTestsFailed.log" | sed 's/[].[*^$()+?{}|\\/]/\\&/g' |
    sed 's/.*/^&$/' | paste -sd'|')
  echo "the unchanged suite fails, so these are left out: $failing"
fi

wanted=" $* "
number=0
caught=0
missed=()
while IFS= read -r line; do
  [[ -z $line || $line == \#* ]] && continue
  number=$((number + 1))
  [[ $# -gt 0 && $wanted != *" $number "* ]] && continue
  rest=$line
  file=$(trim "${rest%%@@*}") && rest=${rest#*@@}
  original=$(trim "${rest%%@@*}") && rest=${rest#*@@}
  replacement=$(trim "${rest%%@@*}") && rest=${rest#*@@}
  expected=$(trim "$rest")
  target=$tree/$file
  label="$number $file: $original -> $replacement"

  content=
  [[ -f $target ]] && IFS= read -rd '' content <"$target" || true
  without=${content//"$original"/}
  if [[ -z $original || $(((${#content} - ${#without}) / ${#original})) -ne 1 ]]; then
    missed+=("$label (the original text is not in the file exactly once)")
    echo "STALE   $label"
    continue
  fi
  cp "$target" "$scratch/original"
  printf '%s' "${content/"$original"/"$replacement"}" >"$target"

  verdict=MISSED
  if ! cmake --build "$build" -j"$jobs" >"$scratch/fault-$number.log" 2>&1; then
    verdict="BROKEN (does not build)"
  elif ! ctest --test-dir "$build" -N -R "$expected" -E "$failing" | grep -q "Total Tests: [1-9]"; then
    verdict="STALE (no test matches $expected)"
  elif ! ctest --test-dir "$build" -R "$expected" -E "$failing" -j"$jobs" --timeout 120 >>"$scratch/fault-$number.log" 2>&1; then
    verdict=caught
  elif ! ctest --test-dir "$build" -LE fuzz -E "$failing" -j"$jobs" --timeout 120 >>"$scratch/fault-$number.log" 2>&1; then
    verdict="caught, but not by $expected"
  fi
  cp "$scratch/original" "$target" # a fresh time stamp, so the next build takes the original again
  echo "$verdict  $label"
  if [[ $verdict == caught* ]]; then
    caught=$((caught + 1))
  else
    missed+=("$label")
  fi
done <"$root/scripts/planted-faults.txt"

cmake --build "$build" -j"$jobs" >/dev/null 2>&1 || true
echo "== $caught caught, ${#missed[@]} not"
[[ ${#missed[@]} -eq 0 ]]
