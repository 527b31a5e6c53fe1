#!/usr/bin/env bash
# The chain statistics measured against a throw-away PostgreSQL server:
#
#   bench/chain-bench.sh BINDIR INSTALLATION [DAYS] [OUTLETS] [groups]
#
# BINDIR holds `veltrum` (and ../plugins); INSTALLATION is a benchmark
# installation of 400 tables a day (bench_report writes one, e.g.
# /work/bench-data/60x400), read through a copy so it stays as it is (its
# table files through a link to their folder). Measures, in wall-clock and CPU seconds of the program:
# 1. the upload of one closed day ('veltrum chain push' of one day into a
#    database that holds the outlet already), for each of the last DAYS
#    closed days (default 30): the least and the median;
# 2. the chain report of kinds 5, 7 and 19 over those DAYS days and
#    OUTLETS outlets (default 10; the other outlets are copies of the first
#    made in the database), from the stored groups and from the stored day
#    summaries, against the local report of the one installation over the
#    same days (without its day cache), the chain report of one outlet and
#    the floor: psql fetching the same stored groups of all outlets from the
#    server (COPY, binary) and throwing them away.
#    With "groups" the copies get the groups only and only the groups are
#    measured (a year of day summaries of 10 outlets is some 11 GB).
# The server runs with fsync off, as the tests' does: uploads on a server
# that syncs its journal take longer by the time of a sync per day.
#
# With VELTRUM_CHAIN_BENCH_KEEP=DIR the server's cluster and the outlet's
# copy are kept in DIR after the run (stopped); a later run with the same
# DIR starts that server again and measures the reports only, over the days
# and outlets stored then (its DAYS, OUTLETS and "groups" are ignored).
# VELTRUM_CHAIN_BENCH_KINDS chooses the kinds (default "5 7 19").
set -euo pipefail

bin=$(cd "$1" && pwd)
inst=$(cd "$2" && pwd)
days=${3:-30}
outlets=${4:-10}
only_groups=${5:-}
here=$(cd "$(dirname "$0")/.." && pwd)
export LC_ALL=C.UTF-8

keep=${VELTRUM_CHAIN_BENCH_KEEP:-}
kinds=${VELTRUM_CHAIN_BENCH_KINDS:-5 7 19}
work=$(mktemp -d /tmp/veltrum-chain-bench.XXXXXX)
if [ -n "$keep" ]; then
    mkdir -p "$keep"
    keep=$(cd "$keep" && pwd)
    pgdir=$keep/pg
else
    pgdir=$(mktemp -d /tmp/veltrum-pg.XXXXXX)
fi
cleanup() {
    if [ -n "$keep" ]; then
        bash "$here/scripts/pg-cluster.sh" pause "$pgdir" || true
    else
        bash "$here/scripts/pg-cluster.sh" stop "$pgdir" || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
if [ -n "$keep" ] && [ -f "$keep/filled" ]; then
    admin=$(bash "$here/scripts/pg-cluster.sh" resume "$pgdir")
    db=${admin%/postgres}/bench
    copy=$keep/outlet
    read -r days outlets only_groups from to <"$keep/filled"
    only_groups=${only_groups#-}
    echo "installation $inst, kept in $keep: measuring $from .. $to ($days days), $outlets outlets"
    resumed=1
else
    if [ -n "$keep" ]; then
        bash "$here/scripts/pg-cluster.sh" stop "$pgdir"
        rm -rf "$keep/outlet"
    fi
    admin=$(bash "$here/scripts/pg-cluster.sh" start "$pgdir")
    db=${admin%/postgres}/bench
    psql -q "$admin" -c "CREATE DATABASE bench"
    "$bin/veltrum" chain init --db "$db" >/dev/null

    copy=${keep:-$work}/outlet
    # a copy, so the installation stays as it is: everything but the closed
    # days' table files for real (the day cache is left out: the local
    # report runs without it); the table files are read where they are,
    # through a link to their folder, as hard links to them would change
    # their status time, which the freshness rule of the day summaries counts
    mkdir -p "$copy/var"
    for entry in "$inst"/* "$inst"/.[!.]* "$inst"/var/* "$inst"/var/.[!.]*; do
        case "${entry#"$inst"/}" in
        var | var/statist | var/reportcache) ;;
        var/*) if [ -e "$entry" ]; then cp -a "$entry" "$copy/var/"; fi ;;
        *) if [ -e "$entry" ]; then cp -a "$entry" "$copy/"; fi ;;
        esac
    done
    ln -s "$inst/var/statist" "$copy/var/statist"
    mapfile -t all < <(ls "$copy/var/summary" | sed -n 's/^\([0-9-]*\)\.dat$/\1/p' | sort)
    chosen=("${all[@]: -$days}")
    from=${chosen[0]}
    to=${chosen[-1]}
    echo "installation $inst: ${#all[@]} closed days; measuring $from .. $to ($days days), $outlets outlets"
    resumed=
fi

# seconds: wall user+system
timed() {
    /usr/bin/time -f "%e %U %S" -o "$work/time" "$@" >"$work/out" 2>"$work/err" || {
        cat "$work/err" >&2
        return 1
    }
    awk '{printf "%.3f %.3f\n", $1, $2 + $3}' "$work/time"
}

if [ -z "$resumed" ]; then
    echo
    echo "upload of one day (400 bills): wall s, CPU s of veltrum"
    for day in "${chosen[@]}"; do
        timed "$bin/veltrum" chain push --data "$copy" --db "$db" --from "$day"
    done | tee "$work/uploads" | tail -n 3
    sort -n "$work/uploads" | awk '{w[NR]=$1; c[NR]=$2} END {
        printf "least %.3f s wall, median %.3f s wall (CPU of veltrum: median %.3f s)\n",
            w[1], w[int((NR+1)/2)], c[int((NR+1)/2)] }'
    psql -qtA "$db" -c "SELECT 'rows: ' || (SELECT count(*) FROM bills) || ' bills, '
        || (SELECT count(*) FROM bill_entries) || ' entries, day aggregates '
        || pg_size_pretty((SELECT sum(length(data)) FROM day_aggregates)) || ', database '
        || pg_size_pretty(pg_database_size(current_database()))"

    # the other outlets: the first one's days under other office numbers
    psql -q "$db" <<SQL
INSERT INTO outlets (office_id, name)
    SELECT g, 'Outlet ' || g FROM generate_series(2, $outlets) g;
INSERT INTO outlet_files SELECT g, path, sha256, data
    FROM outlet_files, generate_series(2, $outlets) g WHERE office_id = 1;
INSERT INTO days SELECT g, day, day_z, bills, amount, received
    FROM days, generate_series(2, $outlets) g WHERE office_id = 1;
INSERT INTO day_aggregates SELECT g, day, kind, format, sha256, data
    FROM day_aggregates, generate_series(2, $outlets) g
    WHERE office_id = 1 AND ('$only_groups' = '' OR kind LIKE 'groups/%');
SQL
    if [ -n "$keep" ]; then
        echo "$days $outlets -$only_groups $from $to" >"$keep/filled"
    fi
fi

echo
echo "reports over $days days: wall s, CPU s of veltrum (least of 3)"
least() {
    for _ in 1 2 3; do timed "$@"; done | sort -n | head -n 1
}
ratio() {
    awk -v l="$1" -v a="$2" 'BEGIN {split(l, x, " "); split(a, y, " ");
        printf "%.1f x wall, %.1f x CPU", y[1] / x[1], y[2] / x[2]}'
}
# the floor: the same stored groups fetched from the server by psql (COPY,
# binary) and thrown away; the kinds of groups each report kind reads
declare -A reads=([5]=groups/waiters/cash [7]=groups/waiters [19]=groups/waiters)
floor_query() {
    local query="SELECT a.data FROM days d JOIN day_aggregates a ON a.office_id = d.office_id"
    query+=" AND a.day = d.day WHERE a.kind = '$1' AND d.day BETWEEN '$from' AND '$to'"
    query+=" ORDER BY d.day, d.office_id"
    # a backslash command is one line
    echo "\\copy ($query) TO '/dev/null' WITH (FORMAT binary)"
}
for kind in $kinds; do
    range=(--kind "$kind" --from "$from" --to "$to")
    stored=${reads[$kind]:-groups/waiters}
    floor_t=$(least psql -qX "$db" -c "$(floor_query "$stored")")
    local_t=$(least "$bin/veltrum" report --data "$copy" "${range[@]}" --quiet --no-cache)
    one_t=$(least "$bin/veltrum" chain report --db "$db" "${range[@]}" --outlets 1 --source groups)
    all_t=$(least "$bin/veltrum" chain report --db "$db" "${range[@]}" --source groups)
    echo "kind $kind: floor (psql fetching $outlets outlets' $stored) $floor_t |" \
        "local $local_t | chain groups: 1 outlet $one_t, $outlets outlets $all_t" \
        "($(ratio "$local_t" "$all_t") the local report; $(ratio "$floor_t" "$all_t") the floor)"
    if [ -z "$only_groups" ]; then
        sums_t=$(least "$bin/veltrum" chain report --db "$db" "${range[@]}" --source summaries)
        echo "        chain summaries: $outlets outlets $sums_t ($(ratio "$local_t" "$sums_t"))"
    fi
done
psql -qtA "$db" -c "SELECT 'stored per outlet and day: ' || string_agg(kind || ' '
    || pg_size_pretty(size), ', ' ORDER BY kind) FROM (SELECT kind, avg(length(data))::bigint
    AS size FROM day_aggregates WHERE office_id = 1 GROUP BY kind) s"
