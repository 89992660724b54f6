#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# From the start picture to the office with real input: a key, the main
# menu's "new game" clicked, the name dialog drawn in the window (an empty
# name refused with a box over the dialog, then both names typed and
# confirmed with Enter), the start button clicked, and the office. Each
# picture must equal the headless build's rendering of the same moment
# pixel for pixel, the office's status text included; Escape then ends the
# game with exit code 0.
set -u
. "$(dirname "$0")/x_session.bash"
smoke_begin "$@"
smoke_tree_copy
smoke_headless "$(dirname "$0")/new_game_office.replay"

smoke_run_game game
smoke_window KXS 20 >/dev/null || { smoke_log game.err; smoke_fail "no window titled KXS"; }
smoke_step "window"
smoke_wait_picture title ref_title.ppm 20 || smoke_fail "the start picture is not the headless one ($SMOKE_DIFF pixels differ)"
# The game knows where the pointer is only once it moves, over a window
# that surely takes the move: the start picture stands.
smoke_pointer 101 101
sleep 0.1
smoke_pointer 100 100
sleep 0.1

smoke_step "start picture"
xdotool key space
smoke_wait_picture menu ref_menu.ppm 10 || smoke_fail "the main menu is not the headless one ($SMOKE_DIFF pixels differ)"
smoke_pointer 300 240
smoke_wait_picture menu_new ref_menu_new.ppm 10 ||
  smoke_fail "the menu does not light up \"new game\" under the pointer ($SMOKE_DIFF pixels differ)"

smoke_step "main menu"
# The intro plays, then the name dialog comes up over it.
xdotool click 1
smoke_wait_for smoke_dialog_up dialog 30 || smoke_fail "no name dialog"
sleep 0.3
smoke_step "name dialog"
# Both fields empty: a box says so, and the dialog stays for the names.
xdotool key Return
smoke_wait_for smoke_box_up refused 10 || smoke_fail "an empty name was taken without a word"
xdotool key Return
smoke_wait_for smoke_dialog_up dialog_again 10 || smoke_fail "the name dialog closed after the refusal"
sleep 0.3
# ASCII: xdotool types a syllable by remapping a key for it, and a loaded
# machine can lose the remapped key (sdl_backend.sh covers Hangul entry).
xdotool type --delay 60 'Hong Gildong'
xdotool key Tab
xdotool type --delay 60 'Gildong Soft'
sleep 0.3
smoke_grab names
xdotool key Return
smoke_wait_picture first ref_first.ppm 10 ||
  smoke_fail "after the names the start screen is not the headless one ($SMOKE_DIFF pixels differ)"

smoke_step "start screen"
smoke_click 550 430
smoke_wait_picture office ref_office.ppm 10 ||
  smoke_fail "the office is not the headless one, names and status included ($SMOKE_DIFF pixels differ)"

smoke_step "office"
# The status lines are really there, not just equally missing in both
# builds: their area differs from the bare office picture.
status=440x44+160+2
"$(dirname "$KXS")/kxs-tool" kxg2png "$TREE/data/mo001.kxg" "$WORK/bare.png" >/dev/null ||
  smoke_fail "cannot read the office picture"
convert "$WORK/bare.png" -sample 200% "$WORK/ref_bare.ppm"
bare=$(smoke_differs_from office ref_bare.ppm "$(smoke_crop2x $status)")
echo "status area: $bare pixels differ from the bare office picture"
[ "$bare" -gt 2000 ] || smoke_fail "the office shows no status text"

xdotool key Escape
smoke_wait_exit "$GAME_PID" 10 || smoke_fail "Escape did not end the game"
[ "$SMOKE_EXIT" -eq 0 ] || { smoke_log game.err; smoke_fail "exit code $SMOKE_EXIT after Escape"; }
echo "start picture, menu, name dialog, start screen and office as the headless build draws them"
