#!/usr/bin/env bash
# no_korean.sh KXS_REPLAY GAME_TREE WORK_DIR LANG
# The whole game of tests/scenarios/english_game.replay played in LANG
# shows no Korean: its check scans every box, dialog and drawn text.
set -euo pipefail
replay=$(readlink -f "$1") tree=$(readlink -f "$2") lang=$4
work=$(readlink -f "$3")/no_korean_$lang
scenarios=$(cd "$(dirname "$0")/../scenarios" && pwd)
rm -rf "$work"
mkdir -p "$work"
cp -r "$tree" "$work/tree"
cd "$work"
TREE="$work/tree" bash "$scenarios/english_game.tree"
"$replay" --root "$work/tree" --seed 5 --lang "$lang" --log-text --log actual.log "$scenarios/english_game.replay"
grep -q '^screen PrisonScreen$' actual.log || { echo "the game did not reach the prison" >&2; exit 1; }
bash "$scenarios/english_game.check"
echo "no Korean in the whole game in $lang"
