#!/usr/bin/env bash
# sdl_frames.sh BUILD_DIR [BENCHMARK OPTIONS...]
# The SDL backend's whole frame at 1x (the dummy driver's 1024x768 desktop)
# and at 2x (a private X server of 1280x960), then the real game's share of
# one core on the office screen at its 60 Hz pace, over ten seconds.
set -u
build=$(readlink -f "${1:?usage: sdl_frames.sh BUILD_DIR [BENCHMARK OPTIONS...]}")
shift
bench=$build/kxs-bench-sdl
[ -x "$bench" ] || { echo "no $bench: build first" >&2; exit 1; }

echo "== SDL frame, dummy driver (1x)"
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$bench" --benchmark_context=display=dummy-1x "$@" || exit 1

. "$(dirname "$0")/../smoke/x_session.bash"
smoke_begin "$build/kxs" "$build/game" "$build/bench-work"

echo "== SDL frame, Xvfb 1280x960 (2x)"
"$bench" --benchmark_context=display=xvfb-2x "$@" || exit 1

# CPU ticks (user + system) of a process so far.
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
share() {  # share NAME SECONDS: the game's share of one core
  local before after hz
  hz=$(getconf CLK_TCK)
  before=$(ticks "$GAME_PID")
  sleep "$2"
  after=$(ticks "$GAME_PID")
  awk -v n="$1" -v t=$((after - before)) -v hz="$hz" -v s="$2" \
    'BEGIN { printf "%s: %.1f %% of one core (%d ticks in %d s)\n", n, 100 * t / hz / s, t, s }'
}

echo "== The game under Xvfb (2x), at its own pace"
smoke_run_game game
smoke_window KXS 10 >/dev/null || { smoke_log game.err; smoke_fail "no window titled KXS"; }
sleep 1
xdotool key space
sleep 1
# A new game: the intro's eight pictures, the name dialog, the starting
# screen's button, then the office.
xdotool mousemove 600 480 click 1
sleep 16
xdotool type --delay 50 Park
xdotool key Tab
xdotool type --delay 50 Soft
xdotool key Return
sleep 1
xdotool mousemove 1100 860 click 1
sleep 1.5
xdotool mousemove 640 600
sleep 0.5
smoke_shot office
share "office" 10
smoke_shot office-after
echo "(the office screen as measured: $WORK/office.png)"
