#!/usr/bin/env bash
# SIGINT or SIGTERM while fullscreen: the program must leave the way it always does, through
# its own teardown that puts the desktop mode back, not die of the signal. Under Xvfb the
# screen has only its own mode, so what is seen is the clean exit (status 0, as for a closed
# window), no window left, and the screen's mode as before.
# Usage (under tests/with xvfb 640x480x16): signal.sh INT|TERM
SIG=$1
REL_CASE=signal-$SIG
. "$(dirname "$0")/lib.sh"

screen_before="$(screen_size) $(root_depth)"
start_program
question
answer_box "$found" Return
program_window
read -r w h x y <<<"$(geometry "$win")"
[ "$w $h $x $y" = "640 480 0 0" ] || fail "not fullscreen: ${w}x${h} at ($x,$y)"
sleep 1
log "SIG$SIG -> $prog_pid"
kill -s "$SIG" "$prog_pid"
# 0 is the quit message of a closed window; death by the signal would be 128 + its number.
expect_exit 0
check_clean_display "$screen_before"
log "PASS SIG$SIG"
