#!/usr/bin/env bash
# A throwaway PostgreSQL 15 cluster on 127.0.0.1 for tests and the demo.
#   scripts/pg-cluster.sh start|pause|restart|stop DIR PORT [--no-ssl]
# start: creates the cluster in DIR when it is not there yet (self-signed TLS certificate,
# scram-sha-256 passwords, the login role vek that may read every table, the superuser
# postgres), then starts it. --no-ssl starts a server that refuses TLS.
# pause: shuts the server down and keeps its data, so start brings it back as it was.
# stop: shuts the server down and removes the cluster.
# Passwords: PG_VEK_PASSWORD (default vek-test-pw), PG_ADMIN_PASSWORD (default wv-admin-pw).
set -euo pipefail

usage() { echo "usage: $0 start|pause|restart|stop DIR PORT [--no-ssl]" >&2; exit 2; }
[ $# -ge 3 ] || usage
cmd=$1 dir=$2 port=$3
ssl=on
[ "${4:-}" = "--no-ssl" ] && ssl=off
vek_password=${PG_VEK_PASSWORD:-vek-test-pw}
admin_password=${PG_ADMIN_PASSWORD:-wv-admin-pw}
bin=/usr/lib/postgresql/15/bin
data=$dir/data

# initdb and the server refuse to run as root: run them as the postgres account then.
as_owner() {
  if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

create() {
  mkdir -p "$dir"
  if [ "$(id -u)" = 0 ]; then
    chown postgres: "$dir"
    as_owner test -w "$dir" || { echo "the postgres account cannot write $dir" >&2; exit 1; }
  fi
  local pwfile
  pwfile=$(mktemp)
  printf '%s\n' "$admin_password" >"$pwfile"
  chmod 644 "$pwfile"
  as_owner "$bin/initdb" -D "$data" -U postgres -E UTF8 --locale=C.UTF-8 \
    --auth-local=trust --auth-host=scram-sha-256 --pwfile="$pwfile" >"$dir/initdb.log"
  rm -f "$pwfile"
  as_owner openssl req -x509 -newkey rsa:2048 -nodes -days 30 -subj "/CN=127.0.0.1" \
    -keyout "$data/server.key" -out "$data/server.crt" 2>/dev/null
  as_owner chmod 600 "$data/server.key"
  as_owner tee -a "$data/postgresql.conf" >/dev/null <<CONF
listen_addresses = '127.0.0.1'
port = $port
unix_socket_directories = '$dir'
ssl = $ssl
ssl_cert_file = 'server.crt'
ssl_key_file = 'server.key'
password_encryption = 'scram-sha-256'
fsync = off
synchronous_commit = off
full_page_writes = off
max_connections = 100
logging_collector = off
CONF
  as_owner tee "$data/pg_hba.conf" >/dev/null <<HBA
local all all trust
host  all all 127.0.0.1/32 scram-sha-256
HBA
  as_owner "$bin/pg_ctl" -D "$data" -l "$dir/server.log" -w -t 60 start >/dev/null
  as_owner "$bin/psql" -h "$dir" -p "$port" -U postgres -d postgres -v ON_ERROR_STOP=1 -q <<SQL
CREATE ROLE vek LOGIN PASSWORD '$vek_password';
GRANT pg_read_all_data TO vek;
SQL
}

case $cmd in
  start)
    if [ -f "$data/PG_VERSION" ]; then
      as_owner "$bin/pg_ctl" -D "$data" status >/dev/null 2>&1 ||
        as_owner "$bin/pg_ctl" -D "$data" -l "$dir/server.log" -w -t 60 start >/dev/null
    else
      create
    fi
    echo "PostgreSQL on 127.0.0.1:$port (ssl=$ssl), data in $data"
    ;;
  pause)
    as_owner "$bin/pg_ctl" -D "$data" -m fast -w -t 60 stop >/dev/null
    ;;
  restart)
    as_owner "$bin/pg_ctl" -D "$data" -l "$dir/server.log" -m fast -w -t 60 restart >/dev/null
    ;;
  stop)
    # Only a folder that holds one of these clusters is removed.
    if [ -f "$data/PG_VERSION" ]; then
      as_owner "$bin/pg_ctl" -D "$data" -m immediate -w stop >/dev/null 2>&1 || true
      rm -rf "$dir"
    fi
    ;;
  *) usage ;;
esac
