#!/bin/bash
# What only real file systems, mounts, signals and processes show, through
# the installer itself: a tmpfs too small, a read-only remount, a FAT image
# through FUSE, permissions, hard links, two installs at once, a closed
# output, a signal during a copy, a descriptor limit, removal, the passcode;
# then the window's tests beside a mounted PSP stick, and the real window
# beside a stick that stops answering. The rules themselves are tested on the
# install library. Mounting needs root: without it those cases skip.
#
# As root the whole suite runs in a mount and process namespace of its own,
# with a tmpfs over /media: its mounts are seen by nothing else on the
# machine, and they go with the namespace's last process, even when the suite
# is killed.
# Usage: install_on_devices.sh INSTALLER PAYLOAD_FOLDER WINDOW_TESTS
set -u
installer=$1 payload=$2 window_tests=$3
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
# Inside the namespace the work folder and /media are memory of its own.
if [ -n "${ORVEX_DEVICES_NAMESPACE:-}" ]; then
    mount -t tmpfs -o mode=755 tmpfs "$work" && mount -t tmpfs -o mode=755 tmpfs /media ||
        { echo "FAIL: no tmpfs over $work and /media in the namespace"; exit 1; }
fi

# The installer beside a payload with a deep tree, an empty folder and names
# with spaces and non-ASCII characters, reached through a link.
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
# FAT takes no name that is not in its character set: the same payload without
# the non-ASCII names; a payload with names FAT cannot hold; one of 5,000 folders;
# one that takes a while to copy.
variant ascii-app 'rm -r "with space/ünï"'
variant colon-app 'echo x > a:b.txt'
variant case-app 'mkdir -p IMG img && echo x > README.TXT && echo y > readme.txt'
variant wide-app 'seq -f "f%g" 5000 | xargs mkdir && seq -f "f%g/i.html" 5000 | xargs touch'
variant slow-app 'rm -r "with space/ünï" && for i in 1 2 3 4 5 6; do head -c 2M /dev/urandom > big$i.bin; done'

browser() { mkdir -p "$1/PSP/SYSTEM/BROWSER"; }
tmpfs_drive() { mkdir -p "$1" && mount -t tmpfs -o "size=$2" tmpfs "$1" && browser "$1"; }
# A FAT stick at DIR (SIZE_KIB, 16 MiB if not given) whose FUSE daemon runs
# here, its process id in $daemon; fat_drive makes it a PSP stick.
fat_stick() {
    mkfs.vfat -C "$1.img" "${2:-16384}" > /dev/null && mkdir -p "$1" || return 1
    fusefat -f -o rw+ "$1.img" "$1" > /dev/null 2>&1 &
    daemon=$!
    for _ in $(seq 50); do mountpoint -q "$1" && return 0; sleep 0.1; done
    return 1
}
fat_drive() { fat_stick "$@" && mkdir -p "$1/psp/system/browser"; }
bookmarks() { echo "$drive/PSP/SYSTEM/BROWSER/bookmarks.html"; }
run_install() {
    local run=(env -u DISPLAY -u QT_QPA_PLATFORM "$app/orvex-installer" --unattended
        --drive "$drive" --password no)
    [ -n "$as_nobody" ] && run=(setpriv --reuid=nobody --regid=nogroup --clear-groups "${run[@]}")
    ([ -z "$fd_limit" ] || ulimit -n "$fd_limit"; "${run[@]}" 2>&1)
}
outside_state() { (cd "$world/outside" && find . -printf '%p %s %l\n' | sort && cat ./*) 2>&1; }
# Names, sizes and contents of everything below a folder.
tree_state() { (cd "$1" && find . -printf '%p %s %l\n' | sort && find . -type f -exec md5sum {} + | sort) 2>&1; }
report() {
    if [ -z "$2" ]; then echo "ok $1"; passed=$((passed + 1))
    else echo "FAIL $1: $2"; failed=$((failed + 1)); fi
}

# case NAME STATUS TEXT SETUP FIX [SKIP_REASON]: SETUP makes $drive faulty, FIX mends it.
case_() {
    local name=$1 status=$2 text=$3 setup=$4 fix=$5 skip=${6:-}
    if [ -n "$skip" ]; then echo "skip $name: $skip"; skipped=$((skipped + 1)); return; fi
    world=$work/$name drive=$work/$name/drive as_nobody="" app=$work/app fd_limit=""
    mkdir -p "$world/outside" && printf 'keep\r\n' > "$world/outside/bookmarks.html"
    local why=""
    eval "$setup" || why="setup failed"
    local before="" before_size=0 outside stick
    [ -f "$(bookmarks)" ] && before=$world/bookmarks.before && cp "$(bookmarks)" "$before" &&
        before_size=$(stat -c %s "$before")
    outside=$(outside_state) stick=$(tree_state "$drive")
    local out got
    out=$(run_install); got=$?
    [ -z "$why" ] && { [ "$got" != "$status" ] || ! grep -qE -- "$text" <<< "$out"; } &&
        why="exit status $got (not $status) or no \"$text\" in: $out"
    [ -z "$why" ] && [ -n "$before" ] && ! cmp -s -n "$before_size" "$before" "$(bookmarks)" &&
        why="the bookmarks file's earlier bytes changed"
    [ -z "$why" ] && [ "$got" != 0 ] && [ "$stick" != "$(tree_state "$drive")" ] &&
        why="a failed install changed the drive"
    [ -z "$why" ] && [ "$outside" != "$(outside_state)" ] && why="something outside the drive changed"
    [ -z "$why" ] && [ "$got" = 0 ] && ! diff -r "$app/Orvex" "$drive/PSP/COMMON/Orvex" > /dev/null &&
        why="the copy differs from the payload"
    if [ -z "$why" ]; then
        eval "$fix" || why="the fault is still there after mending it"
        [ -z "$why" ] && { out=$(run_install) || why="the second run failed: $out"; }
        [ -z "$why" ] && ! diff -r "$app/Orvex" "$drive/PSP/COMMON/Orvex" > /dev/null &&
            why="the second run's copy differs from the payload"
        [ -z "$why" ] && [ "$(grep -cF -- "$line" "$(bookmarks)")" != 1 ] &&
            why="the bookmark is not there exactly once"
    fi
    report "$name" "$why"
}

root_only=""; [ "$(id -u)" = 0 ] || root_only="mounting needs root"
[ -z "$root_only" ] && root_only=$namespace_missing
fat_missing=$root_only
[ -z "$fat_missing" ] && ! command -v fusefat > /dev/null && fat_missing="fusefat is not installed"
[ -z "$fat_missing" ] && [ ! -e /dev/fuse ] && fat_missing="no /dev/fuse here"

case_ too_small 1 "installation needs [0-9.]+ MiB and [0-9.]+ MiB are free" \
    'tmpfs_drive "$drive" 32k' 'mount -o remount,size=16m "$drive"' "$root_only"
case_ read_only 1 "Read-only file system" \
    'tmpfs_drive "$drive" 16m && printf "a\r\n" > "$(bookmarks)" && mount -o remount,ro "$drive"' \
    'mount -o remount,rw "$drive"' "$root_only"
case_ fat 0 "Installation complete!" 'fat_drive "$drive" && app=$work/ascii-app' ':' "$fat_missing"
case_ bookmarks_read_only 1 "Permission denied" \
    'browser "$drive" && printf "a\r\n" > "$(bookmarks)" && chmod 444 "$(bookmarks)" && chown -R nobody "$drive" && as_nobody=1' \
    'chmod 644 "$(bookmarks)"' "$root_only"
case_ bookmarks_hard_link 1 "has 2 names" \
    'browser "$drive" && ln "$world/outside/bookmarks.html" "$(bookmarks)"' \
    'rm "$(bookmarks)"'
case_ bookmarks_byte_order_mark 0 "Installation complete!" \
    'browser "$drive" && printf "\xEF\xBB\xBF%s\r\n<DL>\r\n" "$line" > "$(bookmarks)"' ':'
case_ name_with_a_colon 1 "a:b.txt: holds \":\", which the stick cannot store" \
    'browser "$drive" && app=$work/colon-app' 'app=$work/app'
case_ names_equal_but_for_case 1 "README.TXT and .*readme.txt: the stick takes these names for one" \
    'browser "$drive" && app=$work/case-app' 'app=$work/app'
case_ lock_held 1 "Another installation onto this drive is running." \
    'browser "$drive" && exec 9< "$drive" && flock 9' 'exec 9<&-'
case_ five_thousand_folders_few_descriptors 0 "Installation complete!" \
    'tmpfs_drive "$drive" 64m && app=$work/wide-app && fd_limit=256' ':' "$root_only"

# Two installs at once onto one stick: one waits for nothing and fails at once
# if the other holds the drive; the bookmark is added once, no temporary stays.
world=$work/together drive=$work/together/drive as_nobody="" app=$work/app fd_limit=""
browser "$drive" && head -c 10485760 /dev/urandom | base64 > "$(bookmarks)"
run_install > "$world/first.out" & first=$!
run_install > "$world/second.out"; second=$?
wait "$first"; first=$?
why=""
[ $((first + second)) -gt 1 ] && why="exit statuses $first and $second"
[ $((first + second)) = 1 ] && ! grep -q "Another installation onto this drive is running." \
    "$world/first.out" "$world/second.out" && why="the loser does not say why"
[ "$(grep -cF -- "$line" "$(bookmarks)")" != 1 ] && why="the bookmark is not there exactly once"
find "$drive" -name "*.orvex-part*" | grep -q . && why="temporary files stayed"
report two_installs_at_once "$why"

# A closed output stops nothing: the install completes and adds its bookmark.
world=$work/closed_output drive=$work/closed_output/drive
browser "$drive"
run_install | head -n 1 > /dev/null
status=${PIPESTATUS[0]} why=""
[ "$status" != 0 ] && why="exit status $status"
[ "$(grep -cF -- "$line" "$(bookmarks)" 2> /dev/null)" != 1 ] && why="no bookmark"
report closed_output "$why"

# SIGTERM in the middle of a copy onto a FAT stick cancels it: the stick's tree as before.
if [ -n "$fat_missing" ]; then
    echo "skip signal_during_copy: $fat_missing"; skipped=$((skipped + 1))
else
    world=$work/signal drive=$work/signal/drive app=$work/slow-app
    mkdir -p "$world" && fat_drive "$drive" 32768 &&
        printf '<DL>\r\n' > "$drive/psp/system/browser/bookmarks.html"
    stick=$(tree_state "$drive")
    env -u DISPLAY -u QT_QPA_PLATFORM "$app/orvex-installer" --unattended --drive "$drive" \
        --password no > "$world/out" 2>&1 &
    installer=$!
    for _ in $(seq 200); do
        find "$drive" -name "*.orvex-part" 2> /dev/null | grep -q . && break
        sleep 0.05
    done
    kill -TERM "$installer"; wait "$installer"; status=$? why=""
    [ "$status" != 1 ] && why="exit status $status"
    grep -q "Installation cancelled." "$world/out" || why="no cancel reported: $(cat "$world/out")"
    [ "$stick" != "$(tree_state "$drive")" ] && why="the stick changed"
    report signal_during_copy "$why"
fi

# Removal takes PSP/COMMON/Orvex and the Orvex bookmark and leaves every other
# byte of the stick as it was, on a tmpfs and on FAT; a second one finds nothing.
unattended() { env -u DISPLAY -u QT_QPA_PLATFORM "$app/orvex-installer" --unattended --drive "$drive" "$@" 2>&1; }
removal_case() { # NAME SKIP_REASON SETUP
    if [ -n "$2" ]; then echo "skip $1: $2"; skipped=$((skipped + 1)); return; fi
    world=$work/$1 drive=$work/$1/drive app=$work/app why=""
    mkdir -p "$world" && eval "$3" || why="setup failed"
    local browser before out
    browser=$(dirname "$(find "$drive" -iname browser -type d | head -n 1)")/$(basename "$(find "$drive" -iname browser -type d | head -n 1)")
    mkdir -p "$drive/PSP/COMMON/Other" && echo keep > "$drive/PSP/COMMON/Other/keep.txt" &&
        printf '<DL>\r\n<DT>mine\r\n' > "$browser/bookmarks.html"
    before=$(tree_state "$drive")
    unattended --password no > /dev/null && unattended --password yes --passcode 4321 > /dev/null ||
        why="the installs failed"
    [ -z "$why" ] && { out=$(unattended --uninstall) || why="exit status $?: $out"; }
    [ -z "$why" ] && ! grep -q "Orvex Tessary was removed from the PSP." <<< "$out" && why="said: $out"
    [ -z "$why" ] && [ "$before" != "$(tree_state "$drive")" ] && why="the stick is not as it was"
    [ -z "$why" ] && { out=$(unattended --uninstall) || why="the second removal failed: $out"; }
    [ -z "$why" ] && ! grep -q "nothing to remove" <<< "$out" && why="the second removal said: $out"
    report "$1" "$why"
}
removal_case removal_tmpfs "$root_only" 'tmpfs_drive "$drive" 16m'
removal_case removal_fat "$fat_missing" 'fat_drive "$drive" && app=$work/ascii-app'

# One Orvex bookmark, and the passcode: chosen, kept, or made up and printed.
world=$work/passcode drive=$work/passcode/drive app=$work/app why=""
browser "$drive"
unattended --password no > /dev/null && out=$(unattended --password yes --passcode 13579) ||
    why="an install failed"
protected=$(head -n 1 "$app/pass.html" | tr -d '\r')
[ -z "$why" ] && { [ "$(grep -cF -- "$protected" "$(bookmarks)")" != 1 ] ||
    grep -qF -- "$line" "$(bookmarks)"; } && why="not one protected bookmark: $(cat "$(bookmarks)")"
[ -z "$why" ] && ! grep -q 'var orvexPasscode = "13579";' "$drive/PSP/COMMON/Orvex/passcode.js" &&
    why="the passcode was not written"
[ -z "$why" ] && out=$(unattended --password yes) && grep -q "The passcode is" <<< "$out" &&
    why="a passcode was made up while the stick had one"
[ -z "$why" ] && ! grep -q '"13579"' "$drive/PSP/COMMON/Orvex/passcode.js" && why="not kept"
rm -r "$drive/PSP/COMMON/Orvex"
[ -z "$why" ] && out=$(unattended --password yes) && made=$(sed -n 's/^The passcode is \([0-9]\{4\}\)\.$/\1/p' <<< "$out") &&
    ! grep -q "\"$made\"" "$drive/PSP/COMMON/Orvex/passcode.js" && why="no passcode printed or written: $out"
[ -z "$why" ] && [ -z "$made" ] && why="no passcode printed: $out"
report passcode_and_one_bookmark "$why"

# The window's tests beside a mounted PSP stick (they use volumes of their own):
# the stick's tree as it was.
if [ -n "$fat_missing" ]; then
    echo "skip window_tests_leave_a_stick_alone: $fat_missing"; skipped=$((skipped + 1))
else
    stick=/media/ORVEX_TESTS why=""
    fat_stick "$stick" && browser "$stick" && printf '<DL>\r\n' > "$stick/PSP/SYSTEM/BROWSER/bookmarks.html" ||
        why="the stick could not be made"
    before=$(tree_state "$stick")
    if [ -z "$why" ] && ! out=$(QT_QPA_PLATFORM=offscreen "$window_tests" 2>&1); then
        why="the window tests failed: $(grep -E '^(FAIL|   Loc)' <<< "$out")"
    fi
    [ -z "$why" ] && [ "$before" != "$(tree_state "$stick")" ] && why="the stick changed"
    fusermount -u "$stick"
    report window_tests_leave_a_stick_alone "$why"
fi

# The real window, a stick without a PSP folder mounted, so that nothing is
# chosen: that stick's daemon stops answering, a PSP stick is mounted, and the
# window, still answering, lists the first as not answering, chooses the
# second and installs onto it from the keyboard. The window's log
# (orvex.window) tells its entries, its choice and the messages it shows.
hung_skip=$fat_missing
[ -z "$hung_skip" ] && ! command -v Xvfb > /dev/null && hung_skip="Xvfb is not installed"
[ -z "$hung_skip" ] && ! command -v xdotool > /dev/null && hung_skip="xdotool is not installed"
if [ -n "$hung_skip" ]; then
    echo "skip window_beside_a_hung_stick: $hung_skip"; skipped=$((skipped + 1))
else
    world=$work/hung why="" log=$work/hung/window.log
    mkdir -p "$world/runtime" "$world/config" && chmod 700 "$world/runtime"
    # Waits up to ten seconds for a command to succeed.
    within10s() { for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done; return 1; }
    logged() { grep -qF -- "$1" "$log"; }
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$world/display" > /dev/null 2>&1 &
    xvfb=$!
    within10s test -s "$world/display" || why="Xvfb did not start"
    export DISPLAY=:$(tr -d '[:space:]' < "$world/display")
    fat_stick /media/CARD || why="the first stick could not be made"
    hung=$daemon
    [ -z "$why" ] && {
        env -u QT_QPA_PLATFORM QT_LOGGING_RULES="orvex.window.debug=true" \
            XDG_RUNTIME_DIR="$world/runtime" XDG_CONFIG_HOME="$world/config" \
            "$work/ascii-app/orvex-installer" > "$log" 2>&1 &
        window_process=$!
        within10s logged "entry: CARD, 16.0 MiB free" || why="the first stick was not listed"
    }
    [ -z "$why" ] && ! logged "chosen drive: /" || why=${why:-"a drive was chosen at start"}
    if [ -z "$why" ]; then
        kill -STOP "$hung" && stopped_daemons+=("$hung")
        fat_stick /media/PSP && browser /media/PSP &&
            printf '<DL>\r\n' > /media/PSP/PSP/SYSTEM/BROWSER/bookmarks.html ||
            why="the PSP stick could not be made"
    fi
    [ -z "$why" ] && ! within10s logged "chosen drive: /media/PSP" && why="the PSP stick was not chosen"
    [ -z "$why" ] && ! within10s logged "entry: CARD (not answering)" &&
        why="the stopped stick was not shown as not answering"
    # Answers the box that shows the message: waits for it to take the focus, then presses the key.
    answered=""
    answer() {
        within10s logged "message: $1" || return 1
        focused() {
            local now; now=$(xdotool getwindowfocus 2> /dev/null) || return 1
            [ "$now" != "$window" ] && [[ " $answered " != *" $now "* ]] &&
                [ "$(xdotool getwindowname "$now" 2> /dev/null)" = "Orvex Tessary" ] && box=$now
        }
        within10s focused && answered="$answered $box" && sleep 0.3 && xdotool key "$2"
    }
    if [ -z "$why" ]; then
        window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Orvex Tessary$' | head -n 1)
        xdotool windowfocus --sync "$window" && sleep 0.3 && xdotool key Tab sleep 0.3 key Return ||
            why="the window took no keys"
        answered=$window
        [ -z "$why" ] && { answer "Are you sure you want to install Orvex Tessary?" Return ||
            why="no confirmation to answer"; }
        [ -z "$why" ] && { answer "Would you like to install with password protection?" Escape ||
            why="no password question to answer"; }
        [ -z "$why" ] && { answer "Installation complete!" Return || why="no completion to answer"; }
        [ -z "$why" ] && { answer "To access Orvex" Return || why="no last message to answer"; }
    fi
    [ -z "$why" ] && ! within10s bash -c "! kill -0 $window_process 2> /dev/null" &&
        why="the window did not end after the install"
    if [ -z "$why" ]; then
        wait "$window_process"; status=$?
        [ "$status" != 0 ] && why="the window ended with status $status"
    fi
    [ -z "$why" ] && [ "$(grep -cF -- "$line" /media/PSP/PSP/SYSTEM/BROWSER/bookmarks.html)" != 1 ] &&
        why="the bookmark is not there exactly once"
    [ -z "$why" ] && ! diff -r "$work/ascii-app/Orvex" /media/PSP/PSP/COMMON/Orvex > /dev/null &&
        why="the copy differs from the payload"
    [ -n "$why" ] && why="$why; the window's log: $(tail -n 12 "$log" | tr '\n' '|')"
    kill -CONT "$hung" && stopped_daemons=()
    kill "${window_process:-}" "$xvfb" 2> /dev/null
    fusermount -u /media/PSP; fusermount -u /media/CARD
    report window_beside_a_hung_stick "$why"
fi


env -u DISPLAY "$app/orvex-installer" --unattended --drive "$work" > /dev/null 2>&1
report wrong_command_line "$([ $? = 2 ] || echo "not exit status 2")"

echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" = 0 ]
