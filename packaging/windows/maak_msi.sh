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
# A rebuilt installer of the same version replaces the one installed: the upgrade's maximum,
# this version, is included (attribute 512 of its row in the Upgrade table), as WiX's
# AllowSameVersionUpgrades would have it, which wixl 0.101 does not know. Else it would install
# a second copy beside the first.
msiinfo export "$uit" Upgrade | tr -d '\r' |
    awk -F'\t' 'BEGIN {OFS = "\t"} $7 == "WIX_UPGRADE_DETECTED" && $5 < 512 {$5 += 512} {print}' \
        >Upgrade.idt
msibuild "$uit" -i Upgrade.idt
