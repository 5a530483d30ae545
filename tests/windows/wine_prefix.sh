#!/bin/sh
# Makes the Wine prefix that the suite runs in, with the environment given as NAME=VALUE
# arguments in the prefix's own: Wine does not pass Qt's variables (QT_...) on from Linux.
# Usage: wine_prefix.sh <wine.sh> NAME=VALUE...
set -eu
wine=$1
shift
"$wine" wineboot --init
for paar in "$@"; do
    "$wine" reg add 'HKCU\Environment' /v "${paar%%=*}" /d "${paar#*=}" /f >/dev/null
done
