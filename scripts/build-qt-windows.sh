#!/usr/bin/env bash
# Cross-builds Qt for 64-bit Windows with Debian's MinGW-w64 and installs it into a cache folder
# outside the repository; prints that folder. Two parts, each with a stamp of its own, so that
# one is rebuilt without the other:
#   qtbase     from Debian's own qt6-base source package (about half an hour on two cores);
#   Qt Charts  from Debian's qt6-charts source package where the archive serves it, otherwise
#              from a tarball of its source whose checksum is known (CORVANTA_QTCHARTS_SOURCE,
#              or ../shared/vendor/ beside the repository; README, "Windows").
# Debian's sources are fetched through a source list of the script's own: the machine's package
# sources stay as they are.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
qt_version=6.4.2
cache=${CORVANTA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/corvanta}
prefix=$cache/qt-$qt_version-mingw64
work=$cache/qt-$qt_version-mingw64-build
apt_dir=$cache/apt
jobs=${JOBS:-$(nproc)}

# The two tarballs of Qt Charts 6.4.2 accepted: Qt's own release tarball (Debian's orig tarball),
# and the tree at Qt's tag v6.4.2 packed with git archive.
charts_tarball=qtcharts-everywhere-src-$qt_version.tar.xz
charts_sha256=(a1a7c0e08c8870cf97d1c3a2eb3f37681aaed00a63b5b2f70bdf2da878d0a9aa
               413b3fd6d1c4e353a74d002f33f143483f527614db720ab21fa368ba529c8f40)
charts_source=${CORVANTA_QTCHARTS_SOURCE:-$repo/../shared/vendor/$charts_tarball}

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
# Qt Charts' library alone: no examples, tests or Designer plugin (no Qt Designer is built).
charts_options=(
    -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_BENCHMARKS=OFF
)

toolchain=$repo/cmake/mingw-w64-x86_64.cmake
stamp_text="qtbase $qt_version ${options[*]} $(sha256sum "$toolchain" | cut -d' ' -f1)"
charts_stamp_text="qtcharts $qt_version ${charts_options[*]} on $(echo "$stamp_text" | sha256sum |
    cut -d' ' -f1)"

stamp_matches() { [ -f "$1" ] && [ "$(cat "$1")" = "$2" ]; }

# apt-get with a source list that holds Debian's archive as the machine's own Qt comes from it,
# as deb-src, and keeps its indexes in the cache.
apt_source() {
    if [ ! -f "$apt_dir/sources.list" ]; then
        mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
        apt-cache policy qt6-base-dev |
            awk '$1 ~ /^[0-9]+$/ && $2 ~ /:\/\// && $NF == "Packages" {
                     split($3, s, "/"); print "deb-src " $2 " " s[1] " " s[2] }' |
            sort -u >"$apt_dir/sources.list.new"
        [ -s "$apt_dir/sources.list.new" ] ||
            { say "apt knows no archive that qt6-base-dev comes from"; exit 1; }
        mv "$apt_dir/sources.list.new" "$apt_dir/sources.list"
        apt_own update -qq >&2
    fi
    apt_own source "$@"
}
apt_own() {
    apt-get -o Dir::Etc::SourceList="$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null \
        -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache" \
        -o APT::Sandbox::User="$(id -un)" "$@"
}

# Runs a CMake build, thinning Ninja's progress to one line per 2 % with the minutes taken.
build_with_progress() { # build-dir log
    say "building with $jobs jobs"
    set +e
    NINJA_STATUS='%f/%t ' cmake --build "$1" -j "$jobs" 2>&1 | tee "$2" |
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
    local status=${PIPESTATUS[0]}
    set -e
    if [ "$status" -ne 0 ]; then
        grep -B2 -A20 -m3 'FAILED:' "$2" >&2 || tail -40 "$2" >&2
        say "build failed: $2"
        exit 1
    fi
}

configure() { # source-dir build-dir log cmake-options...
    local src=$1 build=$2 log=$3
    shift 3
    cmake -S "$src" -B "$build" -G Ninja "$@" >"$log" 2>&1 ||
        { tail -40 "$log" >&2; say "configure failed: $log"; exit 1; }
}

build_qtbase() {
    rm -rf "$work" "$prefix"
    mkdir -p "$work"
    say "fetching Debian's qt6-base $qt_version source"
    (cd "$work" && apt_source -qq --download-only qt6-base >/dev/null 2>&1 ||
        apt_source -q --download-only qt6-base >&2)
    ls "$work"/qt6-base_"$qt_version"*.dsc >/dev/null ||
        { say "the archive's qt6-base is not $qt_version, the host's Qt"; exit 1; }
    say "unpacking it with Debian's patches"
    (cd "$work" && dpkg-source -x --skip-debianization qt6-base_*.dsc src >/dev/null 2>&1)
    (cd "$work" && basename qt6-base_*.dsc .dsc) >"$work/herkomst"

    # The toolchain file is kept with the build, so that Qt's own toolchain file, which refers to
    # it, still works when the repository moves.
    mkdir -p "$prefix"
    cp "$toolchain" "$prefix/mingw-w64-x86_64.cmake"

    say "configuring qtbase (about three minutes)"
    configure "$work/src" "$work/build" "$work/configure.log" \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        "${options[@]}"
    local start=$SECONDS
    build_with_progress "$work/build" "$work/build.log"
    say "installing qtbase into $prefix"
    cmake --install "$work/build" --strip >/dev/null
    echo "debian-source $(cat "$work/herkomst")" >"$prefix/corvanta-source-qtbase"
    echo "$stamp_text" >"$prefix/corvanta-stamp"
    rm -rf "$work"
    say "qtbase done in $(((SECONDS - start) / 60)) min"
}

# Unpacks Qt Charts' source into $work/charts-src and records where it came from.
fetch_qtcharts() {
    mkdir -p "$work"
    say "fetching Debian's qt6-charts $qt_version source"
    if (cd "$work" && apt_source -qq --download-only qt6-charts >/dev/null 2>&1) &&
        ls "$work"/qt6-charts_"$qt_version"*.dsc >/dev/null 2>&1; then
        say "unpacking it with Debian's patches"
        (cd "$work" && dpkg-source -x --skip-debianization qt6-charts_*.dsc charts-src >/dev/null)
        echo "debian-source $(cd "$work" && basename qt6-charts_*.dsc .dsc)" >"$work/herkomst"
        return
    fi
    say "the archive does not serve it; taking $charts_source"
    if [ ! -f "$charts_source" ]; then
        cat >&2 <<MSG
[qt for windows] No source of Qt Charts $qt_version to hand. Either
  - use a Debian 12 mirror that serves source packages ('apt-get source qt6-charts'), or
  - download Qt's release tarball,
      https://download.qt.io/archive/qt/6.4/$qt_version/submodules/$charts_tarball
    and put it at $charts_source
    (or give its path in CORVANTA_QTCHARTS_SOURCE).
MSG
        exit 1
    fi
    local sum
    sum=$(sha256sum "$charts_source" | cut -d' ' -f1)
    if [[ ! " ${charts_sha256[*]} " =~ " $sum " ]]; then
        say "$charts_source has SHA-256 $sum, which is not Qt Charts $qt_version's; refused"
        exit 1
    fi
    rm -rf "$work/charts-src" && mkdir -p "$work/charts-src"
    tar -xJf "$charts_source" -C "$work/charts-src" --strip-components=1
    echo "tarball $charts_tarball $sum" >"$work/herkomst"
}

build_qtcharts() {
    rm -rf "$work"
    rm -f "$prefix/corvanta-stamp-qtcharts"
    fetch_qtcharts
    say "configuring Qt Charts"
    configure "$work/charts-src" "$work/charts-build" "$work/charts-configure.log" \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        "${charts_options[@]}"
    local start=$SECONDS
    build_with_progress "$work/charts-build" "$work/charts-build.log"
    say "installing Qt Charts into $prefix"
    cmake --install "$work/charts-build" --strip >/dev/null
    cp "$work/herkomst" "$prefix/corvanta-source-qtcharts"
    echo "$charts_stamp_text" >"$prefix/corvanta-stamp-qtcharts"
    rm -rf "$work"
    say "Qt Charts done in $(((SECONDS - start) / 60)) min"
}

if stamp_matches "$prefix/corvanta-stamp" "$stamp_text"; then
    say "reusing qtbase in $prefix"
    # A build from before its sources were recorded: they are what the archive serves.
    if [ ! -f "$prefix/corvanta-source-qtbase" ]; then
        dsc=$(apt_source --print-uris qt6-base | grep -o "qt6-base_$qt_version[^ ']*\.dsc" |
            head -n 1) || { say "the archive serves no qt6-base $qt_version source"; exit 1; }
        echo "debian-source ${dsc%.dsc}" >"$prefix/corvanta-source-qtbase"
    fi
else
    "$repo/scripts/install-deps.sh" windows-qt >&2
    build_qtbase
fi
if stamp_matches "$prefix/corvanta-stamp-qtcharts" "$charts_stamp_text"; then
    say "reusing Qt Charts in $prefix"
else
    "$repo/scripts/install-deps.sh" windows-qt >&2
    build_qtcharts
fi
echo "$prefix"
