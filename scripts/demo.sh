#!/usr/bin/env bash
# Builds veltrum and shows it at work on a small installation in build/demo.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
bin=build/bin/veltrum
demo=build/demo
rm -rf "$demo"
mkdir -p "$demo/usr/data"

"$bin" --version
cat > "$demo/waiters.xml" <<'XML'
<waiters>
  <waiter><id>1</id><name>Anna</name><teams>1;3</teams><alltables>yes</alltables></waiter>
  <waiter><id>2</id><name>Bruno</name><teams></teams><alltables>no</alltables></waiter>
  <waiter><id>3</id><name>Clara; "Head" waiter</name><teams>2</teams><alltables>no</alltables></waiter>
</waiters>
XML
echo "== import waiters.xml into usr/data/waiters.dat"
"$bin" dat from-xml "$demo/waiters.xml" "$demo/usr/data/waiters.dat"
echo "== the list as XML"
"$bin" dat to-xml "$demo/usr/data/waiters.dat"
echo "== the list as text (id;name;teams)"
"$bin" dat to-text "$demo/usr/data/waiters.dat" id name teams
