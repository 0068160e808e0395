# Sourced by the scripts that show the program's windows on a virtual display:
#
#   start_virtual_display  starts Xvfb on the first free display number, exports DISPLAY
#   stop_virtual_display   ends what runs in $WINEPREFIX, then the display
xvfb_pid=
display_file=

start_virtual_display() {
  display_file=$(mktemp)
  Xvfb -displayfd 7 -screen 0 1024x768x24 -nolisten tcp 7>"$display_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  waited=0
  while [ ! -s "$display_file" ]; do
    if ! kill -0 "$xvfb_pid" 2>/dev/null || [ $waited -ge 300 ]; then
      echo "Xvfb did not start" >&2
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  DISPLAY=:$(head -n 1 "$display_file")
  export DISPLAY
}

stop_virtual_display() {
  # The prefix's processes (the program, Wine's own desktop) go before their display.
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  [ -n "$display_file" ] && rm -f "$display_file"
  return 0
}
