#!/usr/bin/env bash
# Builds the Debian package from an already built build folder, unpacks it into a scratch root
# and checks what a user would get: the dependencies, the menu entry, the icons, and that the
# program started by the menu entry keeps running and finds every library.
#   tests/package/check-package.sh BUILD_DIR WORK_DIR [CONFIG]
# CMAKE and CPACK name the tools of the build (default: cmake and cpack on the PATH).
# The package is made from `cmake --install` output, not by plain `cpack`, whose preinstall
# step would build every target of the folder first.
set -euo pipefail
build=$(cd "$1" && pwd)
mkdir -p "$2"
work=$(cd "$2" && pwd)
config=${3:-}
cmake=${CMAKE:-cmake} cpack=${CPACK:-cpack}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
for tool in "$cmake" "$cpack" dpkg-deb dpkg-shlibdeps desktop-file-validate file ldd; do
  command -v "$tool" >/dev/null || {
    echo "SKIPPED: $tool is missing (scripts/setup.sh installs it)"
    exit 77
  }
done

stage=$work/stage root=$work/root home=$work/home
rm -rf "$stage" "$root" "$home" "$work/_CPack_Packages" "$work"/wvelora_*.deb
mkdir -p "$home"

"$cmake" --install "$build" ${config:+--config "$config"} --prefix "$stage" --strip >"$work/install.log" ||
  { cat "$work/install.log"; fail "cmake --install"; }
cat >"$work/CPackConfig.cmake" <<CONFIG
include("$build/CPackConfig.cmake")
set(CPACK_INSTALL_CMAKE_PROJECTS "")
set(CPACK_INSTALLED_DIRECTORIES "$stage;\${CPACK_PACKAGING_INSTALL_PREFIX}")
set(CPACK_PACKAGE_DIRECTORY "$work")
CONFIG
(cd "$work" && "$cpack" -G DEB --config CPackConfig.cmake >cpack.log 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/wvelora_1.0.0_*.deb)
[ -f "${debs[0]}" ] || fail "no wvelora_1.0.0_*.deb in $work"
deb=${debs[0]}
echo "package: $deb"

# Dependencies, as dpkg-shlibdeps read them off the program's libraries.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
package_in() { grep -Eo "(^|, )$1( |,|$)" <<<"$2" | grep -Eo "$1" | head -1; }
for name in libpq5 libqt6widgets6 'libminizip[0-9a-z]*'; do
  [ -n "$(package_in "$name" "$depends")" ] || fail "Depends names no $name"
done
# zlib does the workbook's deflate inside minizip, so it comes in through minizip's package.
minizip=$(package_in 'libminizip[0-9a-z]*' "$depends")
minizip_depends=$(dpkg-query -W -f='${Depends}' "$minizip")
[ -n "$(package_in 'zlib1g' "$minizip_depends")" ] || fail "$minizip does not bring zlib1g ($minizip_depends)"

dpkg-deb -x "$deb" "$root"

# The menu entry and the icon it names.
entry=$root/usr/share/applications/wvelora.desktop
[ -f "$entry" ] || fail "no menu entry at ${entry#"$root"}"
report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate warns: $report"
icon=$(sed -n 's/^Icon=//p' "$entry")
hicolor=$root/usr/share/icons/hicolor
file -b "$hicolor/64x64/apps/$icon.png" | grep -q '^PNG image data, 64 x 64' ||
  fail "no 64x64 PNG icon $icon.png"
file -b "$hicolor/scalable/apps/$icon.svg" | grep -q 'SVG' || fail "no scalable icon $icon.svg"

# The program, started as the menu would start it: the Exec line without its field codes,
# looked up on a PATH that has the scratch root's bin first.
exec_line=$(sed -n 's/^Exec=//p' "$entry" | sed 's/ *%[fFuUdDnNickvm]//g')
read -ra command <<<"$exec_line"
program=$(PATH="$root/usr/bin:$PATH" command -v "${command[0]}") || fail "Exec program ${command[0]} not found"
[ "$program" = "$root/usr/bin/${command[0]##*/}" ] || fail "Exec starts $program, not the packaged program"

missing=$(ldd "$program" | grep 'not found' || true)
[ -z "$missing" ] || fail "libraries not found: $missing"

HOME=$home XDG_CONFIG_HOME=$home/.config QT_QPA_PLATFORM=offscreen PATH="$root/usr/bin:$PATH" \
  "${command[@]}" >"$work/run.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
sleep 3
if ! kill -0 "$pid" 2>/dev/null; then
  status=0
  wait "$pid" || status=$?
  cat "$work/run.log"
  fail "the program ended within 3 s (exit status $status)"
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "PASS: $(basename "$deb")"
