#!/usr/bin/env bash
# Builds the Debian package with CPack and checks what apt would see: the same files as an install
# under /usr and nothing else, Depends read from the program's linked libraries (Qt and the C++
# runtime) with no build package among them, and not one error or warning from lintian.
# Usage: check_deb.sh <cpack> <build dir> <app id> <version>
set -euo pipefail
source "$(dirname "$0")/common.sh"
cpack=$1 build=$2 id=$3 version=$4
need_tools dpkg-deb dpkg-shlibdeps lintian

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cpack" --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
debs=("$work"/corvanta_"$version"_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no corvanta_${version}_*.deb"
deb=${debs[0]}

[ "$(dpkg-deb -f "$deb" Package)" = corvanta ] || fail "the package is not named corvanta"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package is not version $version"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] ||
    fail "the package is not for $(dpkg --print-architecture)"

depends=$(dpkg-deb -f "$deb" Depends)
names=$(sed 's/ ([^)]*)//g; s/, */\n/g' <<<"$depends")
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    grep -qxF "$lib" <<<"$names" || fail "Depends lacks $lib: $depends"
done
! grep -Eq -- '-dev$|^cmake$|^g\+\+' <<<"$names" || fail "Depends names a build package: $depends"

diff -u <(expected_files "$id" | sed 's|^|usr/|' | sort) \
    <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sed 's|^\./||' | sort) ||
    fail "the package holds other files than expected"

# Debian's own checks: policy, the copyright and changelog files, the manual page and more.
lintian_out=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $lintian_out"

echo "$(basename "$deb"): $(stat -c %s "$deb") bytes; Depends: $depends"
