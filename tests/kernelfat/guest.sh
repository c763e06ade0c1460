#!/bin/bash
# The first process of a user-mode Linux booted on FAT images: the host's root
# is this machine's read-only root, a tmpfs on /run its only scratch. Mounts
# every disk as a desktop mounts a stick (/dev/ubda at /run/ubda, ...), then
# sources the job file named after "--" on the kernel's command line (the kernel
# adds words of its own after it), unmounts and powers off. What the job prints comes
# between the lines "@@guest-begin" and "@@guest-end STATUS"; a job that cuts
# the power (power_off) ends it with "@@guest-cut" instead.
mount -t proc proc /proc && mount -t sysfs sysfs /sys && mount -t tmpfs -o mode=755 tmpfs /run
mountpoint -q /dev || mount -t devtmpfs devtmpfs /dev # the kernel may have mounted it
ln -s /proc/self/fd /dev/fd
# Kernel lines would mix with the job's on the console: the job reads dmesg.
echo 1 > /proc/sys/kernel/printk
export PATH=/usr/sbin:/usr/bin:/sbin:/bin LC_ALL=C.UTF-8 LANG=C.UTF-8 HOME=/run
echo "@@guest-begin"

power_off() {
    echo o > /proc/sysrq-trigger
    sleep 10 # the first process must not end before the kernel does
}
# Cuts the power now, as pulling the stick out of a running PSP would.
cut_power() {
    echo "@@guest-cut"
    power_off
}
# The job's commands as the desktop's user, who owns the mounted sticks.
as_user() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
# Waits SECONDS without starting a process (a start costs tens of ms here).
mkfifo /run/.never && exec 9<> /run/.never
pause() { read -r -t "$1" -u 9; }

status=1 ready=1
modules=$(echo /usr/lib/uml/modules/*/kernel/fs)
for module in nls/nls_cp437 nls/nls_iso8859-1 nls/nls_utf8 fat/fat fat/vfat; do
    [ -n "$ready" ] && ! insmod "$modules/$module.ko" && echo "guest: cannot load $module" && ready=""
done
disks=()
for disk in /dev/ubd[a-p]; do
    [ -b "$disk" ] || continue
    at=/run/${disk#/dev/}
    if [ -n "$ready" ] && mkdir "$at" && mount -t vfat -o \
        uid=65534,gid=65534,shortname=mixed,utf8,flush,fmask=0022,dmask=0022 "$disk" "$at"; then
        disks+=("$at")
    else
        echo "guest: cannot mount $disk" && ready=""
    fi
done
if [ -n "$ready" ] && [ -n "${1:-}" ]; then
    # shellcheck source=/dev/null
    source "$1"
    status=$?
fi
for disk in "${disks[@]}"; do umount "$disk" || { echo "guest: cannot unmount $disk"; status=1; }; done
dmesg | grep -E 'FAT-fs|vfat' | sed 's/^/kernel: /'
echo "@@guest-end $status"
power_off
