#!/bin/bash
# The installer's --eject against a real UDisks2, as root in a mount and process namespace
# of its own: tmpfs over /run, /media and /dev (only the nodes needed), /var/lib behind an
# overlay; a system bus, udevd and udisksd of its own. Its sticks are ext4 images on loop
# devices: one a udev rule of the test's makes a removable stick, one a system disk. It
# skips without root and where a udevd runs on the machine, which would see the devices.
# Usage: eject_with_udisks.sh INSTALLER
# shellcheck disable=SC2015 # "A && B || cannot ...": it cannot when either fails
set -u
installer=$1
udevd=/lib/systemd/systemd-udevd udisksd=/usr/libexec/udisks2/udisksd
# A part of the test bed that cannot start: a failure on CI, which must have them all.
cannot() {
    [ "${CI:-}" = true ] && { echo "FAIL udisks: $1"; exit 1; }
    echo "skip udisks: $1"; exit 77
}

if [ -z "${ORVEX_UDISKS_NAMESPACE:-}" ]; then
    [ "$(id -u)" = 0 ] || { echo "skip udisks: mounting and loop devices need root"; exit 77; }
    pgrep -x systemd-udevd > /dev/null || [ -e /run/udev/control ] &&
        { echo "skip udisks: a udevd runs on this machine; it would see this test's devices"; exit 77; }
    for tool in dbus-daemon "$udevd" udevadm "$udisksd" udisksctl losetup mkfs.ext4 findmnt; do
        command -v "$tool" > /dev/null || cannot "no $tool here (scripts/setup installs it)"
    done
    unshare --mount --pid --fork true 2> /dev/null || cannot "no mount namespace can be made here"
    exec env ORVEX_UDISKS_NAMESPACE=1 unshare --mount --propagation private --pid --fork \
        --mount-proc --kill-child bash "$0" "$@"
fi

start=$EPOCHREALTIME
work=$(mktemp -d /tmp/orvex-udisks.XXXXXX) || cannot "no temporary folder"
loops=() holder=""
cleanup() {
    [ -n "$holder" ] && kill "$holder" 2> /dev/null
    awk '$2 ~ "^/media/" { print $2 }' /proc/self/mounts | sort -r | while read -r m; do umount -l "$m"; done
    for loop in "${loops[@]}"; do losetup -d "$loop"; done
    [ ${#loops[@]} -gt 0 ] && udevadm settle --timeout=10
    udevadm control --exit 2> /dev/null
    [ -n "${service:-}" ] && kill "$service" 2> /dev/null
    [ -s /run/dbus/pid ] && kill "$(cat /run/dbus/pid)" 2> /dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The sticks, each attached while /dev is still the machine's.
mount -t tmpfs -o mode=755 tmpfs /run && mount -t tmpfs -o mode=755 tmpfs /media &&
    mkdir -p /run/orvex/upper /run/orvex/overlay /run/orvex/dev /run/dbus /run/udev/rules.d &&
    mount -t overlay overlay -o lowerdir=/var/lib,upperdir=/run/orvex/upper,workdir=/run/orvex/overlay \
        /var/lib || cannot "no tmpfs over /run and /media, or no overlay over /var/lib"
for name in ORVEXSTICK ORVEXSYS; do
    truncate -s 32M "$work/$name.img" && mkfs.ext4 -q -L "$name" "$work/$name.img" || cannot "no ext4 image"
    loops+=("$(losetup -f --show "$work/$name.img")") || cannot "no loop device for the image"
done
stick_loop=${loops[0]} system_loop=${loops[1]}
cat > /run/udev/rules.d/99-orvex-test.rules <<EOF
SUBSYSTEM=="block", ATTR{loop/backing_file}=="$work/ORVEXSTICK.img", ENV{UDISKS_SYSTEM}="0"
SUBSYSTEM=="block", ATTR{loop/backing_file}=="$work/ORVEX*.img", GROUP="root", MODE="0600"
EOF
mount --bind /dev /run/orvex/dev && mount -t tmpfs -o mode=755 tmpfs /dev || cannot "no tmpfs over /dev"
for node in null zero full random urandom "${stick_loop#/dev/}" "${system_loop#/dev/}"; do
    touch "/dev/$node" && mount --bind "/run/orvex/dev/$node" "/dev/$node" || cannot "no /dev/$node"
done
ln -s /proc/self/fd /dev/fd && umount /run/orvex/dev

export DBUS_SYSTEM_BUS_ADDRESS=unix:path=/run/dbus/system_bus_socket
dbus-daemon --system --fork || cannot "the system bus did not start"
"$udevd" --daemon > /dev/null 2>&1 || cannot "udevd did not start"
"$udisksd" > "$work/udisksd.log" 2>&1 &
service=$!
within10s() { for _ in $(seq 100); do "$@" > /dev/null 2>&1 && return 0; sleep 0.1; done; return 1; }
has_filesystem() { udisksctl info -b "$1" | grep -q "org.freedesktop.UDisks2.Filesystem:"; }
for loop in "${loops[@]}"; do
    udevadm trigger --action=add "$loop" && udevadm settle --timeout=10 || cannot "udevd did not take $loop"
    within10s has_filesystem "$loop" ||
        cannot "udisksd does not show the file system on $loop: $(tail -n 3 "$work/udisksd.log")"
done

passed=0 failed=0 why=""
# check REASON COMMAND...: unless a check of the case failed already, REASON is why it fails
# when COMMAND does.
check() { [ -n "$why" ] || "${@:2}" || why=$1; }
report() {
    if [ -z "$why" ]; then echo "ok $1"; passed=$((passed + 1))
    else echo "FAIL $1: $why"; failed=$((failed + 1)); fi
    [ -f "$work/calls" ] && cat "$work/calls" && rm "$work/calls"
    why=""
}
stick=/media/root/ORVEXSTICK system=/media/root/ORVEXSYS
bookmarks=$stick/PSP/SYSTEM/BROWSER/bookmarks.html
mounted() { findmnt -rn -S "$1" > /dev/null; }
unmounted() { ! mounted "$1"; }
mount_stick() { mounted "$1" || udisksctl mount -b "$1" > /dev/null; }
holds() { grep -qF -- "$2" "$1"; }
# The installer with ARGS onto DRIVE: exit status in $got, output in $work/out and
# $work/errors; what it asked of UDisks2 (its log, orvex.eject) is printed below the verdict.
run_installer() {
    env -u DISPLAY -u QT_QPA_PLATFORM QT_LOGGING_RULES="orvex.eject.debug=true" \
        "$installer" --unattended "${@:2}" --drive "$1" > "$work/out" 2> "$work/errors"
    got=$?
    grep '^orvex.eject: ' "$work/errors" | sed 's/^/  /' >> "$work/calls"
}
# outcome STATUS STREAM TEXT: the last run exited with STATUS, and the last line it wrote to
# STREAM (out or errors) is TEXT.
outcome() { [ "$got" = "$1" ] && [ "$(grep -v '^$' "$work/$2" | tail -n 1)" = "$3" ]; }
told() { echo "exit status $got; standard output: $(cat "$work/out"); standard error: $(cat "$work/errors")"; }
ejected="The stick was ejected. You can now leave USB mode on the PSP."
line=$(head -n 1 "$(dirname "$installer")/nopass.html" | tr -d '\r')

# An install onto the stick, then the eject: unmounted, and what was written is there once
# UDisks2 mounts it again.
mount_stick "$stick_loop" && mkdir -p "${bookmarks%/*}" || why="the stick could not be laid"
run_installer "$stick" --password no --eject
check "$(told)" outcome 0 out "$ejected"
check "the stick is still mounted" unmounted "$stick_loop"
check "the stick could not be mounted again" mount_stick "$stick_loop"
check "the bookmark is not on the stick" holds "$bookmarks" "$line"
check "the payload is not on the stick" test -f "$stick/PSP/COMMON/Orvex/index.html"
report install_then_eject

# A file on the stick held open by another program: installed, not ejected, and UDisks2's
# reason told; the stick stays mounted.
check "the stick could not be mounted again" mount_stick "$stick_loop"
# shellcheck disable=SC2217 # sleep holds the file open, as a program that uses the stick does
sleep 60 < "$bookmarks" &
holder=$!
holding() { [ "$(readlink "/proc/$holder/fd/0")" = "$bookmarks" ]; }
check "the file was not held open" within10s holding
run_installer "$stick" --password yes --passcode 2468 --eject
check "$(told)" outcome 3 errors "The stick could not be ejected: Error unmounting $stick_loop: target is busy. Close the programs that use it, then eject it from your file manager."
check "the stick was unmounted" mounted "$stick_loop"
check "the install is not on the stick" holds "$stick/PSP/COMMON/Orvex/passcode.js" '"2468"'
kill "$holder" && wait "$holder" 2> /dev/null; holder=""
report busy_stick_stays_mounted

# A stick on what UDisks2 calls a system disk: installed, and not ejected.
check "the system disk could not be mounted" mount_stick "$system_loop"
mkdir -p "$system/PSP"
run_installer "$system" --password no --eject
check "$(told)" outcome 3 errors "The stick was not ejected: $system is on one of the system's own disks."
check "the system disk was unmounted" mounted "$system_loop"
report system_disk_not_ejected

echo "$passed passed, $failed failed ($(((${EPOCHREALTIME/./} - ${start/./}) / 1000)) ms)"
[ "$failed" = 0 ]
