#!/usr/bin/env bash
# Configures and builds wVelora in a build folder against a database on 127.0.0.1.
#   scripts/build.sh BUILD_DIR REGISTRY_PORT [extra cmake arguments...]
# The registry (and, through its rows, every company database) is looked for on that port
# of 127.0.0.1, with the account vek and the local clusters' password.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$1 port=$2
shift 2
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DWVELORA_MAIN_HOST=127.0.0.1 -DWVELORA_REGISTRY_HOST=127.0.0.1 -DWVELORA_REGISTRY_PORT="$port" \
  -DWVELORA_DB_PASSWORD="${PG_VEK_PASSWORD:-vek-test-pw}" "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
