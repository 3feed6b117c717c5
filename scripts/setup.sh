#!/usr/bin/env bash
# Installs the build dependencies when missing, then configures and builds.
# Sourced by run.sh and test.sh; BUILD_DIR and BUILD_TYPE may be set by the caller.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-"$top/build"}
BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo}

packages=(g++ cmake ninja-build pkg-config qt6-base-dev libjpeg-dev libglib2.0-dev
          libgtest-dev xvfb xauth)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
  else
    echo "Please install these Debian packages first (as root):" >&2
    echo "  apt-get install ${missing[*]}" >&2
    exit 1
  fi
fi

if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  cmake -S "$top" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="$BUILD_TYPE"
fi
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
