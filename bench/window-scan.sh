#!/usr/bin/env bash
# Times a search and duplicate scan of a generated corpus through the main window
# (offscreen, from BT1Click to the scan's report) against the same pipeline headless
# (SearchIntoTable, then RunDuplicateScan), alternating, warm cache, each run in its own
# process; both must produce the same lists (LBB1, LL1, LBB2). Then the window's Cancel: a
# scan stopped 100 ms after its start, resumed and stopped again twice as late, and so on
# until one completes, each cancel timed from its click to the scan's return; the resumed
# scans must end in the same lists. Last the search window's Cancel, clicked 100 ms, 200 ms
# and 400 ms into a search, each timed from its click to the search's end. Every click is
# delivered as the window system delivers it, through the window's QWindow.
# Usage: bench/window-scan.sh [CORPUS] [--rounds N] [--cancel] [--cold]
# CORPUS: a, b, c, d or e as compare-peers.sh makes them (default d), or f (six 4 GiB files
# that differ in their last byte only), made once when missing. --cancel measures only the
# cancels, and ends with "cancel: ... ms at most". --cold (root only) drops the page cache
# before each scan of the cancel measure, as a first scan of a disk finds it. BENCH_DATA may name the folder that holds the corpora (default bench/data),
# BUILD_DIR another build folder. The last line reads "ratio window/headless: X", the
# median window time over the median headless time.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-"$top/build"}
data=${BENCH_DATA:-"$top/bench/data"}
kind=d
rounds=3
cancel_only=0
cancel_mode=cancel
while [ $# -gt 0 ]; do
  case "$1" in
    --rounds) rounds=${2:?--rounds needs a number}; shift 2 ;;
    --cancel) cancel_only=1; shift ;;
    --cold) cancel_mode=cancel-cold; shift ;;
    a|b|c|d|e|f) kind=$1; shift ;;
    *) echo "usage: $0 [a|b|c|d|e|f] [--rounds N] [--cancel] [--cold]" >&2; exit 2 ;;
  esac
done
[ "$rounds" -ge 1 ] 2>/dev/null || { echo "--rounds needs a number of at least 1" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing: apt-get install time" >&2; exit 1; }
if [ ! -f "$build/build.ninja" ]; then
  BUILD_DIR="$build" "$top/scripts/setup.sh"
fi
cmake --build "$build" --target window_scan_bench make_corpus >/dev/null
mkdir -p "$data"
source "$top/bench/corpus.sh"
make_corpus "$kind"
dir="$data/corpus-$kind"
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One run in its own process; prints its report line followed by "kib PEAK".
run() {
  /usr/bin/time -f '%M' -o "$work/mem" "$build/bench/window_scan_bench" "$1" "$dir" \
    >"$work/out" 2>"$work/err" || { cat "$work/err" >&2; exit 1; }
  echo "$(cat "$work/out") kib $(tail -1 "$work/mem")"
}
# The value after NAME in a report line.
field() { awk -v name="$1" '{ for (i = 1; i < NF; i += 2) if ($i == name) print $(i + 1) }'; }

median() {
  sort -g | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The search window's Cancel, clicked later and later into a search.
search_cancels() {
  local after line
  for after in 100 200 400; do
    line=$("$build/bench/window_scan_bench" cancel-search "$dir" "$after" 2>"$work/err") ||
      { cat "$work/err" >&2; exit 1; }
    if [ "$(field search-cancel <<<"$line")" = - ]; then
      echo "search cancel $after ms into the search: the search had ended" \
           "($(field files <<<"$line") files found)"
    else
      echo "search cancel $after ms into the search: answered in" \
           "$(field search-cancel <<<"$line") ms ($(field files <<<"$line") files found)"
    fi
  done
}
if [ "$cancel_only" = 1 ]; then
  "$build/bench/window_scan_bench" "$cancel_mode" "$dir" 100 >"$work/cancel" 2>"$work/err" ||
    { cat "$work/err" >&2; exit 1; }
  search_cancels
  echo "cancel: $(field cancels < "$work/cancel") cancels from 100 ms into a scan, answered in" \
       "$(field median < "$work/cancel") ms (median), $(field max < "$work/cancel") ms at most"
  exit 0
fi

run headless >/dev/null # warms the cache
run window >/dev/null
: > "$work/window" ; : > "$work/headless"
for ((round = 1; round <= rounds; round++)); do
  w=$(run window)
  h=$(run headless)
  echo "$w" >> "$work/window"
  echo "$h" >> "$work/headless"
  printf 'round %d: window %.3f s (search %.3f s, scan %.3f s; first group %.3f s), headless %.3f s (search %.3f s, scan %.3f s), ratio %.2f\n' \
    "$round" "$(field seconds <<<"$w")" "$(field search <<<"$w")" "$(field scan <<<"$w")" \
    "$(field select <<<"$w")" "$(field seconds <<<"$h")" "$(field search <<<"$h")" \
    "$(field scan <<<"$h")" "$(awk -v a="$(field seconds <<<"$w")" -v b="$(field seconds <<<"$h")" 'BEGIN { print a / b }')"
done
"$build/bench/window_scan_bench" "$cancel_mode" "$dir" 100 >"$work/cancel" 2>"$work/err" ||
  { cat "$work/err" >&2; exit 1; }
lists=$(cat "$work/window" "$work/headless" "$work/cancel" | field lists | sort -u)
if [ "$(wc -l <<<"$lists")" -ne 1 ]; then
  echo "THE LISTS DIFFER between runs:" >&2
  cat "$work/window" "$work/headless" "$work/cancel" >&2
  exit 1
fi
echo "cancel: $(field cancels < "$work/cancel") cancels from 100 ms into a scan, answered in" \
     "$(field median < "$work/cancel") ms (median), $(field max < "$work/cancel") ms at most"
search_cancels
col() { field "$1" < "$work/$2" | median; }
echo "corpus $kind: $(find "$dir" -type f | wc -l) files, $(col groups window) groups," \
     "$(col duplicates window) duplicates, the same lists in every run"
echo "peak memory: window $(awk -v k="$(col kib window)" 'BEGIN { printf "%.1f", k / 1024 }') MiB," \
     "headless $(awk -v k="$(col kib headless)" 'BEGIN { printf "%.1f", k / 1024 }') MiB"
echo "median: window $(col seconds window) s (scan $(col scan window) s)," \
     "headless $(col seconds headless) s (scan $(col scan headless) s)"
echo "ratio window/headless: $(awk -v a="$(col seconds window)" -v b="$(col seconds headless)" 'BEGIN { printf "%.2f", a / b }')"
