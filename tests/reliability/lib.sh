# What the reliability cases share, on top of the e2e harness: the program's names, boxes
# compared with reference boxes, and counts of what the process holds.
# Needs ZELMVIK_BUILD_DIR (the build folder with zelmvik and zelmvik-faulty), SHOW_BOX (the
# show-box helper) and REL_OUT (where screenshots go); REL_SLOW scales the waits.
# Usage: REL_CASE=name . lib.sh

rel_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
HOST=native
PROGRAM=${PROGRAM:-$ZELMVIK_BUILD_DIR/zelmvik}
OUT=$REL_OUT/$REL_CASE
SLOW=${REL_SLOW:-1}
mkdir -p "$OUT"
rm -f "$OUT"/*.png
# shellcheck source=../e2e/harness.sh
. "$rel_here/../e2e/harness.sh"

TITLE="Zelmvik til qor!"
QUESTION="Plimbrok - QOR 2006 skal vi?  -- lidt screen!"
FALLBACK="Vamo GL"

ref_pid=""
stop_reference() {
    if [ -n "$ref_pid" ] && kill -0 "$ref_pid" 2>/dev/null; then
        kill "$ref_pid" 2>/dev/null
    fi
    [ -n "$ref_pid" ] && wait "$ref_pid" 2>/dev/null
    ref_pid=""
}
trap 'stop_reference; stop_program' EXIT

ask() {
    wait_window "$QUESTION" $((30 * SLOW)) || fail "the start-up question did not appear"
}

# The program's shown window; the layer makes a hidden one again when it sets the pixel
# format, and a rebuild may show one for a moment, so the one that stays is taken.
open_window() {
    local old=${1:-}
    for _ in 1 2 3 4 5; do
        wait_window "$TITLE" $((30 * SLOW)) "$old" || fail "the window \"$TITLE\" did not appear"
        sleep 0.3
        viewable "$found" && break
    done
    win=$found
    focus "$win"
}

# Every top-level window of the display whose name is $1, mapped or not.
count_named() { windows_named "$1" | wc -l; }

# A screenshot of box $1 once it has the keyboard: a box without it is drawn paler, and
# under load the focus can take a while to arrive and the box to be drawn again.
focused_shot() {
    local id=$1 name=$2
    focus "$id"
    for _ in $(seq $((50 * SLOW))); do
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$((id))" ] && break
        sleep 0.1
    done
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$((id))" ] || fail "box $id did not take the keyboard"
    sleep 0.5
    shot "$id" "$name"
}

# Checks that the box $1 the program shows is the box MessageBoxA gives for style $2,
# caption $3 and text $4: its title is the caption (the tree shows it), and a screenshot of
# it is pixel for pixel the same as one of the box the layer shows for these arguments,
# icon included.
check_box() {
    local id=$1 style=$2 caption=$3 text=$4 name diff=""
    name=$(xwininfo -id "$id" | sed -n 's/^xwininfo: Window id: [^ ]* "\(.*\)"$/\1/p')
    [ "$name" = "$caption" ] || fail "box $id is \"$name\", not \"$caption\""
    # A box caught half-way through redrawing for a change of focus is compared again.
    for _ in 1 2 3; do
        name=box-$(date +%s%N)
        focused_shot "$id" "$name"
        shot_reference "$style" "$caption" "$text" "$id" "$name-ref"
        diff=$(compare -metric AE "$OUT/$name.png" "$OUT/$name-ref.png" null: 2>&1)
        [ "${diff%%[^0-9]*}" = 0 ] && break
        log "box \"$caption\" differs from its reference in $diff pixels"
    done
    [ "${diff%%[^0-9]*}" = 0 ] ||
        fail "box \"$caption\" differs from the one for \"$text\" in $diff pixels"
    log "box \"$caption\" shows \"$text\" (style $style)"
}

# Shows the box MessageBoxA gives for style $1, caption $2 and text $3 (on top of the box
# $4 of the same caption), takes screenshot $5 of it, and answers it.
shot_reference() {
    local style=$1 caption=$2 text=$3 id=$4 name=$5 ref=""
    "$SHOW_BOX" "$style" "$caption" "$text" >"$OUT/$name.answer" 2>&1 &
    ref_pid=$!
    for _ in $(seq $((100 * SLOW))); do
        ref=$(windows_named "$caption" | grep -v "^$id\$" | head -n1)
        [ -n "$ref" ] && viewable "$ref" && break
        ref=""
        sleep 0.1
    done
    [ -n "$ref" ] || fail "the reference box \"$caption\" did not appear"
    focused_shot "$ref" "$name"
    press "$ref" Return
    for _ in $(seq $((50 * SLOW))); do
        kill -0 "$ref_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$ref_pid" 2>/dev/null && fail "the reference box \"$caption\" did not take Return"
    wait "$ref_pid"
    ref_pid=""
}

# The box's name and geometry: a box that follows another may get the same window id (each
# box has its own connection, and the server hands a closed one's ids out again).
box_look() { xwininfo -id "$1" 2>/dev/null | grep -E 'Window id|Map State|^ *(Width|Height):' | tr -s ' \n' ' '; }

# Answers box $1 with key $2 once it has been read; the key is given again only when the same
# box is still up seconds later.
answer_box() {
    local id=$1 key=$2 before
    before=$(box_look "$id")
    for _ in 1 2 3; do
        press "$id" "$key"
        for _ in $(seq $((30 * SLOW))); do
            [ "$(box_look "$id")" = "$before" ] || return 0
            sleep 0.1
        done
    done
    fail "the box $id did not take $key"
}

# Waits for a box with caption $1 (other than $2) and checks it shows style $3, text $4.
expect_box() {
    wait_window "$1" $((30 * SLOW)) "${2:-}" || fail "no \"$1\" box with \"$4\""
    box=$found
    check_box "$box" "$3" "$1" "$4"
}

# After the program is gone: nothing of it left on the display, and the screen as it was.
check_clean_display() {
    local want=$1 left
    left=$(xwininfo -root -tree | awk '/ child(ren)?[:.]$/ && !seen { n = $1; seen = 1 } END { print n + 0 }')
    [ "$left" = 0 ] || fail "$left windows left on the display: $(xwininfo -root -tree)"
    [ "$(screen_size) $(root_depth)" = "$want" ] ||
        fail "the screen is $(screen_size) $(root_depth), not $want"
}
root_depth() { xwininfo -root | awk '/^ *Depth:/ { print $NF }'; }

# "fds windows rss-kB" of the running program, and its X resources, one "TYPE N" a line.
process_counts() {
    echo "$(ls "/proc/$prog_pid/fd" | wc -l) $(xdotool search --pid "$prog_pid" 2>/dev/null |
        wc -l) $(awk '/^VmRSS/ { print $2 }' "/proc/$prog_pid/status")"
}
x_resources() { python3 "$rel_here/xres-count.py" "$1" | sort; }
