#!/usr/bin/env bash
# The game's code never calls SDL directly: only platform/sdl/ includes it,
# and the backend's own check program, which plays the window system.
set -euo pipefail
cd "$1"
hits=$(grep -rlE '#\s*include\s*[<"]SDL' --include='*.cpp' --include='*.h' . \
        | grep -vE '^\./(platform/sdl/|build[^/]*/|tests/smoke/sdl_backend_check\.cpp$)' || true)
if [ -n "$hits" ]; then
  echo "SDL is included outside platform/sdl/:" >&2
  echo "$hits" >&2
  exit 1
fi
echo "no SDL outside platform/sdl/"
