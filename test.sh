#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test through CTest.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
# Widget tests need no display.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
ctest --test-dir "$BUILD_DIR" --output-on-failure --parallel "$(nproc)" "$@"
