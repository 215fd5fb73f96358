#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Works the real z408 under a private Xvfb with the simulated mouse by the keyboard alone: after
# the start the pointer neither moves nor clicks. Tab, Shift+Tab, the arrows, Space and Enter
# turn a DPI level off and another on, choose the 250 Hz report rate, give the forward button
# Ctrl + A through the function picker (opened with Enter on its tab; the capture ends with the
# whole combination and Space presses OK), then Ctrl+Tab goes to the lighting page, where the
# arrows choose the steady mode and a preset colour is taken with Space; Shift+Tab reaches Apply.
# The saved profile (z408ctl profile show --active) and the simulated mouse's state and trace
# must hold those values. The settings page is photographed with the focus mark on a DPI choice.
#   tests/gui/run_keyboard_xvfb.sh [BUILD_DIR] [SCREENSHOT_DIR]
set -euo pipefail
GUI_TOOLS="xdotool import python3" GUI_DISPLAY_FROM=500
source "$(dirname "$0")/xvfb_session.sh"

export XDG_RUNTIME_DIR="$work" Z408_SIMULATED_MOUSE="$work/mouse.state"
export Z408_SIMULATED_MOUSE_TRACE="$work/trace.txt"
ctl="$build/bin/z408ctl"

keys() { xdotool key --delay 120 "$@"; }
# The picker is the program's one visible window of its size.
picker_shown() {
    for w in $(xdotool search --onlyvisible --class z408 2>/dev/null); do
        xdotool getwindowgeometry "$w" | grep -q 'Geometry: 412x300' && return 0
    done
    return 1
}

XDG_DATA_HOME="$work/data" "$ctl" profile select 1 >/dev/null || fail "z408ctl could not seed"
data="$work/data/TARVO/Z408"
start "$build/bin" "$work/data"
# No window manager hands out the focus here: the window is given it directly, once.
xdotool windowfocus --sync "$wid" || fail "the window could not take the keyboard focus"
sleep 0.5

# The window opens with the first page tab holding the focus (unmarked). Five Tabs pass the
# other page tabs and reach the first DPI choice, 500.
keys Tab Tab Tab Tab Tab
# 750 goes off (the defaults have seven levels on); End reaches 7000, which now may join.
keys Right space End space
sleep 0.3
shoot "keyboard-settings-en"
# Past pointer speed, precision and lift-off to the report rates; Right chooses 250.
keys Tab Tab Tab Tab Right
# On through the wheel's controls to the button tabs; the fourth is the forward button.
keys Tab Tab Tab Tab Tab Tab Tab Tab Right Right Right Return
for i in $(seq 50); do picker_shown && break; [ "$i" = 50 ] && fail "no picker"; sleep 0.1; done
sleep 0.5  # the key page decides where its keys come from
shoot "keyboard-picker-en"
keys ctrl+a
sleep 0.3
shoot "keyboard-picker-combo-en"
keys space
for i in $(seq 50); do picker_shown || break; [ "$i" = 50 ] && fail "the picker stayed open"; sleep 0.1; done
sleep 0.3

# The lighting page: its tab takes the focus; four Tabs reach the first mode button, Right and
# Down choose "Steady" (mode 1). Six Tabs on is the first preset colour; Right, then Space.
keys ctrl+Tab Tab Tab Tab Tab Right Down
keys Tab Tab Tab Tab Tab Tab Right space
sleep 0.3
shoot "keyboard-lighting-en"

# Apply: back to the settings tab, then Shift+Tab past the window's close and minimise buttons.
touch "$work/before-apply"
sleep 1.1
keys ctrl+shift+Tab shift+Tab shift+Tab shift+Tab space
profile_saved_after "$data" "$work/before-apply" || fail "Apply saved no profile"
stop

XDG_DATA_HOME="$work/data" "$ctl" profile show --active --json >"$work/active.json" ||
    fail "z408ctl profile show --active failed"
python3 - "$work/active.json" "$work/mouse.state" "$work/trace.txt" <<'PY' || fail "the saved profile or the mouse differs"
import json, sys
p = json.load(open(sys.argv[1]))
errors = []
def want(what, got, expected):
    if got != expected:
        errors.append(f"{what}: {got!r}, expected {expected!r}")
want("DPI levels", p["dpi"], [1250, 1500, 2000, 2500, 3500, 4000, 7000])
want("report rate", p["reportRate"], 250)
forward = p["buttons"][3]
want("forward button", (forward["function"], forward["value"]), ("key", "Ctrl + A"))
want("lighting mode", p["lighting"], "steady")
single = next(c for c in p["colours"] if c["colour"] == "single")
want("single colour", (single["rgb"], single["custom"]), ("#FA1200", False))

state = dict(line.split(" ", 1) for line in open(sys.argv[2]).read().splitlines() if " " in line)
key_map = bytes.fromhex(state["key_map"].replace(" ", ""))
want("forward slot (Ctrl+A)", hex(int.from_bytes(key_map[20:24], "little")), hex(0x00040100))
trace = [line.split(None, 2) for line in open(sys.argv[3]) if len(line.split()) > 2]
features = [data for _, kind, data in trace if kind == "F"]
def feature(prefix):
    return next((f for f in reversed(features) if f.startswith(prefix)), "")
if not feature("01 0c 01 12 fa 00"):
    errors.append("no single-colour report 01 0c 01 12 fa 00 (green, red, blue) in the trace")
print("\n".join(errors) if errors else "ok: profile and mouse hold what the keyboard chose")
sys.exit(1 if errors else 0)
PY
