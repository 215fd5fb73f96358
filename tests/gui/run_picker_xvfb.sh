#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# The function picker's key page on a private Xvfb: keys typed with XTest reach it through the
# X11 input hook, and from its own window when there is no hook. Leaves a screenshot of the
# page with the captured combination in the screenshot folder.
#   tests/gui/run_picker_xvfb.sh [BUILD_DIR] [SCREENSHOT_DIR]
set -euo pipefail
GUI_TOOLS="xdotool"
GUI_DISPLAY_FROM=250
source "$(dirname "$0")/xvfb_session.sh"

probe="$build/tests/test_setting_dlg_x11"
[ -x "$probe" ] || fail "$probe not built"
Z408_PICKER_SHOT="$shots/picker_x11_combo.png" "$probe" || fail "the picker's key page on X11"
echo "ok: keys reach the picker through the X11 hook and from its own window"
