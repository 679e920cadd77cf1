#!/usr/bin/env bash
# Renders the README's screenshots into docs/ from the demo company, headless.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/demo-prepare.sh" -DWVELORA_SCREENSHOTS=ON

mkdir -p "$root/docs"
XDG_CONFIG_HOME=$(mktemp -d) QT_QPA_PLATFORM=offscreen "$build/app/wVelora.screenshots" "$root/docs"
ls -l "$root/docs"
