#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# sdl_frames.sh BUILD_DIR [BUILD_DIR...] [BENCHMARK OPTIONS...]
# The SDL backend's whole frame at 1x (the dummy driver's 1024x768 desktop)
# and at 2x (a private X server of 1280x960), then the real game's share of
# one core at its 60 Hz pace over ten seconds: on the office with nothing
# running, and on the office with a job running (its work picture animates).
# Given several builds (a change and the commit before it), each step
# measures them one after the other in the same run.
set -u
here=$(cd "$(dirname "$0")" && pwd)
builds=()
while [ $# -gt 0 ] && [ -d "$1" ]; do
  builds+=("$(readlink -f "$1")")
  shift
done
[ ${#builds[@]} -gt 0 ] || { echo "usage: sdl_frames.sh BUILD_DIR [BUILD_DIR...] [BENCHMARK OPTIONS...]" >&2; exit 1; }
for build in "${builds[@]}"; do
  [ -x "$build/kxs-bench-sdl" ] && [ -x "$build/kxs" ] || { echo "no kxs and kxs-bench-sdl in $build: build first" >&2; exit 1; }
done

for build in "${builds[@]}"; do
  echo "== SDL frame, dummy driver (1x): $build"
  SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$build/kxs-bench-sdl" --benchmark_context=display=dummy-1x "$@" || exit 1
done

. "$here/../smoke/x_session.bash"
smoke_begin "${builds[0]}/kxs" "${builds[0]}/game" "${builds[0]}/bench-work"

for build in "${builds[@]}"; do
  echo "== SDL frame, Xvfb 1280x960 (2x): $build"
  "$build/kxs-bench-sdl" --benchmark_context=display=xvfb-2x "$@" || exit 1
done

# The two saved games, made by the first build's headless game: a new
# company on its first day, and the same having taken a contract.
smoke_headless "$here/../smoke/bank_walk_save.replay"
cp "$WORK/headless/tree/cur/kxs.sav" "$WORK/idle.sav" || smoke_fail "the headless build saved no game"
smoke_headless "$here/office_job.replay"
cp "$WORK/headless/tree/cur/kxs.sav" "$WORK/job.sav" || smoke_fail "the headless build saved no game"

# office NAME BUILD SAVE: the build's game in a copy of its own data tree
# holding SAVE, loaded through the main menu, measured on the office.
office() {
  local name=$1 build=$2
  KXS=$build/kxs
  TREE=$WORK/tree-$name
  rm -rf "$TREE"
  cp -r "$build/game" "$TREE" || smoke_fail "cannot copy $build/game"
  cp "$3" "$TREE/cur/kxs.sav"
  smoke_run_game "$name"
  smoke_window KXS 20 >/dev/null || { smoke_log "$name.err"; smoke_fail "no window titled KXS"; }
  sleep 1.5
  xdotool key space
  sleep 1
  smoke_click 300 300
  sleep 2
  # The pointer rests where the office draws nothing that follows it.
  xdotool mousemove 640 600
  sleep 1
  kill -0 "$GAME_PID" 2>/dev/null || { smoke_log "$name.err"; smoke_fail "the game ended"; }
  smoke_shot "$name"
  smoke_share "$name: $build" 10 "$GAME_PID"
  kill "$GAME_PID"
  wait "$GAME_PID" 2>/dev/null
}

echo "== The game under Xvfb (2x), at its own pace, on the office"
for state in idle job; do
  i=0
  for build in "${builds[@]}"; do
    i=$((i + 1))
    office "office-$state-$i" "$build" "$WORK/$state.sav"
  done
done
echo "(the offices as measured: $WORK/office-*.png)"
