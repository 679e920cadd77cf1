# Sourced by demo.sh and screenshots.sh: sets up the machine, builds wVelora in build-demo
# against the demo's server (extra CMake arguments: the sourcing arguments), and starts that
# PostgreSQL afresh with the demo company; it is stopped again when the sourcing script ends.
# Leaves root, port, cluster and build set.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
port=54532
cluster=${TMPDIR:-/tmp}/wvelora-demo-$port
build=$root/build-demo

"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$build" "$port" -DWVELORA_BUILD_TESTS=OFF "$@"

trap '"$root/scripts/pg-cluster.sh" stop "$cluster" "$port"' EXIT
"$root/scripts/pg-cluster.sh" stop "$cluster" "$port"
"$root/scripts/pg-cluster.sh" start "$cluster" "$port"
"$root/scripts/demo-db.sh" "$port"
