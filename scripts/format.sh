#!/usr/bin/env bash
# Formats every C++ file of the tree by .clang-format, with clang-format 14 (Debian 12's),
# so that every machine formats alike. With --check nothing changes: the files that would
# change are named and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
FORMAT=clang-format-14
if ! command -v "$FORMAT" >/dev/null; then
    if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null; then
        apt-get update -qq && apt-get install -y -qq clang-format-14 >/dev/null
    else
        echo "format.sh: $FORMAT is missing; install the Debian package clang-format-14" >&2
        exit 1
    fi
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --check ]; then
    "$FORMAT" --dry-run --Werror "${files[@]}"
    echo "format.sh: ${#files[@]} files formatted"
else
    "$FORMAT" -i "${files[@]}"
fi
