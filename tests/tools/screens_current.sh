#!/usr/bin/env bash
# screens_current.sh SOURCE_DIR BUILD_DIR WORK_DIR LANG
# The pictures of docs/screens (Korean) or docs/screens/LANG are what the
# game shows today: tools/screens-snapshots makes them again, and each must
# equal the stored one byte for byte, with none missing or left over.
set -euo pipefail
source=$(readlink -f "$1") build=$(readlink -f "$2") lang=$4
work=$(readlink -f "$3")/screens_current_$lang
stored=$source/docs/screens
[ "$lang" = ko ] || stored=$stored/$lang
if ! command -v mogrify >/dev/null; then
  echo "FAILED: mogrify is missing (package imagemagick): the pictures are stored as palette PNGs" >&2
  exit 1
fi
rm -rf "$work"
mkdir -p "$work"
"$source/tools/screens-snapshots" --lang "$lang" "$build" "$work" >/dev/null
made=$(cd "$work" && ls [0-9]*.png)
kept=$(cd "$stored" 2>/dev/null && ls [0-9]*.png || true)
if [ "$made" != "$kept" ]; then
  echo "FAILED: $stored does not hold the pictures the game makes; run tools/screens-snapshots --lang $lang" >&2
  diff <(echo "$kept") <(echo "$made") >&2 || true
  exit 1
fi
status=0
for picture in $made; do
  cmp -s "$work/$picture" "$stored/$picture" || { echo "FAILED: $picture differs from $stored/$picture" >&2; status=1; }
done
[ $status = 0 ] && echo "the $(echo "$made" | wc -l) pictures of $stored are current"
exit $status
