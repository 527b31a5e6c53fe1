#!/usr/bin/env bash
# Prints every report of the fixed demo installation and compares them with
# the reference texts; a difference is shown as a unified diff.
#
#   compare-reports.sh VELTRUM_BINARY SNAPSHOT_SCRIPT GOLDEN_DIR
set -euo pipefail
bin=$1
snapshot=$2
golden=$3
out=$(mktemp -d "${TMPDIR:-/tmp}/veltrum-golden.XXXXXX")
trap 'rm -rf "$out"' EXIT
bash "$snapshot" "$bin" "$out"
diff -ru "$golden" "$out"
