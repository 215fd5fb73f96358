#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Installs every Debian package the project needs to build, run and test.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  # toolchain and test frameworks
  build-essential cmake ninja-build pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  # libraries of the program
  qt6-base-dev qt6-base-dev-tools libudev-dev libx11-dev libxtst-dev libxi-dev
  libcurl4-openssl-dev libcanberra-dev libpugixml-dev libevdev-dev
  # fonts for the interface (Latin and Chinese)
  fonts-noto-core fonts-noto-cjk fonts-dejavu-core
  # display-server tools for the interface and input tests
  xvfb xauth xdotool x11-utils x11-xserver-utils x11-xkb-utils trayer xcompmgr imagemagick
  # a headless Wayland compositor with XWayland, for the window's Wayland check
  weston xwayland
  # helpers of the tests
  python3 xxd
  # the accessibility bus and pyatspi, for the screen-reader check (run_accessibility_xvfb.sh)
  at-spi2-core dbus-x11 python3-pyatspi gir1.2-atspi-2.0
  # the qemu guest with the kernel's HID stack (tests/vm)
  qemu-system-x86 busybox-static cpio xz-utils
  # packaging and its checks (cpack, scripts/package_check.sh, reuse lint in CI); qt6-svg-dev
  # draws the scalable icon
  qt6-svg-dev dpkg-dev file lintian appstream desktop-file-utils reuse rpm
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
