#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The web build in a real browser (browser_game.js), checked against the
# headless build playing the same moments with the same seed; then the
# page's language in an English browser (browser_language.js).
#   browser_test.sh SITE_DIR NATIVE_BUILD_DIR WORK_DIR
set -euo pipefail
site=$(readlink -f "$1")
native=$(readlink -f "$2")
work=$3
here=$(cd "$(dirname "$0")" && pwd)
seed=7
rm -rf "$work"
mkdir -p "$work/refs"
work=$(readlink -f "$work")

# The headless build: a new game saved, then that save loaded.
cp -r "$native/game" "$work/tree"
rm -f "$work/tree/cur/"*.sav
(cd "$work/refs" && "$native/kxs-replay" --root "$work/tree" --seed $seed --log game.log "$here/web_game.replay") ||
  { echo "FAILED: the headless run of web_game.replay" >&2; exit 1; }
(cd "$work/refs" && "$native/kxs-replay" --root "$work/tree" --seed $seed --log load.log "$here/web_load.replay") ||
  { echo "FAILED: the headless run of web_load.replay" >&2; exit 1; }
for png in "$work/refs"/*.png; do
  convert "$png" -depth 8 "rgb:${png%.png}.rgb"
done

NODE_PATH="$here/node_modules" timeout 300 node "$here/browser_game.js" "$site" "$work/refs" "$work" $seed
NODE_PATH="$here/node_modules" timeout 300 node "$here/browser_app.js" "$site" "$work/refs" "$work" $seed

# The stored save holds the same game as the headless build's; only the
# clock readings of the running screen differ.
dump() { "$native/kxs-tool" save-dump "$1" | grep -vE '^\s*"(anim[A-Za-z]*|intro[A-Za-z]*)":'; }
dump "$work/tree/cur/kxs.sav" >"$work/headless.dump"
dump "$work/web.sav" >"$work/web.dump"
if ! diff -u "$work/headless.dump" "$work/web.dump" >"$work/save.diff"; then
  head -40 "$work/save.diff" >&2
  echo "FAILED: the save read back from IndexedDB is not the headless build's game" >&2
  exit 1
fi
grep -q '"presidentName": "홍길동", "name": "길동소프트"' "$work/web.dump" ||
  { echo "FAILED: the stored save does not hold the names typed" >&2; exit 1; }
echo "the web build plays, saves to IndexedDB and loads as the headless build does"

NODE_PATH="$here/node_modules" timeout 300 node "$here/browser_language.js" "$site" "$work"
