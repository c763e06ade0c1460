#!/usr/bin/env bash
# Reads the real installer window as a screen reader does, through the accessibility bus in
# an X server and a session bus of its own: screen_reader.py checks the tree as read, presses
# Install and reads the confirmation box. Usage: screen_reader.sh INSTALLER VERSION
# [LANGUAGE (C or de)]; exits 77 to skip, which fails under CI=true.
set -uo pipefail

installer=${1:?usage: screen_reader.sh INSTALLER VERSION}
version=${2:?usage: screen_reader.sh INSTALLER VERSION}
language=${3:-C}
locale=$([[ $language == C ]] && echo C.UTF-8 || echo "${language}_DE.UTF-8")
timeLimit=90
skip() {
    [[ ${CI:-} == true ]] && { echo "FAIL: CI=true, and the test cannot run: $*"; exit 1; }
    echo "SKIP: $*"; exit 77
}
# shellcheck source=tests/e2e/common.sh
source "$(dirname "$0")/common.sh"
began=$SECONDS

# Debian's own Python, which has pyatspi: the python3 first on PATH may not.
python=/usr/bin/python3
[[ -x /usr/libexec/at-spi-bus-launcher ]] && command -v dbus-launch >/dev/null &&
    "$python" -c 'import pyatspi' 2>/dev/null ||
    skip "at-spi2-core, dbus-x11 or $python's pyatspi is missing (scripts/setup installs them)"
command -v xdotool >/dev/null || fail "xdotool is not installed (scripts/setup installs it)"
[[ -x $installer ]] || fail "no installer at $installer"
startServer || skip "Xvfb could not be started: $(tail -n 3 "$work/xvfb.log" | tr '\n' ' ')"

# A session bus and the accessibility bus of this test's own, with nothing of this
# machine's user: no settings, no running desktop's buses.
mkdir -p "$work/home" "$work/runtime" && chmod 700 "$work/runtime"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/home/.config GSETTINGS_BACKEND=memory
unset AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS
eval "$(dbus-launch --sh-syntax 2>"$work/dbus.log")"
[[ -n ${DBUS_SESSION_BUS_PID:-} ]] ||
    skip "the session bus did not start: $(tail -n 3 "$work/dbus.log" | tr '\n' ' ')"
started+=("$DBUS_SESSION_BUS_PID")
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 & started+=($!)
waitFor dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 ||
    skip "the accessibility bus did not start: $(tail -n 3 "$work/atspi.log" | tr '\n' ' ')"

# A PSP stick mounted as a desktop mounts one, as a PSP formats it before its browser
# saved anything; it goes with the namespace.
stick=/media/PSPCARD
mkdir "$stick" && mount -t tmpfs -o size=64m tmpfs "$stick" && mkdir -p "$stick/PSP/SYSTEM/BROWSER" ||
    fail "no tmpfs for the stick"
env -u QT_QPA_PLATFORM QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL="$locale" \
    "$installer" --drive "$stick" >"$work/installer.log" 2>&1 & started+=($!)
window=$(timeout 30 xdotool search --sync --onlyvisible --name 'Orvex Tessary' 2>/dev/null | head -n 1)
[[ -n $window ]] || fail "the installer window did not appear"
# Without a window manager the window gets the keyboard only when given it.
xdotool windowfocus --sync "$window" || fail "the window could not be given the keyboard"

"$python" -I "$(dirname "$0")/screen_reader.py" "$stick" "$version" "$language" ||
    fail "the screen reader's view is not as it should be"
echo "PASS in $((SECONDS - began)) s"
