#!/usr/bin/env bash
# Sets up the machine, builds wVelora with its tests (also under AddressSanitizer and
# UndefinedBehaviorSanitizer), runs the fuzzers for a bounded time, starts the PostgreSQL test
# servers (one with TLS, one that refuses it), runs the whole suite in both builds and stops
# the servers again.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
port=54432
nossl_port=54433
tmp=${TMPDIR:-/tmp}
cluster=$tmp/wvelora-test-$port
nossl_cluster=$tmp/wvelora-nossl-$nossl_port
build=$root/build
asan_build=$root/build-asan
fuzz_build=$root/build-fuzz
jobs=$(nproc)

"$root/scripts/setup.sh"
test_cluster=(-DWVELORA_TEST_CLUSTER_DIR="$cluster" -DWVELORA_TEST_NOSSL_PORT="$nossl_port")
"$root/scripts/build.sh" "$build" "$port" "${test_cluster[@]}"
# The same suite under the sanitizers; LeakSanitizer checks every test program at its end.
"$root/scripts/build.sh" "$asan_build" "$port" "${test_cluster[@]}" \
  -DCMAKE_BUILD_TYPE=Debug -DWVELORA_SANITIZE=ON

# The readers of outside input under libFuzzer (clang), each for a bounded time from its
# committed seed corpus.
CC=clang CXX=clang++ cmake -S "$root" -B "$fuzz_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DWVELORA_FUZZ=ON >/dev/null
mapfile -t fuzzers < <(ctest --test-dir "$fuzz_build" -N -R '^fuzz_' | sed -n 's/^ *Test *#[0-9]*: //p')
cmake --build "$fuzz_build" -j"$jobs" --target "${fuzzers[@]}"
ctest --test-dir "$fuzz_build" -R '^fuzz_' --output-on-failure -j"$jobs"

stop_servers() {
  "$root/scripts/pg-cluster.sh" stop "$cluster" "$port" || true
  "$root/scripts/pg-cluster.sh" stop "$nossl_cluster" "$nossl_port" || true
}
trap stop_servers EXIT
stop_servers  # leftovers of an interrupted run
"$root/scripts/pg-cluster.sh" start "$cluster" "$port"
"$root/scripts/pg-cluster.sh" start "$nossl_cluster" "$nossl_port" --no-ssl

ctest --test-dir "$build" --output-on-failure -j"$jobs"
# There only the test programs: the checks of build products have run in the normal build.
ctest --test-dir "$asan_build" --output-on-failure -j"$jobs" -L program
