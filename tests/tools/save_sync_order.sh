#!/usr/bin/env bash
# save_sync_order.sh KXS_REPLAY GAME_TREE WORK_DIR
# A save that survives a power cut: the system calls of a save made through
# the command menu must come in the order write, fsync (of the temporary
# file), rename, fsync (of its folder). Recorded with strace.
set -euo pipefail
replay=$(readlink -f "$1") tree=$(readlink -f "$2") work=$(readlink -f "$3")/save_sync_order
if ! command -v strace >/dev/null; then
  echo "FAILED: strace is missing (package strace)" >&2
  exit 1
fi
rm -rf "$work"
mkdir -p "$work"
if ! strace -o /dev/null true 2>/dev/null; then
  echo "skipped: this machine does not let strace trace (no ptrace)"
  exit 77  # ctest counts it as skipped
fi
cp -r "$tree" "$work/tree"
rm -f "$work/tree/cur/"*.sav
cat >"$work/save.replay" <<'SCRIPT'
key SPACE
frames 2
click 300 240
dialog "Hong Gildong" "Gildong Soft" ok
until NewGameScreen 1000
click 550 430
until OfficeScreen 100
click 60 180
until CommandMenuScreen 50
click 300 200
frames 2
SCRIPT
cd "$work"
# LeakSanitizer cannot work under ptrace; the sanitizer suite's other
# checks stay on.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
strace -f -qq -o "$work/calls" -e trace=openat,write,fsync,fdatasync,rename,renameat,renameat2,close \
  "$replay" --root "$work/tree" --seed 1 --log "$work/replay.log" "$work/save.replay"
grep -q '저장했습니다' "$work/replay.log" || { cat "$work/replay.log" >&2; echo "FAILED: the game did not save" >&2; exit 1; }
# Each call of the save in order, one word a line: the temporary file's
# descriptor and the folder's are followed by number.
sed -E 's/^[0-9]+ +//' "$work/calls" | awk '
  /^openat\(.*"cur\/kxs\.sav\.tmp"/ && /O_CREAT/ { split($0, r, "= "); file = r[2] + 0; print "open"; next }
  file != "" && $0 ~ "^write\\(" file "," { if (!wrote++) print "write"; next }
  file != "" && $0 ~ "^f(data)?sync\\(" file "\\)" { print "fsync-file"; next }
  file != "" && $0 ~ "^close\\(" file "\\)" { print "close"; file = ""; next }
  /^rename(at2?)?\(.*kxs\.sav\.tmp".*kxs\.sav"/ { print "rename"; renamed = 1; next }
  renamed && /^openat\(.*O_DIRECTORY/ { split($0, r, "= "); dir = r[2] + 0; print "open-folder"; next }
  dir != "" && $0 ~ "^fsync\\(" dir "\\)" { print "fsync-folder"; dir = ""; renamed = 0; next }
' >"$work/order"
expected=$'open\nwrite\nfsync-file\nclose\nrename\nopen-folder\nfsync-folder'
if [ "$(cat "$work/order")" != "$expected" ]; then
  echo "FAILED: the save's system calls are not write, fsync, rename, fsync of the folder:" >&2
  cat "$work/order" >&2
  grep -E 'kxs\.sav|fsync|O_DIRECTORY' "$work/calls" >&2 || true
  exit 1
fi
[ -f "$work/tree/cur/kxs.sav" ] && [ ! -e "$work/tree/cur/kxs.sav.tmp" ] || { echo "FAILED: no save in place" >&2; exit 1; }
echo "save: write, fsync, rename, fsync of the folder"
