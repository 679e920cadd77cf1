#!/usr/bin/env bash
# Sets up the machine, builds wVelora, starts a local PostgreSQL with the demo company and
# runs the program against it. Sign in with company Demo, user demo, password demo123.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
port=54532
cluster=${TMPDIR:-/tmp}/wvelora-demo-$port
build=$root/build-demo

"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$build" "$port" -DWVELORA_BUILD_TESTS=OFF

trap '"$root/scripts/pg-cluster.sh" stop "$cluster" "$port"' EXIT
"$root/scripts/pg-cluster.sh" stop "$cluster" "$port"
"$root/scripts/pg-cluster.sh" start "$cluster" "$port"
"$root/scripts/demo-db.sh" "$port"

cat <<MSG

wVelora demo: press "Login" and sign in with
  Company:  Demo
  UserName: demo
  Password: demo123

MSG
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: running under a virtual X server (xvfb-run); nothing will be visible."
  xvfb-run -a "$build/app/wVelora"
else
  "$build/app/wVelora"
fi
