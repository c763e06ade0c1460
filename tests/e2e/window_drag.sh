#!/usr/bin/env bash
# Drags the real installer window by its caption strip and by its bottom-right corner in
# an X server of its own. Usage: window_drag.sh INSTALLER openbox|none; exits 77 to skip.
set -uo pipefail

installer=${1:?usage: window_drag.sh INSTALLER openbox|none} windowManager=${2:-none} timeLimit=90
# The window looks at the mounted volumes: common.sh hides this machine's.
# shellcheck source=tests/e2e/common.sh
source "$(dirname "$0")/common.sh"

for tool in xdotool xprop ${windowManager/#none/}; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/setup installs it)"
done
[[ -x $installer ]] || fail "no installer at $installer"
startServer || skip "Xvfb could not be started: $(tail -n 3 "$work/xvfb.log" | tr '\n' ' ')"

# A ready window manager announces itself on the root window; a loaded machine can
# lose a fresh server first, so two more servers get a chance.
wmReady() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for attempt in 1 2 3; do
    [[ $windowManager == none ]] && break
    "$windowManager" >"$work/wm.log" 2>&1 & started+=($!)
    waitFor wmReady && break
    ((attempt < 3)) && startServer || fail "$windowManager did not start"
done

mkdir -p "$work/drive" "$work/runtime" "$work/config" && chmod 700 "$work/runtime"
env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" \
    "$installer" --drive "$work/drive" >"$work/installer.log" 2>&1 & started+=($!)
window=$(timeout 30 xdotool search --sync --onlyvisible --name 'Orvex Tessary' 2>/dev/null | head -n 1)
[[ -n $window ]] || fail "the installer window did not appear"

# X, Y, WIDTH and HEIGHT of the window; isAt compares them with "X Y W H".
geometry() { eval "$(xdotool getwindowgeometry --shell "$window")"; }
isAt() { geometry && [[ "$X $Y $WIDTH $HEIGHT" == "$1" ]]; }

# Left button at (x, y), moved by (dx, dy) in five steps after a first step of one pixel.
drag() {
    xdotool mousemove "$1" "$2" sleep 0.3 mousedown 1 sleep 0.3 \
        mousemove $(($1 + 1)) $(($2 + 1)) sleep 0.3
    for step in 1 2 3 4 5; do
        xdotool mousemove $(($1 + $3 * step / 5)) $(($2 + $4 * step / 5)) sleep 0.2
    done
    xdotool mouseup 1 sleep 0.3
}

sleep 1 # the window settles where it was placed
geometry
((WIDTH > 100 && HEIGHT > 100)) || fail "unexpected window size ${WIDTH}x$HEIGHT"

# The middle of the 20-pixel caption strip is free of text and buttons. A window
# manager's move starts at the first move after the press: one pixel less each way.
x0=$X y0=$Y
drag $((X + WIDTH / 2)) $((Y + 10)) 60 40
moved="$((x0 + 60)) $((y0 + 40)) $WIDTH $HEIGHT"
nudged="$((x0 + 59)) $((y0 + 39)) $WIDTH $HEIGHT"
movedBy() { isAt "$moved" || { [[ $windowManager != none ]] && isAt "$nudged" && moved=$nudged; }; }
waitFor movedBy || fail "caption drag by (60, 40): expected $moved, got $X $Y $WIDTH $HEIGHT"

# The window's last pixel lies in the corner zone; the release ends just past the new edges.
drag $((X + WIDTH - 1)) $((Y + HEIGHT - 1)) 80 50
resized="$X $Y $((WIDTH + 79)) $((HEIGHT + 49))"
waitFor isAt "$resized" || fail "corner drag by (80, 50): expected $resized, got $X $Y $WIDTH $HEIGHT"
echo "PASS: moved to $moved, resized to $resized"
