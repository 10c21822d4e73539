#!/usr/bin/env bash
# Formats every tracked C++ file with Debian's clang-format and the committed .clang-format.
# --check changes nothing and fails when a file would change.
# usage: scripts/format.sh [--check]
source "$(dirname "$0")/common.sh"

check=0
[ "${1:-}" = "--check" ] && check=1

need_packages clang-format
cd "$ROOT"
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if [ "$check" -eq 1 ]; then
    clang-format --style=file --dry-run --Werror "${files[@]}"
else
    clang-format --style=file -i "${files[@]}"
fi
