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

# A virtual display on the first free number.
display_file=$(mktemp)
Xvfb -displayfd 7 -screen 0 1024x768x24 -nolisten tcp 7>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
stop() {
  # Ends whatever the tests left running in the prefix, then the display.
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null
  rm -f "$display_file"
}
trap stop EXIT
trap 'exit 130' INT TERM
i=0
while [ ! -s "$display_file" ]; do
  if ! kill -0 "$xvfb_pid" 2>/dev/null || [ $i -ge 300 ]; then
    echo "Xvfb did not start" >&2
    exit 1
  fi
  sleep 0.1
  i=$((i + 1))
done
DISPLAY=:$(head -n 1 "$display_file")
export DISPLAY

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
