#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# installed_layout.sh BUILD_DIR WORK_DIR
# cmake --install into a DESTDIR: every file in its place, the menu entry
# and the metainfo valid, and the installed program's answers without a
# display: its options, a missing data tree, and no silent run where no
# display opens.
set -euo pipefail
build=$(readlink -f "$1") work=$(readlink -f "$2")/installed_layout
fail() {
  echo "FAILED: $*" >&2
  exit 1
}
rm -rf "$work"
mkdir -p "$work/elsewhere" "$work/home"
DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >"$work/install.log" || fail "cmake --install failed"
usr=$work/stage/usr
for f in bin/kxs share/kxs/data/han.fnt share/kxs/data/eng.fnt share/kxs/data/corp.dat share/kxs/cur/arrow.kxg \
  share/kxs/sound/start.wav share/kxs/credits/unifont.copyright share/kxs/credits/fonts-nanum.copyright \
  share/applications/kxs.desktop share/metainfo/kxs.metainfo.xml share/icons/hicolor/scalable/apps/kxs.svg \
  share/man/man6/kxs.6.gz share/doc/kxs/copyright; do
  [ -f "$usr/$f" ] || fail "no $f in the installed tree"
done
for size in 16 22 24 32 48 64 128 256; do
  geometry=$(identify -format '%wx%h' "$usr/share/icons/hicolor/${size}x$size/apps/kxs.png" 2>/dev/null) ||
    fail "no ${size}px icon"
  [ "$geometry" = "${size}x$size" ] || fail "the ${size}px icon is $geometry"
done
[ -z "$(find "$usr/share/kxs" -name '*.sav' -o -name '*.tmp')" ] || fail "a saved game or temporary file is installed"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$usr/share/applications/kxs.desktop" || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$usr/share/metainfo/kxs.metainfo.xml" >"$work/appstream.txt" 2>&1 || true
  ! grep -q '^E:' "$work/appstream.txt" || { cat "$work/appstream.txt" >&2; fail "appstreamcli validate"; }
fi
if command -v man >/dev/null; then
  ! man -l "$usr/share/man/man6/kxs.6.gz" 2>&1 >/dev/null | grep . || fail "the man page has faults"
fi

kxs=$usr/bin/kxs
cd "$work/elsewhere"
export HOME=$work/home XDG_DATA_HOME= XDG_CONFIG_HOME=
"$kxs" --version | grep -q '^kxs [0-9]' || fail "--version"
"$kxs" --help | grep -q -- '--data DIR' || fail "--help"
set +e
"$kxs" --no-such-option >/dev/null 2>"$work/unknown.err"
[ $? -eq 2 ] && grep -q usage "$work/unknown.err" || fail "an unknown option does not print the usage and exit 2"
# No display: named, and an exit, not a game running unseen for ever.
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work" \
  timeout 20 "$kxs" >/dev/null 2>"$work/nodisplay.err"
code=$?
[ $code -ne 0 ] && [ $code -ne 124 ] || fail "without a display kxs exited $code (124: it ran on unseen)"
grep -q 'no display could be opened, tried: .*x11' "$work/nodisplay.err" ||
  { cat "$work/nodisplay.err" >&2; fail "without a display kxs did not say which displays it tried"; }
# A program whose tree is not beside it names the places it looked in.
mkdir -p "$work/lonely/bin"
cp "$kxs" "$work/lonely/bin/kxs"
"$work/lonely/bin/kxs" >/dev/null 2>"$work/notree.err"
code=$?
[ $code -eq 1 ] && grep -q "$work/elsewhere" "$work/notree.err" && grep -q "$work/lonely/bin/../share/kxs" "$work/notree.err" ||
  { cat "$work/notree.err" >&2; fail "without a data tree kxs did not name the places looked in"; }
echo "installed layout, menu entry, metainfo, options and refusals as intended"
