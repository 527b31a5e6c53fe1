#!/usr/bin/env bash
# Takes the pictures of the docs of the back office without a display: the
# widget tests that show what the pictures show save them into docs/.
#
#   scripts/screenshots.sh [BUILD_DIR]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
export QT_QPA_PLATFORM=offscreen
export VELTRUM_SCREENSHOTS=$PWD/docs
"$build/bin/test_module" \
    --gtest_filter='VeltrumModule.MenuEntriesOverADemo*:VeltrumModule.Overview*:VeltrumModule.LanguageMenuSwitches*:Options.ScreenshotsOfBothTabs:DailyUse.EveryDocumentAndDialog*' \
    >/dev/null
"$build/bin/test_views" >/dev/null
# a chart as the command line draws it, over the demo the tests use
demo=$(mktemp -d)
trap 'rm -rf "$demo"' EXIT
"$build/bin/veltrum" demo --days 2 --tables 16 --today 2026-12-05 "$demo/inst" >/dev/null
"$build/bin/veltrum" report --data "$demo/inst" --kind 7 --now 2026-12-05T21:00:00 \
    --format png --output docs/cli-articles.png
# a day's hours against the same day a week before, and the labour chart
"$build/bin/veltrum" demo --days 9 --tables 16 --today 2026-12-05 "$demo/weeks" >/dev/null
"$build/bin/veltrum" report --data "$demo/weeks" --kind 19 --from 2026-12-04 --compare week \
    --now 2026-12-05T21:00:00 --format png --output docs/cli-compare-hours.png
"$build/bin/veltrum" labour --data "$demo/weeks" --from 2026-12-04 --now 2026-12-05T21:00:00 \
    --format png --output docs/cli-labour.png
# the Z report of the whole-day closing after a waiter's closing
"$build/bin/veltrum" demo --today 2026-12-05 "$demo/zdemo" >/dev/null
"$build/bin/veltrum" turnover --data "$demo/zdemo" --date 2026-12-05 --waiter 3 --exec-waiter 1 \
    --force --now 2026-12-05T22:30:00 >/dev/null
# the whole day with a cash count 0,50 short of what the bills expect
cash=$("$build/bin/veltrum" turnover --data "$demo/zdemo" --date 2026-12-05 --exec-waiter 1 \
    --force --now 2026-12-05T23:45:00 --dry-run --count cash=0 --tolerance 100000 |
    awk '/^Cash$/ { getline; sub(/.*: /, ""); sub(/ .*/, ""); gsub(/[.,]/, ""); print; exit }')
counted=$((10#$cash - 50))
"$build/bin/veltrum" turnover --data "$demo/zdemo" --date 2026-12-05 --exec-waiter 1 --force \
    --now 2026-12-05T23:45:00 --count "cash=$((counted / 100)).$(printf %02d $((counted % 100)))" \
    --counted-by "1 Anna" >/dev/null
"$build/bin/veltrum" z --data "$demo/zdemo" --show 109 --now 2026-12-05T23:50:00 --width 42 \
    >docs/z-receipt-42.txt
"$build/bin/veltrum" z --data "$demo/zdemo" --show 109 --now 2026-12-05T23:50:00 --format pdf \
    --output docs/z-report.pdf
# the web view in Chromium, at desktop and phone size (its browser test)
bash tests/web/browser/run.sh "$build/bin/veltrum" "$build/web-browser" >/dev/null
ls -1 docs/*.png docs/*.pdf docs/z-receipt-42.txt
