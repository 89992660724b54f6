#!/usr/bin/env bash
# sdl_sound.sh [REV...]: the SDL backend's sound service playing a 100 MB WAV
# five times, for each tree given (a git revision, or "." for the working
# tree; default: main and "."), one after the other in the same run. Each
# tree's platform/ is built with tests/bench/sdl/sound_bench.cpp on SDL's
# dummy audio driver; the time of each play and the peak memory are printed.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
[ $# -gt 0 ] || set -- main .
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
wav=$work/big.wav
n=0
for rev in "$@"; do
  n=$((n + 1))
  tree=$work/tree$n
  mkdir -p "$tree"
  if [ "$rev" = . ]; then
    cp -r "$top/platform" "$tree/"
  else
    git -C "$top" archive "$rev" platform | tar -x -C "$tree"
  fi
  # shellcheck disable=SC2046
  g++ -std=c++20 -O2 -I "$tree" "$here/sdl/sound_bench.cpp" "$tree/platform/sdl/sound.cpp" \
    $(ls "$tree"/platform/file_*.cpp) $(sdl2-config --cflags --libs) -o "$tree/sound_bench"
  echo "== $rev"
  SDL_AUDIODRIVER=dummy /usr/bin/time -f "elapsed %e s  peak memory %M KB" "$tree/sound_bench" "$wav" 100 5
done
