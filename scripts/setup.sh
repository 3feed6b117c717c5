#!/usr/bin/env bash
# Installs the build dependencies when missing, then configures and builds.
# Sourced by run.sh and test.sh; BUILD_DIR and BUILD_TYPE may be set by the caller, and
# BUILD_TARGETS to build only those targets.
# SANITIZE=1 selects the AddressSanitizer and UndefinedBehaviorSanitizer build, by default
# in build-asan.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
SANITIZE=${SANITIZE:-0}
if [ "$SANITIZE" = 1 ]; then
  BUILD_DIR=${BUILD_DIR:-"$top/build-asan"}
  sanitize_option=ON
else
  BUILD_DIR=${BUILD_DIR:-"$top/build"}
  sanitize_option=OFF
fi
BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo}

packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-translations-l10n libjpeg-dev libglib2.0-dev
          libgtest-dev xvfb xauth xfsprogs e2fsprogs python3 man-db)

source "$top/scripts/need-packages.sh"
need_packages "${packages[@]}"

# Configured once, and again when the sanitizer choice differs from the build folder's.
if [ ! -f "$BUILD_DIR/build.ninja" ] ||
   ! grep -qsx "TWINSWEEP_SANITIZE:BOOL=$sanitize_option" "$BUILD_DIR/CMakeCache.txt"; then
  cmake -S "$top" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="$BUILD_TYPE" \
        -DTWINSWEEP_SANITIZE="$sanitize_option"
fi
# shellcheck disable=SC2086 # the targets are words
cmake --build "$BUILD_DIR" --parallel "$(nproc)" ${BUILD_TARGETS:+--target $BUILD_TARGETS}
