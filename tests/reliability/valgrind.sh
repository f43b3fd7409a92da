#!/usr/bin/env bash
# One whole session under valgrind memcheck: No to the question, a second of drawing, F1 to
# fullscreen (the 640x480x16 screen accepts it), a second more, Esc. Any definite leak, and
# any other error memcheck finds, fails it; valgrind.supp holds the libraries' own reports.
# Usage (under tests/with xvfb 640x480x16): valgrind.sh
REL_CASE=valgrind
. "$(dirname "$0")/lib.sh"
# Everything under valgrind takes some ten times as long.
SLOW=$((SLOW * 10))

vg_status=99
log "starting $PROGRAM under valgrind"
# One llvmpipe thread: fewer threads for valgrind to serialise, same drawing.
LP_NUM_THREADS=1 valgrind --quiet --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --error-exitcode=$vg_status --num-callers=30 --keep-debuginfo=yes \
    --suppressions="$rel_here/valgrind.supp" --gen-suppressions=all \
    --log-file="$OUT/valgrind.log" "$PROGRAM" >"$OUT/program.log" 2>&1 &
prog_pid=$!

question
answer_box "$found" n
program_window
sleep 3
# F1 stays down until the window has been built again, as a finger holds it under a slow
# program; then Esc the same way, until the program ends.
log "F1 down -> $win"
key_down F1
wait_window "$TITLE" 24 "$win" || fail "no window after F1"
key_up F1
sleep 3
program_window "$win"
log "Esc down -> $win"
key_down Escape
wait_until 30 program_ended
key_up Escape
wait_exit 30
if [ "$prog_rc" = $vg_status ]; then
    grep -E 'definitely lost|Invalid|uninitialised|Mismatched' "$OUT/valgrind.log" | head -n 20
    fail "memcheck found errors, see $OUT/valgrind.log"
fi
[ "$prog_rc" = 27 ] || fail "exit code $prog_rc, expected 27"
log "PASS valgrind"
