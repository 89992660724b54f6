#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time.
#   tests/fuzz/run_fuzzers.sh BUILD_DIR [SECONDS] [DATA_TREE]
# SECONDS defaults to 30 a target; DATA_TREE (the seeds) to build/game.
# Every input kept under regressions/TARGET/ is run first. A crash fails the
# run; its input is copied to regressions/TARGET/ to be kept.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
build=${1:?usage: run_fuzzers.sh BUILD_DIR [SECONDS] [DATA_TREE]}
seconds=${2:-30}
tree=${3:-$top/build/game}
mkdir -p "$build"
build=$(cd "$build" && pwd)

CC=clang CXX=clang++ cmake -S "$here" -B "$build" >/dev/null || exit 1
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" >/dev/null || exit 1
[ -d "$tree/data" ] || { echo "no data tree at $tree (build the game first)" >&2; exit 1; }
tree=$(cd "$tree" && pwd)
export KXS_FUZZ_TREE=$tree
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Seeds: the files of the default tree each target reads.
seeds() {  # TARGET DIR
  local dir=$2 f
  case $1 in
    kxg_decode) for f in data/money.kxg data/gugi.kxg data/day.kxg data/mo001.kxg; do cp "$tree/$f" "$dir/" 2>/dev/null; done
                ls "$tree"/face/*.kxg 2>/dev/null | head -3 | xargs -r cp -t "$dir" ;;
    fonts) cat "$tree/data/han.fnt" "$tree/data/eng.fnt" >"$dir/fonts" 2>/dev/null
           printf '\012\040KXS \260\241\262\350 test' >>"$dir/fonts"
           cp "$tree/data/eng.fnt" "$dir/" 2>/dev/null ;;
    data_corp) cp "$tree/data/corp.dat" "$dir/" ;;
    data_main) cp "$tree/data/main.dat" "$dir/" ;;
    data_bank) cp "$tree/data/bank.dat" "$dir/" ;;
    data_man) cp "$tree/face/man.dat" "$dir/" ;;
    intro_data) cp "$tree/intro/intro.dat" "$dir/" 2>/dev/null; printf 'x\n7\nx\n250\n' >"$dir/plain" ;;
    load_game) KXS_FUZZ_SEED_DIR=$dir "$build/targets/fuzz_load_game" -runs=0 >/dev/null 2>&1
               printf 'KXS' >"$dir/short" ;;
    convert_string) printf '\001\006\210\141\214\102abc' >"$dir/johab"; printf '\006\001\260\241\311\376' >"$dir/wansung"
                    printf '\001\007\210\141\320\201' >"$dir/seven" ;;
    replay_script) cp "$top"/tests/scenarios/*.replay "$dir/" 2>/dev/null ;;
    png_read) ls "$top"/docs/screens/*.png 2>/dev/null | head -2 | xargs -r cp -t "$dir"
              ls /usr/share/icons/hicolor/*/apps/*.png 2>/dev/null | head -2 | xargs -r cp -t "$dir" ;;
    dialog_text) printf '\020\000\352\260\200\000a\001\002\003\004\005' >"$dir/typing"
                 printf '\012\012\352\260\200\352\260\201abc' >"$dir/fields" ;;
  esac
  return 0
}

# The corpus and crash folders are given relative to the build folder, as a
# person running a target by hand would: every target must work with them.
cd "$build" || exit 1
failed=0
for exe in "$build"/targets/fuzz_*; do
  name=${exe##*/fuzz_}
  regressions=$here/regressions/$name
  if [ -d "$regressions" ] && [ -n "$(ls -A "$regressions")" ]; then
    if ! "$exe" "$regressions"/* >"$build/$name.regressions.log" 2>&1; then
      echo "FAIL $name: a kept regression input crashes (see $build/$name.regressions.log)"
      failed=1
      continue
    fi
  fi
  corpus=corpus/$name
  artifacts=crashes/$name
  mkdir -p "$corpus" "$artifacts"
  seeds "$name" "$corpus"
  start=$(date +%s)
  if "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$artifacts/" "$corpus" >"$build/$name.log" 2>&1; then
    echo "ok   $name: $(( $(date +%s) - start )) s, $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/$name.log" | grep -o '[0-9]*$') runs"
  else
    echo "FAIL $name (see $build/$name.log)"
    mkdir -p "$regressions"
    cp "$artifacts"/* "$regressions/" 2>/dev/null
    failed=1
  fi
done
exit $failed
