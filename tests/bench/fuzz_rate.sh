#!/usr/bin/env bash
# fuzz_rate.sh FUZZ_BUILD TARGET SEEDS [SECONDS] [REV...]: runs per second of
# one fuzz target as each tree has it (a git revision, or "." for the working
# tree; default: main and "."), one after the other in the same run. Each
# tree's tests/fuzz/TARGET.cpp and fuzz_support.* are built against the game
# libraries of FUZZ_BUILD (tests/fuzz/run_fuzzers.sh FUZZ_BUILD makes them)
# and run for SECONDS (default 30) on a fresh copy of the seed folder SEEDS.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
build=$(cd "${1:?usage: fuzz_rate.sh FUZZ_BUILD TARGET SEEDS [SECONDS] [REV...]}" && pwd)
target=${2:?usage: fuzz_rate.sh FUZZ_BUILD TARGET SEEDS [SECONDS] [REV...]}
seeds=$(cd "${3:?usage: fuzz_rate.sh FUZZ_BUILD TARGET SEEDS [SECONDS] [REV...]}" && pwd)
seconds=${4:-30}
shift $(($# < 4 ? $# : 4))
[ $# -gt 0 ] || set -- main .
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
flags="-O2 -g -std=c++20 -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
# The game's libraries in link order, from the top down.
libs=""
for lib in game app dialogs screens sim world text gfx platform platform_common; do
  libs="$libs $build/libkxs_fuzz_$lib.a"
done
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
n=0
for rev in "$@"; do
  n=$((n + 1))
  tree=$work/tree$n
  mkdir -p "$tree/tests/fuzz"
  for f in "$target.cpp" fuzz_support.h fuzz_support.cpp; do
    if [ "$rev" = . ]; then cp "$top/tests/fuzz/$f" "$tree/tests/fuzz/"
    else git -C "$top" show "$rev:tests/fuzz/$f" >"$tree/tests/fuzz/$f"; fi
  done
  # The tree's own fuzz sources first; the game's headers from this tree.
  # shellcheck disable=SC2086,SC2046
  clang++ $flags -I "$tree" -I "$top" $(pkg-config --cflags libpng) -fsanitize=fuzzer,address,undefined \
    "$tree/tests/fuzz/$target.cpp" "$tree/tests/fuzz/fuzz_support.cpp" $libs $(pkg-config --libs libpng) \
    -o "$tree/fuzz_$target"
  cp -r "$seeds" "$tree/corpus"
  "$tree/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    "$tree/corpus" >"$tree/log" 2>&1 || { echo "== $rev: the target failed"; tail -5 "$tree/log"; continue; }
  echo "== $rev: $(grep -o 'number_of_executed_units: *[0-9]*' "$tree/log" | grep -o '[0-9]*$') runs in $seconds s," \
    "$(grep -o 'average_exec_per_sec: *[0-9]*' "$tree/log" | grep -o '[0-9]*$') runs/s," \
    "$(grep -o 'DONE *cov: [0-9]*' "$tree/log" | grep -o '[0-9]*$') edges covered"
done
