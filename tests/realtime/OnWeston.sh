#!/bin/sh
# Runs a command as a program on a Wayland desktop: weston, headless, with XWayland, the
# session's variables set and QT_QPA_PLATFORM unset, as on a player's GNOME or Plasma desktop.
# Weston lets the test take screenshots (--debug); its runtime folder (sockets, log) is removed
# afterwards.
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR="$runtime"
weston --backend=headless-backend.so --use-pixman --xwayland --width=1280 --height=1024 --socket=velmoor \
  --idle-time=0 --debug >"$runtime/log" 2>&1 &
compositor=$!
tries=0
display=
until [ -n "$display" ]; do
  tries=$((tries + 1))
  if [ $tries -gt 100 ]; then cat "$runtime/log"; kill $compositor; rm -rf "$runtime"; exit 1; fi
  sleep 0.1
  display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$runtime/log")
done
unset QT_QPA_PLATFORM
DISPLAY=$display WAYLAND_DISPLAY=velmoor XDG_SESSION_TYPE=wayland "$@"
status=$?
kill $compositor
wait $compositor
rm -rf "$runtime"
exit $status
