#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The real game window under a private X server: it opens full-screen and
# shows the start picture, a key brings the main menu with the game's own
# cursor following the pointer, and Escape ends the game with exit code 0.
set -u
. "$(dirname "$0")/x_session.bash"
smoke_begin "$@"

smoke_run_game game
window=$(smoke_window KXS 10) || { smoke_log game.err; smoke_fail "no window titled KXS"; }
sleep 1.5
kill -0 "$GAME_PID" 2>/dev/null || { smoke_log game.err; smoke_fail "the game ended on its own"; }

eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -eq 1280 ] && [ "$HEIGHT" -eq 960 ] || smoke_fail "the window is ${WIDTH}x${HEIGHT}, not the desktop's 1280x960"

# The picture is there: not black, and no flat colour.
xdotool mousemove 400 300
sleep 0.5
smoke_shot start
mean=$(smoke_mean start)
awk -v m="$mean" 'BEGIN { exit !(m > 0.02) }' || smoke_fail "the screen is black (mean $mean)"
spread=$(convert "$WORK/start.png" -colorspace gray -format '%[fx:standard_deviation]' info:)
awk -v s="$spread" 'BEGIN { exit !(s > 0.02) }' || smoke_fail "the screen is one flat colour (deviation $spread)"

# A key leads on to the main menu, where the game draws its own cursor at
# the pointer (2x: 640x480 fills 1280x960) and moves it with the pointer;
# the rest of the picture stays. (The start picture has no cursor.)
xdotool key space
sleep 1
smoke_shot menu
xdotool mousemove 1100 200
sleep 0.5
smoke_shot moved
left=$(smoke_differing menu moved 32x32+400+300)
right=$(smoke_differing menu moved 32x32+1100+200)
elsewhere=$(smoke_differing menu moved 200x200+100+500)
echo "cursor pixels changed: at the old place $left, at the new place $right, elsewhere $elsewhere"
[ "$left" -gt 20 ] && [ "$right" -gt 20 ] || smoke_fail "the cursor does not follow the pointer"
[ "$elsewhere" -eq 0 ] || smoke_fail "the picture changed away from the cursor"

xdotool key Escape
smoke_wait_exit "$GAME_PID" 10 || smoke_fail "Escape did not end the game"
[ "$SMOKE_EXIT" -eq 0 ] || { smoke_log game.err; smoke_fail "exit code $SMOKE_EXIT after Escape"; }
echo "window opened, presented, followed the pointer and closed with Escape"
