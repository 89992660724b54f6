#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# licences_and_format.sh SOURCE_DIR licences|format
#   licences: reuse lint passes and every source file has its licence line
#   format:   every C++ file is as .clang-format writes it
# Exits 77 (skipped) outside a git checkout or without the tool.
set -uo pipefail
cd "$1" || exit 1
git rev-parse --git-dir >/dev/null 2>&1 || { echo "skipped: not a git checkout"; exit 77; }
case $2 in
  licences)
    command -v reuse >/dev/null || { echo "skipped: reuse is not installed"; exit 77; }
    reuse lint || exit 1
    tools/dev/add-spdx-headers --check
    ;;
  format)
    command -v "${CLANG_FORMAT:-clang-format}" >/dev/null || { echo "skipped: clang-format is not installed"; exit 77; }
    tools/dev/format-tree --check
    ;;
  *) echo "usage: licences_and_format.sh SOURCE_DIR licences|format" >&2; exit 2 ;;
esac
