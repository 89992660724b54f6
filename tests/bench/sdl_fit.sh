#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# sdl_fit.sh BUILD_DIR: the game's share of one core on the main menu of a
# 1920x1080 screen (Xvfb) with scale=integer (2x with black bars) and with
# scale=fit (drawn at 3x, smoothed down to 1440x1080), ten seconds each,
# with the pointer kept moving so that every frame changes (a still frame
# is not drawn again).
set -u
build=$(readlink -f "${1:?usage: sdl_fit.sh BUILD_DIR}")
export SMOKE_SCREEN=1920x1080
. "$(dirname "$0")/../smoke/x_session.bash"
smoke_begin "$build/kxs" "$build/game" "$build/bench-work"
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
for scale in integer fit; do
  export XDG_CONFIG_HOME=$WORK/config-$scale HOME=$WORK/home
  mkdir -p "$XDG_CONFIG_HOME/kxs" "$HOME"
  echo "scale=$scale" >"$XDG_CONFIG_HOME/kxs/kxs.ini"
  smoke_run_game "game-$scale"
  smoke_window KXS 10 >/dev/null || { smoke_log "game-$scale.err"; smoke_fail "no window titled KXS"; }
  sleep 1
  xdotool key space
  sleep 2
  (for i in $(seq 250); do xdotool mousemove $((700 + i % 50 * 10)) 500; sleep 0.03; done) &
  mover=$!
  before=$(ticks "$GAME_PID")
  sleep 10
  after=$(ticks "$GAME_PID")
  wait "$mover"
  smoke_shot "menu-$scale"
  awk -v n="$scale" -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" \
    'BEGIN { printf "scale=%s: %.1f %% of one core (%d ticks in 10 s)\n", n, 100 * t / hz / 10, t }'
  xdotool key Escape
  smoke_wait_exit "$GAME_PID" 10 || smoke_fail "Escape did not end the game"
done
