#!/usr/bin/env bash
# The game's code never calls SDL or the browser directly: only
# platform/sdl/ includes SDL, only platform/web/ emscripten and its JavaScript.
set -euo pipefail
cd "$1"

# forbid WHAT PATTERN ALLOWED_FOLDER: fails when a source outside the folder matches.
forbid() {
  local hits
  hits=$(grep -rlE "$2" --include='*.cpp' --include='*.h' . | grep -vE "^\./($3/|build[^/]*/)" || true)
  if [ -n "$hits" ]; then
    echo "$1 is used outside $3/:" >&2
    echo "$hits" >&2
    exit 1
  fi
  echo "nothing of $1 outside $3/"
}

forbid SDL '#\s*include\s*[<"]SDL' platform/sdl
forbid "the browser's APIs" '#\s*include\s*[<"]emscripten|\bEM_(JS|ASYNC_JS|ASM[A-Z_]*)\s*\(' platform/web
