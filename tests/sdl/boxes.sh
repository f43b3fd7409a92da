#!/usr/bin/env bash
# The layer's message boxes on an X server without core fonts, answered as a person answers
# them: the start-up question, the fallback question and an "ERROR" box each show with their
# caption, fit a 640x480 screen, carry their icon, print no warning, and give the answer of
# the key pressed (or of the window manager's close). As on Windows, Esc and the close answer
# a box with an OK or Cancel button, and leave a Yes/No box standing.
# Usage (under tests/with xvfb): boxes.sh path/to/show-box OUT-DIR
HOST=native PROGRAM=$1 OUT=$2/message-boxes
. "$(dirname "$0")/../harness/session.bash"
. "$(dirname "$0")/../harness/x11.bash"

# The box fits the screen, and its icon stands left of the text: the icons are coloured,
# while the text and the background of a box without one are grey.
check_look() {
    local width colour
    width=$(geometry "$found" | cut -d' ' -f1)
    [ "$width" -le 640 ] || fail "\"$caption\" is $width px wide"
    shot "$found" "$1"
    colour=$(convert "$OUT/$1.png" -crop 72x72+0+0 -colorspace HSL -format '%[fx:maxima.g]' info:)
    awk -v c="$colour" 'BEGIN { exit !(c > 0.5) }' || fail "\"$caption\" shows no icon"
}

# STYLE CAPTION TEXT KEYS ANSWER, each box checked for its look the first time it shows. Of
# KEYS (a comma between them), all but the last must leave the box standing.
cases=(
    0x24 "$QUESTION" "$QUESTION_TEXT" Return 6
    0x24 "$QUESTION" "$QUESTION_TEXT" Escape,n 7
    0x24 "$QUESTION" "$QUESTION_TEXT" y 6
    0x24 "$QUESTION" "$QUESTION_TEXT" alt+n 7
    0x34 "$FALLBACK" "$FALLBACK_TEXT" n 7
    0x34 "$FALLBACK" "$FALLBACK_TEXT" alt+y 6
    0x34 "$FALLBACK" "$FALLBACK_TEXT" close,Escape,y 6
    0x10 ERROR "$CLOSING_TEXT" Return 1
    0x10 ERROR "$CLOSING_TEXT" Escape 1
    0x10 ERROR "$CLOSING_TEXT" close 1
)
looked=""
for ((i = 0; i < ${#cases[@]}; i += 5)); do
    style=${cases[i]} caption=${cases[i + 1]} keys=${cases[i + 3]} expected=${cases[i + 4]}
    start_program "$style" "$caption" "$(printf '%s' "${cases[i + 2]}" | iconv -f UTF-8 -t CP1252)"
    wait_window "$caption" 10 || fail "no box \"$caption\" within 10 s"
    case $looked in *"<$caption>"*) ;; *)
        check_look "box-$((i / 5))"
        looked="$looked<$caption>"
        ;;
    esac
    IFS=, read -ra steps <<<"$keys"
    for k in "${steps[@]}"; do
        sleep 0.2
        if [ "$k" = close ]; then close_window "$found"; else type_key "$found" "$k"; fi
        [ "$k" = "${steps[-1]}" ] && break
        sleep 1
        program_running || fail "\"$caption\" took $k, which it must not"
    done
    wait_exit 10
    [ "$(own_output)" = "$expected" ] || fail "\"$caption\" answered $keys with: $(own_output), not $expected"
done
log "PASS $((${#cases[@]} / 5)) boxes"
