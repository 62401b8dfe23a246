#!/usr/bin/env bash
# Reports the program's processor use and wake-ups in each state in which it waits: at the Z
# prompt, during a waiting animation step, in the final wait after the drawing, and at "Press
# any key to continue". Starts the program under Xvfb and drives it as a user would (24, 2
# and 5; four "-" make steps of 2, 4, 8 and 16 seconds; then "+" until the drawing is done),
# and over MEASURE_S seconds of each state reads every thread's processor time (schedstat) and
# voluntary context switches, that is its wake-ups (status), from /proc.
# Usage: scripts/measure-cpu.sh [BUILD_DIR]   (default: build; needs the program,
#        tools/scheme_snapshot and tests/app/window/x_window_tool built there)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${MEASURE_CPU_DISPLAY_READY:-}" ]; then
  exec env MEASURE_CPU_DISPLAY_READY=1 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
build=${1:-build}
program=$build/app/winding_schemes
tool=$build/tests/app/window/x_window_tool
measure_s=${MEASURE_S:-10}
work=$(mktemp -d)
expected=$work/expected.ppm
captured=$work/captured.ppm
"$build/tools/scheme_snapshot" 24 2 5 "$expected" >/dev/null
above_row_30=$((15 + 464 * 640 * 3))   # the PPM header, then text rows 1 to 29

pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
die() { echo "measure-cpu: $*" >&2; exit 1; }

# One line per thread: "TID NAME RUN_NS VOLUNTARY_SWITCHES"; the main thread is named "window".
threads() {
  local task tid name run switches
  for task in /proc/"$pid"/task/*; do
    tid=${task##*/}
    read -r run _ < "$task/schedstat" 2>/dev/null || continue
    switches=$(awk '/^voluntary_ctxt_switches/ { print $2 }' "$task/status" 2>/dev/null) || continue
    name=$(cat "$task/comm" 2>/dev/null) || continue
    [ "$tid" = "$pid" ] && name=window
    echo "$tid $name $run $switches"
  done
}

# Prints the table rows of one state: the whole process, then each thread.
measure() {
  local state=$1 before after start_ns end_ns
  threads > "$work/before"
  start_ns=$(date +%s%N)
  sleep "$measure_s"
  threads > "$work/after"
  end_ns=$(date +%s%N)
  kill -0 "$pid" 2>/dev/null || die "the program ended while \"$state\" was measured"
  awk -v state="$state" -v wall_ns=$((end_ns - start_ns)) '
    FNR == NR { run0[$1] = $3; sw0[$1] = $4; next }
    ($1 in run0) {
      order[++count] = $1; name[$1] = $2
      run[$1] = $3 - run0[$1]; sw[$1] = $4 - sw0[$1]
      total_run += run[$1]; total_sw += sw[$1]
    }
    END {
      s = wall_ns / 1e9
      printf "| %s | whole process | %.2f %% | %.0f |\n", state, 100 * total_run / wall_ns, total_sw / s
      idle = 0
      for (i = 1; i <= count; i++) {
        t = order[i]
        if (name[t] !~ /^(window|program|timer-trap|main-loop)$/ && run[t] == 0 && sw[t] == 0) { idle++; continue }
        printf "| | %s | %.2f %% | %.0f |\n", name[t], 100 * run[t] / wall_ns, sw[t] / s
      }
      if (idle > 0) printf "| | %d other threads (OpenGL, X) | 0.00 %% | 0 |\n", idle
    }' "$work/before" "$work/after"
}

capture() { "$tool" capture "$window" "$captured" 2>/dev/null; }
drawing_complete() { capture && cmp -s -n "$above_row_30" "$captured" "$expected"; }
prompt_shown() { capture && cmp -s "$captured" "$expected"; }

"$program" &
pid=$!
window=""
for _ in $(seq 200); do
  window=$(xdotool search --name '.' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.05
done
[ -n "$window" ] || die "no window appeared"
xdotool windowmove "$window" 0 0
xdotool windowfocus "$window"
sleep 1

echo "| state | thread | share of one core | wake-ups per second |"
echo "|---|---|---|---|"
measure "at the Z prompt"

for value in 24 2 5; do
  xdotool type --delay 20 "$value"
  xdotool key Return
done
typed_ms=$(now_ms)
for _ in 1 2 3 4; do xdotool key minus; sleep 0.05; done
sleep 14.5   # the steps of 2, 4 and 8 seconds, then into the step of 16 seconds
measure "an animation step waiting"

# Fewer "+" than steps remain, so none of them reaches the final wait: 14 for the tables and
# markers, then 5 once the tracing (back at one second a step) runs.
for _ in $(seq 14); do xdotool key plus; sleep 0.02; done
until_tracing_ms=$((typed_ms + 50000 - $(now_ms)))
[ "$until_tracing_ms" -gt 0 ] && sleep "$((until_tracing_ms / 1000)).$(printf '%03d' $((until_tracing_ms % 1000)))"
for _ in 1 2 3 4 5; do xdotool key plus; sleep 0.05; done
deadline=$(( $(now_ms) + 120000 ))
until drawing_complete; do
  [ "$(now_ms)" -lt "$deadline" ] || die "the drawing did not complete"
  sleep 0.25
done
sleep 1   # the last frames are shown
prompt_shown && die "a key ended the final wait before it was measured"
measure "final wait, the scheme complete"

xdotool key space
deadline=$(( $(now_ms) + 5000 ))
until prompt_shown; do
  [ "$(now_ms)" -lt "$deadline" ] || die "\"Press any key to continue\" did not show"
  sleep 0.05
done
sleep 1
measure "at \"Press any key to continue\""

xdotool key space
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
wait "$pid" && code=0 || code=$?
pid=""
[ "$code" = 0 ] || die "the program ended with exit code $code"
echo
echo "Measured over ${measure_s} s per state on $(nproc) processors ($(uname -sr)), under Xvfb."
