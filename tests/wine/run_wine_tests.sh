#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# run_wine_tests.sh BUILD_WIN NATIVE_BUILD
# The Windows build under Wine: the unit tests, then every replay scenario
# played by kxs-replay.exe, whose log must equal the scenario's (Wine's
# line ends made Unix ones) and whose save must equal the one the Linux
# kxs-replay writes from the same script; then kxs.exe itself played in a
# private X server, and the installer. Wine runs in a prefix of its own
# under BUILD_WIN, made once.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
win=$(cd "${1:?usage: run_wine_tests.sh BUILD_WIN NATIVE_BUILD}" && pwd)
native=$(cd "${2:?usage: run_wine_tests.sh BUILD_WIN NATIVE_BUILD}" && pwd)
tree=$native/game
export WINEPREFIX=$win/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== Making the Wine prefix $WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi

echo "== Unit tests under Wine"
wine "$win/kxs-unit.exe" --gtest_brief=1

# Stand-ins with the Linux programs' names: the scenario runner and its
# checks call kxs-replay and kxs-tool by path.
work=$win/wine-tests
rm -rf "$work"
mkdir -p "$work"
cat >"$win/kxs-replay" <<EOS
#!/usr/bin/env bash
log=""
for ((i = 1; i <= \$#; ++i)); do [ "\${!i}" = --log ] && { j=\$((i + 1)); log=\${!j}; }; done
status=0
wine "$win/kxs-replay.exe" "\$@" || status=\$?
[ -z "\$log" ] || [ ! -f "\$log" ] || sed -i 's/\r\$//' "\$log"
exit \$status
EOS
printf '#!/usr/bin/env bash\nexec wine "%s" "$@"\n' "$win/kxs-tool.exe" >"$win/kxs-tool"
chmod +x "$win/kxs-replay" "$win/kxs-tool"

echo "== Every replay scenario under Wine"
failed=0
count=0
for script in "$top"/tests/scenarios/*.replay; do
  name=$(basename "$script" .replay)
  count=$((count + 1))
  if ! "$top/tests/scenarios/run_scenario.sh" "$win/kxs-replay" "$win/kxs-tool" "$tree" "$script" "$work/scenarios" \
      >"$work/$name.out" 2>&1; then
    echo "scenario $name FAILED under Wine:"; cat "$work/$name.out"; failed=$((failed + 1)); continue
  fi
  # The same save bytes as the Linux harness writes.
  if [ -f "$work/scenarios/$name/tree/cur/kxs.sav" ]; then
    "$top/tests/scenarios/run_scenario.sh" "$native/kxs-replay" "$native/kxs-tool" "$tree" "$script" "$work/native" >/dev/null 2>&1 ||
      { echo "scenario $name fails on Linux"; failed=$((failed + 1)); continue; }
    cmp "$work/scenarios/$name/tree/cur/kxs.sav" "$work/native/$name/tree/cur/kxs.sav" ||
      { echo "scenario $name: the save differs from Linux's"; failed=$((failed + 1)); }
  fi
done
echo "$((count - failed)) of $count scenarios passed under Wine"
[ "$failed" -eq 0 ]
echo "== kxs.exe played under Wine and Xvfb"
"$here/game_window.sh" "$win" "$native"
"$here/installer_test.sh" "$win" "$native"
