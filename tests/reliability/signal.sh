#!/usr/bin/env bash
# SIGINT or SIGTERM while fullscreen: the program must leave the way it always does, through
# its own teardown that puts the desktop mode back, not die of the signal. Under Xvfb the
# screen has only its own mode, so what is seen is the clean exit (status 0, as for a closed
# window), no window left, and the screen's mode as before.
# Usage (under tests/with-xvfb -s 640x480x16): signal.sh INT|TERM
set -uo pipefail
SIG=$1
REL_CASE=signal-$SIG
. "$(dirname "$0")/lib.sh"

screen_before="$(screen_size) $(root_depth)"
# A shell starts background jobs with SIGINT ignored, and SDL leaves an ignored signal
# alone; a program started from a terminal has the default, so it is given that here.
log "starting $PROGRAM"
env --default-signal="$SIG" "$PROGRAM" >"$OUT/program.log" 2>&1 &
prog_pid=$!
ask
answer_box "$found" Return
open_window
read -r w h x y <<<"$(geometry "$win")"
[ "$w $h $x $y" = "640 480 0 0" ] || fail "not fullscreen: ${w}x${h} at ($x,$y)"
sleep 1
log "SIG$SIG -> $prog_pid"
kill -s "$SIG" "$prog_pid"
# 0 is the quit message of a closed window; death by the signal would be 128 + its number.
expect_exit 0 $((30 * SLOW))
check_clean_display "$screen_before"
log "PASS SIG$SIG"
