#!/usr/bin/env bash
# Times a click on a reference in the main window (offscreen) that selects its group of
# duplicates, on lists of 1,000 groups over 1,000,000 duplicates by default.
# Usage: bench/group-selection.sh [GROUPS [DUPLICATES [CLICKS]]]
# BUILD_DIR may name another build folder. The last line reads
# "group selection median: X ms".
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-"$top/build"}
if [ ! -f "$build/build.ninja" ]; then
  BUILD_DIR="$build" "$top/scripts/setup.sh"
fi
cmake --build "$build" --target group_selection_bench >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bench/group_selection_bench" "$@" 2> >(grep -v 'propagateSizeHints\|XDG_RUNTIME_DIR\|does not support raise' >&2)
