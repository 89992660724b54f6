#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# installer_test.sh BUILD_WIN NATIVE_BUILD
# The Windows installer under Wine, in a prefix of its own under BUILD_WIN:
# a silent install puts the game, its Start-menu shortcut and its uninstall
# entry in place; the installed game (started under a private Xvfb) keeps
# the player's files in %APPDATA%\KXS, though Wine's Program Files is
# writable; a silent uninstall removes the program and its shortcuts and
# keeps the save; a reinstall finds it there.
set -euo pipefail
win=$(cd "${1:?usage: installer_test.sh BUILD_WIN NATIVE_BUILD}" && pwd)
native=$(cd "${2:?usage: installer_test.sh BUILD_WIN NATIVE_BUILD}" && pwd)
setup=$(ls "$win"/kxs-*-setup.exe)
# No menu entries of the prefix's shortcuts in the user's own desktop.
export WINEPREFIX=$win/wineprefix-setup WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== Making the Wine prefix $WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
drive=$WINEPREFIX/drive_c
program=$drive/Program\ Files/KXS
menu=$drive/ProgramData/Microsoft/Windows/Start\ Menu/Programs/KXS.lnk
desktop=$drive/users/Public/Desktop/KXS.lnk
appdata=$drive/users/${USER:-$(id -un)}/AppData/Roaming/KXS
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KXS'
fail() { echo "installer test: $*" >&2; exit 1; }

install() {  # install [SWITCH...]
  wine "$setup" /S "$@"
  wineserver -w
  [ -f "$program/kxs.exe" ] && [ -f "$program/data/han.fnt" ] && [ -f "$program/uninstall.exe" ] || fail "no game in $program"
  [ -f "$menu" ] || fail "no Start-menu shortcut"
  wine reg query "$key" /v QuietUninstallString >/dev/null 2>&1 || fail "no uninstall entry $key"
}

uninstall() {
  wine "$program/uninstall.exe" /S
  wineserver -w  # the uninstaller runs on from a copy of itself
  [ ! -e "$program" ] || fail "the uninstaller left $program"
  [ ! -e "$menu" ] && [ ! -e "$desktop" ] || fail "the uninstaller left a shortcut"
  ! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left $key"
}

echo "== Silent install under Wine"
rm -rf "$appdata"
wine "$program/uninstall.exe" /S 2>/dev/null && wineserver -w || true
install
[ ! -e "$desktop" ] || fail "a silent install made a desktop shortcut without /DESKTOP"

echo "== The installed game keeps its files in %APPDATA%\\KXS"
display=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$display"' EXIT
for _ in $(seq 50); do [ -s "$display" ] && break; sleep 0.1; done
touch "$program/probe" && rm "$program/probe" && echo "(Wine's Program Files is writable)"
DISPLAY=:$(cat "$display") wine "$program/kxs.exe" &
game=$!
# The game makes the player's folder before its window opens.
for _ in $(seq 100); do [ -d "$appdata" ] && break; sleep 0.2; done
kill "$game" 2>/dev/null || true
wineserver -k || true
[ -d "$appdata" ] || fail "the installed game made no $appdata"
[ ! -e "$program/kxs.ini" ] && [ ! -e "$program/cur/kxs.sav" ] || fail "the installed game wrote into $program"

echo "== Silent uninstall keeps the save; a reinstall finds it"
save=$(ls "$native"/game/cur/*.kxg | head -1)  # any bytes stand for the save
cp "$save" "$appdata/kxs.sav"
uninstall
cmp "$save" "$appdata/kxs.sav" || fail "the uninstaller touched the save"
install /DESKTOP
[ -f "$desktop" ] || fail "/DESKTOP made no desktop shortcut"
cmp "$save" "$appdata/kxs.sav" || fail "the reinstall touched the save"
uninstall
echo "The installer passed under Wine"
