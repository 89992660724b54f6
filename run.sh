#!/usr/bin/env bash
# Set-up and commands of KXS on Debian 12. Every command first installs what
# is missing (apt-get, through sudo when not root) and builds.
#   ./run.sh play    build, make the data tree, start the game
#   ./run.sh test    build, make the data tree, run the whole test suite
#                    (KXS_FUZZ_SECONDS sets each fuzz target's time, default 30)
#   ./run.sh bench   build and run the benchmarks
set -euo pipefail
cd "$(dirname "$0")"
top=$(pwd)

packages=(
  cmake g++ make pkg-config
  libsdl2-dev libsdl2-ttf-dev libpng-dev
  libgtest-dev libbenchmark-dev
  fonts-nanum unifont librsvg2-bin
  xvfb xauth xdotool x11-utils imagemagick
  clang libclang-rt-14-dev valgrind
  strace desktop-file-utils appstream lintian dpkg-dev file
)

install_missing() {
  local missing=() p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)

build() {  # build DIR [cmake options...]
  local dir=$1
  shift
  cmake -S "$top" -B "$top/$dir" "$@" >/dev/null
  cmake --build "$top/$dir" -j "$jobs"
}

case "${1:-}" in
  play)
    install_missing
    build build
    cd "$top/build/game"
    exec "$top/build/kxs"
    ;;
  test)
    install_missing
    build build
    ctest --test-dir "$top/build" --output-on-failure -j "$jobs"
    echo "== The same suite under AddressSanitizer and UndefinedBehaviorSanitizer"
    build build-asan -DKXS_SANITIZE=ON -DKXS_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --test-dir "$top/build-asan" --output-on-failure -j "$jobs" -LE smoke
    echo "== Every fuzz target for ${KXS_FUZZ_SECONDS:-30} s (libFuzzer, both sanitizers)"
    "$top/tests/fuzz/run_fuzzers.sh" "$top/build-fuzz" "${KXS_FUZZ_SECONDS:-30}" "$top/build/game"
    ;;
  bench)
    install_missing
    build build
    "$top/build/kxs-bench" "${@:2}"
    ;;
  *)
    echo "usage: ./run.sh play | test | bench" >&2
    exit 2
    ;;
esac
