#!/usr/bin/env bash
# Sets up the machine, builds wVelora with its tests, starts the PostgreSQL test servers
# (one with TLS, one that refuses it), runs the whole suite and stops the servers again.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
port=54432
nossl_port=54433
tmp=${TMPDIR:-/tmp}
cluster=$tmp/wvelora-test-$port
nossl_cluster=$tmp/wvelora-nossl-$nossl_port
build=$root/build

"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$build" "$port" \
  -DWVELORA_TEST_CLUSTER_DIR="$cluster" -DWVELORA_TEST_NOSSL_PORT="$nossl_port"

stop_servers() {
  "$root/scripts/pg-cluster.sh" stop "$cluster" "$port" || true
  "$root/scripts/pg-cluster.sh" stop "$nossl_cluster" "$nossl_port" || true
}
trap stop_servers EXIT
stop_servers  # leftovers of an interrupted run
"$root/scripts/pg-cluster.sh" start "$cluster" "$port"
"$root/scripts/pg-cluster.sh" start "$nossl_cluster" "$nossl_port" --no-ssl

ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
