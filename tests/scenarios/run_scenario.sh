#!/usr/bin/env bash
# run_scenario.sh KXS_REPLAY GAME_TREE SCRIPT WORK_DIR
# Plays SCRIPT on a copy of the data tree and compares its log with
# SCRIPT's .log file. A scenario may carry a .check script, run afterwards in
# the work folder with the copied tree as $TREE (for pixels and save files),
# and a .tree script, run before the play with $TREE set the same way, that
# prepares the copied tree (another world, a saved game). A line
# "# replay: OPTIONS" gives the harness more options (--lang en).
set -euo pipefail
replay=$1 tree=$2 script=$3 work=$4
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
if ! diff -u "$expected" "$dir/actual.log"; then
  echo "scenario $name: the log differs from $expected" >&2
  exit 1
fi
check="${script%.replay}.check"
if [ -f "$check" ]; then
  TREE="$dir/tree" bash "$check"
fi
echo "scenario $name: passed"
