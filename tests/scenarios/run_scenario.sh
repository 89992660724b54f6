#!/usr/bin/env bash
# run_scenario.sh KXS_REPLAY KXS_TOOL GAME_TREE SCRIPT WORK_DIR
# Plays SCRIPT on a copy of the data tree and compares its log with
# SCRIPT's .log file. A scenario may carry a .check script, run afterwards in
# the work folder with the copied tree as $TREE (for pixels and save files),
# and a .tree script, run before the play with $TREE set the same way, that
# prepares the copied tree (another world, a saved game). Both find the
# programs as $KXS_REPLAY and $KXS_TOOL. A line "# replay: OPTIONS" gives the
# harness more options (--lang en).
# With KXS_UPDATE_LOGS=1 the play's log replaces SCRIPT's .log file instead
# (after a deliberate change of what the game shows); check the diff.
set -euo pipefail
replay=$(readlink -f "$1") tool=$(readlink -f "$2") tree=$3 script=$4 work=$5
export KXS_REPLAY=$replay KXS_TOOL=$tool
name=$(basename "$script" .replay)
dir="$work/$name"
rm -rf "$dir"
mkdir -p "$dir"
cp -r "$tree" "$dir/tree"
expected="${script%.replay}.log"
seed=$(sed -n 's/^# seed: *//p' "$script" | head -n1)
# "# replay: --lang en --log-text": more options of the harness.
read -r -a options <<<"$(sed -n 's/^# replay: *//p' "$script" | head -n1)"
cd "$dir"
prepare="${script%.replay}.tree"
if [ -f "$prepare" ]; then
  TREE="$dir/tree" bash "$prepare"
fi
"$replay" --root "$dir/tree" --seed "${seed:-1}" ${options[@]+"${options[@]}"} --log "$dir/actual.log" "$script"
if [ "${KXS_UPDATE_LOGS:-}" = 1 ]; then
  cmp -s "$expected" "$dir/actual.log" || { cp "$dir/actual.log" "$expected"; echo "scenario $name: wrote $expected"; }
elif ! diff -u "$expected" "$dir/actual.log"; then
  echo "scenario $name: the log differs from $expected" >&2
  exit 1
fi
check="${script%.replay}.check"
if [ -f "$check" ]; then
  TREE="$dir/tree" bash "$check"
fi
echo "scenario $name: passed"
