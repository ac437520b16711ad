#!/bin/sh
# Builds the host program and its tests into build/ (or $BUILD_DIR).
set -e
cd "$(dirname "$0")/.."
sh tools/deps.sh cmake g++ make pkg-config libgtest-dev libgmock-dev libncurses-dev \
  libhivex-dev tmux
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"
