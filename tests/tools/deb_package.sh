#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# deb_package.sh BUILD_DIR WORK_DIR
# cpack -G DEB: the package holds the game, its tree, menu entry, icons, man
# page and licences, depends on runtime libraries (never a -dev package),
# and lintian finds no error in it.
set -euo pipefail
build=$(readlink -f "$1") work=$(readlink -f "$2")/deb_package
fail() {
  echo "FAILED: $*" >&2
  exit 1
}
rm -rf "$work"
mkdir -p "$work"
cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack -G DEB"; }
deb=$(ls "$work"/kxs_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "cpack made no kxs_*.deb"
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
# One package name a line, versions dropped.
echo "$depends" | sed -E 's/ \([^)]*\)//g; s/, /\n/g' >"$work/depends"
for need in libsdl2-2.0-0 libsdl2-ttf-2.0-0 libc6 libstdc++6 fonts-nanum; do
  grep -qxF "$need" "$work/depends" || fail "the package does not depend on $need"
done
! grep -q -- '-dev' "$work/depends" || fail "the package depends on a -dev package"
[ "$(dpkg-deb --field "$deb" Section)" = games ] || fail "the package is not in section games"
dpkg-deb --contents "$deb" | awk '{ print $6 }' >"$work/contents"
for f in ./usr/bin/kxs ./usr/games/kxs ./usr/share/kxs/data/han.fnt ./usr/share/kxs/intro/intro.dat \
  ./usr/share/applications/kxs.desktop ./usr/share/metainfo/kxs.metainfo.xml \
  ./usr/share/icons/hicolor/48x48/apps/kxs.png ./usr/share/icons/hicolor/scalable/apps/kxs.svg \
  ./usr/share/man/man6/kxs.6.gz ./usr/share/doc/kxs/copyright ./usr/share/doc/kxs/changelog.gz \
  ./usr/share/kxs/credits/unifont.copyright; do
  grep -qxF "$f" "$work/contents" || fail "the package lacks $f"
done
! grep -qE '\.(sav|tmp)$' "$work/contents" || fail "the package holds a saved game or temporary file"
if command -v lintian >/dev/null; then
  lintian --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1 || true
  cat "$work/lintian.txt"
  ! grep -q '^E:' "$work/lintian.txt" || fail "lintian reports errors"
fi
echo "the package's files, dependencies and lintian as intended"
