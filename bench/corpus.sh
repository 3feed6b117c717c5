# Sourced by the benchmarks that use the generated corpora; needs $build (the build folder,
# with make_corpus built) and $data (the folder that holds the corpora).

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
