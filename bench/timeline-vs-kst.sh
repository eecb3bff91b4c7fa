#!/usr/bin/env bash
# A logger's folder of 30 daily files at 0.5 s (5,184,000 samples): the Session Viewer's figures on
# it (bench-viewer --timeline: drawn whole, zoom and pan, memory a sample), then, in the same run,
# `orvane-trend --render` of the folder against Kst 2 plotting the same samples from one
# blank-separated file (time in seconds from the first file's start). Each render is the whole
# process from start to exit. Fails unless the viewer meets its targets, the render takes at most
# 1.5 s and at most half Kst's time.
#
#   bench/timeline-vs-kst.sh [BUILD_DIR] [RUNS] [DAYS]
#
# BUILD_DIR (default build-rel) is an optimised build with ORVANE_BUILD_BENCHMARKS=ON that has
# built orvane-trend and bench-viewer.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-rel}
runs=${2:-5}
days=${3:-30}
scripts/install-deps.sh bench

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
viewer=0
"$build/bin/bench-viewer" --timeline "$days" | tee "$work/viewer.txt" || viewer=$?
open_ms=$(sed -n 's/.*open until all of it is drawn *\([0-9.]*\) ms.*/\1/p' "$work/viewer.txt")

mkdir "$work/logs"
"$build/bin/bench-viewer" --write-folder "$work/logs" "$days"
# One file for Kst: each day's times moved on by the days before it, commas as blanks, no headers.
i=0
for file in "$work"/logs/Trend-*.CSV; do
  awk -F, -v offset=$((i * 86400)) 'NR > 1 { printf "%.10g %s %s %s %s\n", $1 + offset, $2, $3, $4, $5 }' \
    "$file" | tr -d '\r'
  i=$((i + 1))
done >"$work/all.txt"
echo "$(wc -l <"$work/all.txt") samples in one blank-separated file for Kst"

export QT_QPA_PLATFORM=offscreen
hyperfine --style basic --warmup 1 --runs "$runs" --export-json "$work/times.json" \
  -n "orvane-trend --render DIR" "$build/bin/orvane-trend --render $work/logs --png $work/render.png" \
  -n "kst2" "kst2 $work/all.txt -x 1 -y 2 -y 3 -y 5 --png $work/kst.png"

python3 - "$work/times.json" "$viewer" "$open_ms" <<'PYTHON'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
render, kst = results["orvane-trend --render DIR"], results["kst2"]
for name, r in (("render", render), ("kst2", kst)):
    print(f"{name:7} median {r['median'] * 1000:6.0f} ms  min {r['min'] * 1000:6.0f} ms  max {r['max'] * 1000:6.0f} ms")
ratio = render["median"] / kst["median"]
print(f"render / kst2 = {ratio:.2f}   (target <= 0.50); render {render['median']:.2f} s (target <= 1.5 s)")
window = float(sys.argv[3]) / 1000 / kst["median"]
print(f"viewer drawn whole / kst2 = {window:.2f}   (target <= 0.50)")
sys.exit(0 if ratio <= 0.5 and window <= 0.5 and render["median"] <= 1.5 and sys.argv[2] == "0" else 1)
PYTHON
