#!/usr/bin/env bash
# Builds everything (a compiler warning fails the build) and runs all tests;
# prints ctest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh -DVELTRUM_WERROR=ON
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j2 --timeout 600
