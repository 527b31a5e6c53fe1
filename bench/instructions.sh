#!/usr/bin/env bash
# Counts the instructions a report takes: the same count on every run, where
# the CPU time of a shared machine wanders by a fifth from one minute to the
# next. Valgrind's callgrind counts them (every thread; what the kernel does
# for the program is not counted: the read of the files, the status queries
# of the freshness rule, the writes of the cache).
#
#   bench/instructions.sh BINDIR INSTALLATION [--kinds 5,7,19] [--days 60]
#                         [--to yyyy-MM-dd] [--now yyyy-MM-ddThh:mm:ss] [--top N]
#
# BINDIR holds `veltrum`; INSTALLATION is a benchmark installation
# (bench_report writes one, e.g. /work/bench-data/365x400, whose closed days
# end on 2026-12-04, the default of --to; --now defaults to 21:00 of the day
# after). For each kind, over the DAYS closed days up to --to, it runs the
# report three times: without the cache of closed days ("plain"), from an
# empty cache ("cold": the installation's cache is moved aside and put back
# at the end) and from what the cold run cached ("warm"). It prints each
# run's instructions and the cold and warm runs as multiples of the plain
# one; with --top N also each run's N functions that took the most (their
# own instructions). The three runs must print the same report; a run that
# fails, or prints another report, ends the script with exit 1.
#
# Compare two builds by running it for each BINDIR. A year of the waiter
# report takes about a minute a run under callgrind.
set -euo pipefail

usage() {
    sed -n '8,9p' "$0" >&2
    exit 2
}

[ $# -ge 2 ] || usage
bin=$(cd "$1" && pwd)
inst=$(cd "$2" && pwd)
shift 2
kinds=5,7,19
days=60
to=2026-12-04
now=""
top=0
while [ $# -gt 0 ]; do
    case "$1" in
    --kinds) kinds=$2 ;;
    --days) days=$2 ;;
    --to) to=$2 ;;
    --now) now=$2 ;;
    --top) top=$2 ;;
    *) usage ;;
    esac
    [ $# -ge 2 ] || usage
    shift 2
done
[[ "$days" =~ ^[1-9][0-9]*$ ]] || { echo "instructions.sh: --days must be a whole number above 0" >&2; exit 2; }
[[ "$top" =~ ^[0-9]+$ ]] || { echo "instructions.sh: --top must be a whole number" >&2; exit 2; }
from=$(date -u -d "$to - $((days - 1)) days" +%F) || { echo "instructions.sh: --to $to is not a date" >&2; exit 2; }
[ -n "$now" ] || now="$(date -u -d "$to + 1 day" +%F)T21:00:00"
[ -x "$bin/veltrum" ] || { echo "instructions.sh: $bin/veltrum not found" >&2; exit 2; }
[ -d "$inst/var" ] || { echo "instructions.sh: $inst is not an installation (no var)" >&2; exit 2; }
if ! command -v valgrind >/dev/null || ! command -v callgrind_annotate >/dev/null; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    echo "Installing: valgrind"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq valgrind
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/veltrum-instructions.XXXXXX")
cache="$inst/var/reportcache"
aside="$inst/var/reportcache.instructions-$$"
moved=0
restore() {
    # the cache as it was: what the cold runs made goes
    rm -rf "$cache"
    if [ "$moved" = 1 ]; then
        mv "$aside" "$cache"
    fi
    rm -rf "$work"
}
trap restore EXIT
if [ -e "$cache" ]; then
    mv "$cache" "$aside"
    moved=1
fi

# run NAME ARGS...: the report under callgrind into $work/NAME.*; prints
# its instructions
run() {
    local name=$1
    shift
    if ! valgrind --tool=callgrind --callgrind-out-file="$work/$name.out" \
        "$bin/veltrum" report --data "$inst" --from "$from" --to "$to" --now "$now" "$@" \
        > "$work/$name.txt" 2> "$work/$name.err"; then
        echo "instructions.sh: veltrum report $* failed:" >&2
        grep -v '^==' "$work/$name.err" >&2 || true
        exit 1
    fi
    local refs
    refs=$(sed -n 's/^==[0-9]*== I *refs: *//p' "$work/$name.err" | tr -d ,)
    if [ -z "$refs" ]; then
        echo "instructions.sh: callgrind counted nothing for $name ($work/$name.err)" >&2
        exit 1
    fi
    echo "$refs"
}

# the functions of run NAME that took the most, after the sixth rule of
# callgrind_annotate's page
topOf() {
    callgrind_annotate "$work/$1.out" 2> /dev/null \
        | awk -v n="$top" '/^-+$/ { rule++; next } rule >= 6 && NF > 0 && shown < n { print; shown++ }' \
        | sed -e 's/^/      /' -e 's/ \[[^]]*\]$//' | cut -c1-150
}

echo "instructions of veltrum report, $from to $to ($days days), $inst"
printf '%6s %18s %18s %6s %18s %6s\n' kind plain cold "x" warm "x"
for kind in ${kinds//,/ }; do
    plain=$(run "plain-$kind" --kind "$kind" --no-cache)
    rm -rf "$cache"
    cold=$(run "cold-$kind" --kind "$kind")
    warm=$(run "warm-$kind" --kind "$kind")
    for side in cold warm; do
        if ! cmp -s "$work/plain-$kind.txt" "$work/$side-$kind.txt"; then
            echo "instructions.sh: kind $kind prints another report $side than without the cache" >&2
            exit 1
        fi
    done
    awk -v k="$kind" -v p="$plain" -v c="$cold" -v w="$warm" \
        'BEGIN { printf "%6s %18s %18s %6.2f %18s %6.2f\n", k, p, c, c / p, w, w / p }'
    if [ "$top" -gt 0 ]; then
        for side in plain cold warm; do
            echo "    $side:"
            topOf "$side-$kind"
        done
    fi
done
