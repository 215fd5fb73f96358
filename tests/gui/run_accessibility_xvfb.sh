#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# What a screen reader finds in the real z408: under a private Xvfb, with a D-Bus session and
# the desktop's accessibility bus, the program (simulated mouse) is walked by accessible_tree.py
# through pyatspi: every page, the function picker's four pages and an information box, each
# tree printed. It fails on a showing control one can use without a name or with a generic role.
#   tests/gui/run_accessibility_xvfb.sh [BUILD_DIR] [SCREENSHOT_DIR]
set -euo pipefail
GUI_TOOLS="dbus-launch" GUI_DISPLAY_FROM=800
bus_launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$bus_launcher" ] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
source "$(dirname "$0")/xvfb_session.sh"

export XDG_RUNTIME_DIR="$work" Z408_SIMULATED_MOUSE="$work/mouse.state"
export Z408_SIMULATED_MOUSE_TRACE="$work/trace.txt"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0

# A session bus of our own, and the accessibility bus the program and pyatspi meet on.
eval "$(dbus-launch --sh-syntax)"
pids+=("$DBUS_SESSION_BUS_PID")
"$bus_launcher" --launch-immediately >"$work/at-spi.log" 2>&1 &
pids+=($!)

XDG_DATA_HOME="$work/data" "$build/bin/z408" >"$work/z408.log" 2>&1 &
main=$!
pids+=($main)

timeout 120 /usr/bin/python3 "$(dirname "$0")/accessible_tree.py" "$main" "$build/bin" ||
    fail "the accessible tree check failed"

kill -TERM "$main"
for _ in $(seq 100); do kill -0 "$main" 2>/dev/null || break; sleep 0.1; done
kill -0 "$main" 2>/dev/null && fail "SIGTERM did not end the program"
wait "$main" || fail "the program ended with status $?"
echo "PASS"
