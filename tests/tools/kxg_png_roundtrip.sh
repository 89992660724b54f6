#!/usr/bin/env bash
# kxg2png and png2kxg give the same picture back, and refuse what is not a
# picture with a message and a non-zero exit.
set -euo pipefail
tool=$1 tree=$2 work=$3/kxg_png_roundtrip
rm -rf "$work" && mkdir -p "$work" && cd "$work"
for picture in data/main.kxg cur/arrow.kxg; do
  name=$(basename "$picture" .kxg)
  "$tool" kxg2png "$tree/$picture" "$name.png"
  "$tool" png2kxg "$name.png" "$name.kxg"
  "$tool" kxg2png "$name.kxg" "$name-again.png"
  cmp "$name.png" "$name-again.png"
  # The nearest colours of the picture's own palette give its pixels back.
  "$tool" png2kxg --palette "$tree/$picture" "$name.png" "$name-nearest.kxg"
  "$tool" kxg2png "$name-nearest.kxg" "$name-nearest.png"
done
echo "not a picture" > bad.kxg
if "$tool" kxg2png bad.kxg bad.png 2> error.txt; then echo "a text file was taken for a picture" >&2; exit 1; fi
grep -q "not a 256-colour picture" error.txt
if "$tool" png2kxg bad.kxg bad2.kxg 2> error.txt; then echo "a text file was taken for a PNG" >&2; exit 1; fi
grep -q "not a PNG" error.txt
echo "kxg/png round trip: passed"
