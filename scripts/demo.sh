#!/usr/bin/env bash
# Builds veltrum, writes a demo restaurant installation into a temporary
# directory and prints two reports of it: the waiter report (kind 5) of its
# closed days and "All articles" (kind 7) of the current, not yet closed day.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
bin="$PWD/build/bin/veltrum"

demo=$(mktemp -d "${TMPDIR:-/tmp}/veltrum-demo.XXXXXX")
trap 'rm -rf "$demo"' EXIT
today=$(date +%F)
from=$(date -d "$today - 7 days" +%F)
to=$(date -d "$today - 1 day" +%F)

"$bin" --version
"$bin" demo "$demo/inst" --days 7 --tables 40 --today "$today"
echo
echo "== Waiter report (kind 5), $from to $to"
"$bin" report --data "$demo/inst" --kind 5 --from "$from" --to "$to"
echo
echo "== All articles (kind 7), current day"
"$bin" report --data "$demo/inst" --kind 7
