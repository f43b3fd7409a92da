#!/usr/bin/env bash
# F1 again and again in one run, on a 640x480x16 screen where fullscreen is accepted, so that
# every switch really tears the window and its context down and builds them again (no
# fallback question in between). What the process holds is counted after the first switches,
# once one-time allocations are done, and again at the end: open files, its X windows, the X
# server's resources for its connection (GLXContext among them). Resident memory is compared
# over the second half only, and less its largest single step between two hundreds of
# switches: it takes one step of a few MB somewhere within the first hundreds (the allocator's
# per-thread arenas, as llvmpipe's threads come and go with every context; with SDL 3.4 and
# Mesa 26.1 as late as switch 800), while a leak keeps growing to the end.
# Usage (under tests/with xvfb 640x480x16): soak.sh SWITCHES (an even number)
SWITCHES=${1:-1000}
REL_CASE=soak
. "$(dirname "$0")/lib.sh"

warmup=10
second_half=()
# REL_RSS_SLACK_KB=none leaves resident memory out (a sanitizer's allocator keeps freed
# memory resident by design; LeakSanitizer checks for leaks at exit instead).
rss_slack_kb=${REL_RSS_SLACK_KB:-1024}

# The one shown window of the process, other than $1; empty while a rebuild is under way.
shown_window() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$prog_pid" 2>/dev/null); do
        [ "$id" != "$(($1))" ] && { echo "$id"; return; }
    done
}

# One switch, as a finger does it: F1 down on the current window until another one is shown
# (and has taken the keyboard), then up.
new_window() { new=$(shown_window "$win") && [ -n "$new" ] && has_focus "$new"; }
switch() {
    program_running || fail "the program ended before switch $1"
    key_down F1
    POLL=0.02 wait_until 20 new_window || fail "switch $1 did not bring up a new window"
    key_up F1
    win=$new
}

snapshot() {
    sleep 1 # let the window settle before counting
    win=$(shown_window 0)
    process_counts >"$OUT/$1.counts"
    x_resources "$win" >"$OUT/$1.xres"
    log "$1: fds windows rss-kB $(cat "$OUT/$1.counts"); $(tr '\n' ' ' <"$OUT/$1.xres")"
}

start_program
question
answer_box "$found" Return
program_window
for i in $(seq $warmup); do switch "$i"; done
snapshot before
for i in $(seq $((warmup + 1)) "$SWITCHES"); do
    switch "$i"
    if [ $((i % 100)) = 0 ]; then
        rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$prog_pid/status")
        log "$i switches, $rss kB resident"
        [ "$i" -ge $((SWITCHES / 2)) ] && second_half+=("$rss")
    fi
    [ "$i" = $((SWITCHES / 2)) ] && snapshot half
done
snapshot after

read -r fds0 wins0 _ <"$OUT/before.counts"
read -r fds1 wins1 _ <"$OUT/after.counts"
# The growth over the second half less its largest step.
read -r rss0 rss1 step <<<"$(printf '%s\n' "${second_half[@]}" | awk '
    NR == 1 { first = $1 } NR > 1 && $1 - last > step { step = $1 - last }
    { last = $1 } END { print first, last, step + 0 }')"
problems=()
[ "$fds1" = "$fds0" ] || problems+=("open files $fds0 -> $fds1")
[ "$wins1" = "$wins0" ] || problems+=("X windows $wins0 -> $wins1")
[ "$rss_slack_kb" = none ] || [ $((rss1 - rss0 - step)) -le "$rss_slack_kb" ] ||
    problems+=("resident memory over the second half $rss0 kB -> $rss1 kB, of which $step kB at once")
grep -q '^GLXContext 1$' "$OUT/after.xres" || problems+=("GL contexts: $(grep GLXContext "$OUT/after.xres")")
while read -r type n0; do
    n1=$(awk -v t="$type" '$1 == t { print $2 }' "$OUT/after.xres")
    [ "${n1:-0}" -le "$n0" ] || problems+=("X resources $type $n0 -> $n1")
done <"$OUT/before.xres"
while read -r type n1; do
    grep -q "^$type " "$OUT/before.xres" || problems+=("X resources $type 0 -> $n1")
done <"$OUT/after.xres"

type_key "$win" Escape
expect_exit 27
[ ${#problems[@]} = 0 ] || fail "after $SWITCHES switches: $(IFS=';'; echo "${problems[*]}")"
log "PASS $SWITCHES switches"
