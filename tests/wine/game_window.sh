#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# game_window.sh BUILD_WIN NATIVE_BUILD
# kxs.exe itself under Wine on a private X server, played as a player would:
# full screen over the whole screen (640x480 at 2x), the start picture
# equal to the headless build's, a new game whose name is typed into the
# real Win32 dialog and whose company name is Korean (put into the field as
# an input method would), the office, a day, a save through the command
# menu (the Korean company name in it), a Yes/No box, a second kxs.exe
# refused, Alt+Enter to a window and back, and a restart that loads the
# save. Its screenshots stay in BUILD_WIN/wine-game/shots/.
set -u
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
win=$(cd "${1:?usage: game_window.sh BUILD_WIN NATIVE_BUILD}" && pwd)
native=$(cd "${2:?usage: game_window.sh BUILD_WIN NATIVE_BUILD}" && pwd)
. "$top/tests/smoke/x_session.bash"
SMOKE_SCREEN=1280x960 smoke_begin "$win/kxs.exe" "$native/game" "$win/wine-game"
export WINEPREFIX=$win/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Nothing left running in the build's prefix: a game there holds the
# single-instance lock.
wineserver -k 2>/dev/null
trap 'wineserver -k 2>/dev/null; smoke_cleanup' EXIT
mkdir -p "$WORK/shots"

# Windows has Korean fonts of its own; Wine gets Debian's for the same names.
for font in "Malgun Gothic" Tahoma "MS Shell Dlg" "MS Shell Dlg 2"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /d NanumGothic /f >/dev/null 2>&1 ||
    smoke_fail "cannot set Wine's fonts"
done

# The portable game: kxs.exe in a writable folder holding the data tree.
game=$WORK/KXS
cp -r "$TREE" "$game" && rm -f "$game/cur/"*.sav "$game/kxs.ini" && cp "$win/kxs.exe" "$game/" ||
  smoke_fail "cannot make the game folder"
save=$game/cur/kxs.sav

# The headless build's pictures of the same moments, 2x as full screen shows them.
mkdir -p "$WORK/headless"
cp -r "$TREE" "$WORK/headless/tree" && rm -f "$WORK/headless/tree/cur/"*.sav
(cd "$WORK/headless" && "$native/kxs-replay" --root "$WORK/headless/tree" --seed 1 "$here/game_window.replay") \
  >"$WORK/headless/replay.out" 2>&1 || { cat "$WORK/headless/replay.out"; smoke_fail "the headless run failed"; }
for png in "$WORK/headless"/*.png; do convert "$png" -sample 200% "$WORK/ref_$(basename "$png" .png).ppm"; done

start_game() {  # start_game NAME [OPTION...]
  local name=$1
  shift
  (cd "$game" && exec wine kxs.exe "$@") >"$WORK/$name.out" 2>&1 &
  GAME_PID=$!
  SMOKE_PIDS+=("$GAME_PID")
}
windows_up() { xdotool search --onlyvisible --name . 2>/dev/null | wc -l; }
wait_windows() {  # wait_windows COUNT SECONDS: until COUNT windows show
  local end=$((SECONDS + $2))
  until [ "$(windows_up)" -ge "$1" ]; do
    [ "$SECONDS" -ge "$end" ] && return 1
    sleep 0.2
  done
}
# settle NAME: answers every box the game shows, then takes shot NAME until
# two in a row are the same.
settle() {
  local end=$((SECONDS + 40))
  smoke_grab "$1.before"
  while [ "$SECONDS" -lt "$end" ]; do
    sleep 0.5
    if [ "$(windows_up)" -ge 2 ]; then
      xdotool key Return
      continue
    fi
    smoke_grab "$1"
    [ "$(smoke_differs_from "$1" "$1.before.ppm")" = 0 ] && return 0
    cp "$WORK/$1.ppm" "$WORK/$1.before.ppm"
  done
  return 1
}
# back_to_office NAME: "back" in the command menu until shot NAME is the
# office of day.ppm; after a box the game may take a moment to hear clicks.
back_to_office() {
  local try
  for try in 1 2 3; do
    smoke_click 300 300
    smoke_pointer 500 300
    smoke_wait_picture "$1" day.ppm 4 && return 0
  done
  return 1
}
# box_click FRACTION: a click on the box in front, FRACTION of its width
# from its left, on its row of buttons (0.5: OK, 0.72: No), until it
# closes: with no window manager here, a box may let its first click go.
box_click() {
  local game box try
  game=$(xdotool search --onlyvisible --name '^KXS$' | head -1)
  for try in 1 2 3 4 5; do
    box=$(xdotool search --onlyvisible --name . | grep -vx "$game" | tail -1)
    [ -n "$box" ] || return 0
    eval "$(xdotool getwindowgeometry --shell "$box")"
    xdotool mousemove "$(awk -v x="$X" -v w="$WIDTH" -v f="$1" 'BEGIN { printf "%d", x + w * f }')" \
      $((Y + HEIGHT * 2 / 3))
    sleep 0.3
    xdotool click 1
    sleep 1
    xdotool search --onlyvisible --name . | grep -qx "$box" || return 0
  done
  return 1
}
keep_shot() { import -window root "$WORK/shots/$1.png" || smoke_fail "no screenshot $1"; }

started=$SECONDS
start_game first --fullscreen --lang ko
smoke_window KXS 60 >/dev/null || { smoke_log first.out; smoke_fail "kxs.exe opened no window titled KXS"; }
smoke_wait_picture title ref_title.ppm 30 || smoke_fail "the start picture is not the headless one ($SMOKE_DIFF pixels differ)"
smoke_step "start picture after $((SECONDS - started)) s"
keep_shot title
smoke_pointer 101 101
sleep 0.1
smoke_pointer 100 100
sleep 0.1
xdotool key space
sleep 1
smoke_click 300 240
wait_windows 2 60 || smoke_fail "no name dialog after the intro"
sleep 0.5
smoke_step "name dialog"
keep_shot name_dialog
xdotool type --delay 60 'Hong Gildong'
LC_ALL=C.UTF-8 wine "$win/kxs-set-field.exe" 2 "길동소프트" || smoke_fail "cannot put the Korean name into the dialog"
sleep 0.3
xdotool key Return
smoke_wait_picture first ref_first.ppm 15 ||
  smoke_fail "after the names the start screen is not the headless one ($SMOKE_DIFF pixels differ)"
smoke_click 550 430
smoke_pointer 500 300
smoke_wait_picture office ref_office.ppm 15 || smoke_fail "the office is not the headless one ($SMOKE_DIFF pixels differ)"
smoke_step "office"
keep_shot office
# The day's news (drawn by chance, as every day's) comes in boxes.
smoke_click 15 5
smoke_pointer 500 300
sleep 2
settle day || smoke_fail "the day did not end in the office"
[ "$(smoke_differs_from day ref_office.ppm)" != 0 ] || smoke_fail "the office did not change with the day"
smoke_step "a day"

# Saved through the command menu, back in the office.
smoke_click 60 180
sleep 1
smoke_click 300 200
wait_windows 2 10 || smoke_fail "no box says the game was saved"
sleep 0.3
box_click 0.5
sleep 1
back_to_office saved || smoke_fail "no office after the save ($SMOKE_DIFF pixels differ)"
[ -s "$save" ] || smoke_fail "no save in the game's folder"
# The dialog hands the game Wansung; the save keeps names in Johab, as
# every save of the game does.
johab=$(printf '%s' "길동소프트" | iconv -f UTF-8 -t JOHAB) || smoke_fail "iconv cannot write Johab"
LC_ALL=C grep -qaF "$johab" "$save" || smoke_fail "the save does not hold the Korean company name"
LC_ALL=C grep -qaF "Hong Gildong" "$save" || smoke_fail "the save does not hold the typed name"
smoke_step "saved"

# "New game" from the command menu asks first: No keeps the game.
smoke_click 60 180
sleep 1
smoke_click 300 100
wait_windows 2 10 || smoke_fail "no Yes/No box for a new game"
sleep 0.5
keep_shot yes_no_box
box_click 0.72
sleep 1
[ "$(windows_up)" -eq 1 ] || smoke_fail "the Yes/No box did not close on No"
back_to_office kept || smoke_fail "No did not keep the game ($SMOKE_DIFF pixels differ)"

# A second kxs.exe says so in a box of its own and ends; the first plays on.
first=$GAME_PID
start_game second
wait_windows 2 30 || smoke_fail "the second kxs.exe showed no box"
sleep 0.5
kill -0 "$GAME_PID" 2>/dev/null || smoke_fail "the second kxs.exe did not wait for its box"
box_click 0.5
smoke_wait_exit "$GAME_PID" 15 || smoke_fail "the second kxs.exe did not end after its box"
[ "$(xdotool search --onlyvisible --name '^KXS$' | wc -l)" -eq 1 ] || smoke_fail "the second kxs.exe opened a window"
GAME_PID=$first
kill -0 "$GAME_PID" 2>/dev/null || smoke_fail "the first game ended"
smoke_step "second instance refused"

# Alt+Enter: a window of the picture, kept in kxs.ini; again: full screen.
xdotool key alt+Return
sleep 1
eval "$(xdotool getwindowgeometry --shell "$(smoke_window KXS 5)")"
[ "$WIDTH" -lt 1280 ] && [ "$HEIGHT" -lt 960 ] || smoke_fail "Alt+Enter left the game at ${WIDTH}x$HEIGHT"
grep -qx 'display=window' "$game/kxs.ini" || smoke_fail "kxs.ini does not keep the window"
keep_shot after_alt_enter
xdotool key alt+Return
sleep 1
grep -qx 'display=fullscreen' "$game/kxs.ini" || smoke_fail "kxs.ini does not keep full screen"
smoke_pointer 500 300
smoke_wait_picture full day.ppm 10 || smoke_fail "full screen again is not the office ($SMOKE_DIFF pixels differ)"
smoke_step "Alt+Enter"

xdotool key Escape
smoke_wait_exit "$GAME_PID" 15 || smoke_fail "Escape did not end the game"
[ "$SMOKE_EXIT" -eq 0 ] || smoke_fail "kxs.exe ended with $SMOKE_EXIT"

# A new start loads the save from the main menu: the saved day's office.
start_game again
smoke_window KXS 60 >/dev/null || smoke_fail "kxs.exe did not start again"
smoke_wait_picture title_again ref_title.ppm 30 || smoke_fail "no start picture at the restart"
xdotool key space
sleep 1
smoke_click 300 300
smoke_pointer 500 300
smoke_wait_picture loaded day.ppm 20 || smoke_fail "the restart did not load the saved office ($SMOKE_DIFF pixels differ)"
smoke_step "loaded"
xdotool key Escape
smoke_wait_exit "$GAME_PID" 15 || smoke_fail "Escape did not end the loaded game"
echo "kxs.exe under Wine: start picture, names, office, a day, save, box, second instance, Alt+Enter and load as expected"
