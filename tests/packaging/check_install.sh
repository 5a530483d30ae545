#!/usr/bin/env bash
# Installs the build into a fresh prefix, as `cmake --install` does on a user's machine, and
# checks what lands there: exactly the expected files, a desktop entry and AppStream metainfo
# that the freedesktop.org validators accept and that point at each other and at the icon, icons
# of the size their folder says, a manual page that man renders without a warning, a changelog
# with the same releases as the metainfo, and a program that starts headless and keeps running.
# Usage: check_install.sh <cmake> <build dir> <app id> <version>
set -euo pipefail
source "$(dirname "$0")/common.sh"
cmake=$1 build=$2 id=$3 version=$4
need_tools desktop-file-validate appstreamcli man

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/usr
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

diff -u <(expected_files "$id" | sort) <(cd "$prefix" && find . -type f -printf '%P\n' | sort) ||
    fail "the install holds other files than expected"

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] ||
    fail "desktop-file-validate: $out"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"

# The validators check each file alone; these are the links between them.
[ "$(desktop_key "$desktop" Icon)" = "$id" ] || fail "the desktop entry names another icon"
[ "$(desktop_key "$desktop" Exec)" = corvanta ] || fail "the desktop entry starts another program"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
grep -q "<binary>corvanta</binary>" "$metainfo" || fail "the metainfo names another program"
metainfo_releases=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo")
[ "$(head -n 1 <<<"$metainfo_releases")" = "$version" ] ||
    fail "the metainfo's newest release is not $version, the version being built"
diff -u <(zcat "$prefix/share/doc/corvanta/changelog.gz" | sed -n 's/^corvanta (\(.*\)) .*/\1/p') \
    <(echo "$metainfo_releases") || fail "the changelog and the metainfo list other releases"
for png in "$prefix"/share/icons/hicolor/*/apps/"$id".png; do
    folder=$(basename "$(dirname "$(dirname "$png")")")
    [ "$(png_size "$png")" = "$folder" ] || fail "$png is $(png_size "$png"), not $folder"
done
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "the SVG icon is no SVG"
out=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/corvanta.1.gz" 2>&1 >/dev/null) ||
    fail "man cannot show the manual page: $out"
[ -z "$out" ] || fail "man warns about the manual page: $out"

# Without a display it cannot show a window: it says so and ends with status 1, not an abort.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/corvanta" 2>"$work/out" ||
    status=$?
if [ "$status" -ne 1 ] || ! grep -q '^corvanta: ' "$work/out"; then
    fail "without a display the program ended with status $status: $(cat "$work/out")"
fi

# The program has no command line: it starts, shows its board and waits for the game master.
# Offscreen, all that can be seen from outside is that it comes up and stays up; a missing
# library or Qt plugin ends it within this time. check_window.sh looks at the windows themselves.
QT_QPA_PLATFORM=offscreen "$prefix/bin/corvanta" >"$work/out" 2>&1 &
pid=$!
sleep 3
if ! kill -0 "$pid" 2>/dev/null; then
    status=0
    wait "$pid" || status=$?
    cat "$work/out" >&2
    fail "the installed program ended by itself with status $status"
fi
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 143 ] || fail "the installed program ended with status $status, not by SIGTERM"
cat "$work/out"
echo "installed $(expected_files "$id" | wc -l) files; the program ran until it was stopped"
