#!/usr/bin/env bash
# Compares our duplicate search (scan-folder: the search, sort and scan of the program)
# with jdupes, rmlint, fdupes and rdfind on generated corpora kept in bench/data/:
#   a  20,000 files of 1 KiB to 8 MiB, a third in groups of identical files, and files of
#      equal size that differ only in their last byte
#   b  200,000 files of 4 KiB, 10 % in groups of identical files
#   c  four 2 GiB files: two identical, two that differ in their last byte
#   d  50 sizes with 250 identical copies each (12,500 files of 1 to 50 KiB)
#   e  1,000,000 files of 8 bytes, 5 % in identical pairs
# Usage: bench/compare-peers.sh [--cold] [--rounds N] [a] [b] [c] [d] [e]
#        (default: all, 3 rounds)
# Warm cache (one untimed run of each tool first); with --cold (root only) the page cache is
# dropped before every run, the untimed first ones included, whose times are printed apart
# as "first run". Per tool: median wall time, peak memory,
# and the median over rounds of our time over the tool's. Every tool must find the same
# sets of identical non-empty files as we do; a difference is reported and makes the exit
# status 1. BUILD_DIR may name another build folder. The last line reads
# "worst ratio ours/fastest-peer: X", the largest over the corpora of the median ratio of
# our time to the fastest peer's.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-"$top/build"}
data="$top/bench/data"
source "$top/bench/corpus.sh"
cold=0
arguments=()
for argument in "$@"; do
  if [ "$argument" = --cold ]; then cold=1; else arguments+=("$argument"); fi
done
read_bench_arguments 3 "a b c d e" ${arguments[@]+"${arguments[@]}"}
if [ "$cold" = 1 ] && [ "$(id -u)" -ne 0 ]; then
  echo "--cold drops the page cache before each run, which only root may do: run it as root" >&2
  exit 1
fi
# Before a timed run: nothing of the corpus in memory when cold.
prepare_run() {
  if [ "$cold" = 1 ]; then
    sync
    echo 3 >/proc/sys/vm/drop_caches
  fi
}

peers=(jdupes rmlint fdupes rdfind)
missing=()
for p in "${peers[@]}" time; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Please install these Debian packages first (as root): apt-get install ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if [ ! -f "$build/build.ninja" ]; then
  BUILD_DIR="$build" "$top/scripts/setup.sh"
fi
cmake --build "$build" --target scan-folder make_corpus >/dev/null
mkdir -p "$data"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs TOOL on DIR; its results go to OUT. Prints "nanoseconds peak-KiB".
run_tool() {
  local tool=$1 dir=$2 out=$3
  local cmd
  case "$tool" in
    ours) cmd=("$build/bench/scan-folder" "$dir") ;;
    jdupes) cmd=(jdupes -q -r "$dir") ;;
    rmlint) cmd=(rmlint -T df -o fdupes "$dir") ;;
    fdupes) cmd=(fdupes -q -r "$dir") ;;
    rdfind) cmd=(rdfind -dryrun true -outputname "$out" "$dir") ;;
  esac
  local stdout=$out
  [ "$tool" = rdfind ] && stdout=/dev/null
  (cd "$work" && timed_run "$stdout" "${cmd[@]}")
}

format_of() {
  case "$1" in ours) echo ours ;; rdfind) echo rdfind ;; *) echo blocks ;; esac
}

tools=(ours "${peers[@]}")
mismatch=0
worst=0
for kind in "${corpora[@]}"; do
  make_corpus "$kind"
  dir="$data/corpus-$kind"
  files=$(find "$dir" -type f | wc -l)
  bytes=$(du -sb "$dir" | cut -f1)
  : > "$work/times"
  first=""
  for tool in "${tools[@]}"; do
    prepare_run
    first+=" $tool $(run_tool "$tool" "$dir" "$work/out-$tool" | awk '{ printf "%.3f s", $1 / 1e9 }')"
  done
  for ((round = 1; round <= rounds; round++)); do
    # A different tool goes first in each round.
    for ((i = 0; i < ${#tools[@]}; i++)); do
      tool=${tools[$(((i + round - 1) % ${#tools[@]}))]}
      prepare_run
      result=$(run_tool "$tool" "$dir" "$work/out-$tool")
      echo "$round $tool $result" >> "$work/times"
    done
  done

  echo
  echo "corpus $kind: $files files, $((bytes >> 20)) MiB, scale $(cat "$dir.complete"), $rounds rounds$([ "$cold" = 1 ] && echo ", cold")"
  [ "$cold" = 1 ] && echo "first run:$first"
  printf '%-8s %12s %10s %10s\n' tool "median s" "peak MiB" ours/tool
  fastest="" fastest_time=""
  for tool in "${tools[@]}"; do
    t=$(awk -v t="$tool" '$2 == t { print $3 / 1e9 }' "$work/times" | median)
    m=$(awk -v t="$tool" '$2 == t { print $4 / 1024 }' "$work/times" | median)
    r=$(awk -v t="$tool" '$2 == "ours" { o[$1] = $3 } $2 == t { x[$1] = $3 }
                          END { for (k in o) print o[k] / x[k] }' "$work/times" | median)
    printf '%-8s %12.3f %10.1f %10.2f\n' "$tool" "$t" "$m" "$r"
    if [ "$tool" != ours ] && { [ -z "$fastest" ] || awk -v a="$t" -v b="$fastest_time" 'BEGIN { exit !(a < b) }'; }; then
      fastest=$tool fastest_time=$t fastest_ratio=$r
    fi
  done
  echo "fastest peer: $fastest (ours/$fastest $fastest_ratio)"
  worst=$(awk -v a="$worst" -v b="$fastest_ratio" 'BEGIN { print (b > a ? b : a) }')

  python3 "$top/bench/peer_sets.py" ours "$work/out-ours" > "$work/sets-ours"
  echo "ours: $(wc -l < "$work/sets-ours") sets of identical files"
  for tool in "${peers[@]}"; do
    python3 "$top/bench/peer_sets.py" "$(format_of "$tool")" "$work/out-$tool" > "$work/sets-$tool"
    if cmp -s "$work/sets-ours" "$work/sets-$tool"; then
      echo "$tool: same sets"
    else
      mismatch=1
      echo "MISMATCH on corpus $kind: $tool found $(wc -l < "$work/sets-$tool") sets; differences (< ours, > $tool):"
      diff "$work/sets-ours" "$work/sets-$tool" | grep '^[<>]' | head -10 || true
    fi
  done
done
echo
[ "$mismatch" -eq 0 ] && echo "all tools found the same sets" || echo "THE TOOLS DISAGREE (see above)"
echo "worst ratio ours/fastest-peer: $worst"
exit "$mismatch"
