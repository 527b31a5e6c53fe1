#!/usr/bin/env bash
# Builds veltrum, writes a demo restaurant installation into a temporary
# directory and prints two reports of it: the waiter report (kind 5) of its
# closed days and "All articles" (kind 7) of the current, not yet closed day.
#
#   scripts/demo.sh [yyyy-MM-dd]
#
# With a date, that day is the demo's "today" and the reports are printed as
# at 21:00 of it, so the output is the same on every run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
bin="$PWD/build/bin/veltrum"

demo=$(mktemp -d "${TMPDIR:-/tmp}/veltrum-demo.XXXXXX")
trap 'rm -rf "$demo"' EXIT
today=${1:-$(date +%F)}
now=()
if [ $# -ge 1 ]; then
    now=(--now "${today}T21:00:00")
fi
from=$(date -d "$today - 7 days" +%F)
to=$(date -d "$today - 1 day" +%F)

"$bin" --version
"$bin" demo "$demo/inst" --days 7 --tables 40 --today "$today"
echo
echo "== Waiter report (kind 5), $from to $to"
"$bin" report --data "$demo/inst" --kind 5 --from "$from" --to "$to" "${now[@]}"
echo
echo "== All articles (kind 7), current day"
"$bin" report --data "$demo/inst" --kind 7 "${now[@]}"
