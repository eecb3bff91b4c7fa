#!/usr/bin/env bash
# The wire and the session log under a user's hands: for each model, the real program under Xvfb
# against the simulated drive on a pseudo-terminal at 4800 baud, every box of the Options ticked and
# a 0.5 s sample rate. It presses Start Monitor and, at a random moment 0.5 to 5 s later, Stop
# Monitor, ten times; then reads the trip history and presses Options > OK while it is read; then
# exits. scripts/wire_check.py then reads the simulator's byte log and checks that:
#   - no request was left partial on the wire, and no reply left unread when the port closed;
#   - each session is, byte for byte, the golden transcript's start and whole ticks
#     (tests/golden/<model>.txt), so a whole session, Start to Stop, is the wire the program has
#     always made, and a Stop pressed during a tick let that tick finish;
#   - the session log has one line per tick on the wire;
#   - the trip history read has all the golden read's exchanges, with no message box shown and
#     ta.ini unchanged by OK.
# It reports, per model, the time from the Stop click to the port closed as the simulator sees it
# (median/max over the sessions, and over those stopped during a tick) beside one tick's wire time,
# and the time from the last reply byte on the wire to the close: what the program adds.
#
# Usage: scripts/wire-check.sh [BUILD_DIR] [--models "sc vector mk410 profi"] [--sessions N]
#                              [--seed N] [--keep]
#   BUILD_DIR   holds bin/orvane-trend and bin/drive-sim (default build-asan); not rebuilt
#   --seed      the random Stop moments' seed (default: a new one, printed)
#   --keep      keep the working directory (byte logs, clicks, session logs, screenshots)
# Exits 1 when a check fails. Not part of the test command: it takes about two minutes a model.
set -euo pipefail
cd "$(dirname "$0")/.."

build="build-asan"
models="sc vector mk410 profi"
sessions=10
seed=$((RANDOM * 32768 + RANDOM))
keep=0
while (($#)); do
  case $1 in
    --models) models=$2; shift ;;
    --sessions) sessions=$2; shift ;;
    --seed) seed=$2; shift ;;
    --keep) keep=1 ;;
    -*) sed -n '18,23p' "$0" >&2; exit 2 ;;
    *) build=$1 ;;
  esac
  shift
done
for program in orvane-trend drive-sim; do
  [[ -x "$build/bin/$program" ]] || { echo "no $build/bin/$program; build it first" >&2; exit 2; }
done
RANDOM=$seed

work=$(mktemp -d "${TMPDIR:-/tmp}/wire-check.XXXXXX")
# Copies, so that a rebuild during the run leaves the programs under test alone.
cp "$build/bin/orvane-trend" "$build/bin/drive-sim" "$work/"
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  if ((keep)); then echo "working directory kept: $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
display=$(cat "$work/display")
export DISPLAY=":$display"

# The drive must answer in time whatever else the machine runs: a simulator kept off the processor
# past a reply's due time is a late drive, whose exchange a Stop rightly gives up. Real-time
# priority where the system allows it.
prompt=()
if chrt -f 10 true 2>/dev/null; then prompt=(chrt -f 10); fi

now() { date +%s.%N; }
# The toolbar's buttons, in the main window's coordinates (24-pixel icons from the left edge).
declare -A button=([start]="21 37" [stop]="53 37" [options]="158 37" [trips]="192 37")
press() { xdotool mousemove --window "$window" ${button[$1]} click 1; }
visible_windows() { xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | sort || true; }
closes() { grep -c -- '-- *host closed the line' "$dir/wire.log" || true; }
wait_for_close() { # until the simulator has seen one more close than $1, at most 10 s
  for _ in $(seq 200); do (($(closes) > $1)) && return; sleep 0.05; done
}
shot() { if command -v import >/dev/null; then import -window root "$dir/$1.png"; fi; }

check_model() {
  local model=$1 status=0 fault
  local -a faults=()
  dir="$work/$model"
  mkdir -p "$dir/home" "$dir/config/orvane-trend"
  # Port 1, speed, current, DC link, direction, running, inputs, outputs, direction graph all on,
  # sample rate 5 (0.5 s), graph scale 1.
  printf '%s\r\n' 0 1 1 1 1 1 1 1 1 5 1 >"$dir/config/orvane-trend/ta.ini"
  "${prompt[@]}" "$work/drive-sim" --scenario "$model" --baud 4800 --link "$dir/drive" --log "$dir/wire.log" \
    >/dev/null &
  local simulator=$!
  pids+=("$simulator")
  for _ in $(seq 50); do [[ -e "$dir/drive" ]] && break; sleep 0.1; done
  HOME="$dir/home" XDG_CONFIG_HOME="$dir/config" ORVANE_PORT1="$dir/drive" ORVANE_PORT2="$dir/drive" \
    QT_QPA_PLATFORM=xcb "$work/orvane-trend" >"$dir/program.out" 2>&1 &
  local program=$!
  pids+=("$program")
  window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Orvane Trend Analysis$' | head -n1) || true
  [[ -n "$window" ]] || { echo "$model: the main window did not appear" >&2; return 1; }
  # The window takes input once the splash (a window of the program's name) has come and gone.
  timeout 10 xdotool search --sync --onlyvisible --name '^orvane-trend$' >/dev/null || true
  for _ in $(seq 300); do [[ "$(visible_windows)" == 'Orvane Trend Analysis' ]] && break; sleep 0.1; done

  : >"$dir/clicks"
  local session before
  for session in $(seq "$sessions"); do
    rm -f "$dir/home/Trend.CSV"
    before=$(closes)
    echo "start $(now)" >>"$dir/clicks"
    press start
    sleep "$(awk -v r=$RANDOM 'BEGIN { printf "%.3f", 0.5 + 4.5 * r / 32767 }')"
    echo "stop $(now)" >>"$dir/clicks"
    press stop
    wait_for_close "$before"
    sleep 0.5 # the session log's last line lands just after the port closes
    cp "$dir/home/Trend.CSV" "$dir/session-$session.csv" 2>/dev/null || : >"$dir/session-$session.csv"
  done

  cp "$dir/config/orvane-trend/ta.ini" "$dir/ta.ini.before"
  echo "trips $(now)" >>"$dir/clicks"
  press trips
  press options
  local options
  options=$(timeout 10 xdotool search --sync --onlyvisible --name '^Options$' | head -n1) || true
  [[ -n "$options" ]] || { echo "$model: Options did not open" >&2; return 1; }
  echo "options-ok $(now)" >>"$dir/clicks"
  xdotool windowfocus --sync "$options" key Return
  timeout 30 xdotool search --sync --onlyvisible --name '^Trip History$' >/dev/null || true
  sleep 0.5
  shot trip-history
  local shown expected
  shown=$(visible_windows)
  expected=$(printf '%s\n' 'Orvane Trend Analysis' 'Trip History')
  if [[ "$shown" != "$expected" ]]; then
    faults+=("windows after the trip history read: ${shown//$'\n'/, }")
  fi
  cmp -s "$dir/ta.ini.before" "$dir/config/orvane-trend/ta.ini" || faults+=("ta.ini changed by Options > OK")
  xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^Trip History$' | head -n1)" key Return
  sleep 0.5
  xdotool windowfocus --sync "$window" key alt+f sleep 0.3 key x
  for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$program" 2>/dev/null && faults+=("the program did not exit")
  kill "$simulator" && wait "$simulator" || true

  local -a logs=()
  for session in $(seq "$sessions"); do logs+=("$dir/session-$session.csv"); done
  python3 scripts/wire_check.py --model "$model" --golden "tests/golden/$model.txt" --wire "$dir/wire.log" \
    --clicks "$dir/clicks" --csv "${logs[@]}" || status=1
  for fault in "${faults[@]}"; do echo "  FAULT $fault"; done
  ((${#faults[@]} == 0)) || status=1
  return "$status"
}

echo "wire check: $build, seed $seed, $sessions sessions a model, 4800 baud, sample rate 0.5 s"
columns='%-7s %9s %5s %7s %11s %7s %11s %11s %9s %5s\n'
# shellcheck disable=SC2059 # one format for both header lines
printf "$columns" "" whole "" "tick" "Stop->" stops "Stop->" "last reply" "trip" "OK"
# shellcheck disable=SC2059
printf "$columns" model sessions ticks "wire ms" "closed ms" "in tick" "closed ms" "->closed ms" "history" "in it"
failed=0
for model in $models; do check_model "$model" || failed=1; done
((failed)) && echo "wire check: FAILED" || echo "wire check: passed"
exit "$failed"
