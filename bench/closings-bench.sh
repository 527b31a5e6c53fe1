#!/usr/bin/env bash
# The audit side measured on an installation with closed days:
#
#   bench/closings-bench.sh INSTALLATION ROUNDS VELTRUM [VELTRUM...]
#
# INSTALLATION is a benchmark installation (bench_report writes one, e.g.
# bench-data/365x400); nothing is written into it. Each VELTRUM is a build
# of the program; with two or more, the builds take turns, so that a busy
# machine weighs on each alike. Each round runs, per build:
# - `veltrum verify` of every day, and of one day (--day, the last day but
#   one: the Z continuity of all days and that day's bills and summary);
# - the list of closings (`veltrum z`) of all days and of the last 31 days;
# - the Z report of the last closing but one (`veltrum z --show`).
# Prints one line per run (round, build, case, CPU seconds as user + system,
# wall seconds), then per build and case the least and the median of the
# wall and the CPU time. A case whose output differs between the builds, or
# whose exit code is neither 0 nor 1 (findings), is named and makes the
# script fail.
set -euo pipefail

if [ $# -lt 3 ]; then
    sed -n '2,18p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
fi
inst=$(cd "$1" && pwd)
rounds=$2
shift 2
builds=("$@")
export LC_ALL=C.UTF-8

work=$(mktemp -d /tmp/veltrum-closings-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT

# the closed days: the day folders of the statistics, oldest first
days=$(find "$inst/var/statist" -mindepth 1 -maxdepth 1 -type d -name 'tag*' -printf '%f\n' \
    | sed -E 's/^tag([0-9]{2})\.([0-9]{2})\.([0-9]{4})$/\3-\2-\1/' | sort)
count=$(printf '%s\n' "$days" | grep -c .)
if [ "$count" -lt 2 ]; then
    echo "$inst has fewer than two closed days" >&2
    exit 2
fi
last=$(printf '%s\n' "$days" | tail -1)
oneDay=$(printf '%s\n' "$days" | tail -2 | head -1)
from=$(date -d "$last - 30 days" +%F)
zLast=$("${builds[0]}" z --data "$inst" --read-only --format json \
    | python3 -c 'import json,sys; c=json.load(sys.stdin)["closings"]; print(c[-2]["z"] if len(c) > 1 else c[-1]["z"])')

cases=(verify-all verify-day z-all z-31 z-show)
args() {
    case $1 in
    verify-all) echo verify --data "$inst" ;;
    verify-day) echo verify --data "$inst" --day "$oneDay" ;;
    z-all) echo z --data "$inst" --read-only ;;
    z-31) echo z --data "$inst" --read-only --from "$from" --to "$last" ;;
    z-show) echo z --data "$inst" --read-only --show "$zLast" --now "${last}T23:00:00" ;;
    esac
}

failed=0
results=$work/results
: > "$results"
for round in $(seq 1 "$rounds"); do
    for b in "${!builds[@]}"; do
        bin=${builds[$b]}
        for c in "${cases[@]}"; do
            out=$work/$b.$c.out
            rc=0
            # shellcheck disable=SC2046
            /usr/bin/time -f '%U %S %e' -o "$work/time" "$bin" $(args "$c") > "$out" 2>&1 || rc=$?
            if [ "$rc" -gt 1 ]; then
                echo "build $b, $c: exit code $rc" >&2
                failed=1
            fi
            read -r user sys wall < <(tail -1 "$work/time")
            cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.2f", u + s }')
            printf '%s %s %s %s %s\n' "$round" "$b" "$c" "$cpu" "$wall" | tee -a "$results"
        done
    done
done

for c in "${cases[@]}"; do
    for b in "${!builds[@]}"; do
        if [ "$b" -gt 0 ] && ! cmp -s "$work/0.$c.out" "$work/$b.$c.out"; then
            echo "build $b, $c: the output differs from build 0's" >&2
            failed=1
        fi
    done
done

echo
echo "build case: CPU least median, wall least median (seconds)"
for b in "${!builds[@]}"; do
    for c in "${cases[@]}"; do
        awk -v b="$b" -v c="$c" '$2 == b && $3 == c { print $4, $5 }' "$results" | python3 -c '
import statistics, sys
rows = [tuple(map(float, l.split())) for l in sys.stdin if l.strip()]
cpu = [r[0] for r in rows]
wall = [r[1] for r in rows]
print("%s %s: CPU %.2f %.2f, wall %.2f %.2f" % (sys.argv[1], sys.argv[2], min(cpu),
      statistics.median(cpu), min(wall), statistics.median(wall)))' "$b" "$c"
    done
done
exit "$failed"
