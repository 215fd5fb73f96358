#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# The real z408 in a Wayland session: a private headless weston with XWayland, the window shown
# through XWayland with the simulated mouse, the input hook on the mouse's own event nodes rather
# than X11 (which sees no Wayland input), the window photographed in English and in Chinese, and
# a clean end on SIGTERM.
#   tests/gui/run_wayland_weston.sh [BUILD_DIR] [SCREENSHOT_DIR]
set -euo pipefail
GUI_SERVER=weston GUI_TOOLS="xdotool xwininfo import" GUI_DISPLAY_FROM=150
source "$(dirname "$0")/xvfb_session.sh"

export Z408_SIMULATED_MOUSE="$work/mouse.state" Z408_SIMULATED_MOUSE_TRACE="$work/trace.txt"
export Z408_DEBUG=1  # the program names the input source it chose

# Starts a program directory, photographs its window and ends it. (A headless weston has no
# seat: XWayland drops any client that moves the pointer, so nothing is clicked here.)
visit() {  # PROGRAM_DIR DATA_DIR LANGUAGE
    start "$1" "$2"
    xwininfo -id "$wid" | grep -q 'Map State: IsViewable' || fail "the window is not viewable"
    [ "$WIDTH" = 960 ] && [ "$HEIGHT" = 650 ] || fail "window is ${WIDTH}x$HEIGHT, not 960x650"
    grep -q '^z408: input source: evdev$' "$work/z408.log" ||
        fail "the program did not choose the mouse's event nodes"
    shoot "wayland-$3"
    stop
    echo "ok: $3 window shown through XWayland on the evdev source, ended cleanly"
}

visit "$build/bin" "$work/data" en
chinese_program "$work/zh"
mkdir -p "$work/data-zh"
visit "$work/zh" "$work/data-zh" zh
echo "ok: screenshots in $shots"
