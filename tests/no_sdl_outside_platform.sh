#!/usr/bin/env bash
# The game's code never calls SDL or the browser directly: only
# platform/sdl/ includes SDL (and the backend's own check program, which
# plays the window system), only platform/web/ emscripten and its JavaScript.
set -euo pipefail
cd "$1"

# forbid WHAT PATTERN ALLOWED: fails when a source whose path does not match
# the ALLOWED pattern uses it.
forbid() {
  local hits
  hits=$(grep -rlE "$2" --include='*.cpp' --include='*.h' . | grep -vE "^\./($3|build[^/]*/)" || true)
  if [ -n "$hits" ]; then
    echo "$1 is used outside $3:" >&2
    echo "$hits" >&2
    exit 1
  fi
  echo "nothing of $1 outside $3"
}

forbid SDL '#\s*include\s*[<"]SDL' 'platform/sdl/|tests/smoke/sdl_backend_check\.cpp$'
forbid "the browser's APIs" '#\s*include\s*[<"]emscripten|\bEM_(JS|ASYNC_JS|ASM[A-Z_]*)\s*\(' 'platform/web/'
