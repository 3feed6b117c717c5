#!/usr/bin/env bash
# Times the sets page of the main window (offscreen): marking all but the newest file of
# each of 100,000 sets, in the core and through the page's button, showing the sets, and
# scrolling them. Usage: bench/sets-view.sh [SETS [FILES_PER_SET [LANGUAGE]]] [--shot FILE]
# BUILD_DIR may name another build folder. The files are made in a temporary folder.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-"$top/build"}
if [ ! -f "$build/build.ninja" ]; then
  BUILD_DIR="$build" "$top/scripts/setup.sh"
fi
cmake --build "$build" --target sets_view_bench >/dev/null
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bench/sets_view_bench" "$@" 2> >(grep -v 'propagateSizeHints\|XDG_RUNTIME_DIR\|does not support raise' >&2)
