#!/usr/bin/env bash
# What a window manager may do to the program that it does not expect.
# Usage (under tests/with xvfb): bad-input.sh sizes|close-question
#   sizes: the window made 1x1, then as flat as the server allows, then minimised (the state a
#     window manager sets) and restored; the program must go on drawing its line afterwards.
#   close-question: the window manager's close, and Esc, given to the start-up question: as
#     on Windows, a Yes/No box takes neither and stays; n then answers No, and the program
#     goes on in a window.
REL_CASE=bad-$1
. "$(dirname "$0")/lib.sh"

# Xvfb runs no window manager, so the minimising is done the way one does it: the window's
# _NET_WM_STATE gets (or loses) _NET_WM_STATE_HIDDEN, which SDL reads as minimised (restored).
set_state() { xprop -id "$1" -f _NET_WM_STATE 32a -set _NET_WM_STATE "$2"; }

alive() { program_running || fail "the program ended after $1"; }

case $1 in
sizes)
    start_program
    question
    answer_box "$found" n
    program_window
    xdotool windowsize "$win" 1 1
    sleep 1
    alive "a 1x1 client area"
    # X refuses a height of 0; the smallest it takes is 1 row.
    xdotool windowsize "$win" 640 0 2>/dev/null || xdotool windowsize "$win" 640 1
    sleep 1
    alive "a flat client area"
    set_state "$win" _NET_WM_STATE_HIDDEN
    sleep 1
    alive "being minimised"
    # Minimised, it draws nothing and its counters stand still: the picture stays as it was.
    shot "$win" minimised-1
    sleep 0.7
    shot "$win" minimised-2
    diff=$(compare -metric AE "$OUT/minimised-1.png" "$OUT/minimised-2.png" null: 2>&1)
    [ "${diff%%[^0-9]*}" = 0 ] || fail "the minimised window still animates ($diff pixels)"
    set_state "$win" ""
    xdotool windowsize "$win" 640 480
    sleep 1
    alive "being restored"
    check_size "$win" 640 480
    look "$win" restored
    type_key "$win" Escape
    expect_exit 27
    ;;
close-question)
    start_program
    question
    close_window "$found"
    type_key "$found" Escape
    sleep 1
    viewable "$found" || fail "the question went away on its close or on Esc"
    answer_box "$found" n
    program_window
    is_framed "$win" || fail "No to the question did not lead to a window"
    check_size "$win" 640 480
    type_key "$win" Escape
    expect_exit 27
    ;;
*) fail "unknown case $1" ;;
esac
log "PASS $1"
