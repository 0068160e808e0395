#!/bin/sh
# Runs a Windows program under Wine in the build's own prefix, quietly.
# The prefix lives beside the binaries so that tests never touch the user's ~/.wine.
here=$(cd "$(dirname "$0")/.." && pwd)
: "${WINEPREFIX:=$here/build/wine}"
: "${WINEDEBUG:=-all}"
export WINEPREFIX WINEDEBUG
export HOME="${WINE_HOME:-$WINEPREFIX/home}"
mkdir -p "$HOME"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec wine "$@"
