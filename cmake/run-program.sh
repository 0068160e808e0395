#!/bin/sh
# Starts the Windows program under Wine.
#
#   run-program.sh PROGRAM_EXE [SCREENSHOT]
#
# With a working display the program opens there and runs until it is closed. Without one
# it runs on a virtual display: once its main window shows, a screenshot of the window is
# saved (SCREENSHOT, build/screenshots/run-main-window.png by default) and the program is
# closed by a click on its "×", which saves its list as a user's close does.
set -u

if [ $# -lt 1 ]; then
  echo "usage: $0 PROGRAM_EXE [SCREENSHOT]" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")/.." && pwd)
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
screenshot=${2:-$here/build/screenshots/run-main-window.png}
screenshot=$(mkdir -p "$(dirname "$screenshot")" && cd "$(dirname "$screenshot")" && pwd)/$(basename "$screenshot")
export WINEDEBUG=${WINEDEBUG:--all}
export WINEPREFIX="$here/build/wine-display"
sh "$here/cmake/wine-gui-prefix.sh" "$WINEPREFIX" || exit 1

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "Starting $program on display $DISPLAY"
  exec "$here/cmake/wine-run.sh" "$program"
fi

echo "No display: running the program on a virtual display"
. "$here/cmake/virtual-display.sh"
program_pid=
trap stop_virtual_display EXIT
trap 'exit 130' INT TERM
start_virtual_display || exit 1

# Polls `$@` every 0.2 s for up to $1 seconds.
poll() {
  limit=$(($1 * 5))
  shift
  n=0
  until "$@"; do
    n=$((n + 1))
    [ $n -ge $limit ] && return 1
    sleep 0.2
  done
}

"$here/cmake/wine-run.sh" "$program" &
program_pid=$!

# The main window is the visible X window whose title starts with the program's name.
window=
find_window() {
  window=$(xdotool search --onlyvisible --name '^MorvaleBT' 2>/dev/null | head -n 1)
  [ -n "$window" ]
}
if ! poll 60 find_window; then
  echo "The main window did not show" >&2
  exit 1
fi

# Painting follows the window's showing: take the picture once two looks at it agree.
last=
settled() {
  now=$(import -window "$window" rgb:- 2>/dev/null | md5sum)
  [ "$now" = "$last" ] && return 0
  last=$now
  return 1
}
poll 10 settled
if import -window "$window" "$screenshot" 2>/dev/null; then
  echo "Screenshot of the main window: $screenshot"
else
  echo "No screenshot could be taken" >&2
fi

# The close label "×" sits at 478,4 (16 × 16) on the 500 × 400 window.
eval "$(xdotool getwindowgeometry --shell "$window")"
x=$(((478 + 8) * WIDTH / 500))
y=$(((4 + 8) * HEIGHT / 400))
xdotool mousemove --window "$window" "$x" "$y" click 1
closed() { ! kill -0 "$program_pid" 2>/dev/null; }
if poll 30 closed; then
  wait "$program_pid"
  echo "The program was closed with its \"×\" (exit code $?)"
else
  echo "The program did not close" >&2
  exit 1
fi
