#!/usr/bin/env bash
# Starts the installed program on a virtual X display and looks at what the desktop sees: the
# board window at its fixed size with the add-teams dialog over it, each with the program's icon,
# and a window class that the desktop entry's StartupWMClass matches, so that X11 task bars show
# the entry's name and icon for it.
# Usage: check_window.sh <cmake> <build dir> <app id>
set -euo pipefail
source "$(dirname "$0")/common.sh"
cmake=$1 build=$2 id=$3
need_tools Xvfb xwininfo xprop

work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$work"' EXIT
prefix=$work/usr
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=:$(head -n 1 "$work/display")
export DISPLAY

# In the sanitizer build: libxkbcommon-x11 strndup()s X replies that carry no terminating NUL,
# which strndup allows but ASan's strict_string_checks reports.
ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0 \
    env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "$prefix/bin/corvanta" >"$work/out" 2>&1 &
pids+=($!)

# Waits for a mapped window with this title; prints its id.
window() {
    local tree id
    for _ in $(seq 200); do
        tree=$(xwininfo -root -tree 2>/dev/null || true)
        id=$(awk -v title="\"$1\": (" 'index($0, title) {print $1; exit}' <<<"$tree")
        if [ -n "$id" ] && grep -q 'Map State: IsViewable' <<<"$(xwininfo -id "$id")"; then
            echo "$id"
            return
        fi
        kill -0 "${pids[1]}" 2>/dev/null || break
        sleep 0.1
    done
    cat "$work/out" >&2
    fail "no window \"$1\" appeared"
}

# The icon sizes a window hands to the window manager, as "16x16 24x24 ...". xprop stops reading
# a property at a few kilobytes unless told otherwise.
icon_sizes() {
    xprop -len 4000000 -id "$1" _NET_WM_ICON | sed -n 's/.*Icon (\([0-9]*\) x \([0-9]*\)).*/\1x\2/p' |
        sort -n | tr '\n' ' '
}

sizes="16x16 24x24 32x32 48x48 64x64 128x128 256x256 "
board=$(window "Corvanta 5")
geometry=$(xwininfo -id "$board")
grep -q 'Width: 1016$' <<<"$geometry" || fail "the board window is not 1016 pixels wide"
grep -q 'Height: 745$' <<<"$geometry" || fail "the board window is not 745 pixels high"
[ "$(icon_sizes "$board")" = "$sizes" ] ||
    fail "the board window's icon has sizes '$(icon_sizes "$board")', not '$sizes'"
teams=$(window "teams")
[ "$(icon_sizes "$teams")" = "$sizes" ] ||
    fail "the add-teams dialog's icon has sizes '$(icon_sizes "$teams")', not '$sizes'"

class=$(xprop -id "$board" WM_CLASS | sed -n 's/.*= ".*", "\(.*\)"$/\1/p')
wm_class=$(desktop_key "$prefix/share/applications/$id.desktop" StartupWMClass)
[ "$class" = "$wm_class" ] ||
    fail "the board window's class is '$class', the desktop entry expects '$wm_class'"
echo "board window $board and add-teams dialog $teams shown on $DISPLAY, class $class"
