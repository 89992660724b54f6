#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# wine_idle.sh BUILD_DIR BUILD_WIN
# The Windows game under Wine beside the Linux game, in the same run, on a
# private X server of 1280x960 (full screen, 2x): the time from starting
# kxs.exe to its start picture (equal to the headless build's), and each
# game's share of one core over ten seconds on the still main menu (for
# Wine: kxs.exe and the wineserver together).
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=$(readlink -f "${1:?usage: wine_idle.sh BUILD_DIR BUILD_WIN}")
win=$(readlink -f "${2:?usage: wine_idle.sh BUILD_DIR BUILD_WIN}")
[ -x "$build/kxs" ] && [ -f "$win/kxs.exe" ] || { echo "build both first (./run.sh windows)" >&2; exit 1; }
. "$here/../smoke/x_session.bash"
smoke_begin "$build/kxs" "$build/game" "$win/bench-work"
export WINEPREFIX=$win/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver -k 2>/dev/null
trap 'wineserver -k 2>/dev/null; smoke_cleanup' EXIT

smoke_headless "$here/../wine/game_window.replay"

to_menu() {  # the main menu, the pointer off its rows: a still screen
  smoke_window KXS 60 >/dev/null || smoke_fail "no window titled KXS"
  sleep 1.5
  xdotool key space
  sleep 1
  xdotool mousemove 1200 900
  sleep 2
}

for round in 1 2; do
  TREE=$WORK/linux
  rm -rf "$TREE" && cp -r "$build/game" "$TREE"
  smoke_run_game linux
  to_menu
  smoke_share "round $round, Linux game (SDL), idle main menu" 10 "$GAME_PID"
  kill "$GAME_PID"
  wait "$GAME_PID" 2>/dev/null

  game=$WORK/windows
  rm -rf "$game" && cp -r "$build/game" "$game" && cp "$win/kxs.exe" "$game/"
  rm -f "$game/kxs.ini"
  started=$(date +%s.%N)
  (cd "$game" && exec wine kxs.exe --fullscreen --lang ko) >"$WORK/windows.out" 2>&1 &
  GAME_PID=$!
  SMOKE_PIDS+=("$GAME_PID")
  smoke_window KXS 60 >/dev/null || smoke_fail "kxs.exe opened no window"
  smoke_wait_picture title ref_title.ppm 60 || smoke_fail "no start picture from kxs.exe"
  awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN { printf "round '"$round"', kxs.exe under Wine: start picture after %.2f s\n", b - a }'
  to_menu
  exe=$(pgrep -n -f 'kxs.exe') server=$(pgrep -n wineserver)
  smoke_share "round $round, kxs.exe under Wine (with the wineserver), idle main menu" 10 "$exe" "$server"
  smoke_shot "windows-menu-$round"
  wineserver -k 2>/dev/null
  wait "$GAME_PID" 2>/dev/null
done
