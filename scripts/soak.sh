#!/usr/bin/env bash
# Soak test: runs the real program under Xvfb against the simulated drive for a while, with every
# box of the Options ticked and a 0.5 s sample rate, starts monitoring through the menu like a user
# and answers nothing else. Every minute it notes the program's resident memory, CPU time and the
# session log's lines and the machine's load; at the end it reports missed and late ticks, memory
# start/end/max, and whether the program is still alive and still logging.
#
# Usage: scripts/soak.sh [MINUTES] [--unpaced] [--scenario NAME|FILE] [--keep] [--headless]
#   MINUTES     how long to monitor (default 60)
#   --unpaced   the simulator answers at once instead of at 4800 baud, which shows whether the
#               program itself keeps time (at 4800 baud a full tick takes longer than 0.5 s)
#   --scenario  the simulator's scenario (default soak: the demo's motion without trips)
#   --keep      keep the working directory (session log, tick times, program output)
#   --headless  the unattended logger (orvane-trend --log-only) with no display server instead
#               (scripts/soak-headless.sh)
# Exits 1 when the program died, stopped logging or never started monitoring.
set -euo pipefail
cd "$(dirname "$0")/.."
for argument in "$@"; do [[ $argument == --headless ]] && exec scripts/soak-headless.sh "$@"; done

minutes=60
pacing=(--baud 4800)
scenario=soak
keep=0
while (($#)); do
  case $1 in
    --unpaced) pacing=() ;;
    --scenario) scenario=$2; shift ;;
    --keep) keep=1 ;;
    [0-9]*) minutes=$1 ;;
    *) sed -n '8,15p' "$0" >&2; exit 2 ;;
  esac
  shift
done

scripts/install-deps.sh soak
source scripts/soak-rig.sh
# port2on, speed, current, DC link, direction, running, inputs, outputs, direction graph: all on;
# sample rate 5 (0.5 s); graph scale 1.
soak_rig orvane-soak 1 1 1 1 1 1 1 1 1 5 1

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

# Each tick starts with a read of the drive's panel; the simulator logs one decoded line for it.
"$work/drive-sim" "${pacing[@]}" --scenario "$scenario" --link "$work/drive" \
  --log >(grep --line-buffered -E -- '-- +(panel block|display text)' | awk '{ print $1; fflush() }' >"$work/ticks") \
  >/dev/null &
simulator=$!
pids+=("$simulator")
for _ in $(seq 50); do [[ -e "$work/drive" ]] && break; sleep 0.1; done

HOME="$work/home" XDG_CONFIG_HOME="$work/config" ORVANE_PORT1="$work/drive" ORVANE_PORT2="$work/drive" \
  QT_QPA_PLATFORM=xcb "$work/orvane-trend" >"$work/program.out" 2>&1 &
program=$!
pids+=("$program")

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Orvane Trend Analysis$' | head -n1) || true
if [[ -z "$window" ]]; then
  echo "FAIL: the main window did not appear within 30 s" >&2
  exit 1
fi
# "&Communication", then its first entry, "Start Monitor".
xdotool windowfocus --sync "$window" key alt+c sleep 0.5 key Return

log="$work/home/Trend.CSV"
for _ in $(seq 300); do [[ -s "$log" ]] && break; sleep 0.1; done
if [[ ! -s "$log" ]]; then
  echo "FAIL: monitoring did not start (no session log after 30 s)" >&2
  xdotool search --onlyvisible --name . getwindowname %@ >&2 2>/dev/null || true
  exit 1
fi
started=$(date +%s.%N)

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$program/status" 2>/dev/null || echo 0; }
cpu_s() { awk -v hz="$(getconf CLK_TCK)" '{ printf "%.1f", ($14 + $15) / hz }' "/proc/$program/stat" 2>/dev/null || echo 0; }
samples() { echo $(($(wc -l <"$log") - 1)); }
alive() { kill -0 "$program" 2>/dev/null; }

scenario_shown=$scenario
((${#pacing[@]})) && mode="paced at 4800 baud" || mode="unpaced"
echo "soak: ${minutes} min, scenario ${scenario_shown}, ${mode}, every box ticked, sample rate 0.5 s"
printf '%8s %10s %8s %10s %10s %8s\n' minute rss_kB cpu_s samples expected load
rss_start=$(rss_kb)
rss=$rss_start
count=0
expected=0
elapsed=0
cpu=0
rss_max=$rss_start
previous_samples=0
for minute in $(seq 0 "$minutes"); do
  if ((minute > 0)); then
    sleep $(awk -v s="$started" -v m="$minute" -v now="$(date +%s.%N)" 'BEGIN { d = s + 60 * m - now; print (d > 0 ? d : 0) }')
  fi
  alive || break
  rss=$(rss_kb)
  ((rss > rss_max)) && rss_max=$rss
  previous_samples=$count
  count=$(samples)
  elapsed=$(awk -v s="$started" -v now="$(date +%s.%N)" 'BEGIN { printf "%.1f", now - s }')
  # The ticks due at least a quarter of a second ago: one still writing its line is not missed.
  expected=$(awk -v e="$elapsed" 'BEGIN { print (e > 0.25 ? int((e - 0.25) / 0.5) : 0) }')
  cpu=$(cpu_s)
  printf '%8d %10d %8s %10d %10d %8s\n' "$minute" "$rss" "$cpu" "$count" "$expected" "$(cut -d' ' -f1 /proc/loadavg)"
done

echo
status=0
if alive; then
  echo "program: still running after ${elapsed} s of monitoring"
else
  echo "program: DIED (last sample at ${elapsed} s)"
  status=1
fi
if ((count > previous_samples)); then
  echo "session log: still growing ($((count - previous_samples)) lines in the last minute)"
else
  echo "session log: NOT growing"
  status=1
fi
echo "samples logged: ${count} of ${expected} ticks the elapsed time allows at 0.5 s" \
  "($((expected - count)) missed, $(awk -v c="$count" -v e="$expected" 'BEGIN { printf "%.1f", e ? 100 * (e - c) / e : 0 }') %)"
echo "time column of the last line: $(tail -n1 "$log" | cut -d, -f1) s (each sample adds the sample rate, whatever the wall time)"
echo "resident memory: start ${rss_start} kB, end ${rss} kB, max ${rss_max} kB"
echo "CPU time of the program: ${cpu} s ($(awk -v c="$cpu" -v e="$elapsed" 'BEGIN { printf "%.2f", e ? 100 * c / e : 0 }') % of the elapsed time)"
visible=$(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | grep -vx 'Orvane Trend Analysis' || true)
if [[ -n "$visible" ]]; then echo "other windows open: ${visible//$'\n'/, }"; fi
# The simulator writes its log out in full as it ends.
kill "$simulator" && wait "$simulator" || true
sleep 1
# Tick spacing from the simulator's log: a tick is late when it starts more than 50 ms after its
# 0.5 s slot; one more than 1 s after the previous one has let a whole tick go by.
sort -n "$work/ticks" | awk 'NR > 1 { print $1 - last } { last = $1 }' | sort -g | awk '
  { gap[++n] = $1; sum += $1; if ($1 > 0.55) late++; if ($1 > 1.0) lost++ }
  END {
    if (n == 0) { print "tick spacing: no ticks seen"; exit }
    p95 = int(0.95 * n); if (p95 < 1) p95 = 1
    printf "tick spacing over %d ticks: mean %.3f s, median %.3f s, 95th percentile %.3f s, max %.3f s\n",
           n, sum / n, gap[int((n + 1) / 2)], gap[p95], gap[n]
    printf "late ticks (> 0.55 s after the previous): %d (%.1f %%); gaps over 1 s: %d\n", late, 100 * late / n, lost
  }'
exit "$status"
