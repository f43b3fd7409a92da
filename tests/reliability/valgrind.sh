#!/usr/bin/env bash
# One whole session under valgrind memcheck: No to the question, a second of drawing, F1 to
# fullscreen (the 640x480x16 screen accepts it), a second more, Esc. Any definite leak, and
# any other error memcheck finds, fails it; valgrind.supp holds the libraries' own reports.
# Usage (under tests/with-xvfb -s 640x480x16): valgrind.sh
set -uo pipefail
REL_CASE=valgrind
. "$(dirname "$0")/lib.sh"

vg_status=99
log "starting $PROGRAM under valgrind"
# One llvmpipe thread: fewer threads for valgrind to serialise, same drawing.
LP_NUM_THREADS=1 valgrind --quiet --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --error-exitcode=$vg_status --num-callers=30 --keep-debuginfo=yes \
    --suppressions="$rel_here/valgrind.supp" --gen-suppressions=all \
    --log-file="$OUT/valgrind.log" "$PROGRAM" >"$OUT/program.log" 2>&1 &
prog_pid=$!

wait_window "$QUESTION" 180 || fail "the start-up question did not appear"
answer_box "$found" n
SLOW=$((SLOW * 10)) open_window
sleep 3
# Under valgrind a key must stay down longer to be seen in an idle pass: F1 stays down until
# the window has been built again. Keys are typed (XTEST) into the focused window.
log "F1 down -> $win"
xdotool keydown F1
wait_window "$TITLE" 240 "$win" || fail "no window after F1"
xdotool keyup F1
sleep 3
# The window found may be a passing one of the rebuild, gone a moment later: Esc goes to the
# window shown then, and is typed again while the program runs on.
for attempt in 1 2 3; do
    SLOW=$((SLOW * 10)) open_window
    log "Esc down -> $win"
    xdotool keydown Escape
    sleep 3
    xdotool keyup Escape
    for _ in $(seq 600); do
        program_running || break
        sleep 0.1
    done
    program_running || break
    log "still running after Esc $attempt"
done
wait_exit 300
if [ "$prog_rc" = $vg_status ]; then
    grep -E 'definitely lost|Invalid|uninitialised|Mismatched' "$OUT/valgrind.log" | head -n 20
    fail "memcheck found errors, see $OUT/valgrind.log"
fi
[ "$prog_rc" = 27 ] || fail "exit code $prog_rc, expected 27"
log "PASS valgrind"
