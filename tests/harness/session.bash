# What every session with zelmvik shares: the program started, watched and ended by its own
# process id; waits by the clock; its words on standard error; the look of the running
# animation. Sourced by the session scripts, after setting:
#   HOST     native (our layer), win32 (the 32-bit exe under 32-bit Wine) or win64 (its twin
#            under 64-bit Wine; WINEPREFIX names the prefix)
#   PROGRAM  what to start
#   OUT      the folder for the session's screenshots and the program's output
# and, from the environment: SLOW, by which sanitized builds stretch every wait; ZELMVIK_SDL,
# the SDL the case runs on (3: SDL 3 under sdl2-compat); ZELMVIK_PRELOAD, a library to
# preload into the native program (one that notes the SDL windows it makes, in
# $OUT/sdl-windows).
# The X11 and Wayland halves are in x11.bash and the Wayland sessions.
set -uo pipefail

harness=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=texts.bash
. "$harness/texts.bash"
SLOW=${SLOW:-1}
# Sessions run side by side, and two may run the same case on different desktops: under
# ctest each has the folder of its own name.
[ -n "${SESSION_NAME:-}" ] && OUT=${OUT%/*}/$SESSION_NAME
mkdir -p "$OUT"
rm -f "$OUT"/*.png "$OUT"/program.log "$OUT"/sdl-windows
prog_pid="" prog_rc=""
# What the session started beside the program (a keyboard, a reference box): stopped at exit.
helpers=()

log() { printf '[%s] %s\n' "$(date +%T)" "$*"; }
fail() {
    log "FAIL: $*"
    declare -F on_failure >/dev/null && on_failure
    # The folder may be gone with the machine (CI's fresh root): what the program said goes
    # into the test's own output.
    if [ -s "$OUT/program.log" ]; then
        log "the program's output, last lines:"
        tail -n 40 "$OUT/program.log"
    fi
    exit 1
}
on_wine() { [ "$HOST" = win32 ] || [ "$HOST" = win64 ]; }

# wait_until SECONDS COMMAND...: runs COMMAND until it succeeds, for at most SECONDS (times
# SLOW) by the clock, however long each try takes on a busy machine; 1 when time is up. It
# looks again every POLL seconds (0.1).
wait_until() {
    local deadline=$((${EPOCHREALTIME/[.,]/} + $1 * SLOW * 1000000))
    shift
    until "$@"; do
        [ "${EPOCHREALTIME/[.,]/}" -lt "$deadline" ] || return 1
        sleep "${POLL:-0.1}"
    done
}

program_running() { [ -n "$prog_pid" ] && kill -0 "$prog_pid" 2>/dev/null; }
program_ended() { ! program_running; }

# The program, with the arguments given, in the background, every signal at its default as
# from a terminal (a shell starts background jobs with SIGINT ignored); its output in the
# session's folder.
start_program() {
    log "starting $PROGRAM on $HOST${ZELMVIK_SDL:+ (SDL $ZELMVIK_SDL)}"
    if on_wine; then
        "$harness/../windows/run-wine" "$HOST" "$PROGRAM" "$@" >"$OUT/program.log" 2>&1 &
    else # with a library of the session's in it where one is given (its SDL windows counted)
        env --default-signal ${ZELMVIK_PRELOAD:+"LD_PRELOAD=$ZELMVIK_PRELOAD" "SDL_WINDOWS_MADE=$OUT/sdl-windows"} \
            "$PROGRAM" "$@" >"$OUT/program.log" 2>&1 &
    fi
    prog_pid=$!
}

stop_program() {
    if program_running; then
        kill "$prog_pid" 2>/dev/null
        wait_until 5 program_ended
        kill -KILL "$prog_pid" 2>/dev/null
    fi
    [ -n "$prog_pid" ] && wait "$prog_pid" 2>/dev/null
    prog_pid=""
    # The server of our own prefix; a live one would keep this screen's modes for the next.
    if on_wine; then
        wineserver -k 2>/dev/null
        wineserver -w 2>/dev/null
    fi
}
stop_session() {
    local pid
    for pid in "${helpers[@]}"; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    stop_program
}
trap stop_session EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Waits up to $1 seconds (times SLOW) for the program to end and sets prog_rc.
wait_exit() {
    wait_until "${1:-30}" program_ended || fail "the program did not end within ${1:-30} s"
    wait "$prog_pid"
    prog_rc=$?
    prog_pid=""
    log "exit code $prog_rc"
}
expect_exit() {
    wait_exit "${2:-30}"
    [ "$prog_rc" = "$1" ] || fail "exit code $prog_rc, expected $1"
}

# What the program itself wrote: its output less what the libraries under it print of their
# own (GLib's and GTK's warnings, glycin's word on its sandbox, Mesa's and its EGL's, and the
# empty lines they leave), which is theirs to say and no fault of the program's, and less its
# trace, which a session asks for.
own_output() {
    grep -avE '^$|^\([^)]*:[0-9]+\): [A-Za-z0-9_-]+-(WARNING|CRITICAL|Message|INFO|DEBUG) \*\*|^WARNING: Glycin |^(MESA|Mesa|libEGL|libGL)[ -:]|^[a-z-]+: trace [a-z]+: ' \
        "$OUT/program.log" 2>/dev/null
}
nothing_said() {
    [ -z "$(own_output)" ] || fail "the program said: $(own_output)"
}
# The program said one line, of ours (the program's name first), that matches $1.
said_one_line() {
    local said
    said=$(own_output)
    log "standard error: $said"
    [ "$(wc -l <<<"$said")" = 1 ] && grep -qE "$1" <<<"$said" ||
        fail "not one line matching \"$1\" on standard error"
}

# The layer writes a box it cannot show (no display to show it on, say) to standard error,
# caption first, and takes the default answer: no use waiting for it on the screen.
box_on_stderr() { [ -f "$OUT/program.log" ] && grep -qxF -- "$1" "$OUT/program.log"; }

# Two screenshots apart in time differ: the line moved or changed colour.
check_animates() {
    local diff
    diff=$(compare -metric AE "$OUT/$1.png" "$OUT/$2.png" null: 2>&1)
    log "$1 vs $2: $diff pixels differ"
    [ "${diff%%[^0-9]*}" -gt 0 ] || fail "the text did not move or change colour"
}

# Bounding box "W H X Y" of everything that is not black in screenshot $1, and the count of
# its lit pixels.
lit_box() {
    convert "$OUT/$1.png" -bordercolor black -border 1 -fuzz 4% -trim \
        -format '%w %h %X %Y' info: | tr -d '+'
}
lit_pixels() {
    convert "$OUT/$1.png" -fuzz 4% -fill black -opaque black -fill white +opaque black \
        -colorspace gray -format '%[fx:int(mean*w*h+0.5)]' info:
}

# The 640x480 picture in screenshot $1 of a whole output, in its own proportion and whole:
# the line of text as wide as the picture's height makes it (541 pixels at 480 rows), inside
# the 4:3 part of the output where the compositor puts it: its middle (sway 1.12), or its left
# (sway 1.10 does not centre a fullscreen surface smaller than the output, as xdg-shell asks).
check_proportion() {
    local w h x y width height scale side
    read -r w h x y <<<"$(lit_box "$1")"
    read -r width height <<<"$(convert "$OUT/$1.png" -format '%w %h' info:)"
    x=$((x - 1))
    scale=$(awk -v h="$height" 'BEGIN { print h / 480 }')
    log "$1: ${width}x${height}, lit box ${w}x${h} at ($x,$((y - 1))), the picture scaled $scale"
    awk -v w="$w" -v s="$scale" 'BEGIN { exit !(w > 541 * s * 0.95 && w < 546 * s * 1.05) }' ||
        fail "$1: the line is $w pixels wide, not $scale times as wide as at 640x480"
    side=$(((width - height * 4 / 3) / 2))
    if [ "$x" -ge "$side" ] && [ $((x + w)) -le $((width - side)) ]; then
        log "$1: the picture in the output's middle, black at both sides"
    elif [ $((x + w)) -le $((width - 2 * side)) ]; then
        log "$1: the picture at the output's left, black at the right"
    else
        fail "$1: the line ($x..$((x + w))) is in no 4:3 part of the output"
    fi
}

# The native program presents its frames at the display's pace, as Windows does: it draws no
# more than 1.1 times the refresh rate ($1, else the X display's) in frames per second, and
# some. With vblank_mode=0 it is not paced and draws more than the refresh. The frames are
# counted from outside, by the program's own animation counter (frame-rate.py).
check_pace() {
    local hz=${1:-$(display_refresh)} fps frames cpu
    read -r fps frames cpu <<<"$(python3 "$harness/frame-rate.py" "$prog_pid" "$PROGRAM" 2)"
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

# The refresh rate of the X display's current mode in whole Hz; 60 where it shows none (Xvfb),
# as the layer's pacing assumes too.
display_refresh() {
    local hz
    hz=$(xrandr --current 2>/dev/null | awk '{ for (i = 2; i <= NF; i++) if ($i ~ /\*/) {
        sub(/[*+]+/, "", $i); printf "%d\n", $i + 0.5; exit } }')
    [ "${hz:-0}" -gt 0 ] && echo "$hz" || echo 60
}
