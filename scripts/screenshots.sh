#!/usr/bin/env bash
# Takes the README's pictures of the back office without a display: the
# widget tests that show what the pictures show save them into docs/.
#
#   scripts/screenshots.sh [BUILD_DIR]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
export QT_QPA_PLATFORM=offscreen
export VELTRUM_SCREENSHOTS=$PWD/docs
"$build/bin/test_module" --gtest_filter='VeltrumModule.MenuEntriesOverADemo*:Options.ScreenshotsOfBothTabs' >/dev/null
"$build/bin/test_views" >/dev/null
ls -1 docs/*.png
