#!/usr/bin/env bash
# The installed program and its Debian package, seen as a user's machine sees them: exactly the
# expected files; a desktop entry, AppStream metainfo and manual page that their validators
# accept, the metainfo and the changelog naming the same releases; a program that shows its
# windows with its icon and the entry's window class, that a screen reader hears, and that
# without a display says why and ends with status 1; a package of the same files, depending on
# runtime libraries only, that lintian accepts.
# Usage: check_packaging.sh <cmake> <cpack> <build dir> <app id> <version> <standings: 1 or 0>
# The tools it uses come with scripts/install-deps.sh check.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# In a private D-Bus session: the accessibility bus first, so that the program and the client
# find it through the session bus, then the program, as a screen reader's user starts it, and
# the client, lees_bord.py, which plays the opening of a game through AT-SPI alone.
if [ "${1-}" = --screen-reader ]; then
    program=$2 work=$3
    trap 'kill $(jobs -p) 2>/dev/null; wait' EXIT
    /usr/libexec/at-spi-bus-launcher --launch-immediately >>"$work/bus.log" 2>&1 &
    for _ in $(seq 100); do
        dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus / \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true &&
            break
        sleep 0.05
    done
    ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0 \
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" --language en >"$work/out" 2>&1 &
    /usr/bin/python3 "$(dirname "$0")/lees_bord.py" $! >&5 2>&4 ||
        fail "the screen reader heard otherwise; the program said: $(cat "$work/out")"
    exit 0
fi

cmake=$1 cpack=$2 build=$3 id=$4 version=$5 standen=$6
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$work"' EXIT

# Every file an install puts under its prefix, and nothing else: a test program, a tool or a
# benchmark that found its way into the install would show up here.
expected_files() {
    echo bin/corvanta
    [ "$standen" = 0 ] || echo lib/corvanta/modules/corvanta_standen.so
    echo lib/corvanta/modules/corvanta_klokgeluid.so
    for size in 16 24 32 48 64 128 256; do
        echo "share/icons/hicolor/${size}x${size}/apps/$id.png"
    done
    printf '%s\n' "share/icons/hicolor/scalable/apps/$id.svg" "share/applications/$id.desktop" \
        "share/metainfo/$id.metainfo.xml" share/man/man1/corvanta.1.gz \
        share/doc/corvanta/copyright share/doc/corvanta/changelog.gz
}
prefix=$work/usr
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
diff -u <(expected_files | sort) <(cd "$prefix" && find . -type f -printf '%P\n' | sort) ||
    fail "the install holds other files than expected"

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
key() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
[ "$(key Icon) $(key Exec)" = "$id corvanta" ] || fail "the entry names another icon or program"
releases=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo")
[ "$(head -n 1 <<<"$releases")" = "$version" ] || fail "the newest release is not $version"
diff -u <(zcat "$prefix/share/doc/corvanta/changelog.gz" | sed -n 's/^corvanta (\(.*\)) .*/\1/p') \
    <(echo "$releases") || fail "the changelog and the metainfo list other releases"
out=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/corvanta.1.gz" 2>&1 >/dev/null) ||
    fail "man cannot show the manual page: $out"
[ -z "$out" ] || fail "man warns about the manual page: $out"

status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/corvanta" 2>"$work/out" ||
    status=$?
if [ "$status" -ne 1 ] || ! grep -q '^corvanta: ' "$work/out"; then
    fail "without a display the program ended with status $status: $(cat "$work/out")"
fi

# The command line, answered without a display as anywhere: --version, --help in the language
# asked for, a language it lacks.
cli() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/corvanta" "$@" 2>/dev/null
}
[ "$(cli --version)" = "Corvanta $version" ] || fail "--version says: $(cli --version)"
cli --language nl --help | grep -q -- '--language <code> *Spreek <code>' ||
    fail "--help in Dutch says: $(cli --language nl --help)"
! cli --language fr >/dev/null || fail "the program accepted --language fr"

# On a virtual X display: the board with the add-teams dialog over it, as the desktop sees them.
mkdir -m 700 "$work/runtime"
exec 3< <(exec Xvfb -displayfd 1 -nolisten tcp -screen 0 1280x1024x24 2>"$work/xvfb.log")
pids+=($!)
read -r -t 10 display <&3 || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$display
# libxkbcommon-x11 strndup()s X replies without a terminating NUL, which strndup allows but
# ASan's strict_string_checks reports.
ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0 \
    env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "$prefix/bin/corvanta" --language en >"$work/out" 2>&1 &
pids+=($!)
window() { # the id of the mapped window with this title
    for _ in $(seq 200); do
        id=$(xwininfo -name "$1" 2>/dev/null | awk '/Window id:/ {i = $4} /IsViewable/ {print i}') ||
            true
        [ -z "$id" ] || { echo "$id" && return; }
        sleep 0.1
    done
    fail "no window \"$1\" appeared: $(cat "$work/out")"
}
board=$(window "Corvanta 5")
teams=$(window "teams")
for w in "$board" "$teams"; do
    [ "$(xprop -len 4000000 -id "$w" _NET_WM_ICON | grep -c 'Icon (')" = 7 ] ||
        fail "window $w does not carry the icon in its seven sizes"
done
class=$(xprop -id "$board" WM_CLASS | sed -n 's/.*= ".*", "\(.*\)"$/\1/p')
[ "$class" = "$(key StartupWMClass)" ] || fail "the board's window class is '$class'"

# Heard as well as seen, through the AT-SPI bus of a session of its own: its socket in the work
# folder, not a desktop's. timeout leads a process group, and ends all of it, daemons included.
kill "${pids[-1]}"
env -u AT_SPI_BUS_ADDRESS -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$work/runtime" \
    timeout -k 2 60 dbus-run-session -- bash "$0" --screen-reader "$prefix/bin/corvanta" "$work" \
    4>&2 5>&1 >"$work/bus.log" 2>&1

# The Debian package, made from the top-level build only.
[ -f "$build/CPackConfig.cmake" ] || exit 0
"$cpack" --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.log")"
deb=$work/deb/corvanta_${version}_$(dpkg --print-architecture).deb
[ "$(dpkg-deb -f "$deb" Package Version | tr '\n' ' ')" = "Package: corvanta Version: $version " ] ||
    fail "the package is not corvanta $version"
depends=$(dpkg-deb -f "$deb" Depends)
names=$(sed 's/ ([^)]*)//g; s/, */\n/g' <<<"$depends")
charts=libqt6charts6
[ "$standen" != 0 ] || charts=
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 $charts; do
    grep -qxF "$lib" <<<"$names" || fail "Depends lacks $lib: $depends"
done
! grep -Eq -- '-dev$|^cmake$|^g\+\+' <<<"$names" || fail "Depends names a build package: $depends"
diff -u <(expected_files | sed 's|^|usr/|' | sort) \
    <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sed 's|^\./||' | sort) ||
    fail "the package holds other files than the install"
out=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $out"
