#!/usr/bin/env bash
# Builds everything (a compiler warning fails the build) and runs all tests;
# prints ctest's summary. The chain statistics tests get a throw-away
# PostgreSQL server in a temporary directory (scripts/pg-cluster.sh), named
# to them by VELTRUM_TEST_DB and stopped when this script ends, also on
# failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh -DVELTRUM_WERROR=ON
export QT_QPA_PLATFORM=offscreen

pgdir=$(mktemp -d /tmp/veltrum-pg.XXXXXX)
trap 'bash scripts/pg-cluster.sh stop "$pgdir"' EXIT
VELTRUM_TEST_DB=$(bash scripts/pg-cluster.sh start "$pgdir")
export VELTRUM_TEST_DB

cd build
ctest --output-on-failure -j2 --timeout 600
