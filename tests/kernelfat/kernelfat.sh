#!/bin/bash
# The installer on the kernel's own FAT (vfat), mounted as a desktop mounts a
# stick, in a user-mode Linux run as a plain process: no root is needed, and
# nothing of this machine's is mounted or written. The guest sees this
# machine's root read-only and writes only to its tmpfs and to the FAT images
# made here; guest.sh boots it, cases.sh holds the cases it runs.
# Usage: kernelfat.sh INSTALLER APPLICATION_FOLDER [SANITIZE]
# SANITIZE=ON: the programs carry AddressSanitizer, which cannot run in the guest.
set -u
installer=$1 payload=$2
here=$(cd "$(dirname "$0")" && pwd)
# No guest here: a failure on CI, which must have every test bed, else a skip.
no_guest() {
    if [ "${CI:-}" = true ]; then
        echo "FAIL kernelfat: $1"
        echo "0 passed, 1 failed"
        exit 1
    fi
    echo "skip kernelfat: $1"
    exit 77
}
if [ "${3:-}" = ON ]; then
    echo "skip kernelfat: this build's programs carry AddressSanitizer, whose shadow memory cannot be mapped in user-mode Linux"
    exit 77
fi
command -v linux.uml > /dev/null || no_guest "no linux.uml (Debian's user-mode-linux)"
compgen -G "/usr/lib/uml/modules/*/kernel/fs/fat/vfat.ko" > /dev/null || no_guest "user-mode Linux has no vfat module"
command -v mkfs.vfat > /dev/null || no_guest "no mkfs.vfat (Debian's dosfstools)"
command -v fsck.fat > /dev/null || no_guest "no fsck.fat (Debian's dosfstools)"
work=$(mktemp -d "${TMPDIR:-/tmp}/orvex-kernelfat.XXXXXX") && chmod 755 "$work" || exit 1
trap 'rm -rf "$work"' EXIT

# What the guest reads: the installer beside its payload and beside variants of it
# (one too big for a 1 MiB stick, names FAT takes for one, one slow to copy), the user's bookmarks.
app=$work/app
if ! mkdir "$app" || ! cp "$installer" "$payload"/*.html "$app/" || ! cp -r "$payload/Orvex" "$app/"; then
    echo "FAIL kernelfat: no installer beside its payload in $payload: build orvex-installer"
    exit 1
fi
variant() { cp -r "$app" "$work/$1" && (cd "$work/$1/Orvex" && eval "$2"); }
variant big-app 'head -c 2M /dev/urandom > big.bin'
variant case-app 'mkdir IMG img && echo x > README.TXT && echo y > readme.txt'
# shellcheck disable=SC2016 # the command runs in the variant's folder, where $i expands
variant slow-app 'for i in 1 2 3 4; do head -c 6M /dev/urandom > big$i.bin; done'
printf '<DL>\r\n<DT><A HREF="http://example.org/">Mine</A>\r\n' > "$work/bookmarks.user"
(cat "$work/bookmarks.user" && head -c 3200000 /dev/urandom | base64) > "$work/bookmarks.big"

# image NAME MIB [MKFS_OPTION...]: a sparse FAT image in $work/NAME.img.
image() {
    local name=$1 mib=$2 said; shift 2
    if ! said=$(truncate -s "${mib}M" "$work/$name.img" 2>&1 && mkfs.vfat "$@" "$work/$name.img" 2>&1); then
        echo "FAIL $name: the image was not made: $said"
        return 1
    fi
}
# boot NAME JOB ARGS...: a guest on the images in "${disks[@]}" runs JOB of
# cases.sh; its lines go to $work/NAME.log, the console to $work/NAME.console.
boot() {
    local name=$1 start=$EPOCHREALTIME i=0 disk
    shift
    # shellcheck disable=SC2054 # the commas are the console's options
    local arguments=(mem=768M rootfstype=hostfs rootflags=/ ro "init=$here/guest.sh" con0=null,fd:1 con=null)
    for disk in "${disks[@]}"; do arguments+=("ubd$i=$disk") i=$((i + 1)); done
    printf 'source %q %q' "$here/cases.sh" "$work" > "$work/$name.job" && printf ' %q' "$@" >> "$work/$name.job"
    # The guest's memory is a file in $work too (linux.uml would take /dev/shm).
    TMPDIR=$work timeout -k 5 150 linux.uml "${arguments[@]}" -- "$work/$name.job" \
        < /dev/null > "$work/$name.console" 2>&1
    tr -d '\r' < "$work/$name.console" | sed -n '/^@@guest-begin$/,/^@@guest-\(end\|cut\)/p' > "$work/$name.log"
    echo "boot $name: $(((${EPOCHREALTIME/./} - ${start/./}) / 1000)) ms"
    # What the guest said besides its verdicts.
    grep -vE '^(@@guest-|ok |FAIL )' "$work/$name.log" | sed 's/^/  /'
}
# ended NAME [cut]: the boot NAME ran to its end, or to its power cut.
ended() { grep -qx "@@guest-${2:-end 0}" "$work/$1.log"; }
# verdict NAME BOOT [WHY]: the guest's verdict on NAME, a failure with WHY if the host found a fault.
verdict() {
    local line
    line=$(grep -E "^(ok|FAIL) $1(:|$)" "$work/$2.log")
    [ -z "$line" ] && line="FAIL $1: the guest gave no verdict"
    [ -n "${3:-}" ] && [ "${line%% *}" = ok ] && line="FAIL $1: $3"
    echo "$line"
}
fsck_says() { fsck.fat -n "$1" 2>&1 | grep -vE '^fsck.fat [0-9]|^$' | tr '\n' ' '; }
# What fsck.fat finds besides the dirty bit that any power cut leaves.
damage() {
    fsck.fat -n "$1" 2>&1 | grep -vE "^fsck.fat [0-9]|^$|Dirty bit|dirty bit|^Leaving filesystem unchanged|^$1:" |
        tr '\n' ' '
}

# Power cuts, one boot each: boot K checks what the cut before it left, then
# cuts the next install. They run beside the other cases' boot.
power_cuts() {
    local disks=("$work/power_cut.img") boot uncut broken name
    image power_cut 64
    boot power_cut_1 power_cut 1
    uncut=$(ended power_cut_1 cut || echo "boot power_cut_1 did not cut the power")
    verdict power_cut_stick_laid power_cut_1 "$uncut"
    for boot in 2 3 4 5 6 7 8; do
        # What a cut left is told; the next install meets it as a user's would.
        broken=$(damage "$work/power_cut.img")
        [ -n "$broken" ] && echo "  cut $((boot - 2)) left on the file system: $broken"
        boot "power_cut_$boot" power_cut "$boot"
        name=power_cut_$((boot - 2))
        [ "$boot" = 2 ] && name=power_cut_after_a_completed_install
        verdict "$name" "power_cut_$boot" "$uncut"
        if [ "$boot" = 8 ]; then
            ended power_cut_8 || echo "FAIL power_cut_6: boot power_cut_8 did not end"
        else
            uncut=$(ended "power_cut_$boot" cut || echo "boot power_cut_$boot did not cut the power")
        fi
    done
}
power_cuts > "$work/power_cuts.out" 2>&1 &
cuts=$!

# One boot for the cases that each take a stick of their own: NAME MIB [MKFS_OPTION...].
cases=(
    "fat16_2k_install_cycle 64"
    "fat16_32k_install_cycle 1024 -F 16 -s 64"
    "fat32_32k_install_cycle 2048 -F 32 -s 64"
    "too_small 1"
    "signal_during_copy 64"
    "names_equal_but_for_case 16"
    "crash_leftover 16"
    "folder_in_the_way 16"
    "removal_keeps_user_files 16"
    "fresh_stick 16"
)
disks=() names=()
for entry in "${cases[@]}"; do
    read -ra words <<< "$entry"
    image "${words[@]}"
    disks+=("$work/${words[0]}.img") names+=("${words[0]}")
done
{
    boot sticks cases "${names[@]}"
    for name in "${names[@]}"; do
        # fsck.fat -n exits 0 only when it found nothing to repair.
        problem=""
        fsck.fat -n "$work/$name.img" > /dev/null 2>&1 || problem="fsck.fat -n: $(fsck_says "$work/$name.img")"
        ended sticks || problem="the guest did not end its boot"
        verdict "$name" sticks "$problem"
    done
} > "$work/sticks.out" 2>&1
wait "$cuts"
grep -q '^@@guest-begin$' "$work/sticks.log" ||
    no_guest "the guest did not start: $(tail -n 5 "$work/sticks.console" | tr '\n' ' ')"
cat "$work/sticks.out" "$work/power_cuts.out"
passed=$(cat "$work"/*.out | grep -c '^ok ') failed=$(cat "$work"/*.out | grep -c '^FAIL ')
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
