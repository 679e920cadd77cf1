#!/usr/bin/env bash
# Fails when a C++ source or header of the project is not as clang-format (.clang-format) writes it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
find app data login report platform tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 clang-format --dry-run -Werror
