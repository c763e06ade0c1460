#!/bin/bash
# What only real file systems, mounts, signals and processes show, through the installer
# itself. Mounting needs root, else those cases skip; as root the suite runs in a mount and
# process namespace of its own, with tmpfs over /media, whose mounts go with it.
# Usage: install_on_devices.sh INSTALLER PAYLOAD_FOLDER WINDOW_TESTS
set -u
installer=$1 payload=$2 window_tests=$3
# The namespace shares the machine's /run: no program here reaches its disk service.
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent/orvex-tests-bus
namespace_missing=""
if [ "$(id -u)" = 0 ] && [ -z "${ORVEX_DEVICES_NAMESPACE:-}" ]; then
    if unshare --mount --pid --fork true 2> /dev/null; then
        exec env ORVEX_DEVICES_NAMESPACE=1 unshare --mount --propagation private --pid --fork \
            --mount-proc --kill-child bash "$0" "$@"
    fi
    namespace_missing="no mount namespace can be made here"
fi
work=$(mktemp -d /tmp/orvex-devices.XXXXXX) && chmod 755 "$work"
passed=0 failed=0 skipped=0
stopped_daemons=()
cleanup() {
    [ ${#stopped_daemons[@]} -gt 0 ] && kill -CONT "${stopped_daemons[@]}" 2> /dev/null
    for m in $(grep -oE "($work|/media)/[^ ]*" /proc/mounts | sort -r); do
        fusermount -u "$m" 2>/dev/null || umount -l "$m"
    done
    [ -n "${ORVEX_DEVICES_NAMESPACE:-}" ] && umount "$work" 2> /dev/null
    rm -rf "$work"
}
trap cleanup EXIT
if [ -n "${ORVEX_DEVICES_NAMESPACE:-}" ]; then
    mount -t tmpfs -o mode=755 tmpfs "$work" && mount -t tmpfs -o mode=755 tmpfs /media ||
        { echo "FAIL: no tmpfs over $work and /media in the namespace"; exit 1; }
fi

# The installer beside a payload with a deep tree, an empty folder and names with spaces
# and non-ASCII characters, reached through a link.
app=$work/app
mkdir -p "$app" && cp "$installer" "$payload"/*.html "$app/" && cp -r "$payload/Orvex" "$app/Orvex-1.0"
ln -s Orvex-1.0 "$app/Orvex" # a versioned payload behind a link is still installed as Orvex
mkdir -p "$app/Orvex/deep/er/est" "$app/Orvex/empty" "$app/Orvex/with space/ünï"
echo leaf > "$app/Orvex/deep/er/est/leaf.txt"
echo ça > "$app/Orvex/with space/ünï/Ça va.txt"
line=$(head -n 1 "$app/nopass.html" | tr -d '\r')
# The same installer beside another payload: variant NAME, then commands run in its Orvex.
variant() {
    local name=$1; shift
    cp -r "$app" "$work/$name" && (cd "$work/$name/Orvex" && eval "$*")
}
# For FAT, without the non-ASCII names; one of 5,000 folders; one that takes a while to copy.
variant ascii-app 'rm -r "with space/ünï"'
variant wide-app 'seq -f "f%g" 5000 | xargs mkdir && seq -f "f%g/i.html" 5000 | xargs touch'
variant slow-app 'rm -r "with space/ünï" && for i in 1 2 3 4 5 6; do head -c 2M /dev/urandom > big$i.bin; done'

browser() { mkdir -p "$1/PSP/SYSTEM/BROWSER"; }
tmpfs_drive() { mkdir -p "$1" && mount -t tmpfs -o "size=$2" tmpfs "$1" && browser "$1"; }
# A FAT stick at DIR (SIZE_KIB, else 16 MiB), its FUSE daemon's process in $daemon.
fat_stick() {
    mkfs.vfat -C "$1.img" "${2:-16384}" > /dev/null && mkdir -p "$1" || return 1
    fusefat -f -o rw+ "$1.img" "$1" > /dev/null 2>&1 &
    daemon=$!
    for _ in $(seq 50); do mountpoint -q "$1" && return 0; sleep 0.1; done
    return 1
}
fat_drive() { fat_stick "$@" && mkdir -p "$1/psp/system/browser"; }
bookmarks() { echo "$drive/PSP/SYSTEM/BROWSER/bookmarks.html"; }
# The installer without a window onto $drive, with ARGS, under $fd_limit.
unattended() {
    ([ -z "$fd_limit" ] || ulimit -n "$fd_limit"
     env -u DISPLAY -u QT_QPA_PLATFORM "$app/orvex-installer" --unattended --drive "$drive" "$@" 2>&1)
}
run_install() { unattended --password no; }
# A case in the folder NAME: its drive, the full payload, no limits.
fresh() {
    world=$work/$1 drive=$work/$1/drive app=$work/app fd_limit="" why="" out=""
    mkdir -p "$world"
}
within10s() { for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done; return 1; }
# Names, sizes and contents of everything below a folder.
tree_state() { (cd "$1" && find . -printf '%p %s %l\n' | sort && find . -type f -exec md5sum {} + | sort) 2>&1; }
once() { [ "$(grep -cF -- "$1" "$(bookmarks)" 2> /dev/null)" = 1 ]; }
copied() { diff -r -x installed.txt -x passcode.js "$app/Orvex" "$drive/PSP/COMMON/Orvex" > /dev/null; }
# must COMMAND REASON: unless a check failed already, REASON is why the case fails when COMMAND does.
must() { [ -n "$why" ] || eval "$1" || why=$2; }
skip() { echo "skip $1: $2"; skipped=$((skipped + 1)); }
report() {
    if [ -z "$2" ]; then echo "ok $1"; passed=$((passed + 1))
    else echo "FAIL $1: $2"; failed=$((failed + 1)); fi
}

# case_ NAME STATUS TEXT SETUP FIX [SKIP_REASON]: after SETUP the install ends with STATUS
# and says TEXT, a failed one changing nothing; after FIX an install works.
case_() {
    local name=$1 status=$2 text=$3 setup=$4 fix=$5 stick got
    [ -n "${6:-}" ] && { skip "$name" "$6"; return; }
    fresh "$name"
    eval "$setup" || why="setup failed"
    stick=$(tree_state "$drive")
    out=$(run_install); got=$?
    must '[ "$got" = "$status" ] && grep -qE -- "$text" <<< "$out"' \
        "exit status $got (not $status) or no \"$text\" in: $out"
    must '[ "$got" = 0 ] || [ "$stick" = "$(tree_state "$drive")" ]' "a failed install changed the drive"
    must 'eval "$fix"' "the fault is still there after mending it"
    [ -z "$why" ] && { out=$(run_install) || why="the run after mending failed: $out"; }
    must 'copied && once "$line"' "after mending: the copy differs from the payload, or not one bookmark"
    report "$name" "$why"
}

root_only=$namespace_missing; [ "$(id -u)" = 0 ] || root_only="mounting needs root"
fat_missing=$root_only
[ -z "$fat_missing" ] && ! command -v fusefat > /dev/null && fat_missing="fusefat is not installed"
[ -z "$fat_missing" ] && [ ! -e /dev/fuse ] && fat_missing="no /dev/fuse here"

case_ read_only 1 "The stick is write-protected or mounted read-only: nothing can be written to" \
    'tmpfs_drive "$drive" 16m && printf "a\r\n" > "$(bookmarks)" && mount -o remount,ro "$drive"' \
    'mount -o remount,rw "$drive"' "$root_only"
# A sanitizer's runtime fails on its own under so few descriptors.
sanitized=""; grep -q __asan_init "$installer" && sanitized="a sanitizer's runtime needs descriptors too"
case_ too_few_descriptors 1 "raise the limit of open files" \
    'browser "$drive" && fd_limit=6' 'fd_limit=""' "$sanitized"
case_ five_thousand_folders_few_descriptors 0 "Installation complete!" \
    'tmpfs_drive "$drive" 64m && app=$work/wide-app && fd_limit=256' ':' "$root_only"

# A closed output stops nothing: the install completes and tells the passcode it made on the errors.
fresh closed_output; browser "$drive"
env -u DISPLAY -u QT_QPA_PLATFORM "$app/orvex-installer" --unattended --drive "$drive" --password yes >&- 2> "$world/errors"
status=$? made=$(sed -n 's/^The passcode is \([0-9]\{4\}\)\.$/\1/p' "$world/errors")
must '[ "$status" = 0 ] && [ -n "$made" ] && grep -qF "\"$made\"" "$drive/PSP/COMMON/Orvex/passcode.js"' \
    "exit status $status, or the passcode made is not told on the errors: $(cat "$world/errors")"
report closed_output "$why"

# A FAT stick through FUSE whose daemon stops answering mid-copy: SIGINT cancels, but the
# copy waits on the daemon; a second signal ends the installer at once and says so (the
# process is gone once the daemon answers). The next install then cleans up what was left.
if [ -n "$fat_missing" ]; then skip second_signal_leaves_a_hung_stick "$fat_missing"; else
    fresh hung_copy; app=$work/slow-app
    fat_drive "$drive" 32768 && printf '<DL>\r\n' > "$(bookmarks)"
    # The installer runs in steps of a few milliseconds; frozen between two (no request in
    # flight) with some of the payload's files on the stick and not all, the daemon stops.
    bash -c 'kill -STOP $$ && exec "$@"' - env -u DISPLAY -u QT_QPA_PLATFORM \
        "$app/orvex-installer" --unattended --drive "$drive" --password no > "$world/out" 2>&1 &
    running=$!
    frozen() {
        kill -STOP "$1" && for _ in $(seq 20); do
            grep -h '^State' /proc/"$1"/task/*/status | grep -qv stopped || return 0; sleep 0.01
        done; false
    }
    total=$(find "$app/Orvex/" -type f | wc -l)
    copying() { local n; n=$(find "$drive/PSP/COMMON/Orvex" -type f 2> /dev/null | wc -l); ((n > 0 && n < total)); }
    caught() {
        for _ in $(seq 2000); do
            frozen "$running" && copying && return 0
            grep -q zombie "/proc/$running/status" && return 1
            kill -CONT "$running"; sleep 0.001
        done; false
    }
    must 'caught && frozen "$daemon"' "the copy was not caught under way: $(cat "$world/out")"
    stopped_daemons+=("$daemon")
    kill -CONT "$running"; kill -INT "$running"; sleep 0.5
    must '! grep -q "^Stopped" "$world/out" && ! grep -q "cancelled" "$world/out"' \
        "the first signal did more than cancel: $(cat "$world/out")"
    kill -TERM "$running"
    must 'within10s grep -q "^Stopped while the stick was not answering" "$world/out"' \
        "the second signal did not end the installer: $(cat "$world/out")"
    kill -CONT "$daemon" && stopped_daemons=()
    wait "$running"; status=$?
    must '[ "$status" = 143 ]' "exit status $status after the second signal"
    must 'run_install > /dev/null && once "$line" && ! find "$drive" -name "*.orvex-part*" | grep -q .' \
        "the next install did not complete and clean up"
    report second_signal_leaves_a_hung_stick "$why"
fi

# The window's tests beside a mounted PSP stick (they use volumes of their own):
# the stick's tree as it was.
if [ -n "$fat_missing" ]; then skip window_tests_leave_a_stick_alone "$fat_missing"; else
    why="" stick=/media/ORVEX_TESTS
    fat_stick "$stick" && browser "$stick" && printf '<DL>\r\n' > "$stick/PSP/SYSTEM/BROWSER/bookmarks.html" ||
        why="the stick could not be made"
    before=$(tree_state "$stick")
    [ -z "$why" ] && ! out=$(QT_QPA_PLATFORM=offscreen "$window_tests" 2>&1) &&
        why="the window tests failed: $(grep -E '^(FAIL|   Loc)' <<< "$out")"
    must '[ "$before" = "$(tree_state "$stick")" ]' "the stick changed"
    fusermount -u "$stick"
    report window_tests_leave_a_stick_alone "$why"
fi

# The real window beside a stick without a PSP folder whose daemon then stops answering: a
# PSP stick mounted next is chosen, the first listed as not answering, and the install runs
# from the keyboard. The window's log (orvex.window) tells entries, choice and messages.
hung_skip=$fat_missing
[ -z "$hung_skip" ] && ! command -v Xvfb > /dev/null && hung_skip="Xvfb is not installed"
[ -z "$hung_skip" ] && ! command -v xdotool > /dev/null && hung_skip="xdotool is not installed"
if [ -n "$hung_skip" ]; then skip window_beside_a_hung_stick "$hung_skip"; else
    fresh hung; log=$world/window.log drive=/media/PSP app=$work/ascii-app
    mkdir -p "$world/runtime" "$world/config" && chmod 700 "$world/runtime"
    logged() { grep -qF -- "$1" "$log"; }
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$world/display" > /dev/null 2>&1 &
    xvfb=$!
    must 'within10s test -s "$world/display"' "Xvfb did not start"
    export DISPLAY=:$(tr -d '[:space:]' < "$world/display")
    fat_stick /media/CARD || why=${why:-"the first stick could not be made"}
    hung=${daemon:-}
    [ -z "$why" ] && {
        env -u QT_QPA_PLATFORM QT_LOGGING_RULES="orvex.window.debug=true" \
            XDG_RUNTIME_DIR="$world/runtime" XDG_CONFIG_HOME="$world/config" \
            "$app/orvex-installer" > "$log" 2>&1 &
        window_process=$!
    }
    must 'within10s logged "entry: CARD, not a PSP stick, 16.0 MiB free"' "the first stick was not listed"
    must 'kill -STOP "$hung" && stopped_daemons+=("$hung")' "the first stick's daemon did not stop"
    must 'fat_stick "$drive" && browser "$drive" && printf "<DL>\r\n" > "$(bookmarks)"' \
        "the PSP stick could not be made"
    must 'within10s logged "chosen drive: $drive"' "the PSP stick was not chosen"
    must 'within10s logged "entry: CARD (not answering)"' "the stopped stick was not shown as not answering"
    # Answers the box that shows the message: waits for it to take the focus, then presses the key.
    answer() {
        within10s logged "message: $1" || return 1
        focused() {
            local now; now=$(xdotool getwindowfocus 2> /dev/null) || return 1
            [[ " $answered " != *" $now "* ]] &&
                [ "$(xdotool getwindowname "$now" 2> /dev/null)" = "Orvex Tessary" ] && box=$now
        }
        within10s focused && answered="$answered $box" && sleep 0.3 && xdotool key "$2"
    }
    must 'answered=$(timeout 10 xdotool search --sync --onlyvisible --name "^Orvex Tessary$" | head -n 1) &&
        xdotool windowfocus --sync "$answered" && sleep 0.3 && xdotool key Tab sleep 0.3 key Return' \
        "the window took no keys"
    must 'answer "Are you sure you want to install Orvex Tessary?" Return' "no confirmation to answer"
    must 'answer "Would you like to install with password protection?" Escape' "no password question to answer"
    must 'answer "Installation complete!" Return' "no completion to answer"
    must 'answer "To access Orvex" Return' "no last message to answer"
    must 'within10s bash -c "! kill -0 $window_process 2> /dev/null"' "the window did not end after the install"
    [ -z "$why" ] && { wait "$window_process" || why="the window ended with status $?"; }
    must 'once "$line"' "the bookmark is not there exactly once"
    must copied "the copy differs from the payload"
    [ -n "$why" ] && why="$why; the window's log: $(tail -n 12 "$log" | tr '\n' '|')"
    kill -CONT "$hung" && stopped_daemons=()
    kill "${window_process:-}" "$xvfb" 2> /dev/null
    fusermount -u "$drive"; fusermount -u /media/CARD
    report window_beside_a_hung_stick "$why"
fi

echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" = 0 ]
