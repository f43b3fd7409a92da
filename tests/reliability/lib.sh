# What the reliability cases share on top of the session harness: boxes compared with the
# boxes the layer shows for the same arguments, a display left clean, and counts of what the
# process holds. Needs ZELMVIK_BUILD_DIR (the build folder with zelmvik and zelmvik-faulty),
# SHOW_BOX (the show-box helper) and REL_OUT (where screenshots go).
# Usage: REL_CASE=name . lib.sh
rel_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
HOST=native
PROGRAM=${PROGRAM:-$ZELMVIK_BUILD_DIR/zelmvik}
OUT=$REL_OUT/$REL_CASE${ZELMVIK_SDL:+-sdl$ZELMVIK_SDL}
. "$rel_here/../harness/session.bash"
. "$rel_here/../harness/x11.bash"

# A screenshot of box $1 once it has the keyboard: a box without it is drawn paler, and
# under load the focus can take a while to arrive and the box to be drawn again.
focused_shot() {
    xdotool windowfocus "$1" 2>/dev/null
    wait_until 5 has_focus "$1" || fail "box $1 did not take the keyboard"
    sleep 0.5
    shot "$1" "$2"
}

# Box $1 that the program shows is the box MessageBoxA gives for style $2, caption $3 and
# text $4 (code page 1252): its title is the caption, and a screenshot of it is pixel for
# pixel the same as one of the box the layer shows for these arguments, icon included.
check_box() {
    local id=$1 style=$2 caption=$3 text=$4 name diff=""
    [ "$(window_title "$id")" = "$caption" ] || fail "box $id is \"$(window_title "$id")\", not \"$caption\""
    # A box caught half-way through redrawing for a change of focus is compared again.
    for _ in 1 2 3; do
        name=box-$(date +%s%N)
        focused_shot "$id" "$name"
        shot_reference "$style" "$caption" "$text" "$id" "$name-ref"
        diff=$(compare -metric AE "$OUT/$name.png" "$OUT/$name-ref.png" null: 2>&1)
        [ "${diff%%[^0-9]*}" = 0 ] && break
        log "box \"$caption\" differs from its reference in $diff pixels"
    done
    [ "${diff%%[^0-9]*}" = 0 ] || fail "box \"$caption\" differs from the one for \"$text\" in $diff pixels"
    log "box \"$caption\" shows \"$text\" (style $style)"
}

# Shows the box MessageBoxA gives for style $1, caption $2 and text $3 (on top of the box $4
# of the same caption), takes screenshot $5 of it, and answers it.
shot_reference() {
    local ref_pid
    "$SHOW_BOX" "$1" "$2" "$(printf '%s' "$3" | iconv -f UTF-8 -t CP1252)" >/dev/null 2>&1 &
    ref_pid=$!
    helpers+=("$ref_pid")
    wait_until 10 shown_named "$2" "$4" || fail "the reference box \"$2\" did not appear"
    focused_shot "$found" "$5"
    type_key "$found" Return
    wait_until 5 eval '! kill -0 "$ref_pid" 2>/dev/null' || fail "the reference box \"$2\" did not take Return"
    wait "$ref_pid"
}

# Waits for a box with caption $1 and checks it shows style $2, text $3; its id in $box.
expect_box() {
    wait_window "$1" || fail "no \"$1\" box with \"$3\""
    box=$found
    check_box "$box" "$2" "$1" "$3"
}

# After the program is gone: nothing of it left on the display, and the screen as it was.
check_clean_display() {
    local left
    left=$(xwininfo -root -tree | awk '/ child(ren)?[:.]$/ && !seen { n = $1; seen = 1 } END { print n + 0 }')
    [ "$left" = 0 ] || fail "$left windows left on the display: $(xwininfo -root -tree)"
    [ "$(screen_size) $(root_depth)" = "$1" ] || fail "the screen is $(screen_size) $(root_depth), not $1"
}
root_depth() { xwininfo -root | awk '/^ *Depth:/ { print $NF }'; }

# "fds windows rss-kB" of the running program, and its X resources, one "TYPE N" a line.
process_counts() {
    echo "$(ls "/proc/$prog_pid/fd" | wc -l) $(xdotool search --pid "$prog_pid" 2>/dev/null |
        wc -l) $(awk '/^VmRSS/ { print $2 }' "/proc/$prog_pid/status")"
}
x_resources() { python3 "$harness/x11-probe.py" resources "$1" | sort; }
