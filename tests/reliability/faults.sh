#!/usr/bin/env bash
# One injected failure of the real layer, seen as a person sees it: the box with its text,
# what is still on the screen while it is up, the exit code, and a display left clean.
# Usage (under tests/with xvfb): faults.sh CASE
#   CASE: a building step (RegisterClassA, CreateWindowExA, GetDC, ChoosePixelFormat,
#   SetPixelFormat, wglCreateContext, wglMakeCurrent) on a 640x480x16 screen, answered Yes;
#   fallback-yes / fallback-no (the mode refused) on the same screen; a release step
#   (wglReleaseCurrent, wglDeleteContext, ReleaseDC, DestroyWindow, UnregisterClassA) or
#   all-releases on any screen, windowed; sdl-refuses: SDL itself cannot make the OpenGL
#   window (its GL library is missing), windowed: the box as for SetPixelFormat, and SDL's
#   reason as one line on standard error.
# InitGL has no failure on the real scene, so its row is left to the shell's unit tests.
CASE=$1
REL_CASE=fault-$CASE
PROGRAM=$ZELMVIK_BUILD_DIR/zelmvik-faulty
. "$(dirname "$0")/lib.sh"

declare -A build_text=(
    [RegisterClassA]="Failed To Register The Window Class."
    [CreateWindowExA]="Window Creation Error."
    [GetDC]="Can't Create A GL Device Context."
    [ChoosePixelFormat]="Can't Find A Suitable PixelFormat."
    [SetPixelFormat]="Can't Set The PixelFormat."
    [wglCreateContext]="Can't Create A GL Rendering Context."
    [wglMakeCurrent]="Can't Activate The GL Rendering Context."
)
releases=(wglReleaseCurrent wglDeleteContext ReleaseDC DestroyWindow UnregisterClassA)
declare -A release_text=(
    [wglReleaseCurrent]="Release Of DC And RC Failed."
    [wglDeleteContext]="Release Rendering Context Failed."
    [ReleaseDC]="Release Device Context Failed."
    [DestroyWindow]="Could Not Release hWnd."
    [UnregisterClassA]="Could Not Unregister Class."
)

# The building failures: the box comes after KillGLWindow, so no window of the program may
# be left behind it, shown or hidden; then the program ends with 1.
building_failure() {
    expect_box ERROR "$2" "$1"
    [ -z "$(windows_named "$TITLE")" ] || fail "windows \"$TITLE\" still there behind the \"$1\" box"
    answer_box "$box" Return
    expect_exit 1
}

case $CASE in
all-releases) export ZELMVIK_FAIL=$(IFS=,; echo "${releases[*]}") ;;
sdl-refuses) export SDL_OPENGL_LIBRARY=/nonexistent/libGL.so.1 ;;
fallback-*) export ZELMVIK_FAIL=ChangeDisplaySettingsA ;;
*) export ZELMVIK_FAIL=$CASE ;;
esac
screen_before="$(screen_size) $(root_depth)"
start_program
question

if [ -n "${build_text[$CASE]:-}" ]; then
    answer_box "$found" Return
    building_failure "${build_text[$CASE]}" 0x30
elif [ "$CASE" = sdl-refuses ]; then
    answer_box "$found" n
    building_failure "${build_text[SetPixelFormat]}" 0x30
    said_one_line "^zelmvik-faulty: SDL cannot make an OpenGL window: .*/nonexistent/libGL.so.1"
elif [ "$CASE" = fallback-yes ] || [ "$CASE" = fallback-no ]; then
    answer_box "$found" Return
    expect_box "$FALLBACK" 0x34 "$FALLBACK_TEXT"
    if [ "$CASE" = fallback-yes ]; then
        answer_box "$box" Return
        program_window
        is_framed "$win" || fail "the window after Yes to the fallback question has no frame"
        check_size "$win" 640
        type_key "$win" Escape
        expect_exit 27
    else
        answer_box "$box" n
        building_failure "$CLOSING_TEXT" 0x10
    fi
else
    answer_box "$found" n
    program_window
    type_key "$win" Escape
    list=("$CASE")
    [ "$CASE" = all-releases ] && list=("${releases[@]}")
    # Each failed release is reported and the teardown goes on to the next, in order.
    # A window that could not be destroyed keeps its class registered, as on Windows.
    [ "$CASE" = DestroyWindow ] && list+=(UnregisterClassA)
    for call in "${list[@]}"; do
        expect_box "SHUTDOWN ERROR" 0x40 "${release_text[$call]}"
        answer_box "$box" Return
    done
    expect_exit 27
fi

check_clean_display "$screen_before"
log "PASS $CASE"
