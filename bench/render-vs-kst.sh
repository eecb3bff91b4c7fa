#!/usr/bin/env bash
# Times `orvane-trend --render` of a 24-hour session log (172,800 lines at 0.5 s) to a 1600x900 PNG
# against Kst 2 plotting the same columns of the same data, given blanks for commas as Kst reads
# it; each the whole process from start to exit, several runs each in the same run of this script.
# Fails unless the render's median is at most half Kst's.
#
#   bench/render-vs-kst.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR (default build-rel) is an optimised build with ORVANE_BUILD_BENCHMARKS=ON that has
# built orvane-trend and bench-viewer (which writes the log).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-rel}
runs=${2:-10}
scripts/install-deps.sh bench

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bin/bench-viewer" --write "$work/Trend.CSV" 24
tr ',' ' ' <"$work/Trend.CSV" >"$work/Trend.txt"

# Both off screen: Kst needs to be told, --render chooses it itself.
export QT_QPA_PLATFORM=offscreen
hyperfine --style basic --warmup 2 --runs "$runs" --export-json "$work/times.json" \
  -n "orvane-trend --render" "$build/bin/orvane-trend --render $work/Trend.CSV --png $work/render.png" \
  -n "kst2" "kst2 $work/Trend.txt -x 1 -y 2 -y 3 -y 5 --png $work/kst.png"

python3 - "$work/times.json" <<'PYTHON'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
render, kst = results["orvane-trend --render"], results["kst2"]
for name, r in (("render", render), ("kst2", kst)):
    print(f"{name:7} median {r['median'] * 1000:6.0f} ms  min {r['min'] * 1000:6.0f} ms  max {r['max'] * 1000:6.0f} ms")
ratio = render["median"] / kst["median"]
print(f"render / kst2 = {ratio:.2f}   (target <= 0.50)")
sys.exit(0 if ratio <= 0.5 else 1)
PYTHON
