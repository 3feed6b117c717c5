#!/usr/bin/env bash
# twinsweep-cli against scan-folder, the headless runner of the same search and scan, on the
# generated corpora kept in bench/data/ (see bench/compare-peers.sh; a: 20,000 files of 1 KiB
# to 8 MiB, b: 200,000 files of 4 KiB):
#   scan-folder CORPUS --export SETS.json >/dev/null   and   twinsweep-cli --format json -o /dev/null CORPUS
# (the same work: search, scan, the sets and their JSON)
# run alternately, warm cache (one untimed run of each first, which also checks that both
# find the same sets: scan-folder's --export JSON against twinsweep-cli's JSON). Per corpus:
# the median wall time and peak memory of each, and the median over rounds of cli/scan-folder.
# Usage: bench/cli-vs-scan-folder.sh [--rounds N] [a] [b] [c] [d] [e]   (default: a b, 5 rounds)
# BUILD_DIR may name another build folder. The last line reads
# "ratio cli/scan-folder: X, memory ratio: Y, same sets: yes|no", the largest ratios over
# the corpora; the exit status is 1 when the sets differ.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-"$top/build"}
data="$top/bench/data"
source "$top/bench/corpus.sh"
read_bench_arguments 5 "a b" "$@"

source "$top/scripts/need-packages.sh"
need_packages time python3
if [ ! -f "$build/build.ninja" ]; then
  BUILD_DIR="$build" "$top/scripts/setup.sh"
fi
cmake --build "$build" --target scan-folder twinsweep-cli make_corpus >/dev/null
mkdir -p "$data"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# run TOOL DIR [SETS_FILE]: prints "nanoseconds peak-KiB"; with SETS_FILE, writes the sets there.
run() {
  local tool=$1 dir=$2 sets=${3:-} cmd
  case "$tool" in
    scan-folder) cmd=("$build/bench/scan-folder" "$dir" --export "${sets:-$work/timed.json}") ;;
    cli) cmd=("$build/bin/twinsweep-cli" --format json -o "${sets:-/dev/null}" "$dir") ;;
  esac
  timed_run /dev/null "${cmd[@]}"
}

worst=0 worst_memory=0 same=yes
for kind in "${corpora[@]}"; do
  make_corpus "$kind"
  dir="$data/corpus-$kind"
  run scan-folder "$dir" "$work/scan.json" >/dev/null
  run cli "$dir" "$work/cli.json" >/dev/null
  for tool in scan cli; do
    /usr/bin/python3 "$top/tests/cli/sets_of.py" json "$work/$tool.json" >"$work/sets-$tool"
  done
  if cmp -s "$work/sets-scan" "$work/sets-cli"; then
    sets="same $(wc -l <"$work/sets-cli") sets"
  else
    same=no
    sets="DIFFERENT SETS: scan-folder $(wc -l <"$work/sets-scan"), cli $(wc -l <"$work/sets-cli")"
  fi
  : >"$work/times"
  for ((round = 1; round <= rounds; round++)); do
    # Each goes first in every other round.
    if [ $((round % 2)) -eq 1 ]; then order=(scan-folder cli); else order=(cli scan-folder); fi
    for tool in "${order[@]}"; do
      echo "$round $tool $(run "$tool" "$dir")" >>"$work/times"
    done
  done
  files=$(find "$dir" -type f | wc -l)
  echo
  echo "corpus $kind: $files files, $(($(du -sb "$dir" | cut -f1) >> 20)) MiB, scale $(cat "$dir.complete"), $rounds rounds; $sets"
  printf '%-12s %10s %10s\n' tool "median s" "peak MiB"
  for tool in scan-folder cli; do
    t=$(awk -v t="$tool" '$2 == t { print $3 / 1e9 }' "$work/times" | median)
    m=$(awk -v t="$tool" '$2 == t { print $4 / 1024 }' "$work/times" | median)
    printf '%-12s %10.3f %10.1f\n' "$tool" "$t" "$m"
  done
  ratio=$(awk '$2 == "scan-folder" { s[$1] = $3 } $2 == "cli" { c[$1] = $3 }
               END { for (k in s) print c[k] / s[k] }' "$work/times" | median)
  memory=$(awk '$2 == "scan-folder" { s[$1] = $4 } $2 == "cli" { c[$1] = $4 }
                END { for (k in s) print c[k] / s[k] }' "$work/times" | median)
  printf 'cli/scan-folder: time %.2f, memory %.2f\n' "$ratio" "$memory"
  worst=$(awk -v a="$worst" -v b="$ratio" 'BEGIN { print (b > a ? b : a) }')
  worst_memory=$(awk -v a="$worst_memory" -v b="$memory" 'BEGIN { print (b > a ? b : a) }')
done
echo
printf 'ratio cli/scan-folder: %.2f, memory ratio: %.2f, same sets: %s\n' "$worst" "$worst_memory" "$same"
[ "$same" = yes ]
