# SPDX-License-Identifier: GPL-2.0-or-later
# Sourced by the smoke tests: a private X server with the game's tools.
#   smoke_begin KXS_BINARY GAME_TREE WORK_DIR   (sets KXS, TREE, WORK, DISPLAY)
# Everything started here is stopped when the test's shell exits.
# SMOKE_SCREEN (WxH, default 1280x960) sets the size of its screen.

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
    exit 77  # ctest counts it as skipped
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
  Xvfb -displayfd 3 -screen 0 "${SMOKE_SCREEN:-1280x960}x24" -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
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
  compare -precision 12 -metric AE "$WORK/$1.crop.png" "$WORK/$2.crop.png" null: 2>&1 | cut -d' ' -f1
}

smoke_log() {
  echo "--- $1"
  cat "$WORK/$1" 2>/dev/null
}

# --- Playing the game with real input, checked against the headless build.

# smoke_tree_copy: the game plays in a copy of the data tree in the work
# folder, so that its saves never land in the build's tree.
smoke_tree_copy() {
  rm -rf "$WORK/tree"
  cp -r "$TREE" "$WORK/tree" || smoke_fail "cannot copy the data tree"
  rm -f "$WORK/tree/cur/"*.sav
  TREE=$WORK/tree
}

# smoke_headless SCRIPT [SAVE]: plays SCRIPT on the headless build beside the
# game, in a tree copy of its own (holding SAVE as its saved game, if
# given), which stays as $WORK/headless/tree. Each snapshot NAME.png it
# takes becomes ref_NAME.ppm in the work folder, scaled 2x by repeating
# pixels as the window shows the picture at 1280x960.
smoke_headless() {
  local replay
  replay=$(dirname "$KXS")/kxs-replay
  [ -x "$replay" ] || smoke_fail "no kxs-replay beside the game"
  local dir=$WORK/headless script
  script=$(readlink -f "$1")
  rm -rf "$dir"
  mkdir -p "$dir"
  cp -r "$TREE" "$dir/tree"
  rm -f "$dir/tree/cur/"*.sav
  if [ -n "${2:-}" ]; then cp "$2" "$dir/tree/cur/kxs.sav" || smoke_fail "no saved game $2"; fi
  (cd "$dir" && exec "$replay" --root "$dir/tree" --seed 1 --log "$dir/replay.log" "$script") >"$dir/replay.out" 2>&1 ||
    { cat "$dir/replay.out" >&2; smoke_fail "the headless run of $(basename "$1") failed"; }
  local png
  for png in "$dir"/*.png; do
    [ -f "$png" ] || continue
    convert "$png" -sample 200% "$WORK/ref_$(basename "$png" .png).ppm" ||
      smoke_fail "cannot scale $png"
  done
}

# smoke_pointer X Y: the pointer to the game's logical point (X, Y).
smoke_pointer() {
  xdotool mousemove $(($1 * 2)) $(($2 * 2))
}

# smoke_click X Y: a left click at the game's logical point (X, Y).
smoke_click() {
  xdotool mousemove $(($1 * 2)) $(($2 * 2))
  sleep 0.05
  xdotool click 1
}

# Shots taken while waiting are uncompressed (NAME.ppm): a loaded machine
# spends its time on PNG coding otherwise. REF names a picture in the work
# folder; CROP, when given, is in window pixels.

smoke_grab() {  # smoke_grab NAME
  import -window root "$WORK/$1.ppm" || smoke_fail "no screenshot $1"
}

# smoke_differs_from NAME REF [CROP]: how many pixels of shot NAME (of CROP)
# differ from REF.
smoke_differs_from() {
  local crop=${3:+[$3]}
  compare -precision 12 -metric AE "$WORK/$1.ppm$crop" "$WORK/$2$crop" null: 2>&1 | cut -d' ' -f1
}

# smoke_wait_picture NAME REF SECONDS [CROP]: takes shot NAME until it (or its
# CROP) equals REF pixel for pixel; SMOKE_DIFF is the last count of
# differing pixels.
smoke_wait_picture() {
  local end=$((SECONDS + $3))
  while :; do
    smoke_grab "$1"
    SMOKE_DIFF=$(smoke_differs_from "$1" "$2" "${4:-}")
    [ "$SMOKE_DIFF" = 0 ] && return 0
    [ "$SECONDS" -ge "$end" ] && return 1
    kill -0 "$GAME_PID" 2>/dev/null || return 1
    sleep 0.1
  done
}

# smoke_count_colour NAME COLOUR: how many pixels of shot NAME have exactly
# COLOUR (#rrggbb): all of them but those that differ from a plain picture
# of it.
smoke_count_colour() {
  local plain=$WORK/plain_${2#\#}.ppm
  [ -f "$plain" ] || convert -size 1280x960 "xc:$2" "$plain"
  local differing
  differing=$(compare -precision 12 -metric AE "$WORK/$1.ppm" "$plain" null: 2>&1 | cut -d' ' -f1)
  # A shot of another size is no picture of the game at all.
  case $differing in
    '' | *[!0-9]*) echo 0 ;;
    *) echo $((1280 * 960 - differing)) ;;
  esac
}

# The backend draws its boxes and dialogs in these colours: a box's title bar
# is navy, and a dialog is a grey face without one.
SMOKE_TITLE=#000080
SMOKE_FACE=#C0C0C0

smoke_box_up() {  # smoke_box_up NAME: whether shot NAME shows a box
  [ "$(smoke_count_colour "$1" "$SMOKE_TITLE")" -gt 3000 ]
}

smoke_dialog_up() {  # smoke_dialog_up NAME: a dialog and no box over it
  [ "$(smoke_count_colour "$1" "$SMOKE_FACE")" -gt 40000 ] && ! smoke_box_up "$1"
}

smoke_no_box() { ! smoke_box_up "$1"; }
smoke_no_dialog() { [ "$(smoke_count_colour "$1" "$SMOKE_FACE")" -lt 20000 ]; }

# smoke_wait_for TEST NAME SECONDS: takes shot NAME until "TEST NAME" holds.
smoke_wait_for() {
  local end=$((SECONDS + $3))
  while :; do
    smoke_grab "$2"
    "$1" "$2" && return 0
    [ "$SECONDS" -ge "$end" ] && return 1
    kill -0 "$GAME_PID" 2>/dev/null || return 1
    sleep 0.1
  done
}

# smoke_step TEXT: a line of progress with the seconds since the start.
smoke_step() {
  echo "[$SECONDS s] $*"
}

# smoke_crop2x WxH+X+Y: the same rectangle in window pixels.
smoke_crop2x() {
  echo "$1" | awk -F'[x+]' '{ printf "%dx%d+%d+%d\n", $1 * 2, $2 * 2, $3 * 2, $4 * 2 }'
}

# smoke_share NAME SECONDS PID...: the processes' share of one core over
# SECONDS (user and system time).
smoke_share() {
  local name=$1 seconds=$2 before=0 after=0 pid hz
  shift 2
  hz=$(getconf CLK_TCK)
  for pid in "$@"; do before=$((before + $(awk '{ print $14 + $15 }' "/proc/$pid/stat" 2>/dev/null || echo 0))); done
  sleep "$seconds"
  for pid in "$@"; do after=$((after + $(awk '{ print $14 + $15 }' "/proc/$pid/stat" 2>/dev/null || echo 0))); done
  awk -v n="$name" -v t=$((after - before)) -v hz="$hz" -v s="$seconds" \
    'BEGIN { printf "%s: %.1f %% of one core (%d ticks in %d s)\n", n, 100 * t / hz / s, t, s }'
}
