#!/usr/bin/env bash
# Cross-builds Qt for 64-bit Windows from Debian's own qtbase source package, with Debian's
# MinGW-w64, and installs it into a cache folder outside the repository. Prints that folder.
#
# The folder is reused when it holds a complete build of the same version and options; anything
# else is built again. The first build takes about half an hour on two cores.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
qt_version=6.4.2
cache=${CORVANTA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/corvanta}
prefix=$cache/qt-$qt_version-mingw64
work=$cache/qt-$qt_version-mingw64-build
jobs=${JOBS:-$(nproc)}

say() { echo "[qt for windows] $*" >&2; }

# Only what Corvanta uses: Core, Gui, Widgets, Test, the windows and offscreen platforms and the
# Windows styles, with the image and text libraries that come with the sources. OpenGL stays on:
# the windows platform plugin of 6.4.2 does not compile without it. Debian's source leaves out
# the Wintab headers that tablet events need.
options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_network=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_jpeg=OFF
    -DFEATURE_zstd=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_androiddeployqt=OFF
)

toolchain=$repo/cmake/mingw-w64-x86_64.cmake
stamp_text="qtbase $qt_version ${options[*]} $(sha256sum "$toolchain" | cut -d' ' -f1)"
if [ -f "$prefix/corvanta-stamp" ] && [ "$(cat "$prefix/corvanta-stamp")" = "$stamp_text" ]; then
    say "reusing $prefix"
    echo "$prefix"
    exit 0
fi

"$repo/scripts/install-deps.sh" windows-qt >&2

# apt-get source needs a deb-src entry for the archive the machine already uses.
if ! apt-get source --print-uris qt6-base 2>/dev/null | grep -q "qt6-base_$qt_version"; then
    say "adding deb-src entries for the Debian archive"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -e "$f" ] || continue
        grep -q '^Types:.*deb-src' "$f" && continue
        sed 's/^Types: deb$/Types: deb-src/' "$f" |
            $sudo tee "/etc/apt/sources.list.d/corvanta-src-$(basename "$f")" >/dev/null
    done
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list |
            $sudo tee /etc/apt/sources.list.d/corvanta-src.list >/dev/null
    fi
    $sudo apt-get update -qq
fi

rm -rf "$work" "$prefix"
mkdir -p "$work"
say "fetching Debian's qt6-base $qt_version source"
(cd "$work" && apt-get source -qq --download-only qt6-base >/dev/null 2>&1 ||
    apt-get source -q --download-only qt6-base >&2)
ls "$work"/qt6-base_"$qt_version"*.dsc >/dev/null ||
    { say "the archive's qt6-base is not $qt_version, the host's Qt"; exit 1; }
say "unpacking it with Debian's patches"
(cd "$work" && dpkg-source -x --skip-debianization qt6-base_*.dsc src >/dev/null 2>&1)

# The toolchain file is kept with the build, so that Qt's own toolchain file, which refers to it,
# still works when the repository moves.
mkdir -p "$prefix"
cp "$toolchain" "$prefix/mingw-w64-x86_64.cmake"

say "configuring (about three minutes)"
cmake -S "$work/src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${options[@]}" >"$work/configure.log" 2>&1 ||
    { tail -40 "$work/configure.log" >&2; say "configure failed: $work/configure.log"; exit 1; }

# Ninja's own progress, thinned to one line per 2 % with the time taken so far.
say "building with $jobs jobs"
start=$SECONDS
set +e
NINJA_STATUS='%f/%t ' cmake --build "$work/build" -j "$jobs" 2>&1 | tee "$work/build.log" |
    awk '
        match($0, /^[0-9]+\/[0-9]+ /) {
            split(substr($0, 1, RLENGTH - 1), n, "/")
            pct = int(100 * n[1] / n[2])
            if (pct >= shown + 2 || n[1] == n[2]) {
                shown = pct
                cmd = "date +%s"; cmd | getline t; close(cmd)
                if (!t0) t0 = t
                printf "[qt for windows] %3d %% (%d of %d steps, %d min)\n", pct, n[1], n[2],
                       (t - t0) / 60 > "/dev/stderr"
                fflush("/dev/stderr")
            }
        }'
status=${PIPESTATUS[0]}
set -e
if [ "$status" -ne 0 ]; then
    grep -B2 -A20 -m3 'FAILED:' "$work/build.log" >&2 || tail -40 "$work/build.log" >&2
    say "build failed: $work/build.log"
    exit 1
fi

say "installing into $prefix"
cmake --install "$work/build" --strip >/dev/null
echo "$stamp_text" >"$prefix/corvanta-stamp"
rm -rf "$work"
say "done in $(((SECONDS - start) / 60)) min"
echo "$prefix"
