#!/usr/bin/env bash
# The game's code never calls SDL directly: only platform/sdl/ includes it.
set -euo pipefail
cd "$1"
hits=$(grep -rlE '#\s*include\s*[<"]SDL' --include='*.cpp' --include='*.h' . \
        | grep -vE '^\./(platform/sdl/|build[^/]*/)' || true)
if [ -n "$hits" ]; then
  echo "SDL is included outside platform/sdl/:" >&2
  echo "$hits" >&2
  exit 1
fi
echo "no SDL outside platform/sdl/"

# Nor the browser: only platform/web/ includes emscripten or embeds JavaScript.
hits=$(grep -rlE '#\s*include\s*[<"]emscripten|\bEM_(JS|ASYNC_JS|ASM[A-Z_]*)\s*\(' --include='*.cpp' --include='*.h' . \
        | grep -vE '^\./(platform/web/|build[^/]*/)' || true)
if [ -n "$hits" ]; then
  echo "The browser's APIs are used outside platform/web/:" >&2
  echo "$hits" >&2
  exit 1
fi
echo "no browser APIs outside platform/web/"
