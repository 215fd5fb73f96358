#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Makes the package from a build configured with -DZ408_PACKAGE=ON -DCMAKE_INSTALL_PREFIX=/usr and
# checks it as a distribution would: lintian (no errors, no warnings that are not overridden with
# a reason), the AppStream metadata and the desktop entry validated, installed with apt,
# z408ctl and the window run from /usr/bin, then removed, leaving nothing but the conffiles.
# Needs root (or sudo) for apt; leaves the system as it found it (the package purged).
#   scripts/package_check.sh [BUILD_DIR]
set -euo pipefail
build=$(realpath "${1:-build-rel}")
cd "$(dirname "$0")/.."
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --build "$build" --target package
version=$(sed -n 's/.*kProgramVersion\[\] = "\(.*\)";/\1/p' "$build/generated/common/program_version.h")
deb=$(ls "$build"/z408_"$version"-*_*.deb)
echo "package: $deb"
ls "$build"/*.ddeb "$build"/*.rpm 2>/dev/null || true

echo "-- lintian"
lintian --fail-on error,warning --info --display-info "$deb"

echo "-- appstreamcli and desktop-file-validate on the packaged files"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
appstreamcli validate --no-net --pedantic "$tree"/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$tree/usr/share/applications/z408.desktop"
# The binaries are stripped and hardened (BIND_NOW shows as the FLAGS entry; PIE as DYN).
for bin in z408 z408ctl; do
    file "$tree/usr/bin/$bin" | grep -q "stripped" && ! file "$tree/usr/bin/$bin" | grep -q "not stripped" ||
        fail "$bin is not stripped"
    readelf -d "$tree/usr/bin/$bin" | grep -q "BIND_NOW" || fail "$bin is not linked with BIND_NOW"
    readelf -lW "$tree/usr/bin/$bin" | grep -q "GNU_RELRO" || fail "$bin has no RELRO segment"
    readelf -h "$tree/usr/bin/$bin" | grep -q "DYN" || fail "$bin is not position-independent"
done
[ ! -e "$tree/usr/libexec/z408" ] || fail "the package carries the stand-in helpers"

echo "-- install with apt"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb"
/usr/bin/z408ctl --version | tee /dev/stderr | grep -qF "$version" ||
    fail "z408ctl --version does not name $version"
/usr/bin/z408 --version | grep -qF "$version" || fail "z408 --version does not name $version"
Z408_SIMULATED_MOUSE="$tree/mouse.state" XDG_DATA_HOME="$tree/data" /usr/bin/z408ctl status
tests/gui/run_installed_xvfb.sh /usr "$build/installed-screenshots"

echo "-- remove: only the conffiles stay"
conffiles=$(dpkg-query --showformat='${Conffiles}\n' --show z408 | awk 'NF { print $1 }')
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq z408
dpkg-query --showformat='${Status}\n' --show z408 | grep -q "config-files" ||
    fail "z408 is not left as config-files after removal"
left=()
while IFS= read -r path; do
    path=/${path#./}
    [ -e "$path" ] && [ ! -d "$path" ] && ! grep -qxF "$path" <<<"$conffiles" && left+=("$path")
done < <(dpkg-deb --fsys-tarfile "$deb" | tar -t)
((${#left[@]} == 0)) || fail "left after removal: ${left[*]}"
for path in $conffiles; do [ -e "$path" ] || fail "the conffile $path went with the removal"; done
echo "ok: removed; left only: $conffiles"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq z408
[ ! -e /etc/z408 ] || fail "/etc/z408 stayed after purge"
echo "ok: purged"
