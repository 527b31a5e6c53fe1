#!/usr/bin/env bash
# Writes every report of a fixed demo installation into OUTDIR, one file per
# run: kinds 3-42 over the current day and over the closed week, the batches,
# and a few filter and outlet runs. Two builds that print the same reports
# give byte-identical directories.
#
#   scripts/report-snapshot.sh VELTRUM_BINARY OUTDIR [INSTALLATION]
#
# With INSTALLATION the demo is written there when it is missing and kept
# afterwards, so that a second run reads the closed days from the report
# cache the first one wrote (bench/compare-reports.sh warm).
set -euo pipefail
# in English, whatever language the caller's environment names
export LC_ALL=C.UTF-8
bin=$1
out=$2
mkdir -p "$out"
if [ -n "${3:-}" ]; then
    work=$(mkdir -p "$3" && cd "$3" && pwd)
else
    work=$(mktemp -d "${TMPDIR:-/tmp}/veltrum-snapshot.XXXXXX")
    trap 'rm -rf "$work"' EXIT
fi

[ -d "$work/inst" ] ||
    "$bin" demo "$work/inst" --days 7 --tables 40 --today 2026-12-05 --seed 1 >/dev/null
now=(--now 2026-12-05T21:00:00)
range=(--from 2026-11-28 --to 2026-12-04)

run() {
    local name=$1
    shift
    local rc=0
    "$bin" report --data "$work/inst" "$@" "${now[@]}" >"$out/$name.txt" 2>&1 || rc=$?
    if [ "$rc" -ne 0 ]; then echo "exit $rc" >>"$out/$name.txt"; fi
}

for kind in $(seq 3 42); do
    run "kind$kind-today" --kind "$kind"
    run "kind$kind-week" --kind "$kind" "${range[@]}"
done
for batch in 101 102 103; do
    run "batch$batch-today" --kind "$batch"
done
# A non-fiscal batch over the week; the fiscal one over a single closed day.
run "batch102-week" --kind 102 "${range[@]}"
run "batch101-day" --kind 101 --from 2026-12-02
for filter in 1 2 3 4 5; do
    run "kind7-filter$filter-week" --kind 7 --filter "$filter" "${range[@]}"
    run "kind5-filter$filter-today" --kind 5 --filter "$filter"
done
run "kind5-outlet1-week" --kind 5 --outlet 1 "${range[@]}"
run "kind5-opentables-today" --kind 5 --open-tables
run "kind4-turnoverin-today" --kind 4 --turnover in
run "kind4-trainee-only-week" --kind 4 --trainee only "${range[@]}"
run "kind4-withoutcredits-today" --kind 4 --without-credits
run "kind6-period3-today" --kind 6 --period 3
