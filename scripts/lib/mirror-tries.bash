# Sourced by the scripts that download from Debian's mirrors.
#
# mirror_tries CMD [ARGS...]: runs CMD (a command or a shell function), its output and errors
# both on standard output, and runs it again after a pause when it failed on a download. A
# mirror in the middle of its sync serves index files that do not match their Release file
# ("File has unexpected size", "Hash Sum mismatch") for some minutes, and apt's own retries
# fetch the same file again at once. Any other failure (a package apt does not know, a full
# disk) is not tried again. Returns CMD's last exit code; mirror_download_failed is 1 when
# that last failure was a download's.
mirror_pauses=(30 60 120 180)
mirror_download_failed=0
mirror_tries() {
    local log rc pause
    log=$(mktemp)
    for pause in "${mirror_pauses[@]}" last; do
        mirror_download_failed=0
        rc=0
        "$@" 2>&1 | tee "$log" || rc=${PIPESTATUS[0]}
        [ "$rc" = 0 ] && break
        grep -Eq 'Failed to fetch|Hash Sum mismatch|unexpected size|Mirror sync in progress|Some index files failed to download|Temporary failure resolving|Could not connect|Unable to fetch some archives' "$log" ||
            break
        mirror_download_failed=1
        [ "$pause" = last ] && break
        echo "a download from the mirror failed; trying again in $pause s" >&2
        # In the background, so that the script's traps act on a signal at once.
        sleep "$pause" &
        wait $!
    done
    rm -f "$log"
    return "$rc"
}
