# Sourced by the smoke tests: a private X server with the game's tools.
#   smoke_begin KXS_BINARY GAME_TREE WORK_DIR   (sets KXS, TREE, WORK, DISPLAY)
# Everything started here is stopped when the test's shell exits.

SMOKE_PIDS=()
XVFB_PID=

smoke_fail() {
  echo "FAILED: $*" >&2
  exit 1
}

smoke_cleanup() {
  local pid
  for pid in "${SMOKE_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${SMOKE_PIDS[@]}"; do wait "$pid" 2>/dev/null; done
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
  fi
}

smoke_begin() {
  KXS=$(readlink -f "$1")
  TREE=$(readlink -f "$2")
  WORK=$3/$(basename "$0" .sh)
  if ! command -v Xvfb >/dev/null; then
    echo "skipped: Xvfb is not installed"
    exit 0
  fi
  local tool
  for tool in xdotool import convert compare; do
    command -v "$tool" >/dev/null || smoke_fail "$tool is missing (packages xdotool, imagemagick)"
  done
  [ -x "$KXS" ] || smoke_fail "no game program at $1"
  [ -d "$TREE" ] || smoke_fail "no data tree at $2"
  rm -rf "$WORK"
  mkdir -p "$WORK/run"
  chmod 700 "$WORK/run"
  trap smoke_cleanup EXIT
  # The server picks a free display itself and names it when it is ready.
  Xvfb -displayfd 3 -screen 0 1280x960x24 -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
  XVFB_PID=$!
  local i
  for i in $(seq 100); do
    [ -s "$WORK/display" ] && break
    kill -0 "$XVFB_PID" 2>/dev/null || smoke_fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
    sleep 0.1
  done
  [ -s "$WORK/display" ] || smoke_fail "Xvfb named no display"
  export DISPLAY=:$(head -1 "$WORK/display")
  export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy
  # A lock folder of its own, so that a game the developer is playing does
  # not count as the running instance.
  export XDG_RUNTIME_DIR=$WORK/run
  unset SDL_RENDER_DRIVER
  # In a sanitizer build the window system's libraries (D-Bus, the GL
  # driver, unloaded before exit) leave allocations that name no module of
  # ours; every other sanitizer report still fails the test.
  export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
}

# smoke_run_game NAME: starts the game in the data tree; GAME_PID is its pid.
smoke_run_game() {
  (cd "$TREE" && exec "$KXS") >"$WORK/$1.out" 2>"$WORK/$1.err" &
  GAME_PID=$!
  SMOKE_PIDS+=("$GAME_PID")
}

# smoke_window TITLE [SECONDS]: prints the id of the window titled exactly TITLE.
smoke_window() {
  local i id
  for i in $(seq $((${2:-10} * 10))); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    if [ -n "$id" ] && sleep 0.2 && xdotool getwindowgeometry "$id" >/dev/null 2>&1; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# smoke_wait_exit PID SECONDS: waits for the process (a child of the test's
# own shell, so not inside $(...)); its exit code is then in SMOKE_EXIT.
smoke_wait_exit() {
  local i
  for i in $(seq $(($2 * 10))); do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1"
      SMOKE_EXIT=$?
      return 0
    fi
    sleep 0.1
  done
  return 1
}

smoke_shot() {
  import -window root "$WORK/$1.png" || smoke_fail "no screenshot $1"
}

# smoke_mean IMAGE [CROP]: mean brightness 0..1 of the picture or a part of it.
smoke_mean() {
  if [ -n "${2:-}" ]; then
    convert "$WORK/$1.png" -crop "$2" +repage -colorspace gray -format '%[fx:mean]' info:
  else
    convert "$WORK/$1.png" -colorspace gray -format '%[fx:mean]' info:
  fi
}

# smoke_differing A B CROP: how many pixels of CROP differ between two shots.
smoke_differing() {
  convert "$WORK/$1.png" -crop "$3" +repage "$WORK/$1.crop.png"
  convert "$WORK/$2.png" -crop "$3" +repage "$WORK/$2.crop.png"
  compare -metric AE "$WORK/$1.crop.png" "$WORK/$2.crop.png" null: 2>&1 | cut -d' ' -f1
}

smoke_log() {
  echo "--- $1"
  cat "$WORK/$1" 2>/dev/null
}
