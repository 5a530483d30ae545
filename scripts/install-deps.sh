#!/usr/bin/env bash
# Installs the Debian packages that building, testing and packaging Corvanta need, when they are
# missing. Safe to run again: it does nothing when everything is there.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev qt6-charts-dev qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools
          qt6-translations-l10n)
case "${1:-build}" in
build) ;;
check) packages+=(desktop-file-utils appstream man-db dpkg-dev lintian xvfb x11-utils dbus
                 at-spi2-core python3-pyatspi xdotool) ;;
clang) packages+=(clang) ;;
# Qt for Windows, cross-built from Debian's source package.
windows-qt) packages+=(g++-mingw-w64-x86-64-posix dpkg-dev ninja-build qt6-base-dev-tools) ;;
# Corvanta for Windows, its installer, and the suite under Wine.
windows) packages+=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wixl msitools icoutils
                    wine64 xvfb openbox imagemagick x11-utils xdotool wmctrl) ;;
*) echo "usage: $0 [build|check|clang|windows-qt|windows]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
