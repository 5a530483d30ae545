# shellcheck shell=bash
# Shared by the packaging checks: the tools they need, and the files an install must hold.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

need_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null ||
            fail "$tool is missing; scripts/install-deps.sh check installs it (make test runs it)"
    done
}

# Every file an install puts under its prefix, and nothing else: a test program, a tool or a
# benchmark that found its way into the install would show up here.
expected_files() {
    local id=$1 size
    echo "bin/corvanta"
    echo "share/applications/$id.desktop"
    for size in 16 24 32 48 64 128 256; do
        echo "share/icons/hicolor/${size}x${size}/apps/$id.png"
    done
    echo "share/icons/hicolor/scalable/apps/$id.svg"
    echo "share/metainfo/$id.metainfo.xml"
    echo "share/man/man1/corvanta.1.gz"
    echo "share/doc/corvanta/copyright"
    echo "share/doc/corvanta/changelog.gz"
}

# Width and height of a PNG, from its IHDR chunk.
png_size() {
    local bytes
    read -r -a bytes < <(od -An -tu1 -j16 -N8 "$1")
    echo "$(((bytes[0] << 24) | (bytes[1] << 16) | (bytes[2] << 8) | bytes[3]))x$(((bytes[4] << 24) | (bytes[5] << 16) | (bytes[6] << 8) | bytes[7]))"
}

# The value of a key in the [Desktop Entry] group.
desktop_key() {
    sed -n "s/^$2=//p" "$1" | head -n 1
}
