#!/usr/bin/env bash
# Saves and loads a project of 200,000 table rows and 1,000,000 list entries through the
# main window (offscreen) and through the core alone.
# Usage: bench/project-files.sh [ROWS [ENTRIES [ROUNDS]]]
# The line before the last reads "ratio load/read-lines: X" (the core's load against
# reading the file's lines), the last "ratio window/core: Y" (medians, save and load).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-"$top/build"}
if [ ! -f "$build/build.ninja" ]; then
  BUILD_DIR="$build" "$top/scripts/setup.sh"
fi
cmake --build "$build" --target project_files_bench >/dev/null
mkdir -p "$top/bench/data"
QT_QPA_PLATFORM=offscreen "$build/bench/project_files_bench" "$top/bench/data" "$@"
