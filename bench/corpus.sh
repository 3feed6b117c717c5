# Sourced by the benchmarks that use the generated corpora; needs $build (the build folder,
# with make_corpus built), $data (the folder that holds the corpora) and, for timed_run,
# $work (a scratch folder).

# read_bench_arguments ROUNDS "KINDS" [--rounds N] [a] [b] [c] [d] [e]: sets `rounds` and
# `corpora` from the arguments, the first two being their defaults; a wrong one ends the
# script with its usage.
read_bench_arguments() {
  rounds=$1
  local defaults=$2
  shift 2
  corpora=()
  while [ $# -gt 0 ]; do
    case "$1" in
      --rounds) rounds=${2:?--rounds needs a number}; shift 2 ;;
      a|b|c|d|e) corpora+=("$1"); shift ;;
      *) echo "usage: $0 [--rounds N] [a] [b] [c] [d] [e]" >&2; exit 2 ;;
    esac
  done
  [ ${#corpora[@]} -gt 0 ] || read -ra corpora <<<"$defaults"
  [ "$rounds" -ge 1 ] 2>/dev/null || { echo "--rounds needs a number of at least 1" >&2; exit 2; }
}

# Makes $data/corpus-KIND once; scaled down when the disk is short of space.
make_corpus() {
  local kind=$1 dir="$data/corpus-$1"
  if [ -f "$dir.complete" ] && [ -d "$dir" ]; then
    return
  fi
  rm -rf "$dir" "$dir.partial" "$dir.complete"
  local need avail spare scale=1
  need=$("$build/bench/make_corpus" --bytes "$kind")
  avail=$(df --output=avail -B1 "$data" | tail -1)
  spare=$((avail - (2 << 30)))
  if [ "$need" -gt "$spare" ]; then
    scale=$(awk -v s="$spare" -v n="$need" 'BEGIN { printf "%.3f", s / n * 0.9 }')
    if awk -v x="$scale" 'BEGIN { exit !(x < 0.05) }'; then
      echo "corpus $kind needs $((need >> 20)) MiB, only $((avail >> 20)) MiB free: not made" >&2
      exit 1
    fi
    echo "NOTE: corpus $kind needs $((need >> 20)) MiB but only $((avail >> 20)) MiB are free;" \
         "making it at scale $scale" >&2
  fi
  echo "making corpus $kind under $dir ($((need >> 20)) MiB at scale 1)" >&2
  "$build/bench/make_corpus" "$kind" "$dir.partial" "$scale"
  mv "$dir.partial" "$dir"
  echo "$scale" > "$dir.complete"
}

# timed_run OUT COMMAND...: runs the command with its output in OUT and its errors in
# $work/err; prints "nanoseconds peak-KiB", or its errors and ends the script when it fails.
timed_run() {
  local out=$1 start end
  shift
  start=$(date +%s%N)
  if ! /usr/bin/time -f '%M' -o "$work/mem" "$@" >"$out" 2>"$work/err"; then
    echo "$1 failed:" >&2
    cat "$work/err" >&2
    exit 1
  fi
  end=$(date +%s%N)
  echo "$((end - start)) $(tail -1 "$work/mem")"
}

# The median of the numbers on stdin, one a line.
median() {
  sort -g | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
