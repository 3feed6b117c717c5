#!/usr/bin/env bash
# Times the search of a 100,000-file tree of projects, 80% of whose files lie in their
# node_modules folders, with and without --exclude node_modules (scan-folder --times,
# "search and sort"), warm cache. The tree stays in bench/data-exclusions/ between runs.
# Optional argument: number of runs (default 5); BUILD_DIR may name another build folder.
# The last line reads "ratio excluded/whole: X", X being the ratio of the medians.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-"$top/build"}
runs=${1:-5}
tree="$top/bench/data-exclusions"
if [ ! -f "$build/build.ninja" ]; then
  BUILD_DIR="$build" "$top/scripts/setup.sh"
fi
cmake --build "$build" --target scan-folder >/dev/null
if [ ! -f "$tree/.complete" ]; then
  rm -rf "$tree"
  # 500 projects of 40 own files and 160 in node_modules, in 8 packages of 20.
  python3 - "$tree" <<'PY'
import os, sys
root = sys.argv[1]
for p in range(500):
    own = os.path.join(root, f"project{p}", "src")
    os.makedirs(own)
    for f in range(40):
        with open(os.path.join(own, f"f{f}.js"), "w") as out:
            out.write(f"// {p} {f}\n" * (1 + f % 7))
    for k in range(8):
        package = os.path.join(root, f"project{p}", "node_modules", f"pkg{k}", "lib")
        os.makedirs(package)
        for f in range(20):
            with open(os.path.join(package, f"m{f}.js"), "w") as out:
                out.write(f"module {k} {f}\n" * (1 + f % 5))
PY
  touch "$tree/.complete"
fi
search_seconds() {
  "$build/bench/scan-folder" --times "$tree" "$@" 2>&1 >/dev/null |
    sed -n 's/.*search and sort \([0-9.]*\) s.*/\1/p'
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
search_seconds >/dev/null # warm the cache
whole=() excluded=()
for _ in $(seq "$runs"); do
  whole+=("$(search_seconds)")
  excluded+=("$(search_seconds --exclude node_modules)")
done
w=$(printf '%s\n' "${whole[@]}" | median)
e=$(printf '%s\n' "${excluded[@]}" | median)
echo "whole tree: median ${w} s of ${whole[*]}"
echo "node_modules excluded: median ${e} s of ${excluded[*]}"
awk -v e="$e" -v w="$w" 'BEGIN { printf "ratio excluded/whole: %.3f\n", e / w }'
