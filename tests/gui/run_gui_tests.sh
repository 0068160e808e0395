#!/bin/sh
# Runs the GUI tests: the Windows test driver and the program under Wine, on a virtual
# display of their own that is stopped afterwards.
#
#   run_gui_tests.sh GUI_TESTS_EXE PROGRAM_EXE SCREENSHOT_DIR [test arguments...]
#
# They run in a Wine prefix of their own beside the test driver, made from the build's
# prefix with the Chinese fonts set up (cmake/wine-gui-prefix.sh says why).
set -u

if [ $# -lt 3 ]; then
  echo "usage: $0 GUI_TESTS_EXE PROGRAM_EXE SCREENSHOT_DIR [test arguments...]" >&2
  exit 2
fi
tests_exe=$1
program_exe=$2
screenshots=$3
shift 3

here=$(cd "$(dirname "$0")/../.." && pwd)
prefix=$(cd "$(dirname "$tests_exe")/.." && pwd)/gui-wine
sh "$here/cmake/wine-gui-prefix.sh" "$prefix" || exit 1
export WINEPREFIX="$prefix"
export WINEDEBUG=${WINEDEBUG:--all}

# One run at a time in this prefix: its server and its windows are the run's own.
exec 9>"$prefix.lock"
flock 9

# A virtual display on the first free number, stopped with whatever ran on it.
. "$here/cmake/virtual-display.sh"
trap stop_virtual_display EXIT
trap 'exit 130' INT TERM
start_virtual_display || exit 1

# Wine sees the machine's root as drive Z:.
windows_path() {
  printf 'Z:%s' "$1" | tr / '\\'
}
mkdir -p "$screenshots"
MORVALE_GUI_PROGRAM=$(windows_path "$(cd "$(dirname "$program_exe")" && pwd)/$(basename "$program_exe")")
MORVALE_GUI_SCREENSHOTS=$(windows_path "$(cd "$screenshots" && pwd)")
export MORVALE_GUI_PROGRAM MORVALE_GUI_SCREENSHOTS
"$here/cmake/wine-run.sh" "$tests_exe" "$@"
status=$?
exit $status
