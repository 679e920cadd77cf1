#!/usr/bin/env bash
# Runs every benchmark: scripts/bench.sh [SCALE]   (SCALE: rows to generate, default 1000000)
# Starts a PostgreSQL cluster of its own, builds the benchmarks in Release (build-bench),
# sources each bench/run_*.sh in turn, prints their figures and ends with one line per goal:
#   GOAL <name> <measured> <limit> PASS|FAIL
# A benchmark script gets the variables and helpers below: it prepares its data with
# psql_admin (data generators live in bench/data/), measures, and states each goal with
# `goal NAME MEASURED LIMIT` (lower is better). Its executables join the target `benchmarks`
# in bench/CMakeLists.txt.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
export BENCH_SCALE=${1:-1000000}
export BENCH_PORT=${BENCH_PORT:-55450}
export BENCH_DB=bench
export BENCH_DIR=$root/bench
export BENCH_BUILD=$root/build-bench
export BENCH_RUNS=${BENCH_RUNS:-3}
export PGPASSWORD=${PG_VEK_PASSWORD:-vek-test-pw}
admin_password=${PG_ADMIN_PASSWORD:-wv-admin-pw}
cluster_dir=${TMPDIR:-/tmp}/wvelora-bench-$BENCH_PORT

# psql as the superuser on a database, to prepare data: psql_admin DATABASE ARGS...
psql_admin() {
  local database=$1
  shift
  PGPASSWORD=$admin_password PGOPTIONS="-c client_min_messages=warning" \
    psql -h 127.0.0.1 -p "$BENCH_PORT" -U postgres -d "$database" -q -v ON_ERROR_STOP=1 "$@"
}
# psql as the login role on the benchmark database.
psql_vek() { psql -h 127.0.0.1 -p "$BENCH_PORT" -U vek -d "$BENCH_DB" -v ON_ERROR_STOP=1 "$@"; }
# The wall time, in seconds, of one run of a command (its output discarded).
seconds_of() {
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }'
}
min_of() { awk -v a="$1" -v b="$2" 'BEGIN { print (a < b ? a : b) }'; }
max_of() { awk -v a="$1" -v b="$2" 'BEGIN { print (a > b ? a : b) }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
# The value of NAME in a line of NAME=value pairs: field_of NAME LINE.
field_of() { tr ' ' '\n' <<<"$2" | sed -n "s/^$1=//p"; }

goals=()
goal() {
  local verdict
  verdict=$(awk -v m="$2" -v l="$3" 'BEGIN { print (m <= l ? "PASS" : "FAIL") }')
  goals+=("GOAL $1 $2 $3 $verdict")
}

# The export's baseline library is needed only here.
as_root=()
[ "$(id -u)" = 0 ] || as_root=(sudo)
dpkg-query -W -f='${Status}' libxlsxwriter-dev 2>/dev/null | grep -q "install ok installed" ||
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq libxlsxwriter-dev >/dev/null
# Node's exceljs, the export's other baseline, from the npm registry.
command -v npm >/dev/null ||
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq nodejs npm >/dev/null
export EXCELJS_DIR=$BENCH_BUILD/node
[ -d "$EXCELJS_DIR/node_modules/exceljs" ] ||
  npm install --silent --no-audit --no-fund --prefix "$EXCELJS_DIR" exceljs@4 >/dev/null
cmake -S "$BENCH_DIR" -B "$BENCH_BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BENCH_BUILD" -j2 --target benchmarks >/dev/null

trap 'bash "$root/scripts/pg-cluster.sh" stop "$cluster_dir" "$BENCH_PORT"' EXIT
bash "$root/scripts/pg-cluster.sh" start "$cluster_dir" "$BENCH_PORT"
psql_admin postgres -c "DROP DATABASE IF EXISTS $BENCH_DB" -c "CREATE DATABASE $BENCH_DB"

for bench in "$BENCH_DIR"/run_*.sh; do
  # shellcheck source=/dev/null
  source "$bench"
done

printf '%s\n' "${goals[@]}"
