#!/usr/bin/env bash
# Runs random sequences of acts on a session for a while (--seconds N, 20 by default),
# checking the session's state after each act. Builds the test first (scripts/setup.sh;
# BUILD_DIR, SANITIZE=1). Prints each failing seed, with the way to replay it, and as its
# last line "sequences: S, acts: A, failures: F"; fails when a sequence failed.
set -euo pipefail
seconds=20
while [ $# -gt 0 ]; do
  case $1 in
    --seconds) seconds=${2:-}; shift $(($# > 1 ? 2 : 1)) ;;
    --seconds=*) seconds=${1#*=}; shift ;;
    *) echo "usage: $0 [--seconds N]" >&2; exit 2 ;;
  esac
done
[[ $seconds =~ ^[0-9]+([.][0-9]+)?$ ]] || { echo "act-sequences.sh: --seconds takes a number" >&2; exit 2; }

# shellcheck disable=SC2034 # setup.sh builds only this target
BUILD_TARGETS=act_sequences_tests
source "$(dirname "$0")/setup.sh"
if [ "$SANITIZE" = 1 ]; then
  export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
  export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$top/scripts/lsan-suppressions.txt}
fi

log=$(mktemp)
trace=$(mktemp)
trap 'rm -f "$log" "$trace"' EXIT
status=0
TWINSWEEP_ACT_SECONDS=$seconds TWINSWEEP_ACT_TRACE=$trace \
  "$BUILD_DIR/tests/act_sequences_tests" >"$log" 2>&1 || status=$?

grep -a '^failing seed' "$log" || true
summary=$(grep -a '^sequences: ' "$log" | tail -n 1 || true)
if [ -z "$summary" ]; then
  # The run ended inside a sequence: the trace names it and the tally before it.
  tail -n 40 "$log" >&2
  read -r seed sequences acts failures <"$trace" || true
  echo "failing seed ${seed:-?}: the run ended with status $status" \
       "(replay: TWINSWEEP_ACT_SEED=${seed:-?})"
  summary="sequences: $((${sequences:-0} + 1)), acts: ${acts:-0}, failures: $((${failures:-0} + 1))"
  status=1
elif [ "$status" -ne 0 ] && [[ $summary == *", failures: 0" ]]; then
  tail -n 40 "$log" >&2 # a failure outside the sequences, such as a leak at exit
fi
echo "$summary"
[ "$status" -eq 0 ] && [[ $summary == *", failures: 0" ]]
