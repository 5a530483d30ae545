#!/usr/bin/env bash
# Corvanta's Windows installer in a fresh Wine, as a school's PC takes it: an older version
# installed first and this one over it in place, and a rebuilt installer of this version over
# that; the installed program on Windows' own platform plugin, on a 1920 x 1080 screen at 125 %
# and 150 %, with its board on the screen, drawn at the screen's scale; two teams typed in and a
# year played, and the standings opened with Ctrl+H, their chart drawn, Qt Charts loaded only
# then; ending cleanly when closed, having written no file and no registry value of its own; an
# older version refused over it; and nothing left behind once it is removed.
# Usage: check_installer.sh <build dir> <version>
# The tools it uses come with scripts/install-deps.sh windows. It leaves the screenshots of the
# board and the standings in <build dir>/tests/windows/.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

build=$(realpath "$1") version=$2
msi=$build/Corvanta-$version-x64.msi
zip=$build/Corvanta-$version-x64.zip
pakket=$build/packaging/windows/pakket/Corvanta
uit=$build/tests/windows
work=$(mktemp -d)
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The installed program finds what it needs beside it, or not at all.
unset WINEPATH QT_QPA_PLATFORM QT_PLUGIN_PATH QT_FORCE_STDERR_LOGGING
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wineserver -k 2>/dev/null; wait; rm -rf "$work"' EXIT

# What goes to the PC: a GUI program with its icon and version, at most 15 MB, zip and installer
# of the same files.
size=$(stat -c %s "$msi")
[ "$size" -le $((15 * 1024 * 1024)) ] || fail "the installer is $size bytes, over 15 MB"
kop=$(x86_64-w64-mingw32-objdump -p "$pakket/corvanta.exe")
grep -q '^Subsystem.*(Windows GUI)' <<<"$kop" ||
    fail "corvanta.exe is not a GUI program: it would open a console window"
resources=$(wrestool -l "$pakket/corvanta.exe")
grep -q -- '--type=14' <<<"$resources" || fail "corvanta.exe carries no icon"
grep -q -- '--type=16' <<<"$resources" || fail "corvanta.exe carries no version"
files() { find "$1" -type f -printf '%P\n' | LC_ALL=C sort; }
mkdir "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$zip")
diff -u <(files "$pakket") <(files "$work/zip/Corvanta") || fail "the zip holds other files"

# A 1920 x 1080 display with a window manager, as a desktop has.
exec 3< <(exec Xvfb -displayfd 1 -nolisten tcp -screen 0 1920x1080x24 2>"$work/xvfb.log")
pids+=($!)
read -r -t 10 display <&3 || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$display
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
wineboot --init >/dev/null 2>&1
wineserver -w

drive_c=$WINEPREFIX/drive_c
installed=$drive_c/Program\ Files/Corvanta
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# "name=value" of every value of the installed apps' entries that names Corvanta.
entries() {
    wine reg query "$uninstall" /s 2>/dev/null | tr -d '\r' | awk '
        /^HKEY/ {if (corvanta) print entry; entry = ""; corvanta = 0; next}
        NF >= 3 {entry = entry $1 "=" substr($0, index($0, $3)) "\n"
                 if ($1 == "DisplayName" && $3 == "Corvanta") corvanta = 1}
        END {if (corvanta) print entry}'
}
msiexec() {
    wine msiexec "$@" /qn /l*v "$work/msiexec.log" >/dev/null 2>&1
}
# Corvanta listed once among the installed apps, its files those of folder $1.
eenmaal_met() {
    [ "$(entries | grep -c '^DisplayName=')" = 1 ] || fail "$2 the installed apps list: $(entries)"
    diff -u <(files "$1") <(files "$installed") || fail "$2 the install holds other files"
}
# An installer of the files in folder $1, numbered $2, into $3.
maak_msi() {
    "$(dirname "$0")/../../packaging/windows/maak_msi.sh" "$1" "$2" \
        "$build/packaging/windows/corvanta.ico" "Corvanta maintainers" "$3" >/dev/null 2>&1 ||
        fail "wixl could not make $3"
}

# The same files as this version, numbered as an older one.
older=$work/Corvanta-0.9.0-x64.msi
maak_msi "$pakket" 0.9.0 "$older"
msiexec /i "$older" || fail "the older version did not install: $(tail -5 "$work/msiexec.log")"
msiexec /i "$msi" || fail "this version did not install: $(tail -5 "$work/msiexec.log")"
eenmaal_met "$pakket" "over the older version"
entries | grep -qx "DisplayVersion=$version" || fail "the installed apps show $(entries)"

# A rebuilt installer of the same version, as a school redeploys it, replaces the one installed:
# one entry, and the second build's files. Then this build again, the same way.
rebuilt=$work/rebuilt
cp -r "$pakket" "$rebuilt"
echo "rebuilt" >"$rebuilt/rebuilt.txt"
maak_msi "$rebuilt" "$version" "$work/rebuilt.msi"
msiexec /i "$work/rebuilt.msi" || fail "the rebuilt installer did not install"
eenmaal_met "$rebuilt" "after a rebuilt installer of the same version"
msiexec /i "$msi" || fail "this build did not install over the rebuilt one"
eenmaal_met "$pakket" "after this build over the rebuilt one"
# Windows puts a per-machine install's entry into the common Start menu; Wine into the user's.
menu=$(tr -d '\r' <"$work/msiexec.log" | sed -n 's/^Property(S): ProgramMenuFolder = //p' | head -n 1)
shortcut=$(wine winepath -u "${menu}Corvanta.lnk" 2>/dev/null | tr -d '\r')
[ -f "$shortcut" ] || fail "no Start menu entry in $menu"

# The installed program at each scale: the board on the screen, title bar and all, at the
# screen's scale rather than stretched by Windows; closed from its title bar, it asks, ends with
# status 0, and has written nothing.
# Where a program keeps values of its own (QSettings among them): the users' and the machine's
# software keys. Wine's display driver rewrites its entries under System at every start.
registry() {
    local key
    for key in 'HKEY_CURRENT_USER\Software' 'HKEY_LOCAL_MACHINE\Software'; do
        wine regedit /e "$work/key.utf16" "$key" 2>/dev/null
        wineserver -w
        iconv -f UTF-16 -t UTF-8 "$work/key.utf16" | tr -d '\r'
    done >"$work/$1.reg"
}
# The id of the visible window titled $1, waited for $2 tenths of a second; else fails, saying $3
# and what the program said last.
zichtbaar() {
    local id _
    for _ in $(seq "$2"); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        [ -z "$id" ] || { echo "$id" && return; }
        sleep 0.1
    done
    fail "$3: $(tail -5 "$work/out")"
}
# Two teams typed into the add-teams dialog, Enter. From the board's focused "forward", Tab past
# the two teams' share and name boxes to square 3's button, whose dialog gives Noord a system
# (key 1, then Space on its button); back to "forward", and a year played. Then Ctrl+H, before
# which Qt Charts is not loaded, and after which the standings show, loaded with it, Noord's line
# drawn in its pawn's colour.
geladen() { tr -d '\r' <"$work/out" | grep -i -c 'Loaded L".*qt6charts\.dll"' || true; }
speel_en_open_standen() {
    xdotool type --delay 40 $'Noord\tOost'
    xdotool key Return
    sleep 1
    xdotool key Tab Tab Tab Tab Tab space sleep 1 key 1 space sleep 1 \
        key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space
    sleep 1
    [ "$(geladen)" = 0 ] || fail "at $dpi dpi Qt Charts was loaded before the standings opened"
    xdotool key ctrl+h
    local venster
    venster=$(zichtbaar "$standen" 100 "at $dpi dpi Ctrl+H showed no standings")
    sleep 2
    [ "$(geladen)" -ge 1 ] || fail "at $dpi dpi the standings show without Qt Charts loaded"
    import -window root "$uit/standings-$dpi-dpi.png"
    import -window "$venster" "$work/standen.png"
    # Noord's line, at 100 %, in the window's upper half, where neither axis nor legend is.
    rood=$(convert "$work/standen.png" -crop 100%x50%+0+0 -fuzz 12% -fill black -opaque '#FE0000' \
        -fill white +opaque black -format '%[fx:int(w*h*(1-mean))]' info:)
    [ "$rood" -ge 200 ] || fail "at $dpi dpi the standings' chart shows no line: $rood red pixels"
    xdotool key Escape
    sleep 0.5
}
for dpi in 120 144; do
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null 2>&1
    wineserver -w
    registry voor
    touch "$work/moment"
    # In Dutch at 150 %, in the screenshot. Wine traces every DLL the program loads.
    taal=en standen=standings
    [ "$dpi" = 120 ] || { taal=nl standen=stand; }
    (cd "$installed" && WINEDEBUG=+loaddll wine ./corvanta.exe --language $taal >"$work/out" 2>&1) &
    programma=$!
    bord=$(zichtbaar "Corvanta 5" 300 "at $dpi dpi no board appeared")
    sleep 2
    import -window root "$uit/board-$dpi-dpi.png"
    speel_en_open_standen
    eval "$(xdotool getwindowgeometry --shell "$bord")"
    frame=$(xwininfo -frame -id "$bord")
    top=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$frame")
    left=$(awk '/Absolute upper-left X/ {print $4}' <<<"$frame")
    # The program sizes itself to Windows' frame, a 33-pixel caption at 150 %; Wine hands the
    # window to the X window manager, whose title bar is smaller and which places it a few
    # pixels lower than Windows would. Title bar and all, it must fit the screen.
    [ "$top" -ge 0 ] && [ "$left" -ge 0 ] && [ $((Y - top + HEIGHT)) -le 1080 ] &&
        [ $((X + WIDTH)) -le 1920 ] ||
        fail "at $dpi dpi the board is at $X,$Y, ${WIDTH}x$HEIGHT, its frame from $left,$top"
    [ "$WIDTH" -ge $((1016 * dpi / 96 * 95 / 100)) ] || [ "$HEIGHT" -ge $((1080 * 8 / 10)) ] ||
        fail "at $dpi dpi the board is ${WIDTH}x$HEIGHT: not drawn at the screen's scale"
    wmctrl -i -c "$bord"
    sleep 1
    xdotool key Return
    wait "$programma" || fail "at $dpi dpi the program ended with status $?: $(cat "$work/out")"
    wineserver -w
    registry na
    written=$(find "$drive_c" -newer "$work/moment" -type f)
    [ -z "$written" ] || fail "the program wrote files: $written"
    diff <(grep -v '^@\|^\[.*\] [0-9]*$' "$work/voor.reg") \
        <(grep -v '^@\|^\[.*\] [0-9]*$' "$work/na.reg") >"$work/reg.diff" ||
        fail "the program wrote into the registry: $(head -20 "$work/reg.diff")"
done

# An older version is refused, with a message that says why, and this one stays.
! msiexec /i "$older" || fail "the older version installed over this one"
# Windows shows the launch condition's message; Wine's installer does not log it.
grep -q "WIX_DOWNGRADE_DETECTED = " "$work/msiexec.log" || fail "the downgrade went unnoticed"
msiinfo export "$msi" LaunchCondition | tr -d '\r' |
    grep -q $'^NOT WIX_DOWNGRADE_DETECTED\tA newer version of Corvanta is already installed' ||
    fail "the refusal does not say why: $(msiinfo export "$msi" LaunchCondition)"
entries | grep -qx "DisplayVersion=$version" || fail "after the refusal the apps show $(entries)"

# Removed, it leaves nothing behind.
msiexec /x "$msi" || fail "it did not uninstall: $(tail -5 "$work/msiexec.log")"
[ ! -e "$installed" ] || fail "left behind: $(find "$installed")"
[ ! -e "$shortcut" ] || fail "the Start menu entry is left behind"
[ -z "$(entries)" ] || fail "the installed apps still list $(entries)"
