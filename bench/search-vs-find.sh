#!/usr/bin/env bash
# Times a threaded search of a 100,000-file tree against `find` on the same tree, warm
# cache. The tree stays in bench/data/ between runs. Optional argument: number of runs;
# BUILD_DIR may name another build folder. The last line reads "ratio search/find: X",
# X being the median of our time over find's.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-"$top/build"}
if [ ! -f "$build/build.ninja" ]; then
  # Installs what is missing, configures the build folder and builds everything once.
  BUILD_DIR="$build" "$top/scripts/setup.sh"
fi
cmake --build "$build" --target search_bench >/dev/null
exec "$build/bench/search_bench" "$top/bench/data" "$@"
