#!/usr/bin/env bash
# The layer's message boxes on an X server without core fonts, answered as a person answers
# them: the start-up question, the fallback question and an "ERROR" box each show with their
# caption, fit a 640x480 screen, carry their icon, print no warning, and give the answer of
# the key pressed (or of the window manager's close). As on Windows, Esc and the close answer
# a box with an OK or Cancel button, and leave a Yes/No box standing.
# Usage: boxes.sh path/to/show-box path/to/wm-delete.py
set -uo pipefail
show_box=$1 wm_delete=$2
dir=$(mktemp -d)
pid=""
cleanup() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    rm -rf "$dir"
}
trap cleanup EXIT
fail() {
    echo "boxes: $*" >&2
    exit 1
}

question_caption="Plimbrok - QOR 2006 skal vi?  -- lidt screen!"
question=$(printf ':: WARNING - Hvis i ser dette, s\xe5 er det fordi der skete en zelmvik!  Der taget forbehold for stener fra polen....... :: T\xf8r du fors\xe6tte?\xbf')
fallback=$(printf 'The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode Instead?')

# open_box STYLE CAPTION TEXT: shows the box and waits until it is on screen; sets $box.
open_box() {
    "$show_box" "$1" "$2" "$3" >"$dir/answer" 2>"$dir/err" &
    pid=$!
    box=""
    for _ in $(seq 100); do
        box=$(xwininfo -root -tree | grep -F "\"$2\":" | awk '{print $1}' | head -n1)
        [ -n "$box" ] && xwininfo -id "$box" | grep -q IsViewable && return 0
        kill -0 "$pid" 2>/dev/null || fail "show-box ended before its box \"$2\" showed"
        sleep 0.1
    done
    fail "no box \"$2\" within 10 s"
}

# expect_answer WHAT ANSWER: after the key or close given, the box ends with ANSWER and
# printed nothing else.
expect_answer() {
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "\"$caption\" did not take $1 within 10 s"
    wait "$pid"
    pid=""
    [ "$(cat "$dir/answer")" = "$2" ] || fail "\"$caption\" answered $1 with $(cat "$dir/answer"), not $2"
    [ ! -s "$dir/err" ] || fail "\"$caption\" printed: $(head -n3 "$dir/err")"
}

press() {
    sleep 0.2
    xdotool keydown "$1"
    sleep 0.1
    xdotool keyup "$1"
}

# The box fits the screen, and its icon stands left of the text: the theme's icons are
# coloured, while the text and the background of a box without one are grey.
check_look() {
    local width colour
    width=$(xwininfo -id "$box" | awk '/Width:/ { print $2 }')
    [ "$width" -le 640 ] || fail "\"$caption\" is $width px wide"
    import -window "$box" "$dir/box.png" || fail "no screenshot of \"$caption\""
    colour=$(convert "$dir/box.png" -crop 72x72+0+0 -colorspace HSL -format '%[fx:maxima.g]' info:)
    awk -v c="$colour" 'BEGIN { exit !(c > 0.5) }' || fail "\"$caption\" shows no icon"
}

# The window manager's close, as its close button sends it.
close_box() {
    sleep 0.2
    python3 "$wm_delete" "$box" || fail "WM_DELETE_WINDOW not sent to \"$caption\""
}

# STYLE CAPTION TEXT KEYS ANSWER, each box checked for its look the first time it shows. Of
# KEYS (a comma between them), all but the last must leave the box standing.
cases=(
    0x24 "$question_caption" "$question" Return 6
    0x24 "$question_caption" "$question" Escape,n 7
    0x24 "$question_caption" "$question" y 6
    0x24 "$question_caption" "$question" alt+n 7
    0x34 "Vamo GL" "$fallback" n 7
    0x34 "Vamo GL" "$fallback" alt+y 6
    0x34 "Vamo GL" "$fallback" close,Escape,y 6
    0x10 ERROR "Program Will Now Close." Return 1
    0x10 ERROR "Program Will Now Close." Escape 1
    0x10 ERROR "Program Will Now Close." close 1
)
looked=""
for ((i = 0; i < ${#cases[@]}; i += 5)); do
    style=${cases[i]} caption=${cases[i + 1]} text=${cases[i + 2]} key=${cases[i + 3]}
    open_box "$style" "$caption" "$text"
    case $looked in *"<$caption>"*) ;; *)
        check_look
        looked="$looked<$caption>"
        ;;
    esac
    IFS=, read -ra keys <<<"$key"
    for k in "${keys[@]}"; do
        if [ "$k" = close ]; then close_box; else press "$k"; fi
        [ "$k" = "${keys[-1]}" ] && break
        sleep 1
        kill -0 "$pid" 2>/dev/null || fail "\"$caption\" took $k, which it must not"
    done
    expect_answer "$key" "${cases[i + 4]}"
done
echo "boxes: $((${#cases[@]} / 5)) cases passed"
