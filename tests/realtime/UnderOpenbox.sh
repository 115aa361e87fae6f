#!/bin/sh
# Runs a command on the X display xvfb-run made, under the openbox window manager, as on a
# player's desktop: windows get frames, raise when clicked and move by their title bars.
# Openbox keeps its settings and session files in a folder of its own, removed afterwards.
home=$(mktemp -d)
HOME=$home XDG_CONFIG_HOME=$home XDG_CACHE_HOME=$home XDG_DATA_HOME=$home openbox --sm-disable >"$home/log" 2>&1 &
wm=$!
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
  tries=$((tries + 1))
  if [ $tries -gt 100 ]; then cat "$home/log"; kill $wm; rm -rf "$home"; exit 1; fi
  sleep 0.1
done
"$@"
status=$?
kill $wm
wait $wm
rm -rf "$home"
exit $status
