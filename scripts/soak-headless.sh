#!/usr/bin/env bash
# Headless soak (scripts/soak.sh --headless): runs `orvane-trend --log-only` with no display server
# against drive-sim (scenario soak) with frequency, current and DC link at 0.5 s for a while. Every
# minute it notes the logger's resident memory, CPU time and the samples in its session files; at
# the end it stops the logger with SIGTERM and reports CPU (% of one core), memory start/end/max,
# missed ticks, the session files and the exit code.
#   --all    every quantity and indicator ticked, not only the three quantities
#   --mqtt   publishes to a mosquitto broker of its own that runs for the first half and is
#            stopped for the second; the CPU share is reported for each half
#
# Usage: scripts/soak.sh --headless [MINUTES] [--unpaced] [--scenario NAME|FILE] [--keep] [--all] [--mqtt]
# Exits 1 when the logger died, stopped logging or did not end cleanly on SIGTERM.
set -euo pipefail
cd "$(dirname "$0")/.."

minutes=60
pacing=(--baud 4800)
scenario=soak
keep=0
boxes=(1 1 1 0 0 0 0 0)
mqtt=0
while (($#)); do
  case $1 in
    --headless) ;;
    --unpaced) pacing=() ;;
    --scenario) scenario=$2; shift ;;
    --keep) keep=1 ;;
    --all) boxes=(1 1 1 1 1 1 1 1) ;;
    --mqtt) mqtt=1 ;;
    [0-9]*) minutes=$1 ;;
    *) sed -n '12,13p' "$0" >&2; exit 2 ;;
  esac
  shift
done

source scripts/soak-rig.sh
# port 1; speed, current, DC link on; indicators off unless --all; sample rate 5 (0.5 s); graph scale 1.
soak_rig orvane-soak-headless 0 "${boxes[@]}" 5 1

publishing=()
if ((mqtt)); then
  broker_port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  printf 'listener %s 127.0.0.1\nallow_anonymous true\npersistence false\n' "$broker_port" >"$work/mosquitto.conf"
  mosquitto -c "$work/mosquitto.conf" 2>/dev/null &
  broker=$!
  pids+=("$broker")
  publishing=(--mqtt "mqtt://127.0.0.1:$broker_port/soak")
fi

"$work/drive-sim" "${pacing[@]}" --scenario "$scenario" --link "$work/drive" >/dev/null &
pids+=($!)
for _ in $(seq 50); do [[ -e "$work/drive" ]] && break; sleep 0.1; done

# No display of any kind: the logger must not need one.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
  "$work/orvane-trend" --log-only --device "$work/drive" --dir "$work/logs" "${publishing[@]}" >"$work/status" 2>&1 &
logger=$!
pids+=("$logger")

for _ in $(seq 300); do grep -q ' session: ' "$work/status" 2>/dev/null && break; sleep 0.1; done
if ! grep -q ' session: ' "$work/status"; then
  echo "FAIL: the logger began no session within 30 s" >&2
  cat "$work/status" >&2
  exit 1
fi
started=$(date +%s.%N)

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$logger/status" 2>/dev/null || echo 0; }
cpu_s() { awk -v hz="$(getconf CLK_TCK)" '{ printf "%.2f", ($14 + $15) / hz }' "/proc/$logger/stat" 2>/dev/null || echo 0; }
samples() { cat "$work"/logs/Trend-*.CSV | grep -vc '^Time' || true; }
alive() { kill -0 "$logger" 2>/dev/null; }

((${#pacing[@]})) && mode="paced at 4800 baud" || mode="unpaced"
((boxes[3])) && ticked="every quantity and indicator" || ticked="frequency, current and DC link"
((mqtt)) && ticked+=", publishing (broker up for the first half, then down)"
echo "headless soak: ${minutes} min, scenario ${scenario}, ${mode}, ${ticked} at 0.5 s"
printf '%8s %10s %8s %10s %10s %8s\n' minute rss_kB cpu_s samples expected load
rss_start=$(rss_kb)
rss=$rss_start
rss_max=$rss_start
count=0
previous=0
elapsed=0
cpu_start=$(cpu_s)
cpu=$cpu_start
for minute in $(seq 0 "$minutes"); do
  if ((minute > 0)); then
    sleep "$(awk -v s="$started" -v m="$minute" -v now="$(date +%s.%N)" 'BEGIN { d = s + 60 * m - now; print (d > 0 ? d : 0) }')"
  fi
  alive || break
  if ((mqtt && minute == minutes / 2 && minute > 0)); then
    kill "$broker"
    wait "$broker" 2>/dev/null || true
    cpu_half=$(cpu_s)
    elapsed_half=$(awk -v s="$started" -v now="$(date +%s.%N)" 'BEGIN { printf "%.1f", now - s }')
    echo "broker stopped at ${elapsed_half} s"
  fi
  rss=$(rss_kb)
  ((rss > rss_max)) && rss_max=$rss
  previous=$count
  count=$(samples)
  cpu=$(cpu_s)
  elapsed=$(awk -v s="$started" -v now="$(date +%s.%N)" 'BEGIN { printf "%.1f", now - s }')
  expected=$(awk -v e="$elapsed" 'BEGIN { print int(e / 0.5) + 1 }')
  printf '%8d %10d %8s %10d %10d %8s\n' "$minute" "$rss" "$cpu" "$count" "$expected" "$(cut -d' ' -f1 /proc/loadavg)"
done

echo
status=0
if alive; then
  kill -TERM "$logger"
  code=0
  wait "$logger" || code=$?
  echo "logger: ended by SIGTERM with exit code ${code} after ${elapsed} s"
  ((code == 0)) || status=1
else
  echo "logger: DIED (last seen at ${elapsed} s)"
  status=1
fi
pids=("${pids[@]/$logger/}")
if ((count > previous)); then
  echo "session files: still growing ($((count - previous)) lines in the last minute)"
else
  echo "session files: NOT growing"
  status=1
fi
echo "samples logged: ${count} of ${expected} grid slots in ${elapsed} s ($((expected - count)) missed)"
echo "session files: $(ls "$work/logs" | grep -c '^Trend-')"
echo "resident memory: start ${rss_start} kB, end ${rss} kB, max ${rss_max} kB"
echo "CPU time: $(awk -v a="$cpu_start" -v b="$cpu" 'BEGIN { printf "%.2f", b - a }') s" \
  "($(awk -v a="$cpu_start" -v b="$cpu" -v e="$elapsed" 'BEGIN { printf "%.3f", e ? 100 * (b - a) / e : 0 }') % of one core)"
if ((mqtt)); then
  share() { awk -v a="$1" -v b="$2" -v s="$3" -v e="$4" 'BEGIN { printf "%.3f", (e > s ? 100 * (b - a) / (e - s) : 0) }'; }
  echo "CPU with the broker up: $(share "$cpu_start" "$cpu_half" 0 "$elapsed_half") % of one core;" \
    "with it down: $(share "$cpu_half" "$cpu" "$elapsed_half" "$elapsed") %"
fi
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "status lines:"
sed 's/^/  /' "$work/status"
exit "$status"
