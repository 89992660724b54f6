#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# A second game started while one runs shows the "already running" box in a
# window of its own (titled with the box's caption), ends when it is answered,
# and leaves the first game running.
set -u
. "$(dirname "$0")/x_session.bash"
smoke_begin "$@"

smoke_run_game first
first=$GAME_PID
game_window=$(smoke_window KXS 10) || { smoke_log first.err; smoke_fail "the first game opened no window"; }
sleep 1

smoke_run_game second
second=$GAME_PID
box=$(smoke_window Notice 10) || { smoke_log second.err; smoke_fail "the second game showed no Notice box"; }
sleep 0.7
[ "$(xdotool search --onlyvisible --name '^KXS$' | wc -l)" -eq 1 ] || smoke_fail "the second game opened a game window"
kill -0 "$second" 2>/dev/null || smoke_fail "the second game did not wait for the box to be answered"

# The box stands over the first game's picture: grey face, dark title bar.
eval "$(xdotool getwindowgeometry --shell "$box")"
echo "box window ${WIDTH}x${HEIGHT} at $X,$Y"
[ "$WIDTH" -gt 60 ] && [ "$WIDTH" -lt 700 ] && [ "$HEIGHT" -gt 40 ] && [ "$HEIGHT" -lt 500 ] ||
  smoke_fail "the box has an odd size"
smoke_shot box
face=$(smoke_mean box "$((WIDTH / 2))x4+$((X + WIDTH / 4))+$((Y + HEIGHT - 12))")
title=$(smoke_mean box "$((WIDTH / 5))x4+$((X + WIDTH * 3 / 4))+$((Y + 10))")
echo "box face brightness $face, title bar $title"
awk -v f="$face" -v t="$title" 'BEGIN { exit !(f > 0.6 && f < 0.85 && t < 0.3) }' ||
  smoke_fail "no box drawn in the Notice window"

# Enter answers the box (the pointer gives it the keyboard: no window manager).
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
sleep 0.2
xdotool key Return
smoke_wait_exit "$second" 10 || smoke_fail "the second game did not end after the box"
[ "$SMOKE_EXIT" -eq 0 ] || smoke_fail "the second game ended with $SMOKE_EXIT"

sleep 0.5
kill -0 "$first" 2>/dev/null || { smoke_log first.err; smoke_fail "the first game ended too"; }
# With no window manager nobody hands the keyboard back to the game once
# the box's window has gone; do what a window manager would.
xdotool windowfocus "$game_window"
xdotool mousemove 640 480
sleep 0.3
xdotool key Escape
smoke_wait_exit "$first" 10 || smoke_fail "the first game did not end on Escape"
[ "$SMOKE_EXIT" -eq 0 ] || smoke_fail "the first game ended with $SMOKE_EXIT"
echo "the second instance was refused with a box; the first kept running"
