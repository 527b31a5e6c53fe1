#!/usr/bin/env bash
# The web view in a real browser: starts 'veltrum serve' on a demo
# installation (a free loopback port), drives Debian's Chromium through it
# with puppeteer-core (browser-test.js) and stops the server. puppeteer-core
# comes from the npm registry into WORKDIR (npm ci, once per lock file); it
# downloads no browser. Screenshots go to $VELTRUM_SCREENSHOTS when set
# (scripts/screenshots.sh: docs/), else into a temporary folder.
#
#   run.sh VELTRUM WORKDIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
veltrum=${1:?usage: run.sh VELTRUM WORKDIR}
workdir=${2:?usage: run.sh VELTRUM WORKDIR}

for tool in node npm /usr/bin/chromium; do
    command -v "$tool" >/dev/null || { echo "run.sh: $tool is missing (scripts/deps.sh installs it)" >&2; exit 1; }
done

# puppeteer-core as the lock file names it
mkdir -p "$workdir"
if ! cmp -s "$here/package-lock.json" "$workdir/package-lock.json" \
    || [ ! -f "$workdir/node_modules/puppeteer-core/package.json" ]; then
    cp "$here/package.json" "$here/package-lock.json" "$workdir/"
    (cd "$workdir" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --ignore-scripts --no-audit --no-fund \
        --loglevel=error)
fi

tmp=$(mktemp -d /tmp/veltrum-browser.XXXXXX)
server=
chaindb=
cleanup() {
    if [ -n "$server" ] && kill -0 "$server" 2>/dev/null; then
        kill -TERM "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    if [ -n "$chaindb" ]; then
        psql -q "$VELTRUM_TEST_DB" -c "DROP DATABASE IF EXISTS $chaindb WITH (FORCE)" >/dev/null || true
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# the demo the pictures in docs/ show: three closed days, today 5 December,
# and one waiter's closing of today with its closing record
"$veltrum" demo --days 3 --tables 16 --today 2026-12-05 "$tmp/inst" >/dev/null
"$veltrum" turnover --data "$tmp/inst" --date 2026-12-05 --waiter 4 --exec-waiter 1 --force \
    --now 2026-12-05T20:30:00 >/dev/null
printf 'correct horse\n' | "$veltrum" serve --add-user owner --users "$tmp/users" >/dev/null
# with the tests' PostgreSQL server (scripts/test.sh names it), the chain
# view too: the demo's closed days in a chain database of their own
chain=()
if [ -n "${VELTRUM_TEST_DB:-}" ] && command -v psql >/dev/null; then
    chaindb=web_browser_$$_$RANDOM
    psql -q "$VELTRUM_TEST_DB" -c "CREATE DATABASE $chaindb" >/dev/null
    url=${VELTRUM_TEST_DB%/*}/$chaindb
    "$veltrum" chain init --db "$url" >/dev/null
    "$veltrum" chain push --data "$tmp/inst" --db "$url" --from 2026-12-02 --to 2026-12-04 >/dev/null
    chain=(--db "$url")
fi
export QT_QPA_PLATFORM=offscreen
"$veltrum" serve --data "$tmp/inst" --users "$tmp/users" --listen 127.0.0.1:0 \
    --now 2026-12-05T21:00:00 "${chain[@]}" >"$tmp/serve.out" 2>"$tmp/serve.err" &
server=$!
port=
for _ in $(seq 1 600); do
    port=$(sed -n 's|.*http://127\.0\.0\.1:\([0-9]*\)/.*|\1|p' "$tmp/serve.out")
    [ -n "$port" ] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$port" ]; then
    echo "run.sh: the server did not start" >&2
    cat "$tmp/serve.err" >&2
    exit 1
fi

shots=${VELTRUM_SCREENSHOTS:-$tmp/shots}
mkdir -p "$shots" "$tmp/downloads"
NODE_PATH="$workdir/node_modules" node "$here/browser-test.js" \
    --url "http://127.0.0.1:$port/" --user owner --password 'correct horse' \
    --downloads "$tmp/downloads" --screenshots "$shots" --profile "$tmp/profile" \
    --chain "${#chain[@]}"

kill -TERM "$server"
status=0
wait "$server" || status=$?
server=
if [ "$status" -ne 0 ]; then
    echo "run.sh: the server ended with $status" >&2
    cat "$tmp/serve.err" >&2
    exit 1
fi
echo "run.sh: the page passed in Chromium"
