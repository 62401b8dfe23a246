#!/usr/bin/env bash
# Reports the program's processor use while an animation step waits: starts the program
# under Xvfb, types 24, 2 and 5, slows the animation down with four "-" (steps of 2, 4, 8
# and 16 seconds), and measures the processor time of all its threads over ten seconds of
# the 16-second step.
# Usage: scripts/measure-cpu.sh [PROGRAM]   (default: build/app/winding_schemes)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${MEASURE_CPU_DISPLAY_READY:-}" ]; then
  exec env MEASURE_CPU_DISPLAY_READY=1 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
program=${1:-build/app/winding_schemes}
measure_s=10

# Processor time of every thread of the process, in nanoseconds.
cpu_ns() {
  local total=0 task run
  for task in /proc/"$1"/task/*; do
    read -r run _ < "$task/schedstat" 2>/dev/null || continue
    total=$((total + run))
  done
  echo "$total"
}

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=""
for _ in $(seq 200); do
  window=$(xdotool search --name '.' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.05
done
[ -n "$window" ] || { echo "no window appeared" >&2; exit 1; }
xdotool windowmove "$window" 0 0
xdotool windowfocus "$window"
sleep 1
for value in 24 2 5; do
  xdotool type --delay 20 "$value"
  xdotool key Return
done
for _ in 1 2 3 4; do xdotool key minus; sleep 0.05; done
sleep 14.5   # the steps of 2, 4 and 8 seconds, then into the step of 16 seconds

start_ns=$(cpu_ns "$pid")
start_wall=$(date +%s%N)
sleep "$measure_s"
end_ns=$(cpu_ns "$pid")
end_wall=$(date +%s%N)
kill -0 "$pid" 2>/dev/null || { echo "the program ended during the measurement" >&2; exit 1; }

awk -v cpu=$((end_ns - start_ns)) -v wall=$((end_wall - start_wall)) 'BEGIN {
  printf "processor time over %.2f s of a waiting animation step: %.1f ms (%.2f%% of one core)\n",
         wall / 1e9, cpu / 1e6, 100 * cpu / wall }'
