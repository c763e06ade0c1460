#!/bin/bash
# Whole unattended installs onto small real file systems: a tmpfs that fills
# up, a read-only remount, a FAT image through FUSE, and folders with the
# faults a user's stick can have. For each case: the exit status and message,
# the bookmarks file's earlier bytes kept, a complete byte-identical copy on
# success, nothing outside the drive changed, and a second run that completes
# once the fault is removed. Mounting needs root: without it those cases skip.
# Usage: install_on_devices.sh INSTALLER PAYLOAD_FOLDER
set -u
installer=$1 payload=$2
work=$(mktemp -d /tmp/orvex-devices.XXXXXX) && chmod 755 "$work"
passed=0 failed=0 skipped=0
cleanup() {
    for m in $(grep -o "$work[^ ]*" /proc/mounts | sort -r); do
        fusermount -u "$m" 2>/dev/null || umount -l "$m"
    done
    rm -rf "$work"
}
trap cleanup EXIT

# The installer beside a payload with a deep tree, an empty folder and names
# with spaces and non-ASCII characters, reached through a link.
app=$work/app
mkdir -p "$app" && cp "$installer" "$payload"/*.html "$app/" && cp -r "$payload/Orvex" "$app/Orvex-1.0"
ln -s Orvex-1.0 "$app/Orvex" # a versioned payload behind a link is still installed as Orvex
mkdir -p "$app/Orvex/deep/er/est" "$app/Orvex/empty" "$app/Orvex/with space/ünï"
echo leaf > "$app/Orvex/deep/er/est/leaf.txt"
echo ça > "$app/Orvex/with space/ünï/Ça va.txt"
line=$(head -n 1 "$app/nopass.html" | tr -d '\r')
# FAT takes no name that is not in its character set: the same payload without
# the non-ASCII names.
ascii_app=$work/ascii-app
cp -r "$app" "$ascii_app" && rm -r "$ascii_app/Orvex/with space/ünï"

browser() { mkdir -p "$1/PSP/SYSTEM/BROWSER"; }
tmpfs_drive() { mkdir -p "$1" && mount -t tmpfs -o "size=$2" tmpfs "$1" && browser "$1"; }
fat_drive() {
    mkfs.vfat -C "$1.img" 8192 > /dev/null && mkdir -p "$1" && fusefat -o rw+ "$1.img" "$1" &&
        mkdir -p "$1/psp/system/browser"
}
bookmarks() { echo "$drive/PSP/SYSTEM/BROWSER/bookmarks.html"; }
run_install() {
    local run=(env -u DISPLAY -u QT_QPA_PLATFORM "$app/orvex-installer" --unattended
        --drive "$drive" --password no)
    [ -n "$as_nobody" ] && run=(setpriv --reuid=nobody --regid=nogroup --clear-groups "${run[@]}")
    "${run[@]}" 2>&1
}
outside_state() { (cd "$world/outside" && find . -printf '%p %s %l\n' | sort && cat ./*) 2>&1; }

# case NAME STATUS TEXT SETUP FIX [SKIP_REASON]: SETUP makes $drive faulty, FIX mends it.
case_() {
    local name=$1 status=$2 text=$3 setup=$4 fix=$5 skip=${6:-}
    if [ -n "$skip" ]; then echo "skip $name: $skip"; skipped=$((skipped + 1)); return; fi
    world=$work/$name drive=$work/$name/drive as_nobody="" app=$work/app
    mkdir -p "$world/outside" && printf 'keep\r\n' > "$world/outside/bookmarks.html"
    local why=""
    eval "$setup" || why="setup failed"
    local before="" before_size=0 outside
    [ -f "$(bookmarks)" ] && before=$world/bookmarks.before && cp "$(bookmarks)" "$before" &&
        before_size=$(stat -c %s "$before")
    outside=$(outside_state)
    local out got
    out=$(run_install); got=$?
    [ -z "$why" ] && { [ "$got" != "$status" ] || ! grep -qF -- "$text" <<< "$out"; } &&
        why="exit status $got (not $status) or no \"$text\" in: $out"
    [ -z "$why" ] && [ -n "$before" ] && ! cmp -s -n "$before_size" "$before" "$(bookmarks)" &&
        why="the bookmarks file's earlier bytes changed"
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
    if [ -z "$why" ]; then echo "ok $name"; passed=$((passed + 1))
    else echo "FAIL $name: $why"; failed=$((failed + 1)); fi
}

root_only=""; [ "$(id -u)" = 0 ] || root_only="mounting needs root"
fat_missing=$root_only
[ -z "$fat_missing" ] && ! command -v fusefat > /dev/null && fat_missing="fusefat is not installed"
[ -z "$fat_missing" ] && [ ! -e /dev/fuse ] && fat_missing="no /dev/fuse here"

case_ full 1 "The stick needs" 'tmpfs_drive "$drive" 32k' \
    'mount -o remount,size=16m "$drive"' "$root_only"
case_ read_only 1 "Read-only file system" \
    'tmpfs_drive "$drive" 16m && printf "a\r\n" > "$(bookmarks)" && mount -o remount,ro "$drive"' \
    'mount -o remount,rw "$drive"' "$root_only"
case_ fat 0 "Installation complete!" 'fat_drive "$drive" && app=$ascii_app' ':' "$fat_missing"
case_ not_a_psp_stick 1 "does not look like a PSP memory stick" 'mkdir -p "$drive/PSP"' \
    'browser "$drive"'
case_ bookmarks_read_only 1 "Permission denied" \
    'browser "$drive" && printf "a\r\n" > "$(bookmarks)" && chmod 444 "$(bookmarks)" && chown -R nobody "$drive" && as_nobody=1' \
    'chmod 644 "$(bookmarks)"' "$root_only"
case_ bookmarks_folder 1 "is not a regular file" 'browser "$drive" && mkdir "$(bookmarks)"' \
    'rmdir "$(bookmarks)"'
case_ no_final_line_end 0 "Installation complete!" 'browser "$drive" && printf "a\r\nb" > "$(bookmarks)"' ':'
case_ large_bookmarks 0 "Installation complete!" \
    'browser "$drive" && head -c 10485760 /dev/urandom | base64 > "$(bookmarks)"' ':'
case_ bookmarks_link 1 "is a link" \
    'browser "$drive" && ln -s "$world/outside/bookmarks.html" "$(bookmarks)"' 'rm "$(bookmarks)"'
case_ dangling_link 1 "is a link" \
    'browser "$drive" && ln -s "$world/outside/new.html" "$(bookmarks)"' 'rm "$(bookmarks)"'
case_ common_link 1 "is a link" \
    'browser "$drive" && ln -s "$world/outside" "$drive/PSP/COMMON"' 'rm "$drive/PSP/COMMON"'
case_ orvex_link 1 "is a link" \
    'browser "$drive" && mkdir "$drive/PSP/COMMON" && ln -s "$world/outside" "$drive/PSP/COMMON/Orvex"' \
    'rm "$drive/PSP/COMMON/Orvex"'
case_ leftovers 0 "Installation complete!" \
    'browser "$drive" && mkdir -p "$drive/PSP/COMMON/Orvex" && echo part > "$drive/PSP/COMMON/Orvex/index.html.orvex-part"' \
    '[ ! -e "$drive/PSP/COMMON/Orvex/index.html.orvex-part" ]'
case_ drive_with_spaces 0 "Installation complete!" 'drive="$world/my stick" && browser "$drive"' ':'

if env -u DISPLAY "$app/orvex-installer" --unattended --drive "$work" > /dev/null 2>&1; [ $? = 2 ]
then echo "ok wrong_command_line"; passed=$((passed + 1))
else echo "FAIL wrong_command_line: not exit status 2"; failed=$((failed + 1)); fi

echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" = 0 ]
