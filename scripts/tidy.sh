#!/usr/bin/env bash
# Runs clang-tidy (the checks in .clang-tidy) over the project's own sources and the
# benchmarks; fails on any finding.
#   scripts/tidy.sh [BUILD_DIR]   (default: build-tidy, a folder of its own)
# The folder is configured with clang, so that the compile database holds flags clang-tidy
# understands, and with the optional targets (fuzzers, screenshot tool) so that every source
# is in it. Of the build it runs the moc step only (for which CMake also builds the libraries,
# but no program). The benchmarks are a project of their own, with a compile database of their
# own under BUILD_DIR/bench.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath -m "${1:-$root/build-tidy}")
jobs=2

# A folder configured with another compiler keeps it: CMake would drop its cache to change it.
for dir in "$build" "$build/bench"; do
  if [[ -f $dir/CMakeCache.txt ]] && ! grep -q '^CMAKE_CXX_COMPILER:.*clang++' "$dir/CMakeCache.txt"; then
    echo "tidy.sh: $dir was configured with another compiler than clang; use another folder" >&2
    exit 2
  fi
done

# configure SOURCE_DIR BUILD_DIR [cmake arguments...]: a clang build folder and its moc step.
configure() {
  local source=$1 dir=$2
  shift 2
  cmake -S "$source" -B "$dir" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCMAKE_GLOBAL_AUTOGEN_TARGET=ON "$@" >/dev/null
  cmake --build "$dir" --target autogen -j"$jobs" >/dev/null
}
configure "$root" "$build" -DWVELORA_BUILD_TESTS=ON -DWVELORA_FUZZ=ON -DWVELORA_SCREENSHOTS=ON
configure "$root/bench" "$build/bench"

# tidy BUILD_DIR FOLDERS: every source of the compile database under those folders of the
# tree (so nothing a build folder generates). The report keeps the findings only.
tidy() {
  local dir=$1 folders=$2 quoted_root
  quoted_root=$(printf '%s' "$root" | sed 's/[][\.*^$+?(){}|]/\\&/g')
  if ! grep -Eq "\"file\": \"$quoted_root/($folders)/" "$dir/compile_commands.json"; then
    echo "tidy.sh: no sources of $folders in $dir/compile_commands.json" >&2
    return 1
  fi
  run-clang-tidy -p "$dir" -j"$jobs" -quiet "^$quoted_root/($folders)/" 2>&1 | findings_only
  return "${PIPESTATUS[0]}"
}
# Drops the command lines and warning counts; keeps colours on a terminal only.
findings_only() {
  if [[ -t 1 ]]; then cat; else sed 's/\x1b\[[0-9;]*m//g'; fi |
    grep -v -e '^[0-9]* warnings\? generated\.$' -e '^clang-tidy-[0-9]* '
}

status=0
tidy "$build" 'app|data|login|report|platform|tests' || status=1
tidy "$build/bench" 'bench' || status=1
if ((status != 0)); then
  echo "tidy.sh: clang-tidy found problems (above)" >&2
  exit 1
fi
echo "tidy.sh: no findings"
