#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# z408ctl changing the profiles while the real z408 runs under a private Xvfb: the window shows
# each change at once (the settings page's report rate, the lighting page's mode, a switch to
# another profile), refuses to let z408ctl overwrite edits it has not applied unless --force is
# given, and then shows the files again. Photographed before and after each change.
#   tests/gui/run_cli_window_xvfb.sh [BUILD_DIR] [SCREENSHOT_DIR]
set -euo pipefail
GUI_TOOLS="xdotool import compare" GUI_DISPLAY_FROM=650
source "$(dirname "$0")/xvfb_session.sh"

export XDG_RUNTIME_DIR="$work" Z408_SIMULATED_MOUSE="$work/mouse.state"
export XDG_DATA_HOME="$work/data"
ctl="$build/bin/z408ctl"
profile="$work/data/TARVO/Z408/Profile/Profile1.cfg"

click() {  # X Y: window coordinates
    xdotool mousemove $((X + $1)) $((Y + $2))
    xdotool click --delay 0 1
    sleep 0.3
}
# Photographs with the pointer resting on the title bar, where it lights nothing.
snap() { xdotool mousemove $((X + 600)) $((Y + 40)); sleep 0.3; shoot "$1"; }
# How many pixels of a window area differ between two screenshots.
differs() {  # SHOT SHOT WIDTHxHEIGHT+X+Y
    local n
    n=$(compare -metric AE -crop "$3" "$shots/$1.png" "$shots/$2.png" null: 2>&1 || true)
    [ "${n%% *}" != 0 ]
}

# profile select sets the data folder up as the program does; the read commands write nothing.
"$ctl" profile select 1 >/dev/null 2>&1 || fail "z408ctl could not seed the data folder"
start "$build/bin" "$work/data"
snap "cli-settings-before"

# The report rate set from the terminal shows on the settings page (its 250 button lights).
"$ctl" profile set report-rate 250 || fail "profile set report-rate"
sleep 0.5
snap "cli-settings-after"
rate250="40x20+155+428"
differs cli-settings-before cli-settings-after "$rate250" ||
    fail "the settings page did not show the new report rate"
echo "ok: the settings page shows the report rate z408ctl set"

# The lighting mode, on the lighting page.
click 290 100
snap "cli-lighting-before"
"$ctl" profile set lighting steady || fail "profile set lighting"
sleep 0.5
snap "cli-lighting-after"
differs cli-lighting-before cli-lighting-after "${WIDTH}x300+0+120" ||
    fail "the lighting page did not show the new mode"
echo "ok: the lighting page shows the mode z408ctl set"

# An edit made in the window and not applied: z408ctl leaves it alone unless forced.
click 146 269  # the lighting page's Off button
before=$(sha256sum <"$profile")
if "$ctl" profile set height 5 2>"$work/err.txt"; then fail "an unsaved edit was overwritten"; fi
grep -q "unsaved changes of profile 1" "$work/err.txt" || { cat "$work/err.txt"; fail "no message"; }
[ "$(sha256sum <"$profile")" = "$before" ] || fail "the refused change wrote the profile"
echo "ok: refused while the window holds an unsaved edit"
"$ctl" profile set --force height 5 || fail "profile set --force"
sleep 0.5
snap "cli-lighting-forced"
differs cli-lighting-after cli-lighting-forced "${WIDTH}x300+0+120" &&
    fail "the window kept its edit after a forced change"
echo "ok: after --force the window shows the files again"

# Another profile chosen from the terminal: its button lights (the row of profile buttons).
snap "cli-profile-before"
"$ctl" profile select 3 >/dev/null || fail "profile select 3"
sleep 0.5
snap "cli-profile-after"
differs cli-profile-before cli-profile-after "520x40+320+600" ||
    fail "the window did not switch to profile 3"
echo "ok: the window switched to the profile z408ctl selected"

# A second start still only wakes the first over the same socket, and ends.
timeout 20 "$build/bin/z408" >"$work/second.log" 2>&1 || fail "the second start did not end cleanly"
kill -0 "$main" || fail "the first program ended"
echo "ok: a second start wakes the first and ends"

stop
echo "all z408ctl window checks passed"
