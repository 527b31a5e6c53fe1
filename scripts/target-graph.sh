#!/usr/bin/env bash
# Prints the link graph of the project's own targets ("target -> dependency",
# one edge a line) and checks the layering of the POS library: no poslib
# target may link one that stands above it, nor the chain statistics library,
# which stands on the whole POS library. Exit 1 on a violation.
#
#   scripts/target-graph.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
graph=$(mktemp -d "${TMPDIR:-/tmp}/veltrum-graph.XXXXXX")
trap 'rm -rf "$graph"' EXIT
cmake -S . -B "$build" --graphviz="$graph/g.dot" >/dev/null

# Every edge carries a "// from -> to" comment; keep the project's own
# targets (no "Qt6::", "GTest::" ... names), drop the legend and tests.
sed -n 's|.*// \(.*\) -> \(.*\)$|\1 -> \2|p' "$graph/g.dot" |
    grep -v '::' | grep -v '^test_' | sort -u | tee "$graph/edges"

# The layers of the POS library, lowest first.
layers=(basics poslib_data "poslib_filters poslib_closing" "poslib_turnover poslib_report" poslib_summary poslib_runs poslib chain)
rank() {
    local i=0
    for level in "${layers[@]}"; do
        for t in $level; do [ "$t" = "$1" ] && { echo $i; return; }; done
        i=$((i + 1))
    done
    echo -1
}
bad=0
while read -r from _ to; do
    rf=$(rank "$from"); rt=$(rank "$to")
    if [ "$rf" -ge 0 ] && [ "$rt" -ge "$rf" ] && [ "$from" != "$to" ]; then
        echo "layering violated: $from links $to" >&2
        bad=1
    fi
done <"$graph/edges"
exit $bad
