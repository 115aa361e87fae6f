#!/usr/bin/env bash
# The installer as a player uses it, under Wine on a display of its own:
#   CheckInstaller.sh <wine prefix> <velmoor2-x.y.z-setup.exe>
# It installs silently for the player alone, the installed game starts and opens its window,
# and the uninstaller takes the program and its entries away and leaves the player's folder.
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
setup=$2
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmoor2'
fail() {
  echo "FAILED: $*" >&2
  wineserver -k 2>/dev/null || true
  exit 1
}

wine "$setup" /S
folder=$(wine reg query "$key" /v InstallLocation 2>/dev/null | sed -n 's/.*REG_SZ *//p' | tr -d '\r')
[ -n "$folder" ] || fail "no entry in Apps & features"
program=$(winepath -u "$folder")
[ -f "$program/velmoor2.exe" ] && [ -f "$program/uninstall.exe" ] || fail "no program in $program"
menu=$(winepath -u 'C:\users')
find "$menu" -name 'Velmoor Episode2.lnk' | grep -q . || fail "no Start-menu entry"

# The installed game opens its window (the logo) within half a minute, and its own folder.
players=$(winepath -u 'C:\users')/$(whoami)/AppData/Local/Velmoor2
rm -rf "$players"
wine "$program/velmoor2.exe" &
for _ in $(seq 60); do
  xwininfo -root -tree | grep -q '"velmoor2.exe"' && break
  sleep 0.5
done
xwininfo -root -tree | grep -q '"velmoor2.exe"' || fail "the installed game showed no window"
[ -d "$players" ] || fail "the game made no folder of the player's own"
wineserver -k
wineserver -w

wine "$program/uninstall.exe" /S
wineserver -w  # the uninstaller runs on from a copy of itself
[ ! -e "$program/velmoor2.exe" ] || fail "the program is still there"
! wine reg query "$key" >/dev/null 2>&1 || fail "the Apps & features entry is still there"
! find "$menu" -name 'Velmoor Episode2.lnk' | grep -q . || fail "the Start-menu entry is still there"
[ -d "$players" ] || fail "the uninstaller took the player's folder"
rm -rf "$players"
echo "installed, started and uninstalled"
