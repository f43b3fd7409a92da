# Drives zelmvik the way a person would: answers its message boxes, looks at its window,
# presses keys and closes it. Sourced by run-case; needs DISPLAY (tests/with-xvfb sets it).
#
# HOST is "native" (our SDL layer), "win32" (the 32-bit zelmvik.exe under 32-bit Wine) or
# "win64" (its 64-bit twin under 64-bit Wine). PROGRAM is the executable, OUT the folder the
# screenshots go to. For Wine, WINEPREFIX must be set.

set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
prog_pid=""
prog_rc=""

log() { printf '[%s] %s\n' "$(date +%T)" "$*"; }
fail() {
    log "FAIL: $*"
    shot_root "failure"
    # The folder may be gone with the machine (CI's fresh root): what the program said goes
    # into the test's own output.
    if [ -s "${OUT:-}/program.log" ]; then
        log "the program's output, last lines:"
        tail -n 40 "$OUT/program.log"
    fi
    exit 1
}

on_wine() { [ "$HOST" = win32 ] || [ "$HOST" = win64 ]; }

# A session of the 32-bit exe needs a kernel that runs 32-bit code: without one it is
# skipped (77, ctest's skip), with the reason.
skip_without_host() {
    local why
    if [ "$HOST" = win32 ] && ! why=$("$here/../windows/runs-32bit-code"); then
        log "SKIPPED: $why"
        exit 77
    fi
}

# The program under Wine: in the background, its output in the session's folder.
start_on_wine() {
    "$here/../windows/run-wine" "$HOST" "$PROGRAM" >"$OUT/program.log" 2>&1 &
    prog_pid=$!
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

stop_program() {
    if [ -n "$prog_pid" ] && kill -0 "$prog_pid" 2>/dev/null; then
        kill "$prog_pid" 2>/dev/null
        for _ in $(seq 50); do
            kill -0 "$prog_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$prog_pid" 2>/dev/null
    fi
    [ -n "$prog_pid" ] && wait "$prog_pid" 2>/dev/null
    prog_pid=""
    if on_wine; then
        # The server of our own prefix; a live one would keep this screen's modes for the next.
        wineserver -k 2>/dev/null
        wineserver -w 2>/dev/null
    fi
}
trap stop_program EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

start_program() {
    log "starting $PROGRAM on $HOST"
    if on_wine; then
        start_on_wine
    else
        export DBUS_SESSION_BUS_ADDRESS=disabled:
        "$PROGRAM" >"$OUT/program.log" 2>&1 &
        prog_pid=$!
    fi
}

# Ids of the windows whose name is exactly $1, the clients' own: a window manager's frame
# that bears its client's name (GNOME 44 and later draw frames in a client of their own,
# mutter-x11-frames, which names them so) is passed over for the window inside it; and one
# of mutter-x11-frames' is passed over even before its client is inside it, as it is for a
# moment when a window is mapped. Wine's windows are found by xdotool; SDL's message box only
# shows up in the window tree.
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

# Waits up to $2 seconds (default 30) for a mapped window named $1, other than $3 if given;
# its id goes to $found.
wait_window() {
    local name=$1 limit=${2:-30} old=${3:-} id
    found=""
    # By the clock: on a busy machine each look at the window tree can take long.
    local deadline=$((SECONDS + limit))
    while [ $SECONDS -lt $deadline ]; do
        for id in $(windows_named "$name"); do
            [ "$id" = "$old" ] && continue
            if xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
                found=$id
                return 0
            fi
        done
        box_on_stderr "$name" && fail "no box could be shown: \"$name\" went to standard error"
        program_running || return 1
        sleep 0.2
    done
    return 1
}

# The layer writes a box it cannot show (no display to show it on, say) to standard error,
# caption first, and takes the default answer: no use waiting for it on the screen.
box_on_stderr() { [ -f "$OUT/program.log" ] && grep -qxF -- "$1" "$OUT/program.log"; }

program_running() { [ -n "$prog_pid" ] && kill -0 "$prog_pid" 2>/dev/null; }

# Boxes only. As a person does it: the box takes the keyboard, then the key goes through the
# server (GTK takes no key sent to a window from outside).
press() {
    local id=$1
    shift
    log "key $* -> $id"
    focus "$id"
    xdotool key "$@" 2>/dev/null
}

# The program acts on keys in its idle passes, through its key table: a press whose up
# follows its down before the program has drawn a frame in between does nothing, as with a
# real keyboard. So keys for the program's window are held down for a moment, as a finger
# does. (The key up may find the window already gone; that is fine.)
hold() {
    local id=$1 key=$2
    log "hold $key -> $id"
    xdotool keydown --window "$id" "$key" 2>/dev/null
    sleep 0.3
    # xdotool presses a key of the focused window through the server's own key state: the
    # key must be let go of even when its window is gone, or the server holds it down and
    # the next window the program opens finds it pressed.
    if viewable "$id"; then
        xdotool keyup --window "$id" "$key" 2>/dev/null
    else
        xdotool keyup "$key" 2>/dev/null
    fi
    return 0
}

viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
window_title() { xwininfo -id "$1" 2>/dev/null | sed -n 's/^xwininfo: Window id: [^ ]* "\(.*\)"$/\1/p'; }

# Answers message box $1 with key $2, the way a person does: after reading it. A box that
# has only just been mapped may not listen to the keyboard yet, so a key that left the box
# standing is given again. The box counts as answered once it is gone or its id names
# another window: each SDL box has an X connection of its own, and the next box can be
# given the id of the one just closed.
answer() {
    local id=$1 key=$2 title
    title=$(window_title "$id")
    sleep 0.5
    for _ in 1 2 3; do
        press "$id" "$key"
        for _ in $(seq 10); do
            viewable "$id" && [ "$(window_title "$id")" = "$title" ] || return 0
            sleep 0.2
        done
    done
    fail "the box $id did not take $key"
}

# Both hosts take Return as the default button, Yes, and n for No. (Esc answers nothing in
# a Yes/No box on Windows and on our layer; Wine's answers IDCANCEL.)
answer_yes() { answer "$1" Return; }
answer_no() { answer "$1" n; }

# Closes the window the way a window manager's close button does: the WM_DELETE_WINDOW
# client message, which only a window that takes part in that protocol will get.
close_window() {
    local id=$1
    xprop -id "$id" WM_PROTOCOLS | grep -q WM_DELETE_WINDOW ||
        fail "window $id does not take WM_DELETE_WINDOW; a window manager would kill it"
    log "WM_DELETE_WINDOW -> $id"
    python3 "$here/wm-delete.py" "$id" || fail "could not send WM_DELETE_WINDOW"
}

# Both hosts put a windowed window's outer corner at (0,0), so its client area sits inside
# the frame, away from the corner; a fullscreen popup has no frame and its client area is at
# (0,0). (Only Wine also tells a window manager with _NET_WM_STATE_FULLSCREEN; the native
# layer sets no such hint, so it is logged, not required.)
is_framed() {
    local w h x y
    read -r w h x y <<<"$(geometry "$1")"
    [ "$x,$y" != "0,0" ]
}
log_wm_state() { log "$1: $(xprop -id "$1" _NET_WM_STATE _MOTIF_WM_HINTS 2>&1 | tr '\n' ' ')"; }

focus() { xdotool windowfocus "$1" 2>/dev/null || true; }

# "W H X Y" of the window $1 (its client area: neither host draws a frame without a
# window manager), X and Y absolute.
geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF }
        END { print w, h, x, y }'
}

screen_size() { xwininfo -root | awk '/^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print w, h }'; }

shot() {
    local id=$1 name=$2
    import -window "$id" "$OUT/$name.png" 2>/dev/null || fail "no screenshot of $id"
    log "screenshot $OUT/$name.png"
}
shot_root() { import -window root "$OUT/$1.png" 2>/dev/null; }

# Bounding box "W H X Y" of everything that is not black in screenshot $1.
lit_box() {
    convert "$OUT/$1.png" -bordercolor black -border 1 -fuzz 4% -trim \
        -format '%w %h %X %Y' info: | tr -d '+'
}

lit_pixels() {
    convert "$OUT/$1.png" -fuzz 4% -fill black -opaque black -fill white +opaque black \
        -colorspace gray -format '%[fx:int(mean*w*h+0.5)]' info:
}

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

# Two screenshots apart in time differ: the line moved or changed colour.
check_animates() {
    local a=$1 b=$2 diff
    diff=$(compare -metric AE "$OUT/$a.png" "$OUT/$b.png" null: 2>&1)
    log "$a vs $b: $diff pixels differ"
    [ "${diff%%[^0-9]*}" -gt 0 ] || fail "the text did not move or change colour"
}

# The refresh rate of the X display's current mode in whole Hz; 60 where it shows none.
display_refresh() {
    "$here/display-refresh"
}

# The native program presents its frames at the display's pace, as Windows does: it draws no
# more than 1.1 times the refresh rate ($1, else the display's) in frames per second, and
# some. With vblank_mode=0 it is not paced and draws more than the refresh. The frames are
# counted from outside, by the program's own animation counter (frame-rate.py).
check_pace() {
    local hz=${1:-$(display_refresh)} fps frames cpu
    read -r fps frames cpu <<<"$(python3 "$here/frame-rate.py" "$prog_pid" "$PROGRAM" 2)"
    [ -n "${frames:-}" ] || fail "the program's frame counter could not be read"
    log "frames: $fps per second ($frames in 2 s, CPU $cpu %) at a refresh of $hz Hz${vblank_mode:+, vblank_mode=$vblank_mode}"
    if [ "${vblank_mode:-}" = 0 ]; then
        awk -v f="$fps" -v hz="$hz" 'BEGIN { exit !(f > hz) }' ||
            fail "unpaced, the program draws no more than the refresh: $fps frames per second"
    else
        awk -v f="$fps" -v n="$frames" -v hz="$hz" 'BEGIN { exit !(f <= 1.1 * hz && n > 0) }' ||
            fail "$fps frames per second at a refresh of $hz Hz"
    fi
}

check_size() {
    local id=$1 want_w=$2 want_h=$3 w h x y
    read -r w h x y <<<"$(geometry "$id")"
    log "window $id: ${w}x${h} at ($x,$y)"
    [ "$w" = "$want_w" ] && [ "$h" = "$want_h" ] || fail "client area ${w}x${h}, not ${want_w}x${want_h}"
}

# Waits up to $1 seconds for the program to end and sets prog_rc.
wait_exit() {
    local limit=${1:-30}
    for _ in $(seq $((limit * 10))); do
        program_running || break
        sleep 0.1
    done
    program_running && fail "the program did not end within $limit s"
    wait "$prog_pid"
    prog_rc=$?
    prog_pid=""
    log "exit code $prog_rc"
}

expect_exit() {
    wait_exit "${2:-30}"
    [ "$prog_rc" = "$1" ] || fail "exit code $prog_rc, expected $1"
}
