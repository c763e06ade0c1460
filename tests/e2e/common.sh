# Sourced by the end-to-end scripts once they set timeLimit (seconds): runs the script again
# in a mount and process namespace where tmpfs hides this machine's sticks; gives it $work,
# started (to stop at the end), skip (unless defined before), fail, waitFor, a watchdog and
# startServer.
# shellcheck shell=bash

declare -F skip >/dev/null || skip() { echo "SKIP: $*"; exit 77; }

if [[ -z ${ORVEX_E2E_NAMESPACE:-} ]]; then
    if [[ $(id -u) != 0 ]] || ! unshare --mount --pid --fork true 2>/dev/null; then
        skip "the window would see this machine's sticks; a mount namespace needs root"
    fi
    exec env ORVEX_E2E_NAMESPACE=1 unshare --mount --propagation private --pid --fork \
        --mount-proc --kill-child bash "$0" "$@"
fi
for folder in /media /mnt /run/media; do
    [[ -d $folder ]] && { mount -t tmpfs tmpfs "$folder" || { echo "FAIL: no tmpfs over $folder"; exit 1; }; }
done
work=$(mktemp -d) started=()

fail() {
    echo "FAIL: $*"
    for log in "$work"/*.log; do [[ -s $log ]] && echo "--- ${log##*/}" && tail -n 20 "$log"; done
    exit 1
}
cleanup() { kill "${started[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
trap 'fail "stopped by a signal"' INT TERM
waitFor() { for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done; return 1; }

command -v Xvfb >/dev/null || skip "Xvfb is not installed, so no X server can be started"

# The watchdog ends this script, whose traps stop what it started. Its sleep holds none of
# the test's descriptors, which CTest waits on.
(
    # shellcheck disable=SC2217
    sleep "${timeLimit:?set before common.sh is sourced}" >/dev/null 2>&1 </dev/null &
    trap 'kill $!; exit 0' TERM
    wait $! && echo "FAIL: the test took longer than $timeLimit s" && kill -TERM $$
) &
started+=($!)

# Xvfb picks a free display and writes it when ready; servers started at the same
# moment may still collide, so a server counts once it stays up and accepts clients.
displayWritten() { [[ -s $work/display ]] || ! kill -0 "$xvfb" 2>/dev/null; }
startServer() {
    for _ in 1 2 3 4 5; do
        : >"$work/display"
        Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" \
            >"$work/xvfb.log" 2>&1 &
        xvfb=$! && started+=("$xvfb")
        waitFor displayWritten
        export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
        sleep 0.5
        kill -0 "$xvfb" 2>/dev/null && xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        kill "$xvfb" 2>/dev/null
        sleep "0.$((RANDOM % 10))"
    done
    return 1
}
