#!/usr/bin/env bash
# Builds the Debian package of wVelora: sets up the machine, configures a Release build without
# tests, builds it, runs cpack and prints the path of the .deb as its last line.
#   scripts/package.sh [BUILD_DIR] [cmake arguments...]
# BUILD_DIR defaults to build-release. Where the databases are is compiled in, so give it here:
#   scripts/package.sh build-release -DWVELORA_REGISTRY_HOST=db.example.ro \
#     -DWVELORA_MAIN_HOST=db.example.ro -DWVELORA_REGISTRY_PORT=5432 -DWVELORA_DB_PASSWORD=...
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-release
if [ $# -gt 0 ] && [[ $1 != -* ]]; then
  build=$1
  shift
fi

mkdir -p "$build"
build=$(cd "$build" && pwd)

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DWVELORA_BUILD_TESTS=OFF "$@" >/dev/null
if grep -q '^WVELORA_DB_PASSWORD:STRING=$' "$build/CMakeCache.txt"; then
  echo "warning: WVELORA_DB_PASSWORD is empty; this package cannot sign in to a server that wants one" >&2
fi
cmake --build "$build" -j"$(nproc)"

log=$build/cpack.log
(cd "$build" && cpack -G DEB >"$log" 2>&1) || { cat "$log" >&2; exit 1; }
deb=$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' "$log")
[ -f "$deb" ] || { cat "$log" >&2; echo "cpack made no .deb" >&2; exit 1; }
echo "$deb"
