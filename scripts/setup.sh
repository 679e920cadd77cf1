#!/usr/bin/env bash
# Installs every Debian package that the build, the tests and the demo need; apt-get update
# runs only when something is missing. Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  qt6-base-dev libgl-dev
  libpq-dev zlib1g-dev libminizip-dev
  libgtest-dev
  postgresql-15 openssl
  xvfb xauth
  g++-mingw-w64-x86-64
  clang libclang-rt-14-dev clang-format
  locales
  fonts-liberation2
  python3-openpyxl libreoffice-calc-nogui
  dpkg-dev desktop-file-utils file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

sudo_cmd=()
[ "$(id -u)" = 0 ] || sudo_cmd=(sudo)

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The workbook export is tested under a comma-decimal locale.
if ! locale -a 2>/dev/null | grep -qi '^ro_RO\.utf-\?8$'; then
  "${sudo_cmd[@]}" sed -i 's/^# *ro_RO.UTF-8/ro_RO.UTF-8/' /etc/locale.gen
  grep -q '^ro_RO.UTF-8' /etc/locale.gen || echo 'ro_RO.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
