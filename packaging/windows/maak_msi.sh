#!/bin/sh
# Makes Corvanta's Windows installer from a folder of the files to install:
#   maak_msi.sh FOLDER VERSION ICON PUBLISHER OUTPUT.msi
# wixl-heat lists every file but the program, which corvanta.wxs installs itself together with
# its Start menu entry. wixl takes only relative paths, so it works in a folder of its own.
set -eu
wxs=$(cd "$(dirname "$0")" && pwd)/corvanta.wxs
uit=$(realpath "$5")
werk=$(mktemp -d)
trap 'rm -rf "$werk"' EXIT
ln -s "$(realpath "$1")" "$werk/bron"
cp "$3" "$werk/corvanta.ico"
cd "$werk"

find -L bron -type f ! -path bron/corvanta.exe | LC_ALL=C sort |
    wixl-heat --prefix bron/ --directory-ref INSTALLDIR --component-group Bestanden \
        --var var.Bron --win64 >bestanden.wxs
wixl --arch x64 -D Versie="$2" -D Bron=bron -D Icoon=corvanta.ico -D Uitgever="$4" -D Win64=yes \
    --output "$uit" "$wxs" bestanden.wxs
