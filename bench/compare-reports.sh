#!/usr/bin/env bash
# Writes what two builds must print alike, and compares two such snapshots.
#
#   bench/compare-reports.sh snapshot BINDIR OUTDIR [--year INSTALLATION]
#   bench/compare-reports.sh diff OLD NEW
#   bench/compare-reports.sh warm BINDIR OUTDIR [--year INSTALLATION]
#
# BINDIR holds `veltrum` and `report_export` of one build
# (-DVELTRUM_BUILD_BENCH=ON). A snapshot holds:
# - demo/: every report text of the fixed demo (scripts/report-snapshot.sh)
#   and a few more option runs;
# - demo-export/<run>/: the report trees' text and XML exports of the demo
#   over the current day and the closed week, plain and with each option;
# - demo-data/: the JSON and CSV of kinds 3-42 and the batches over the
#   demo's current day and closed week;
# - with --year: year/ the report texts of kinds 3-42 and the batches over
#   the installation's closed days and its current day,
#   year-export/<run>.sha256 the checksums of the exports of the year (the
#   files themselves run into gigabytes and are deleted), and
#   year-data/<run>.sha256 those of the JSON and CSV of the year and of the
#   current day.
# `diff` compares two snapshots file by file and prints what differs; it
# exits 1 on any difference. `warm` takes two snapshots with the cache of
# closed days (var/reportcache), OUTDIR/cold from an empty cache and
# OUTDIR/warm from what the first one cached, over the same installations,
# and compares them; diff OUTDIR/cold against an older build's snapshot.
#
# The year installation is the benchmark's (bench_report writes it, e.g.
# VELTRUM_BENCH_DIR=/work/bench-data/365x400); its closed days end the day
# before 2026-12-05. Fiscal batch files a run writes into its var/reports
# are removed again, so the installation stays as it was.
set -euo pipefail

usage() {
    sed -n '2,7p' "$0" >&2
    exit 2
}

here=$(cd "$(dirname "$0")/.." && pwd)

snapshot() {
    local bin out year=""
    bin=$(cd "$1" && pwd)
    out=$2
    shift 2
    if [ "${1:-}" = "--year" ]; then
        year=$(cd "$2" && pwd)
    fi
    mkdir -p "$out"
    out=$(cd "$out" && pwd)
    local work
    if [ -n "${COMPARE_WORK:-}" ]; then
        work=$COMPARE_WORK
    else
        work=$(mktemp -d "${TMPDIR:-/tmp}/veltrum-compare.XXXXXX")
        trap 'rm -rf "$work"' RETURN
    fi
    # report_export reads the cache of closed days only when asked to
    local cache=()
    if [ -n "${COMPARE_CACHE:-}" ]; then cache=(--cache); fi

    # --- the demo ---------------------------------------------------------
    if [ -n "${COMPARE_WORK:-}" ]; then
        "$here/scripts/report-snapshot.sh" "$bin/veltrum" "$out/demo" "$work/snapshot"
    else
        "$here/scripts/report-snapshot.sh" "$bin/veltrum" "$out/demo"
    fi
    [ -d "$work/inst" ] ||
        "$bin/veltrum" demo "$work/inst" --days 7 --tables 40 --today 2026-12-05 --seed 1 >/dev/null
    local now=(--now 2026-12-05T21:00:00)
    local week=(--from 2026-11-28 --to 2026-12-04)
    for kind in 5 7 19 38; do
        "$bin/veltrum" report --data "$work/inst" --kind $kind --report-waiter 2 "${week[@]}" \
            "${now[@]}" >"$out/demo/kind$kind-waiter2-week.txt" 2>&1 || true
        "$bin/veltrum" report --data "$work/inst" --kind $kind --open-tables "${now[@]}" \
            >"$out/demo/kind$kind-opentables-today.txt" 2>&1 || true
    done
    local variants=("plain" "filter1" "filter2" "filter3" "filter4" "filter5" "outlet1"
        "opentables" "withoutcredits" "turnoverin" "turnoverout" "traineewithout"
        "traineeonly" "waiter2")
    for variant in "${variants[@]}"; do
        local opts=()
        case $variant in
        filter*) opts=(--filter "${variant#filter}") ;;
        outlet1) opts=(--outlet 1) ;;
        opentables) opts=(--open-tables) ;;
        withoutcredits) opts=(--without-credits) ;;
        turnoverin) opts=(--turnover in) ;;
        turnoverout) opts=(--turnover out) ;;
        traineewithout) opts=(--trainee without) ;;
        traineeonly) opts=(--trainee only) ;;
        waiter2) opts=(--report-waiter 2) ;;
        esac
        "$bin/report_export" --data "$work/inst" --out "$out/demo-export/$variant-today" \
            "${opts[@]}" "${cache[@]}"
        "$bin/report_export" --data "$work/inst" --out "$out/demo-export/$variant-week" \
            "${week[@]}" "${opts[@]}" "${cache[@]}"
    done

    # the data of the lines, as scripts read them
    mkdir -p "$out/demo-data"
    for kind in $(seq 3 42) 101 102 103; do
        for format in json csv; do
            "$bin/veltrum" report --data "$work/inst" --kind "$kind" --format $format "${now[@]}" \
                >"$out/demo-data/kind$kind-today.$format" 2>&1 || true
            "$bin/veltrum" report --data "$work/inst" --kind "$kind" --format $format "${week[@]}" \
                "${now[@]}" >"$out/demo-data/kind$kind-week.$format" 2>&1 || true
        done
    done

    [ -n "$year" ] || return 0

    # --- the year of the benchmark installation ---------------------------
    local first last
    # sed reads to the end: head would leave sort writing into a closed pipe
    first=$(ls "$year/var/summary" | grep -E '^[0-9]{4}-[0-9]{2}-[0-9]{2}\.dat$' | sort | sed -n 1p)
    last=$(ls "$year/var/statist" | grep -E '^tag' | sed -E 's/tag(..)\.(..)\.(....)/\3-\2-\1/' |
        sort | tail -1)
    first=${first%.dat}
    local range=(--from "$first" --to "$last")
    mkdir -p "$out/year" "$out/year-export"
    local reports="$year/var/reports"
    mkdir -p "$reports"
    local before
    before=$(ls "$reports")
    clean_reports() {
        for f in "$reports"/*; do
            [ -e "$f" ] || continue
            grep -qxF "$(basename "$f")" <<<"$before" || rm -f "$f"
        done
    }
    run_year() {
        local name=$1
        shift
        local rc=0
        "$bin/veltrum" report --data "$year" "$@" "${now[@]}" >"$out/year/$name.txt" 2>&1 || rc=$?
        if [ "$rc" -ne 0 ]; then echo "exit $rc" >>"$out/year/$name.txt"; fi
        clean_reports
    }
    for kind in $(seq 3 42); do
        run_year "kind$kind-year" --kind "$kind" "${range[@]}"
        run_year "kind$kind-today" --kind "$kind"
    done
    for batch in 101 102 103; do
        run_year "batch$batch-year" --kind "$batch" "${range[@]}"
        run_year "batch$batch-today" --kind "$batch"
    done
    run_year "batch101-day" --kind 101 --from "$last"
    # the data of the year's lines run into megabytes: their checksums
    mkdir -p "$out/year-data"
    for kind in $(seq 3 42) 101 102 103; do
        for format in json csv; do
            "$bin/veltrum" report --data "$year" --kind "$kind" --format $format "${range[@]}" \
                "${now[@]}" 2>&1 | sha256sum >"$out/year-data/kind$kind-year.$format.sha256"
            clean_reports
            "$bin/veltrum" report --data "$year" --kind "$kind" --format $format "${now[@]}" \
                2>&1 | sha256sum >"$out/year-data/kind$kind-today.$format.sha256"
            clean_reports
        done
    done
    for variant in year today; do
        local dir="$work/export-$variant"
        if [ $variant = year ]; then
            "$bin/report_export" --data "$year" --out "$dir" "${range[@]}" "${cache[@]}"
        else
            "$bin/report_export" --data "$year" --out "$dir"
        fi
        (cd "$dir" && find . -type f | LC_ALL=C sort | xargs -d '\n' sha256sum) \
            >"$out/year-export/$variant.sha256"
        rm -rf "$dir"
    done
}

compare() {
    local old=$1 new=$2
    if diff -r -q "$old" "$new"; then
        echo "identical: $(find "$old" -type f | wc -l) files"
        return 0
    fi
    return 1
}

warm() {
    local bin=$1 out=$2
    shift 2
    local year=""
    if [ "${1:-}" = "--year" ]; then year=$2; fi
    local work
    work=$(mktemp -d "${TMPDIR:-/tmp}/veltrum-warm.XXXXXX")
    # the year's cache starts empty: the first snapshot is a cold run
    if [ -n "$year" ]; then rm -rf "$year/var/reportcache"; fi
    COMPARE_WORK=$work COMPARE_CACHE=1 snapshot "$bin" "$out/cold" "$@"
    COMPARE_WORK=$work COMPARE_CACHE=1 snapshot "$bin" "$out/warm" "$@"
    rm -rf "$work"
    compare "$out/cold" "$out/warm"
}

case "${1:-}" in
snapshot)
    [ $# -ge 3 ] || usage
    shift
    snapshot "$@"
    ;;
warm)
    [ $# -ge 3 ] || usage
    shift
    warm "$@"
    ;;
diff)
    [ $# -eq 3 ] || usage
    compare "$2" "$3"
    ;;
*)
    usage
    ;;
esac
