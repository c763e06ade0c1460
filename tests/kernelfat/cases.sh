# shellcheck shell=bash disable=SC2016,SC2034 # must's checks are evaluated when it runs them
# The cases, run inside the guest: the host's job file sources this file with
# WORK JOB ARGS... WORK is the host's folder of the test (read-only here: the
# installer beside its payloads, the user's bookmarks files); JOB is a function
# below. Each case prints "ok NAME" or "FAIL NAME: why"; other lines tell what
# a case saw.
work=$1 job=$2
shift 2
app=$work/app
open_line=$(head -n 1 "$app/nopass.html" | tr -d '\r')
protected_line=$(head -n 1 "$app/pass.html" | tr -d '\r')
why=""

bookmarks() { echo "$drive/PSP/SYSTEM/BROWSER/bookmarks.html"; }
# must COMMAND REASON: unless a check failed already, REASON is why the case fails when COMMAND does.
must() { [ -n "$why" ] || eval "$1" || why=$2; }
report() {
    if [ -z "$why" ]; then echo "ok $1"; else echo "FAIL $1: $why"; fi
    why=""
}
# The installer of $app onto $drive as the desktop's user with ARGS: output in $out, status in $got.
unattended() {
    out=$(cd /run && as_user "$app/orvex-installer" --unattended --drive "$drive" "$@" 2>&1)
    got=$?
}
# Names, sizes and contents of everything below a folder (a folder's size on FAT is its clusters').
tree_state() {
    (cd "$1" && find . \( -type d -printf '%p/\n' \) -o -printf '%p %s\n' | sort &&
        find . -type f -exec md5sum {} + | sort) 2>&1
}
ms_since() { echo $(((${EPOCHREALTIME/./} - ${1/./}) / 1000)); }
orvex_lines() { grep -cF -e "$open_line" -e "$protected_line" "$(bookmarks)"; }
temporaries() { find "$drive" -name '*.orvex-part*' -printf '%P '; }
# A PSP stick holding the user's bookmarks and a file of theirs.
fixture() {
    mkdir -p "$drive/PSP/SYSTEM/BROWSER" "$drive/PSP/GAME" && cp "$work/bookmarks.user" "$(bookmarks)" &&
        echo "the user's" > "$drive/PSP/GAME/NOTES.TXT"
}
# STEP LINE: the last run installed the payload with LINE as the one Orvex bookmark.
installed() {
    local line=$2
    must '[ "$got" = 0 ]' "$1: exit status $got: $out"
    must 'diff -r -x passcode.js -x installed.txt "$app/Orvex" "$drive/PSP/COMMON/Orvex" > /dev/null' \
        "$1: the copy differs from the payload"
    must '[ "$(orvex_lines)" = 1 ] && grep -qF -- "$line" "$(bookmarks)"' \
        "$1: not exactly one Orvex bookmark, the chosen one"
    must '[ -z "$(temporaries)" ]' "$1: temporaries stayed: $(temporaries)"
}
# Open, protected, open again, then removal: the stick as it was.
install_cycle() {
    fixture && mkdir -p "$drive/PSP/COMMON/Other" && echo keep > "$drive/PSP/COMMON/Other/keep.txt"
    before=$(tree_state "$drive")
    unattended --password no; installed "open install" "$open_line"
    unattended --password yes --passcode 1234; installed "protected install" "$protected_line"
    must 'grep -q "\"1234\"" "$drive/PSP/COMMON/Orvex/passcode.js"' "the passcode was not written"
    unattended --password no; installed "open reinstall" "$open_line"
    unattended --uninstall
    must '[ "$got" = 0 ]' "removal: exit status $got: $out"
    must '[ "$before" = "$(tree_state "$drive")" ]' "the stick is not as it was after the removal"
}
# The last run was refused, said TEXT and left the stick as it was ($before).
refused() {
    local text=$1
    must '[ "$got" = 1 ] && grep -qF -- "$text" <<< "$out"' "exit status $got (not 1) or no \"$text\" in: $out"
    must '[ "$before" = "$(tree_state "$drive")" ]' \
        "the stick changed: $(diff <(echo "$before") <(tree_state "$drive") | grep '^[<>]' | head -n 4 | tr '\n' ' ')"
}
# The installer beside a payload too big for a 1 MiB stick, or with names FAT takes for one.
too_small() { fixture && before=$(tree_state "$drive") && app=$work/big-app unattended --password no && refused "The stick needs"; }
names_equal_but_for_case() {
    fixture && before=$(tree_state "$drive") && app=$work/case-app unattended --password no
    refused "the stick takes these names for one"
}
# SIGTERM once the first temporary is there: the copy stops, the stick as it was.
signal_during_copy() {
    fixture && before=$(tree_state "$drive")
    (cd /run && exec setpriv --reuid=65534 --regid=65534 --clear-groups "$work/slow-app/orvex-installer" --unattended --drive "$drive" --password no > /run/signal.out 2>&1) &
    local running=$!
    until compgen -G "$drive/PSP/COMMON/Orvex/*.orvex-part" > /dev/null || ! kill -0 $running 2> /dev/null; do :; done
    kill -TERM $running
    wait $running
    got=$? out=$(cat /run/signal.out)
    refused "Installation cancelled."
}
# A temporary of passcode.js left by a crash goes with the next install.
crash_leftover() {
    fixture && unattended --password no && echo "var passcode" > "$drive/PSP/COMMON/Orvex/passcode.js.orvex-part"
    unattended --password yes --passcode 1234; installed "install over the leftover" "$protected_line"
    must 'grep -q "\"1234\"" "$drive/PSP/COMMON/Orvex/passcode.js"' "passcode.js does not hold \"1234\""
}
# A folder whose name FAT takes for a payload file's, or where the bookmarks file's temporary
# goes: refused before the first byte; once it is gone, installs and removals work.
folder_in_the_way() {
    fixture && unattended --password no
    rm "$drive/PSP/COMMON/Orvex/tessary.js" && mkdir "$drive/PSP/COMMON/Orvex/TESSARY.JS"
    before=$(tree_state "$drive") && unattended --password no && refused "TESSARY.JS"
    rmdir "$drive/PSP/COMMON/Orvex/TESSARY.JS" && mkdir "$(bookmarks).orvex-part" && before=$(tree_state "$drive")
    unattended --password yes --passcode 1234; refused "bookmarks.html.orvex-part"
    rmdir "$(bookmarks).orvex-part" && unattended --uninstall
    must '[ "$got" = 0 ] && [ "$(orvex_lines)" = 0 ]' "removal: exit status $got: $out"
}
# A removal leaves the user's files in PSP/COMMON/Orvex, and says so.
removal_keeps_user_files() {
    local orvex=$drive/PSP/COMMON/Orvex
    fixture && unattended --password no && mkdir "$orvex/saves" && echo mine > "$orvex/notes.txt" && echo 42 > "$orvex/saves/score.txt"
    unattended --uninstall
    must '[ "$got" = 0 ] && [ "$(cat "$orvex/notes.txt" "$orvex/saves/score.txt")" = "mine
42" ] && [ "$(find "$orvex" -type f | wc -l)" = 2 ]' "exit status $got, or the removal did not take exactly ours"
    must 'grep -qF "PSP/COMMON/Orvex stays: it holds 2 files that Orvex Tessary did not install (notes.txt, saves/score.txt)." <<< "$out"' \
        "the removal said: $out"
}
# A PSP stick as it comes: no BROWSER folder yet; a drive without PSP refused.
fresh_stick() {
    before=$(tree_state "$drive") && unattended --password no && refused "has no PSP folder, so it is not a PSP memory stick."
    mkdir -p "$drive/PSP/GAME" && unattended --password no && installed "install onto a fresh stick" "$open_line"
}
# One boot, one case on each disk in the order of the host's list: CASE...
cases() {
    local letters=(a b c d e f g h i j k l m n o p) i=0 name start
    for name in "$@"; do
        drive=/run/ubd${letters[i]} i=$((i + 1)) start=$EPOCHREALTIME
        case $name in
            *_install_cycle) install_cycle ;;
            *) "$name" ;;
        esac
        report "$name"
        echo "$name took $(ms_since "$start") ms"
    done
}

# Power cuts on /run/ubda during protected installs that rewrite a bookmarks
# file of over 4 MB, each in a boot of its own, checked by an open install in
# the next: power_cut BOOT. Boot 1 lays the stick and cuts the power 1 s after
# an install completed; boot K checks the cut before it, then cuts an install
# ${cut_after[K-2]} ms after ${cut_at[K-2]} appears: the first temporary of
# the copy, or the bookmarks file's new copy, which is written, read back and
# renamed last.
cut_at=(Orvex bookmarks bookmarks bookmarks bookmarks bookmarks)
cut_after=(0 0 20 50 100 200)
power_cut() {
    local boot=$1 start cut name marker
    drive=/run/ubda
    protected_install() {
        as_user "$app/orvex-installer" --unattended --drive "$drive" --password yes --passcode 1234 \
            > /run/cut.out 2>&1 &
        start=$EPOCHREALTIME
    }
    intact() { grep -vF -e "$open_line" -e "$protected_line" "$(bookmarks)" | cmp -s - "$work/bookmarks.big"; }
    count() { grep -cF -- "$1" "$(bookmarks)"; }
    if [ "$boot" = 1 ]; then
        fixture && cp "$work/bookmarks.big" "$(bookmarks)"
        unattended --password no; installed "open install" "$open_line"
        unattended --password yes --passcode 1234; installed "protected install" "$protected_line"
        unattended --password no; installed "open install" "$open_line"
        must intact "the user's bookmark lines changed"
        report power_cut_stick_laid
        sync # the cut shows what the next install leaves, not what earlier ones did
        unattended --password yes --passcode 1234
        echo "cut 0: 1 s after an install that ended with status $got"
        pause 1
        cut_power
    fi
    cut=$((boot - 2)) name=power_cut_$((boot - 2))
    [ "$cut" = 0 ] && name=power_cut_after_a_completed_install
    echo "cut $cut left: temporaries: $(temporaries);" \
        "bookmarks.html $(stat -c %s "$(bookmarks)") bytes, open line $(count "$open_line")," \
        "protected line $(count "$protected_line"), user's lines $(intact && echo intact || echo CHANGED);" \
        "passcode.js: $(grep -o '"[0-9]*"' "$drive/PSP/COMMON/Orvex/passcode.js" 2>&1)"
    unattended --password no; installed "install after the cut" "$open_line"
    must intact "the user's bookmark lines changed"
    report "$name"
    [ "$cut" -ge ${#cut_at[@]} ] && return
    sync
    marker="$drive/PSP/COMMON/Orvex/index.html.orvex-part"
    [ "${cut_at[cut]}" = bookmarks ] && marker="$(bookmarks).orvex-part"
    protected_install
    while [ ! -e "$marker" ] && kill -0 $! 2> /dev/null; do :; done
    pause "0.$(printf %03d "${cut_after[cut]}")"
    echo "cut $((cut + 1)): $(ms_since "$start") ms after the start," \
        "${cut_after[cut]} ms after ${cut_at[cut]}'s temporary appeared"
    cut_power
}

"$job" "$@"
