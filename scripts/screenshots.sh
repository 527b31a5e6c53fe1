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
"$build/bin/test_module" \
    --gtest_filter='VeltrumModule.MenuEntriesOverADemo*:VeltrumModule.Overview*:VeltrumModule.LanguageMenuSwitches*:Options.ScreenshotsOfBothTabs' \
    >/dev/null
"$build/bin/test_views" >/dev/null
# a chart as the command line draws it, over the demo the tests use
demo=$(mktemp -d)
trap 'rm -rf "$demo"' EXIT
"$build/bin/veltrum" demo --days 2 --tables 16 --today 2026-12-05 "$demo/inst" >/dev/null
"$build/bin/veltrum" report --data "$demo/inst" --kind 7 --now 2026-12-05T21:00:00 \
    --format png --output docs/cli-articles.png
ls -1 docs/*.png
