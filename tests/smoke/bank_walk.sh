#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# A walk to the bank with real input, in a game loaded from the main menu
# (a new company on its first day, saved by the headless build): office
# band 1 to the town map, the bank clicked, the walk, the bank; its loan
# dialog gets 10000 and 6 months typed, Enter, and the box that confirms the
# loan is answered. Leaving passes a day: the office's status must show the
# money, the loan and its term as the headless build draws them, whatever
# notices the day brings. The command menu saves, and the save in the tree
# copy must hold the loan. Escape ends the game with exit code 0.
set -u
. "$(dirname "$0")/x_session.bash"
smoke_begin "$@"
smoke_tree_copy
smoke_headless "$(dirname "$0")/bank_walk_save.replay"
cp "$WORK/headless/tree/cur/kxs.sav" "$WORK/first_day.sav" || smoke_fail "the headless build saved no game"
smoke_headless "$(dirname "$0")/bank_walk.replay" "$WORK/first_day.sav"
cp "$WORK/first_day.sav" "$TREE/cur/kxs.sav"

smoke_run_game game
smoke_window KXS 20 >/dev/null || { smoke_log game.err; smoke_fail "no window titled KXS"; }
smoke_step "window"
smoke_wait_picture title ref_title.ppm 20 || smoke_fail "the start picture is not the headless one ($SMOKE_DIFF pixels differ)"
smoke_pointer 101 101
sleep 0.1
smoke_pointer 100 100
sleep 0.1
xdotool key space
smoke_wait_picture menu ref_menu.ppm 10 || smoke_fail "the main menu is not the headless one ($SMOKE_DIFF pixels differ)"
smoke_step "main menu"
smoke_click 300 300
smoke_wait_picture office ref_office.ppm 10 ||
  smoke_fail "the menu's load did not lead to the saved office ($SMOKE_DIFF pixels differ)"

smoke_step "office"
smoke_click 80 30
smoke_wait_picture town ref_town.ppm 10 || smoke_fail "band 1 did not lead to the town map ($SMOKE_DIFF pixels differ)"

smoke_step "town map"
# The walk shows between the map and the bank.
smoke_click 250 220
walk_end=$((SECONDS + 10))
while smoke_grab walk && [ "$(smoke_differs_from walk ref_town.ppm)" = 0 ]; do
  [ "$SECONDS" -lt "$walk_end" ] || smoke_fail "the bank's building did not start a walk"
  sleep 0.1
done
[ "$(smoke_differs_from walk ref_bank.ppm)" != 0 ] || smoke_fail "the map went straight to the bank, with no walk"
smoke_wait_picture bank ref_bank.ppm 30 || smoke_fail "the walk did not reach the bank ($SMOKE_DIFF pixels differ)"

smoke_step "bank"
# The loan dialog: the amount field is selected, so typing replaces its 0.
smoke_click 100 50
smoke_wait_for smoke_dialog_up loan 10 || smoke_fail "Borrow opened no loan dialog"
sleep 0.3
xdotool type --delay 80 '10000'
xdotool key Tab
xdotool type --delay 80 '6'
sleep 0.2
smoke_grab loan_typed
xdotool key Return
smoke_wait_for smoke_box_up granted 10 || smoke_fail "no box confirmed the loan"
xdotool key Return
smoke_wait_for smoke_no_dialog bank_again 10 || smoke_fail "the loan dialog stayed"

smoke_step "loan granted"
# Leaving passes the day; the rivals' fate (the calendar seeds it) may bring
# boxes, each answered with Enter until the office stands.
smoke_click 500 440
status=$(smoke_crop2x 440x44+160+2)
day_end=$((SECONDS + 30))
boxes=0 settled=0
# The office must stand in two shots in a row, in case a box comes late.
while [ "$settled" -lt 2 ]; do
  [ "$SECONDS" -lt "$day_end" ] ||
    smoke_fail "the office after the loan's day is not the headless one ($(smoke_differs_from day2 ref_office_day2.ppm "$status") status pixels differ)"
  kill -0 "$GAME_PID" 2>/dev/null || { smoke_log game.err; smoke_fail "the game ended during the day"; }
  smoke_grab day2
  if smoke_box_up day2; then
    boxes=$((boxes + 1))
    settled=0
    xdotool key Return
  elif [ "$(smoke_differs_from day2 ref_office_day2.ppm "$status")" = 0 ]; then
    settled=$((settled + 1))
  else
    settled=0
  fi
  sleep 0.3
done
echo "the day after the loan: Enter pressed on $boxes box shot(s)"

smoke_step "office after the day"
# Save through the command menu; the save holds the loan.
smoke_click 60 180
smoke_wait_picture command ref_command.ppm 10 "$(smoke_crop2x 186x330+227+75)" ||
  smoke_fail "band 6 did not open the command menu ($SMOKE_DIFF pixels differ)"
smoke_click 300 200
smoke_wait_for smoke_box_up saved 10 || smoke_fail "saving said nothing"
xdotool key Return
smoke_wait_for smoke_no_box after_save 10 || smoke_fail "the save's box stayed"
[ -f "$TREE/cur/kxs.sav" ] || smoke_fail "no save file in the tree copy"
"$(dirname "$KXS")/kxs-tool" save-dump "$TREE/cur/kxs.sav" >"$WORK/save.json" || smoke_fail "the save does not read back"
field() { grep -m1 '"kind": 2' "$WORK/save.json" | grep -o "\"$1\": -\?[0-9]*" | grep -o -- '-\?[0-9]*$'; }
day=$(grep -o '"dayCount": [0-9]*' "$WORK/save.json" | grep -o '[0-9]*$')
echo "saved: day $day, money $(field money), loan $(field loanAmount) for $(field loanMonths) months"
[ "$day" = 2 ] && [ "$(field money)" = 15000 ] && [ "$(field loanAmount)" = 10000 ] && [ "$(field loanMonths)" = 6 ] ||
  smoke_fail "the save does not hold day 2 with the loan of 10000 for 6 months"

smoke_step "saved"
xdotool key Escape
smoke_wait_exit "$GAME_PID" 10 || smoke_fail "Escape did not end the game"
[ "$SMOKE_EXIT" -eq 0 ] || { smoke_log game.err; smoke_fail "exit code $SMOKE_EXIT after Escape"; }
echo "walked to the bank, borrowed, saw the loan in the office and in the save"
