#!/usr/bin/env bash
# Renders the README's screenshots into docs/ from the demo company, headless.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
port=54532
cluster=${TMPDIR:-/tmp}/wvelora-demo-$port
build=$root/build-demo

"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$build" "$port" -DWVELORA_BUILD_TESTS=OFF -DWVELORA_SCREENSHOTS=ON

trap '"$root/scripts/pg-cluster.sh" stop "$cluster" "$port"' EXIT
"$root/scripts/pg-cluster.sh" stop "$cluster" "$port"
"$root/scripts/pg-cluster.sh" start "$cluster" "$port"
"$root/scripts/demo-db.sh" "$port"

mkdir -p "$root/docs"
XDG_CONFIG_HOME=$(mktemp -d) QT_QPA_PLATFORM=offscreen "$build/app/wVelora.screenshots" "$root/docs"
ls -l "$root/docs"
