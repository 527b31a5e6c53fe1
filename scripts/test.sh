#!/usr/bin/env bash
# Builds everything (a compiler warning fails the build) and runs all tests;
# prints ctest's summary. The chain statistics tests get a throw-away
# PostgreSQL server in a temporary directory (scripts/pg-cluster.sh), named
# to them by VELTRUM_TEST_DB and stopped when this script ends, also on
# failure.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/build.sh -DVELTRUM_WERROR=ON
export QT_QPA_PLATFORM=offscreen

pgdir=$(mktemp -d /tmp/veltrum-pg.XXXXXX)
trap 'bash "$root/scripts/pg-cluster.sh" stop "$pgdir" || true' EXIT
trap 'exit 130' INT TERM
VELTRUM_TEST_DB=$(bash "$root/scripts/pg-cluster.sh" start "$pgdir")
export VELTRUM_TEST_DB

cd build
ctest --output-on-failure -j2 --timeout 600
