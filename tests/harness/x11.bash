# Sessions on an X display (tests/with gives one): the program's boxes and windows found in
# the window tree, keys typed as a person types them, the window looked at. Sourced after
# session.bash. WINDOW_MANAGER is set where one runs (tests/with openbox, mutter).

# Ids of the windows whose name is exactly $1, the clients' own: a window manager's frame
# that bears its client's name (GNOME 44 and later draw frames in a client of their own,
# mutter-x11-frames, which names them so) is passed over for the window inside it; and one
# of mutter-x11-frames' is passed over even before its client is inside it, as it is for a
# moment when a window is mapped. Wine's windows and SDL's alike are found this way.
windows_named() {
    xwininfo -root -tree 2>/dev/null |
        awk -v name="\"$1\":" '
            { match($0, /^ */); depth = RLENGTH }
            # A window no deeper than the one held ends the subtree of the one held.
            held != "" && depth <= held_depth { print held; held = "" }
            index($0, name) && !index($0, name " (\"mutter-x11-frames\"") {
                held = $1; held_depth = depth
            }
            END { if (held != "") print held }'
}

viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
window_title() { xwininfo -id "$1" 2>/dev/null | sed -n 's/^xwininfo: Window id: [^ ]* "\(.*\)"$/\1/p'; }

# A mapped window named $1 other than $2, into $found; fails at once when the program wrote
# the box to standard error, as it does where none can be shown.
shown_named() {
    local id
    for id in $(windows_named "$1"); do
        [ "$id" != "${2:-}" ] && viewable "$id" && { found=$id; return 0; }
    done
    box_on_stderr "$1" && fail "no box could be shown: \"$1\" went to standard error"
    found=""
    return 1
}
# Waits up to $2 seconds (default 30) for a mapped window named $1, other than $3 if given;
# its id goes to $found.
wait_window() { wait_until "${2:-30}" shown_named "$1" "${3:-}"; }

# The program's window (other than $1) that stays, into $win: a window being rebuilt may show
# for a moment before the program's own takes its place.
program_window() {
    local tries
    for tries in 1 2 3 4 5; do
        wait_window "$TITLE" 30 "${1:-}" || fail "the window \"$TITLE\" did not appear"
        sleep 0.5
        viewable "$found" && break
        log "window $found went away again"
    done
    win=$found
}

# Waits for the start-up question and leaves its id in $found.
question() {
    wait_window "$QUESTION" "${FIRST_WAIT:-30}" || fail "the start-up question did not appear"
    on_wine && check_process_bits
}

# Whether window $1 has the keyboard: the focus is on it or on a window of its name (a
# toolkit may hold the focus in a child of its own).
has_focus() {
    local focused
    focused=$(xdotool getwindowfocus 2>/dev/null) || return 1
    [ "$focused" = "$(($1))" ] || [ "$(xdotool getwindowname "$focused" 2>/dev/null)" = "$(window_title "$1")" ]
}

# A key as a person types it into window $1: once the window has the keyboard, it goes down,
# is held for a moment, and comes up, through the server (XTEST). The program acts on keys in
# its idle passes, through its key table: a key let go of before the next pass does nothing,
# as with a real keyboard. Without a window manager the window is given the focus as a
# click would; with one, the manager must give it within seconds.
type_key() {
    local id=$1 key=$2
    [ -z "${WINDOW_MANAGER:-}" ] && ! has_focus "$id" && xdotool windowfocus "$id" 2>/dev/null
    wait_until 10 has_focus "$id" ||
        fail "\"$(window_title "$id")\" does not have the keyboard ($(xdotool getwindowfocus getwindowname 2>/dev/null) has)"
    log "key $key -> $id"
    # A chord (alt+n): each key down in turn, and up again the other way round.
    local keys k i
    IFS=+ read -ra keys <<<"$key"
    for k in "${keys[@]}"; do key_down "$k"; done
    sleep "$(awk -v s="$SLOW" 'BEGIN { print 0.1 * s }')"
    for ((i = ${#keys[@]} - 1; i >= 0; i--)); do key_up "${keys[i]}"; done
}
# The key that carries a keysym goes down or up, as a finger moves it: through XTEST, that key
# alone (xdotool would add a modifier where the keymap lists the keysym again under one, and
# XKB's maps list F1 under Ctrl+Alt too). One keyboard for the session, started with its first
# key.
declare -A keysyms=([alt]=Alt_L [ctrl]=Control_L [shift]=Shift_L)
key_down() { press_key "${keysyms[$1]:-$1}" down; }
key_up() { press_key "${keysyms[$1]:-$1}" up; }
press_key() {
    if [ -z "${XKEYS_PID:-}" ]; then
        coproc XKEYS { exec python3 "$harness/x11-probe.py" keyboard; }
        helpers+=("$XKEYS_PID")
    fi
    local answer
    echo "$1 $2" >&"${XKEYS[1]}"
    read -r -t 10 answer <&"${XKEYS[0]}" && [ "$answer" = done ] || fail "the keyboard did not press $1 $2"
}

# Answers box $1 with key $2 the way a person does, after reading it. A box that has only
# just been mapped may not listen to the keyboard yet, so a key that left the box standing
# is given again. It counts as answered once it is gone or its id names another window (each
# box has an X connection of its own, and the next box can be given the id of this one).
box_answered() { ! viewable "$1" || [ "$(window_title "$1")" != "$2" ]; }
answer_box() {
    local id=$1 key=$2 title
    title=$(window_title "$id")
    sleep 0.5
    for _ in 1 2 3; do
        type_key "$id" "$key"
        wait_until 2 box_answered "$id" "$title" && return 0
    done
    fail "the box \"$title\" did not take $key"
}

# Closes the window as a window manager's close button does: the WM_DELETE_WINDOW client
# message, which only a window that takes part in that protocol gets.
close_window() {
    xprop -id "$1" WM_PROTOCOLS | grep -q WM_DELETE_WINDOW ||
        fail "window $1 does not take WM_DELETE_WINDOW; a window manager would kill it"
    log "WM_DELETE_WINDOW -> $1"
    python3 "$harness/x11-probe.py" close "$1" || fail "could not send WM_DELETE_WINDOW"
}

# "W H X Y" of window $1's client area (no frame is drawn without a window manager), X and Y
# absolute.
geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF }
        END { print w, h, x, y }'
}
screen_size() { xwininfo -root | awk '/^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print w, h }'; }
# Both hosts put a windowed window's outer corner at the screen's corner, so its client area
# sits inside the frame, away from it; a fullscreen popup has no frame. $2: where the corner
# is ("0 0" by default).
is_framed() { [ "$(geometry "$1" | cut -d' ' -f3-)" != "${2:-0 0}" ]; }
# Window $1's client area is $2 wide, $3 high and at ($4,$5), each where given.
check_size() {
    local at want="$2 ${3:-}${4:+ $4 $5}"
    at=$(geometry "$1")
    log "window $1: $at"
    [ "${at:0:${#want}}" = "$want" ] || fail "window $1 is $at (W H X Y), not $want"
}

shot() {
    import -window "$1" "$OUT/$2.png" 2>/dev/null || fail "no screenshot of $1"
    log "screenshot $OUT/$2.png"
}
on_failure() { import -window root "$OUT/failure.png" 2>/dev/null; }

# The line of text must be lit where the animation can put it: its left end between the
# extremes of the horizontal drift (x about 30 to 88 at 640 wide), its rows inside the
# vertical drift (the baseline stays within 77% of the half-height around the middle, the
# glyphs reach some 17 rows above it), one line high and most of the window wide.
check_text() {
    local name=$1 w h x y n rows
    read -r w h x y <<<"$(lit_box "$name")"
    n=$(lit_pixels "$name")
    rows=$(convert "$OUT/$name.png" -format %h info:)
    x=$((x - 1)) y=$((y - 1))
    log "$name: lit box ${w}x${h} at ($x,$y), $n lit pixels"
    [ "$n" -gt 1000 ] || fail "$name: almost nothing is drawn ($n lit pixels)"
    [ "$x" -ge 20 ] && [ "$x" -le 100 ] || fail "$name: text starts at x=$x"
    [ "$y" -ge 15 ] && [ $((y + h)) -le $((rows - 15)) ] ||
        fail "$name: text rows $y..$((y + h)) of $rows"
    [ "$h" -ge 12 ] && [ "$h" -le 40 ] || fail "$name: text is $h rows high"
    # 39 glyphs of 14 pixels. Under Wine on Mesa the spaces come out as empty lists that do
    # not advance (Wine's own wglUseFontBitmapsA), so its line is 6 glyphs shorter.
    local least=520
    on_wine && least=440
    [ "$w" -ge "$least" ] && [ "$w" -le 560 ] || fail "$name: text is $w pixels wide"
}

# Looks at the running animation in window $1: two screenshots some time apart, the line in
# each and moving, and (natively) drawn at the display's pace.
look() {
    sleep 1
    shot "$1" "$2-1"
    sleep 0.7
    shot "$1" "$2-2"
    check_text "$2-1"
    check_text "$2-2"
    check_animates "$2-1" "$2-2"
    if [ "$HOST" = native ]; then check_pace; fi
}

# Whether the exe runs as what it is: the 32-bit one in a 32-bit process (Windows' WOW64, not
# an emulation of it), the twin in a 64-bit one. ELF class 1 is 32-bit, 2 is 64-bit.
check_process_bits() {
    local class want=2
    [ "$HOST" = win32 ] && want=1
    class=$(od -An -tu1 -j4 -N1 "/proc/$prog_pid/exe" 2>/dev/null | tr -d ' ')
    log "$(basename "$PROGRAM") runs in $(readlink "/proc/$prog_pid/exe") (ELF class $class)"
    [ "$class" = "$want" ] || fail "$HOST: the exe runs in a process of ELF class $class, not $want"
}
