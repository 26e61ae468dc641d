#!/bin/sh
# Builds everything with warnings as errors and runs every test.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release -G Ninja
cmake --build --preset release
QT_QPA_PLATFORM=offscreen ctest --preset release
