#!/usr/bin/env bash
# Sets up the machine, builds wVelora, starts a local PostgreSQL with the demo company and
# runs the program against it. Sign in with company Demo, user demo, password demo123.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/demo-prepare.sh"

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
