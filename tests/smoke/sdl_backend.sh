#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The SDL backend on its own: how it reads SDL's keys, then keys, pointer, boxes and
# dialogs through a real window under a private X server. The check program
# is the build's kxs-sdl-check (sdl_backend_check.cpp); a build without it
# has it compiled here against the backend library that made the game.
set -u
. "$(dirname "$0")/x_session.bash"
smoke_begin "$@"

source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=$(dirname "$KXS")
check=$build_dir/kxs-sdl-check
if [ ! -x "$check" ]; then
  library=$build_dir/libkxs_platform_sdl.a
  [ -f "$library" ] || smoke_fail "no backend library at $library"
  flags=()
  grep -q '^KXS_SANITIZE:BOOL=ON' "$build_dir/CMakeCache.txt" 2>/dev/null && flags+=(-fsanitize=address,undefined)
  check=$WORK/sdl_backend_check
  ${CXX:-c++} -std=c++20 -O1 -g -Wall -Wextra -Werror "${flags[@]}" -I"$source_dir" \
    "$(dirname "$0")/sdl_backend_check.cpp" "$library" "$build_dir/libkxs_platform_common.a" $(pkg-config --cflags --libs sdl2 SDL2_ttf) -o "$check" ||
    smoke_fail "the check program does not build"
fi

failures=0
expect() {  # expect FILE TEXT...: every line, in this order
  local file=$1 line at=0 n
  shift
  for line in "$@"; do
    n=$(tail -n +$((at + 1)) "$WORK/$file" | grep -n -x -F -- "$line" | head -1 | cut -d: -f1)
    if [ -z "$n" ]; then
      echo "FAILED: $file lacks \"$line\" (after line $at)"
      failures=$((failures + 1))
      return
    fi
    at=$((at + n))
  done
  echo "ok: $file: $*"
}
refuse() {  # refuse FILE TEXT: the line must not be there
  if grep -q -x -F -- "$2" "$WORK/$1"; then
    echo "FAILED: $1 has \"$2\""
    failures=$((failures + 1))
  fi
}
start() {  # start MODE: the check program in MODE, waiting for its first line
  (exec "$check" "$1") >"$WORK/$1.out" 2>"$WORK/$1.err" &
  CHECK_PID=$!
  SMOKE_PIDS+=("$CHECK_PID")
  local i
  for i in $(seq 100); do
    [ -s "$WORK/$1.out" ] && break
    sleep 0.1
  done
  sleep 0.5
}
wait_line() {  # wait_line MODE TEXT
  local i
  for i in $(seq 100); do
    grep -q -x -F -- "$2" "$WORK/$1.out" && return 0
    sleep 0.1
  done
  echo "FAILED: $1 never said \"$2\""
  failures=$((failures + 1))
  return 1
}
finish() {  # finish MODE: the program must end by itself with 0
  smoke_wait_exit "$CHECK_PID" 10 || { echo "FAILED: $1 did not end"; failures=$((failures + 1)); return; }
  [ "$SMOKE_EXIT" -eq 0 ] || { echo "FAILED: $1 ended with $SMOKE_EXIT"; smoke_log "$1.err"; failures=$((failures + 1)); }
}

# Reading SDL's keys needs no window.
"$check" pure >"$WORK/pure.out" 2>&1 || failures=$((failures + 1))
cat "$WORK/pure.out"

# Sounds, real and broken, through the dummy audio device and through none.
wav=$(ls "$TREE"/sound/*.wav 2>/dev/null | head -1)
[ -n "$wav" ] || wav=$TREE/sound/start.wav
timeout 20 "$check" sounds "$wav" "$WORK" >"$WORK/sounds.out" 2>&1 || failures=$((failures + 1))
SDL_AUDIODRIVER=none-such timeout 20 "$check" sounds "$wav" "$WORK" >>"$WORK/sounds.out" 2>&1 || failures=$((failures + 1))
# SDL's disk driver writes what was played: the tone must be in it.
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$WORK/played.raw timeout 20 "$check" sounds "$wav" "$WORK" >>"$WORK/sounds.out" 2>&1 ||
  failures=$((failures + 1))
cat "$WORK/sounds.out"
played=$(tr -d '\000' <"$WORK/played.raw" 2>/dev/null | wc -c)
echo "bytes of sound played: $played"
[ "$played" -gt 1000 ] || { echo "FAILED: no sound reached the audio device"; failures=$((failures + 1)); }

# When the game window is presented: the dummy video driver writes each
# presented picture into the working folder.
mkdir -p "$WORK/presents"
(cd "$WORK/presents" && SDL_VIDEODRIVER=dummy SDL_VIDEO_DUMMY_SAVE_FRAMES=1 timeout 30 "$check" presents) \
  >"$WORK/presents.out" 2>&1 || failures=$((failures + 1))
cat "$WORK/presents.out"
rm -f "$WORK/presents/"*.bmp

# Keys arrive as virtual-key codes, Alt combinations and F10 never, and the
# pointer maps from 1280x960 back to 640x480.
start events
xdotool mousemove 640 480
xdotool key Escape Return F1 F12 a 5 Left space BackSpace Tab
xdotool key F10 alt+x
xdotool key alt+Return
sleep 0.7
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name '^KXS$' | head -1)")"
echo "windowed: ${WIDTH}x${HEIGHT}"
[ "$WIDTH" -eq 640 ] && [ "$HEIGHT" -eq 480 ] || { echo "FAILED: Alt+Enter gave a ${WIDTH}x${HEIGHT} window"; failures=$((failures + 1)); }
# Odd sizes on the way: smaller than the picture, then very flat.
xdotool windowsize "$(xdotool search --onlyvisible --name '^KXS$' | head -1)" 301 203
sleep 0.3
xdotool windowsize "$(xdotool search --onlyvisible --name '^KXS$' | head -1)" 1000 30
sleep 0.3
xdotool key alt+Return
sleep 0.7
xdotool mousemove 0 0
sleep 0.2
xdotool mousemove 1279 959
sleep 0.2
xdotool mousemove 700 500 click 1
sleep 0.2
xdotool key z
xdotool key alt+F4
finish events
expect events.out "ready" "active 1" "move 320 240" "key 27" "key 13" "key 112" "key 123" "key 65" "key 53" "key 37" \
  "key 32" "key 8" "key 9" "move 0 0" "move 639 479" "move 350 250" "click 350 250" "key 90" "close"
refuse events.out "key 121"
refuse events.out "key 88"
refuse events.out "key 18"

# Boxes: Escape answers OK, N and a click answer No, Enter the default Yes;
# what is typed into a box never reaches the game.
start boxes
xdotool mousemove 640 300
wait_line boxes "box first" && sleep 0.5 && smoke_shot box && xdotool key Escape
wait_line boxes "box second" && sleep 0.3 && xdotool key n
wait_line boxes "box third" && sleep 0.3 && xdotool key Return
wait_line boxes "box fourth" && sleep 0.3 && xdotool mousemove 720 542 click 1
wait_line boxes "box long" && sleep 0.5 && xdotool key Return
wait_line boxes "ready" && xdotool key z alt+F4
finish boxes
expect boxes.out "box first" "answer 1" "box second" "answer 7" "box third" "answer 6" "box fourth" "answer 7" \
  "box long" "answer 1" "ready" \
  "key 90" "close"
refuse boxes.out "key 27"
refuse boxes.out "key 78"
refuse boxes.out "key 13"

# A dialog: the first field starts selected, so typing replaces its "0";
# Hangul goes in as Wansung, a syllable Wansung lacks (똠) is refused, and
# Backspace takes a whole syllable; Tab moves on; the second field takes 6
# bytes and no syllable that would pass them; a Yes/No box over the dialog
# keeps it open; Cancel (clicked) ends it; Escape typed in it never reaches
# the game.
start dialog
wait_line dialog "dialog"
sleep 0.3
xdotool type --delay 120 '김똠철수'
xdotool key BackSpace
xdotool key Tab
xdotool type --delay 80 'abcdefgh'
xdotool key BackSpace
xdotool type --delay 120 '김'
sleep 0.3
smoke_shot dialog
xdotool key Return
wait_line dialog "command 1 first=B1E8C3B6 second=6162636465 small=6162"
sleep 0.3
xdotool key n
wait_line dialog "nested 7"
sleep 0.3
xdotool mousemove 760 584 click 1
wait_line dialog "result 102"
xdotool key z alt+F4
finish dialog
expect dialog.out "dialog" "long 7" "command 1 first=B1E8C3B6 second=6162636465 small=6162" "nested 7" \
  "command 2 first=B1E8C3B6 second=6162636465 small=6162" "result 102" "ready" "key 90" "close"
refuse dialog.out "key 27"
refuse dialog.out "key 65"

[ "$failures" -eq 0 ] || smoke_fail "$failures check(s) of the SDL backend failed"
echo "the SDL backend passed its checks"
