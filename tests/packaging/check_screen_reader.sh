#!/usr/bin/env bash
# The installed program as a screen reader hears it: on a virtual X display, in a D-Bus session
# of its own with the accessibility bus, lees_bord.py plays the opening of a game through AT-SPI
# alone and reads the board back. The tools come with scripts/install-deps.sh check.
# Usage: check_screen_reader.sh <cmake> <build dir>
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Inside the private session bus: the accessibility bus first, so that the program and the
# client find it through the session bus, then the program and the client.
if [ "${1-}" = --in-session ]; then
    program=$2 work=$3
    trap 'kill $(jobs -p) 2>/dev/null; wait' EXIT
    /usr/libexec/at-spi-bus-launcher --launch-immediately >>"$work/bus.log" 2>&1 &
    for _ in $(seq 100); do
        dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus / \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true &&
            break
        sleep 0.05
    done
    # Qt speaks to the bus only when told to, as it does when a screen reader runs.
    ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0 \
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "$program" >"$work/out" 2>&1 &
    /usr/bin/python3 "$(dirname "$0")/lees_bord.py" $! >&5 2>&4 ||
        fail "the screen reader heard otherwise; the program said: $(cat "$work/out")"
    exit 0
fi

cmake=$1 build=$2
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$work"' EXIT
"$cmake" --install "$build" --prefix "$work/usr" >/dev/null

exec 3< <(exec Xvfb -displayfd 1 -nolisten tcp -screen 0 1280x1024x24 2>"$work/xvfb.log")
pids+=($!)
read -r -t 10 display <&3 || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$display
# The private session's accessibility bus, not a desktop's; its socket in the work folder.
unset AT_SPI_BUS_ADDRESS
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# timeout leads a process group of its own and ends all of it, the session's daemons too.
timeout -k 2 30 dbus-run-session -- bash "$0" --in-session "$work/usr/bin/corvanta" "$work" \
    4>&2 5>&1 >"$work/bus.log" 2>&1
