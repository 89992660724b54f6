#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Figures of the web build against the desktop build, in one run:
#   tests/web/measure.sh [BUILD_DIR] [WEB_BUILD_DIR]   (defaults build, build-web)
# the site's download size (gzip -9), the palette expansion natively and in
# WebAssembly (expand_bench.cpp built by both compilers), the time from
# navigation to the start picture and Chromium's CPU on the idle office
# (measure.js), and the desktop game's CPU on the same office under Xvfb
# (sdl_frames.sh, with its benchmarks filtered out).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(readlink -f "${1:-$top/build}")
web=$(readlink -f "${2:-$top/build-web}")
work=$web/measure
mkdir -p "$work"

echo "== Download size of $web/site (gzip -9)"
total=0
for f in "$web/site"/*; do
  raw=$(stat -c %s "$f")
  gz=$(gzip -9c "$f" | wc -c)
  total=$((total + gz))
  printf '%-12s %9d bytes, %9d gzipped\n' "$(basename "$f")" "$raw" "$gz"
done
printf '%-12s %30d gzipped\n' total "$total"

echo "== Palette expansion of one frame (1x), native g++ -O2 and emscripten -O3"
g++ -O2 -std=c++20 -I"$top" "$top/tests/web/expand_bench.cpp" "$top/platform/palette_expand.cpp" -o "$work/expand-native"
NODE_PATH=/usr/share/nodejs em++ -O3 -std=c++20 -I"$top" "$top/tests/web/expand_bench.cpp" \
  "$top/platform/palette_expand.cpp" -o "$work/expand-wasm.js"
echo "native: $("$work/expand-native")"
echo "wasm:   $(node --no-experimental-fetch "$work/expand-wasm.js")"

echo "== The web build in Chromium (1280x960)"
(cd "$top/tests/web" && node measure.js "$web/site")

echo "== The desktop build under Xvfb (2x)"
"$top/tests/bench/sdl_frames.sh" "$build" --benchmark_filter='^$' | grep -E '^office'
