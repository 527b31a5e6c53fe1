#!/usr/bin/env bash
# Prints the link graph of the project's own targets ("target -> dependency",
# one edge a line) and checks the layering of every library: each library
# stands in one of the layers below and links only libraries of lower
# layers, so no library links one above it or beside it and there is no
# circle. A library that is in no layer fails too: place a new one below.
# Programs (the commands, the window, plug-in programs) stand above all
# libraries; the targets of tests/ and bench/ are left out. Exit 1 on a
# violation.
#
#   scripts/target-graph.sh [BUILD_DIR]   the graph of that build (default: build)
#   scripts/target-graph.sh --fresh       configures a throw-away build for it
set -euo pipefail
cd "$(dirname "$0")/.."
graph=$(mktemp -d "${TMPDIR:-/tmp}/veltrum-graph.XXXXXX")
trap 'rm -rf "$graph"' EXIT
if [ "${1:-}" = --fresh ]; then
    build=$graph/build
else
    build=${1:-build}
fi
cmake -S . -B "$build" -G Ninja --graphviz="$graph/g.dot" >"$graph/cmake.log" 2>&1 || {
    cat "$graph/cmake.log" >&2
    echo "target-graph: cmake could not configure $build" >&2
    exit 1
}

# The layers, lowest first; a library links only libraries of the layers
# before its own.
layers=(
    "basics buildinfo veltrumpe_core veltrumpe_api" # foundation, print engine's parts
    "poslib_data veltrumpe veltrummail"
    "poslib_filters poslib_closing xlsxexport"
    "poslib_turnover poslib_report closedday"
    "poslib_summary bookings"
    "poslib_exceptions auditexport"
    "poslib_runs"
    "poslib"                                          # the whole POS library
    "chain demo charts crystalexport pluginbridge"    # beside each other on the POS library
    "widgets veltrumcli"
    "host veltrumweb"
    "views"
    "veltrum_module"
)

# Targets made by the tests and the benchmarks.
grep -rhoE --include=CMakeLists.txt 'add_(library|executable)\([A-Za-z0-9_-]+' tests bench |
    sed 's/.*(//' | sort -u >"$graph/testtargets"

# Nodes: 'node12 [ label = "basics", shape = octagon ];' — octagons are
# static, shared and module libraries, pentagons interface libraries.
sed -n 's/^ *"\{0,1\}\(node[0-9]*\)"\{0,1\} *\[ *label *= *"\([^"]*\)", *shape *= *\([a-z]*\).*/\1 \2 \3/p' \
    "$graph/g.dot" >"$graph/nodes"
awk '$3 ~ /octagon$|^pentagon$/ { print $2 }' "$graph/nodes" | grep -v '::' |
    grep -vE '_resources_[0-9]+$' | grep -vxFf "$graph/testtargets" | sort -u >"$graph/libraries" || true

# Every edge carries a "// from -> to" comment; keep the project's own
# targets (no "Qt6::", "GTest::" ... names), drop the legend and tests.
sed -n 's|.*// \(.*\) -> \(.*\)$|\1 -> \2|p' "$graph/g.dot" |
    grep -v '::' | grep -v '^test_' | sort -u | tee "$graph/edges"

rank() {
    local i=0
    for level in "${layers[@]%%#*}"; do
        for t in $level; do [ "$t" = "$1" ] && { echo $i; return; }; done
        i=$((i + 1))
    done
    echo -1
}
bad=0
[ -s "$graph/libraries" ] || { echo "target-graph: no libraries found in the graph" >&2; exit 1; }
while read -r library; do
    if [ "$(rank "$library")" -lt 0 ]; then
        echo "library $library stands in no layer: place it in the layers of scripts/target-graph.sh" >&2
        bad=1
    fi
done <"$graph/libraries"
while read -r from _ to; do
    grep -qxF "$from" "$graph/libraries" || continue # programs link what they need
    grep -qxF "$to" "$graph/libraries" || continue   # outside libraries, resources
    rf=$(rank "$from"); rt=$(rank "$to")
    if [ "$rf" -ge 0 ] && [ "$rt" -ge "$rf" ]; then
        echo "layering violated: $from links $to, which stands $([ "$rt" = "$rf" ] && echo beside || echo above) it" >&2
        bad=1
    fi
done <"$graph/edges"
[ $bad = 0 ] && echo "$(wc -l <"$graph/libraries") libraries in ${#layers[@]} layers, each linking only layers below it" >&2
exit $bad
