#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test through CTest.
# SANITIZE=1 does it all in the sanitizer build (see scripts/setup.sh).
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
if [ "$SANITIZE" = 1 ]; then
  # Every finding ends the test that made it, a leak too unless it runs through Qt or a
  # system library.
  export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
  export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$top/scripts/lsan-suppressions.txt}
fi
# Widget tests need no display.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
ctest --test-dir "$BUILD_DIR" --output-on-failure --parallel "$(nproc)" "$@"
