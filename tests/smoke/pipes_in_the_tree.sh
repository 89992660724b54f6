#!/usr/bin/env bash
# Named pipes in place of the game's files (pictures, sounds, a world file,
# the save and kxs.ini) are taken as missing: the game starts, plays and ends
# on Escape instead of waiting for ever on a pipe nobody writes. A font the
# game refuses is told in a File Error box, and the game then ends with 1.
set -u
. "$(dirname "$0")/x_session.bash"
smoke_begin "$@"
smoke_tree_copy
export XDG_CONFIG_HOME=$WORK/config
mkdir -p "$XDG_CONFIG_HOME/kxs"
for f in data/main.kxg data/mainmenu.kxg data/corp.dat sound/start.wav sound/yes.wav cur/kxs.sav; do
  rm -f "$TREE/$f"
  mkfifo "$TREE/$f" || smoke_fail "cannot make a pipe at $f"
done
mkfifo "$XDG_CONFIG_HOME/kxs/kxs.ini"

smoke_run_game pipes
window=$(smoke_window KXS 10) || { smoke_log pipes.err; smoke_fail "no game window with pipes in the tree"; }
xdotool mousemove 400 300
sleep 1
xdotool key space
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || { smoke_log pipes.err; smoke_fail "the game ended on its own"; }
xdotool windowfocus "$window"
xdotool key Escape
smoke_wait_exit "$GAME_PID" 10 || smoke_fail "the game did not end on Escape (waiting on a pipe?)"
[ "$SMOKE_EXIT" -eq 0 ] || { smoke_log pipes.err; smoke_fail "the game ended with $SMOKE_EXIT"; }

rm -f "$TREE/data/han.fnt"
head -c 100 /dev/zero >"$TREE/data/han.fnt"
smoke_run_game font
window=$(smoke_window KXS 10) || { smoke_log font.err; smoke_fail "no game window for the font box"; }
sleep 1.5
kill -0 "$GAME_PID" 2>/dev/null || { smoke_log font.err; smoke_fail "the game ended without waiting for its box"; }
smoke_shot font_box
xdotool windowfocus "$window"
xdotool key Return
smoke_wait_exit "$GAME_PID" 10 || smoke_fail "the game did not end after the font box"
[ "$SMOKE_EXIT" -eq 1 ] || smoke_fail "the game ended with $SMOKE_EXIT after refusing its font"
echo "pipes were taken as missing files; the refused font was told in a box"
