#!/usr/bin/env bash
# Cross-builds Sorvane with warnings as errors and runs all its tests under Wine.
#   bash control/test.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build/control}

cmake -S "$here" -B "$build" -DSORVANE_WERROR=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
cd "$build"
ctest --output-on-failure
