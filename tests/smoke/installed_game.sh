#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The installed game (cmake --install into a DESTDIR) with real input, its
# home and XDG folders in the work folder. Started from an unrelated folder
# it reads the installed tree (every picture equals the headless build's
# rendering of the build's tree), reaches the office through a typed name
# and saves into $XDG_DATA_HOME/kxs/, never into the tree; restarted, it
# loads that save into the same office. Started inside a data tree it
# saves there instead, as it always did.
set -u
. "$(dirname "$0")/x_session.bash"
smoke_begin "$@"
smoke_tree_copy
smoke_headless "$(dirname "$0")/new_game_office.replay"

DESTDIR="$WORK/stage" cmake --install "$(dirname "$KXS")" --prefix /usr >"$WORK/install.log" ||
  smoke_fail "cmake --install failed"
INSTALLED=$WORK/stage/usr/bin/kxs
export HOME=$WORK/home XDG_DATA_HOME=$WORK/xdg-data XDG_CONFIG_HOME=$WORK/xdg-config
mkdir -p "$HOME" "$WORK/elsewhere"
SAVE=$XDG_DATA_HOME/kxs/kxs.sav

# run_installed NAME DIR: the installed game started in DIR, in a 1280x960
# window so that shots match the 2x references wherever the desktop is.
run_installed() {
  (cd "$2" && exec "$INSTALLED" --scale 2) >"$WORK/$1.out" 2>"$WORK/$1.err" &
  GAME_PID=$!
  SMOKE_PIDS+=("$GAME_PID")
  smoke_window KXS 20 >/dev/null || { smoke_log "$1.err"; smoke_fail "$1: no window titled KXS"; }
  # The window sits where the window system put it; move it to the corner
  # the shots and the pointer assume.
  xdotool search --name '^KXS$' windowmove 0 0 2>/dev/null
  smoke_wait_picture "$1_title" ref_title.ppm 20 ||
    smoke_fail "$1: the start picture is not the headless one ($SMOKE_DIFF pixels differ)"
  smoke_pointer 101 101
  sleep 0.1
  smoke_pointer 100 100
  sleep 0.1
  xdotool key space
  smoke_wait_picture "$1_menu" ref_menu.ppm 10 ||
    smoke_fail "$1: the main menu is not the headless one ($SMOKE_DIFF pixels differ)"
}

# new_game_to_office NAME: from the main menu through the name dialog.
new_game_to_office() {
  smoke_click 300 240
  smoke_wait_for smoke_dialog_up "$1_dialog" 30 || smoke_fail "$1: no name dialog"
  sleep 0.3
  xdotool type --delay 60 'Hong Gildong'
  xdotool key Tab
  xdotool type --delay 60 'Gildong Soft'
  sleep 0.3
  xdotool key Return
  smoke_wait_picture "$1_first" ref_first.ppm 10 ||
    smoke_fail "$1: the start screen is not the headless one ($SMOKE_DIFF pixels differ)"
  smoke_click 550 430
  smoke_wait_picture "$1_office" ref_office.ppm 10 ||
    smoke_fail "$1: the office is not the headless one ($SMOKE_DIFF pixels differ)"
}

# save_and_quit NAME: the command menu's save, its box answered, Escape.
save_and_quit() {
  smoke_click 60 180
  sleep 0.5
  smoke_click 300 200
  smoke_wait_for smoke_box_up "$1_saved" 10 || smoke_fail "$1: saving said nothing"
  xdotool key Return
  smoke_wait_for smoke_no_box "$1_after_save" 10 || smoke_fail "$1: the save's box stayed"
  xdotool key Escape
  smoke_wait_exit "$GAME_PID" 10 || smoke_fail "$1: Escape did not end the game"
  [ "$SMOKE_EXIT" -eq 0 ] || { smoke_log "$1.err"; smoke_fail "$1: exit code $SMOKE_EXIT after Escape"; }
}

smoke_step "installed game from an unrelated folder"
run_installed first "$WORK/elsewhere"
new_game_to_office first
save_and_quit first
[ -f "$SAVE" ] || smoke_fail "the save is not in \$XDG_DATA_HOME/kxs/"
[ -z "$(find "$WORK/stage" "$WORK/elsewhere" -name 'kxs.sav*')" ] || smoke_fail "a save landed outside the XDG folder"
"$(dirname "$KXS")/kxs-tool" save-dump "$SAVE" | grep -q '"dayCount": 1' || smoke_fail "the save does not read back"

smoke_step "restarted, loading the save"
run_installed second "$WORK/elsewhere"
smoke_click 300 300
# The pointer where the new game's reference has it.
sleep 0.3
smoke_pointer 550 430
smoke_wait_picture second_office ref_office.ppm 10 ||
  smoke_fail "the menu's load did not bring back the saved office ($SMOKE_DIFF pixels differ)"
# Alt+Enter's choice is kept in the XDG config folder.
xdotool key alt+Return
for i in $(seq 50); do
  grep -qx 'display=fullscreen' "$XDG_CONFIG_HOME/kxs/kxs.ini" 2>/dev/null && break
  sleep 0.1
done
grep -qx 'display=fullscreen' "$XDG_CONFIG_HOME/kxs/kxs.ini" 2>/dev/null || smoke_fail "Alt+Enter's choice is not in kxs.ini"
xdotool key Escape
smoke_wait_exit "$GAME_PID" 10 || smoke_fail "Escape did not end the second game"

smoke_step "installed game started inside a data tree"
rm -f "$SAVE"
run_installed tree "$TREE"
new_game_to_office tree
save_and_quit tree
[ -f "$TREE/cur/kxs.sav" ] || smoke_fail "started in a data tree, the game did not save there"
[ ! -e "$SAVE" ] || smoke_fail "started in a data tree, the game saved into the XDG folder"
echo "the installed game reads its tree, saves in the XDG folder from anywhere and in a data tree inside one"
