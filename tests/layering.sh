#!/usr/bin/env bash
# The folders include only what the folder table of docs/architecture.md
# lets them, the table the build also takes each game library's links from:
# a C++ source in a folder of the table includes ("DIR/...") only its own
# folder and those its row names in backquotes. A folder's subfolder with a
# row of its own (platform/sdl/) is a folder of its own. Beside the table,
# only platform/sdl/ includes SDL (and the backend's own check program,
# which plays the window system), only platform/web/ emscripten and its
# JavaScript.
#   tests/layering.sh SOURCE_DIR
set -euo pipefail
cd "$1"
table=docs/architecture.md

# "FOLDER/ ALLOWED/ ..." for every row of the folder table.
rows=$(awk -F'|' '/^\| `[a-z_\/]+\/` \|/ {
  folder = $2; gsub(/[ `]/, "", folder)
  line = folder; rest = $4
  while (match(rest, /`[a-z_\/]+\/`/)) {
    line = line " " substr(rest, RSTART + 1, RLENGTH - 2)
    rest = substr(rest, RSTART + RLENGTH)
  }
  print line
}' "$table")
if [ -z "$rows" ]; then
  echo "no folder table in $table" >&2
  exit 1
fi

sources() {
  find . -type d \( -name 'build*' -o -name node_modules -o -path './.*' \) -prune -o \
    \( -name '*.cpp' -o -name '*.h' \) -type f -print | sed 's|^\./||' | sort
}

# Every include of a project folder that the table does not allow, as
# "file:line: FOLDER/ includes TARGET/ (TEXT)".
forbidden=$(sources | xargs grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z_]+/' /dev/null |
  awk -v rows="$rows" '
    BEGIN {
      n = split(rows, lines, "\n")
      for (i = 1; i <= n; i++) {
        m = split(lines[i], words, " ")
        folders[words[1]] = 1
        for (k = 2; k <= m; k++) allowed[words[1], words[k]] = 1
      }
    }
    # The longest folder of the table that path lies in, or "".
    function folder_of(path,    f, best) {
      best = ""
      for (f in folders) {
        if (index(path, f) == 1 && length(f) > length(best)) best = f
      }
      return best
    }
    {
      file = $0; sub(/:.*/, "", file)
      number = $0; sub(/^[^:]*:/, "", number); sub(/:.*/, "", number)
      text = $0; sub(/^[^:]*:[^:]*:/, "", text)
      target = text; sub(/^[^"]*"/, "", target); sub(/".*/, "", target)
      own = folder_of(file)
      into = folder_of(target)
      if (own == "" || into == "" || into == own || (own, into) in allowed) next
      printf "%s:%s: %s includes %s (%s)\n", file, number, own, into, target
    }')
if [ -n "$forbidden" ]; then
  echo "includes that the folder table of $table does not allow:" >&2
  echo "$forbidden" >&2
  exit 1
fi
echo "every include is one the folder table allows"

# forbid WHAT PATTERN ALLOWED: fails when a source whose path does not match
# the ALLOWED pattern uses it.
forbid() {
  local hits
  hits=$(sources | grep -vE "^($3)" | xargs grep -lE "$2" /dev/null || true)
  if [ -n "$hits" ]; then
    echo "$1 is used outside $3:" >&2
    echo "$hits" >&2
    exit 1
  fi
  echo "nothing of $1 outside $3"
}

forbid SDL '#\s*include\s*[<"]SDL' 'platform/sdl/|tests/bench/sdl/|tests/smoke/sdl_backend_check\.cpp$'
forbid "the browser's APIs" '#\s*include\s*[<"]emscripten|\bEM_(JS|ASYNC_JS|ASM[A-Z_]*)\s*\(' 'platform/web/'
