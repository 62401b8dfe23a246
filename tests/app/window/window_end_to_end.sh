#!/usr/bin/env bash
# The real program in a real window under Xvfb:
#  1. types 24, 2 and 5, speeds the drawing up with "+", waits for the end-of-run prompt and
#     compares the client area pixel for pixel with the headless snapshot; checks the title;
#     a last key ends the process with exit code 0;
#  2. the close button during the animation ends the process with exit code 0 within a second;
#  3. a resized window keeps the 4:3 aspect.
# Usage: window_end_to_end.sh PROGRAM SCHEME_SNAPSHOT X_WINDOW_TOOL OUT_DIR
set -euo pipefail
if [ -z "${WINDOW_TEST_DISPLAY_READY:-}" ]; then
  exec env WINDOW_TEST_DISPLAY_READY=1 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

program=$1 snapshot=$2 tool=$3 out=$4
title="SCHEMES: WAVE, SINGLE LAYER, SHORT PITCH WINDING"
mkdir -p "$out"
expected="$out/expected.ppm"
captured="$out/captured.ppm"
rm -f "$expected" "$captured"
"$snapshot" 24 2 5 "$expected" >/dev/null
header_bytes=15                                   # "P6\n640 480\n255\n"
above_row_30=$((header_bytes + 464 * 640 * 3))   # text rows 1 to 29

pid=""
window=""
failures=0
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  pid=""
}
trap cleanup EXIT

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
alive() { kill -0 "$pid" 2>/dev/null; }

# Polls "$@" every 20 ms until it succeeds or timeout_ms passes.
poll_until() {
  local timeout_ms=$1; shift
  local deadline=$(( $(now_ms) + timeout_ms ))
  until "$@"; do
    [ "$(now_ms)" -ge "$deadline" ] && return 1
    sleep 0.02
  done
}

# The program is the only client of this display that makes windows.
find_window() { window=$(xdotool search --name '.' 2>/dev/null | head -n 1); [ -n "$window" ]; }
has_title() { [ "$("$tool" name "$window" 2>/dev/null)" = "$title" ]; }
has_size() { [ "$("$tool" size "$window" 2>/dev/null)" = "$1" ]; }

start_program() {
  "$program" &
  pid=$!
  poll_until 10000 find_window || { fail "no window appeared"; cleanup; return 1; }
  xdotool windowmove "$window" 0 0
  xdotool windowfocus "$window"
  poll_until 10000 has_title || { fail "title is not \"$title\""; cleanup; return 1; }
}

type_parameters() {
  local value
  for value in 24 2 5; do
    xdotool type --delay 20 "$value"
    xdotool key Return
  done
}

# Waits for the process to end; sets exit_code to its exit code, or "timeout".
exit_code=""
wait_exit() {
  local timeout_ms=$1
  exit_code=timeout
  poll_until "$timeout_ms" eval '! alive' || return 0
  exit_code=0
  wait "$pid" || exit_code=$?
  pid=""
}

capture() { "$tool" capture "$window" "$captured" 2>/dev/null; }
drawing_complete() { capture && cmp -s -n "$above_row_30" "$captured" "$expected"; }
picture_equal() { capture && cmp -s "$captured" "$expected"; }

# Run 1: the whole drawing, compared with the snapshot, and the last key.
run_whole_drawing() {
  start_program || return 0
  pass "title"
  poll_until 10000 has_size 640x480 && pass "client area 640x480" || fail "client area is not 640x480"
  type_parameters
  # "+" until the picture above row 30 is complete; the keys stay further apart than a
  # frame takes to show, so at most one reaches the final wait.
  local deadline=$(( $(now_ms) + 120000 ))
  until drawing_complete; do
    alive || { fail "the program ended during the drawing"; cleanup; return 0; }
    [ "$(now_ms)" -ge "$deadline" ] && break
    xdotool key plus
    sleep 0.15
  done
  local attempt
  for attempt in 1 2 3; do
    poll_until 1500 picture_equal && break
    alive || break
    xdotool key plus
  done
  if picture_equal; then
    pass "picture equals the snapshot"
  else
    fail "picture differs from the snapshot: expected $expected, captured $captured"
  fi
  has_title && pass "title after the drawing" || fail "title changed"
  xdotool key space
  wait_exit 5000
  [ "$exit_code" = 0 ] && pass "last key: exit code 0" || fail "last key: exit code $exit_code"
}

# Run 2: the close button during the animation.
run_close_button() {
  start_program || return 0
  type_parameters
  sleep 1.5
  alive || { fail "the program ended before the close button"; cleanup; return 0; }
  local start
  start=$(now_ms)
  "$tool" close "$window"
  wait_exit 5000
  local took=$(( $(now_ms) - start ))
  [ "$exit_code" = 0 ] && pass "close button: exit code 0" || fail "close button: exit code $exit_code"
  [ "$took" -le 1000 ] && pass "close button: ended after $took ms" || fail "close button: ended after $took ms"
}

# Run 3: resizing keeps the aspect.
aspect_kept() {
  local size width height
  size=$("$tool" size "$window" 2>/dev/null) || return 1
  width=${size%x*} height=${size#*x}
  [ "$size" != "$1" ] && [ $(( width * 3 - height * 4 )) -le 4 ] && [ $(( height * 4 - width * 3 )) -le 4 ]
}

run_resize() {
  start_program || return 0
  poll_until 10000 has_size 640x480 || { fail "client area is not 640x480"; cleanup; return 0; }
  local size
  for size in 800x500 700x700; do
    xdotool windowsize "$window" "${size%x*}" "${size#*x}"
    if poll_until 3000 aspect_kept "$size"; then
      pass "resized to $size, kept 4:3 as $("$tool" size "$window")"
    else
      fail "resized to $size, now $("$tool" size "$window")"
    fi
  done
  "$tool" close "$window"
  wait_exit 5000
  [ "$exit_code" = 0 ] && pass "close after resizing: exit code 0" || fail "close after resizing: exit code $exit_code"
}

run_whole_drawing
run_close_button
run_resize
if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
rm -f "$captured"
echo "all window checks passed"
