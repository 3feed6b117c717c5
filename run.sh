#!/usr/bin/env bash
# Sets up what is missing, builds, and starts Twinsweep.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
exec "$BUILD_DIR/bin/twinsweep"
