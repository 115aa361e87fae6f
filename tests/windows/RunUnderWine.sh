#!/usr/bin/env bash
# Runs a Windows program of the build under Wine on a virtual X display of its own:
#   RunUnderWine.sh <wine prefix> <program.exe> [arguments...]
# The prefix is made on first use (wineboot, about a minute); Wine's own chatter is silenced.
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
shift
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  xvfb-run -a wineboot -i >/dev/null 2>&1
  wineserver -w
fi
# On compressed time (VEL_WINE_FAKETIME names libfaketime, FAKETIME its rate) Wine's own server,
# which keeps the timers, must start under it as well: the prefix's server is stopped first and
# the program's wine starts a new one; the display stays on the wall clock.
faketime=()
if [ -n "${VEL_WINE_FAKETIME:-}" ]; then
  faketime=(env "LD_PRELOAD=$VEL_WINE_FAKETIME" "FAKETIME=$FAKETIME")
  unset FAKETIME
  wineserver -k 2>/dev/null || true
fi
# The game folder holds the fonts the program loads; Wine finds the program's DLLs itself.
cd "$(dirname "$1")"
exec xvfb-run -a -s "-screen 0 1280x1024x24" "${faketime[@]}" wine "$@"
