#!/usr/bin/env bash
# A throw-away PostgreSQL cluster for the tests, in a directory of its own.
#
#   pg-cluster.sh start DIR   creates the cluster in DIR/data (DIR is created
#                             when missing), starts it and prints its URL
#   pg-cluster.sh stop DIR    stops it and removes DIR
#   pg-cluster.sh url DIR     prints the URL again
#   pg-cluster.sh pause DIR   stops it and keeps DIR (for benchmarks that
#                             reuse a filled database)
#   pg-cluster.sh resume DIR  starts a paused cluster again and prints its URL
#
# The server listens on no TCP port at all, only on a Unix socket in DIR, so
# it never clashes with another server or another test run. Its superuser is
# "veltrum" and needs no password (trust on the socket only). Run as root,
# the server runs as the "postgres" user, which then owns DIR.
set -euo pipefail

cmd=${1:-}
dir=${2:-}
if [ -z "$cmd" ] || [ -z "$dir" ]; then
  echo "usage: $0 start|stop|pause|resume|url DIR" >&2
  exit 2
fi

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1 || true)
if [ -z "$bindir" ] || [ ! -x "$bindir/pg_ctl" ]; then
  echo "pg-cluster.sh: PostgreSQL is not installed (bash scripts/deps.sh installs it)" >&2
  exit 1
fi

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

url() {
  # the socket directory as the host, percent-encoded as libpq reads it
  local host
  host=$(printf '%s' "$(cd "$1" && pwd)" | sed 's|/|%2F|g')
  echo "postgresql://veltrum@${host}/postgres"
}

case "$cmd" in
start | resume)
  mkdir -p "$dir"
  dir=$(cd "$dir" && pwd)
  if [ "$(id -u)" -eq 0 ]; then
    chown postgres: "$dir"
  fi
  if [ "$cmd" = start ]; then
    as_owner "$bindir/initdb" -D "$dir/data" -U veltrum -A trust -E UTF8 --locale=C.UTF-8 \
      --no-sync >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; exit 1; }
  elif [ ! -f "$dir/data/PG_VERSION" ]; then
    echo "pg-cluster.sh: $dir/data holds no cluster to resume" >&2
    exit 1
  fi
  # tests need speed, not durability: no fsync, small buffers
  as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
    -o "-c listen_addresses='' -k $dir -c fsync=off -c synchronous_commit=off \
        -c full_page_writes=off -c shared_buffers=32MB -c max_connections=40" \
    start >/dev/null || { cat "$dir/server.log" >&2; exit 1; }
  url "$dir"
  ;;
stop | pause)
  if [ -d "$dir/data" ]; then
    # a paused cluster shuts down cleanly, so it starts again without recovery
    mode=immediate
    [ "$cmd" = pause ] && mode=fast
    as_owner "$bindir/pg_ctl" -D "$dir/data" -m "$mode" -w stop >/dev/null 2>&1 || true
  fi
  if [ "$cmd" = stop ]; then
    rm -rf "$dir"
  fi
  ;;
url)
  url "$dir"
  ;;
*)
  echo "usage: $0 start|stop|pause|resume|url DIR" >&2
  exit 2
  ;;
esac
