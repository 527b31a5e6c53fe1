#!/usr/bin/env bash
# Draws the filter, batch and options dialogs without a display and writes
# them as PNG pictures into OUTDIR (default: docs), as the README shows
# them. The widget tests that drive the dialogs take the pictures.
#
#   scripts/dialog-screenshots.sh [BUILDDIR [OUTDIR]]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=$(realpath -m "${2:-docs}")
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen VELTRUM_SCREENSHOTS="$out"
"$build/bin/test_views" --gtest_filter='*ScreenshotsOfTheFilterAndBatchDialogs' >/dev/null
"$build/bin/test_module" --gtest_filter='*ScreenshotsOfBothTabs' >/dev/null
ls "$out"/filter-dialog.png "$out"/batch-dialog.png "$out"/options-dialog.png \
   "$out"/options-reports.png
