#!/usr/bin/env bash
# Times a search of the benchmark tree through the main window (offscreen, from BT1Click
# to the sorted, fitted table) against the same search headless (TFileSearch into a file
# table, then sorted), warm cache, and reports the peak memory of each.
# Usage: bench/window-search.sh [FILES] [--rounds N]
# FILES: the tree's size, a multiple of 2,500 (default 100,000, the tree search-vs-find.sh
# uses; others are made once beside it in bench/data/). BUILD_DIR may name another build
# folder. The last line reads "ratio window/headless: X", the median over rounds.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-"$top/build"}
data="$top/bench/data"
files=100000
rounds=5
while [ $# -gt 0 ]; do
  case "$1" in
    --rounds) rounds=${2:?--rounds needs a number}; shift 2 ;;
    [0-9]*) files=$1; shift ;;
    *) echo "usage: $0 [FILES] [--rounds N]" >&2; exit 2 ;;
  esac
done
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing: apt-get install time" >&2; exit 1; }
if [ ! -f "$build/build.ninja" ]; then
  BUILD_DIR="$build" "$top/scripts/setup.sh"
fi
cmake --build "$build" --target window_search_bench >/dev/null
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One run in its own process; prints "seconds search-seconds peak-KiB".
run() {
  /usr/bin/time -f '%M' -o "$work/mem" "$build/bench/window_search_bench" "$1" "$data" "$files" \
    >"$work/out" 2>"$work/err" || { cat "$work/err" >&2; exit 1; }
  awk '{ printf "%s %s ", $2, $4 }' "$work/out"
  tail -1 "$work/mem"
}

median() {
  sort -g | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

run headless >/dev/null # makes the tree when missing and warms the cache
run window >/dev/null
: > "$work/times"
for ((round = 1; round <= rounds; round++)); do
  w=$(run window)
  h=$(run headless)
  read -r ws wsearch wkib <<<"$w"
  read -r hs hsearch hkib <<<"$h"
  echo "$ws $wsearch $wkib $hs $hsearch $hkib" >> "$work/times"
  printf 'round %d: window %.3f s (search %.3f s, then %.3f s), headless %.3f s (search %.3f s), ratio %.2f\n' \
    "$round" "$ws" "$wsearch" "$(awk -v a="$ws" -v b="$wsearch" 'BEGIN { print a - b }')" \
    "$hs" "$hsearch" "$(awk -v a="$ws" -v b="$hs" 'BEGIN { print a / b }')"
done
col() { awk -v c="$1" '{ print $c }' "$work/times" | median; }
echo "files: $files"
echo "peak memory: window $(awk -v k="$(col 3)" 'BEGIN { printf "%.1f", k / 1024 }') MiB," \
     "headless $(awk -v k="$(col 6)" 'BEGIN { printf "%.1f", k / 1024 }') MiB"
echo "median: window $(col 1) s, headless $(col 4) s"
echo "ratio window/headless: $(awk '{ print $1 / $4 }' "$work/times" | median)"
