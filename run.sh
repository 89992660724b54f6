#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Set-up and commands of KXS on Debian 12. Every command first installs what
# is missing (apt-get, through sudo when not root) and builds.
#   ./run.sh play    build, make the data tree, start the game
#   ./run.sh test    build, make the data tree, run the whole test suite
#                    (KXS_FUZZ_SECONDS sets each fuzz target's time, default 20)
#   ./run.sh test native   ... without the web build and its browser test
#   ./run.sh bench   build and run the benchmarks
#   ./run.sh web     build the browser version into build-web/site/
#   ./run.sh web serve   ... and serve it on 127.0.0.1 (KXS_WEB_PORT, default 8080)
#   ./run.sh windows     cross-build the Windows programs into build-win/
set -euo pipefail
cd "$(dirname "$0")"
top=$(pwd)

packages=(
  cmake g++ make pkg-config
  libsdl2-dev libsdl2-ttf-dev zlib1g-dev
  libgtest-dev libbenchmark-dev
  fonts-nanum unifont librsvg2-bin gettext
  xvfb xdotool imagemagick
  clang libclang-rt-dev ccache
  strace desktop-file-utils appstream lintian dpkg-dev
  reuse clang-format
)

# The browser version: the compiler, and for its test Chromium and Node.js.
web_packages=(emscripten chromium nodejs)

# The Windows version: mingw-w64 of the posix thread model (std::thread),
# its zlib, GoogleTest's sources, and Wine for its tests.
windows_packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev googletest wine nsis)

install_missing() {  # install_missing [PACKAGE...]: the list above by default
  local missing=() p
  [ $# -gt 0 ] || set -- "${packages[@]}"
  for p in "$@"; do
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

# Every build here treats warnings as errors; a rebuild reuses ccache's
# objects.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

build() {  # build DIR [cmake options...]
  local dir=$1
  shift
  cmake -S "$top" -B "$top/$dir" -DKXS_WERROR=ON "${launcher[@]}" "$@" >/dev/null
  cmake --build "$top/$dir" -j "$jobs"
}

# A packager's build: Clang, Release, Debian's hardening flags. Only the
# programs are compiled and linked, without warnings; the data tree and the
# tests are the main build's.
packager_build() {
  local programs=(kxs kxs-replay kxs-tool kxs-unit kxs-sdl-check kxs-bench kxs-bench-sdl
                  kxs-make-fonts kxs-make-pictures kxs-make-sounds kxs-make-world)
  (
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
    LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
    export CXXFLAGS LDFLAGS CXX=clang++
    cmake -S "$top" -B "$top/build-clang" -DCMAKE_BUILD_TYPE=Release -DKXS_WERROR=ON "${launcher[@]}" >/dev/null
    cmake --build "$top/build-clang" -j "$jobs" --target "${programs[@]}"
  )
}

# The browser version into build-web/site/; the data tree comes from the
# desktop build's tools.
web_build() {
  install_missing
  install_missing "${web_packages[@]}"
  cmake -S "$top" -B "$top/build" -DKXS_WERROR=ON "${launcher[@]}" >/dev/null
  cmake --build "$top/build" -j "$jobs" --target game_data kxs-replay kxs-tool
  emcmake cmake -S "$top" -B "$top/build-web" -DKXS_WERROR=ON -DCMAKE_BUILD_TYPE=Release -DKXS_WEB_GAME_TREE="$top/build/game" >/dev/null
  cmake --build "$top/build-web" -j "$jobs"
}

# The Windows programs into build-win/, cross-built with mingw-w64; the data
# tree comes from the desktop build's tools.
windows_build() {
  install_missing
  install_missing "${windows_packages[@]}"
  cmake -S "$top" -B "$top/build" -DKXS_WERROR=ON "${launcher[@]}" >/dev/null
  cmake --build "$top/build" -j "$jobs" --target game_data kxs-replay kxs-tool
  cmake -S "$top" -B "$top/build-win" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" \
    -DKXS_WERROR=ON "${launcher[@]}" -DKXS_WIN_GAME_TREE="$top/build/game" >/dev/null
  cmake --build "$top/build-win" -j "$jobs"
}

# The browser test's Node.js packages, as the lock file names them; no
# browser is downloaded (the test drives Debian's Chromium).
web_test_packages() {
  local dir=$top/tests/web
  command -v npm >/dev/null || install_missing npm
  cmp -s "$dir/package-lock.json" "$dir/node_modules/.kxs-installed" 2>/dev/null && return 0
  (cd "$dir" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
  cp "$dir/package-lock.json" "$dir/node_modules/.kxs-installed"
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
    if [ "${2:-}" != native ]; then
      echo "== The web build in Chromium"
      web_build
      web_test_packages
      "$top/tests/web/browser_test.sh" "$top/build-web/site" "$top/build" "$top/build-web/browser-test"
    fi
    echo "== The Windows build under Wine"
    windows_build
    "$top/tests/wine/run_wine_tests.sh" "$top/build-win" "$top/build"
    echo "== A packager's build: Clang, Release, Debian's hardening flags"
    packager_build
    echo "== The same suite under AddressSanitizer and UndefinedBehaviorSanitizer"
    build build-asan -DKXS_SANITIZE=ON -DKXS_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --test-dir "$top/build-asan" --output-on-failure -j "$jobs" -LE "smoke|source"
    echo "== Every fuzz target for ${KXS_FUZZ_SECONDS:-20} s (libFuzzer, both sanitizers)"
    "$top/tests/fuzz/run_fuzzers.sh" "$top/build-fuzz" "${KXS_FUZZ_SECONDS:-20}" "$top/build/game"
    ;;
  bench)
    install_missing
    build build
    "$top/build/kxs-bench" "${@:2}"
    ;;
  web)
    web_build
    echo "The site is in $top/build-web/site/: copy that folder to any static web server."
    if [ "${2:-}" = serve ]; then
      install_missing nodejs
      exec node "$top/tests/web/site_server.js" "$top/build-web/site" "${KXS_WEB_PORT:-8080}"
    fi
    ;;
  windows)
    windows_build
    echo "The Windows programs are in $top/build-win/."
    ;;
  *)
    echo "usage: ./run.sh play | test [native] | bench | web [serve] | windows" >&2
    exit 2
    ;;
esac
