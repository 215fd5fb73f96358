#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Drives the settings page of the real z408 under a private Xvfb with the simulated mouse, by
# clicking at the page's rectangles with XTest: DPI levels (the seven-level and one-level rules),
# report rate, precision, pointer speed and the typed line count; a basic-list function, a key
# combination typed as Ctrl+A, a player's macro and a program through the function picker; the
# refusal to take the last left click away; then Apply. The saved profile (z408ctl profile show
# --active), its MacroIdList and the key map the simulated mouse received must match. The page
# and each picker page are photographed in English and, from an installation laid out for
# Chinese, in Chinese.
#   tests/gui/run_settings_xvfb.sh [BUILD_DIR] [SCREENSHOT_DIR]
set -euo pipefail
GUI_TOOLS="xdotool import python3" GUI_DISPLAY_FROM=200
source "$(dirname "$0")/xvfb_session.sh"

export XDG_RUNTIME_DIR="$work" Z408_SIMULATED_MOUSE="$work/mouse.state"
export Z408_SIMULATED_MOUSE_TRACE="$work/trace.txt"
ctl="$build/bin/z408ctl"

# The data folder seeded as the program does, with one macro of the player's own group.
seed() {  # DATA_HOME
    XDG_DATA_HOME="$1" "$ctl" profile select 1 >/dev/null || fail "z408ctl could not seed $1"
    python3 - "$1/TARVO/Z408/Macro.cfg" <<'PY'
import struct, sys
with open(sys.argv[1], "r+b") as f:
    slot = struct.pack("<6I", 4104, 0xE8E80010, 0x15000001, 0, 1, 3)
    slot += struct.pack("<3I", 0xC0000041, 0xA0000064, 0xE0000041)
    f.seek(499 * 4104)
    f.write(slot)
    f.seek(499 * 4104 + 4024)
    f.write("Reload".encode("utf-16-le") + b"\0\0")
PY
}
click() {  # X Y: window coordinates
    xdotool mousemove $((X + $1)) $((Y + $2))
    xdotool click --delay 0 1
    sleep 0.15
}
# The page sits at (15, 128) of the window; the picker is centred on the window.
page() { click $((15 + $1)) $((128 + $2)); }
picker() { click $((274 + $1)) $((175 + $2)); }
picker_page() { picker $((21 + $1)) $((74 + $2)); }  # the picker's page area
# The picker is the program's one visible window of its size.
picker_shown() {
    for w in $(xdotool search --onlyvisible --class z408 2>/dev/null); do
        xdotool getwindowgeometry "$w" | grep -q 'Geometry: 412x300' && return 0
    done
    return 1
}
# Button tab i: a point in the middle of its quadrilateral.
tab_x=(57 156 244 331 419 515 623)
open_picker() {
    page "${tab_x[$1]}" 425
    for _ in $(seq 50); do picker_shown && { sleep 0.3; return 0; }; sleep 0.1; done
    fail "no picker for button $1"
}
close_picker() {  # X Y of the picker's control that ends it
    picker "$1" "$2"
    for _ in $(seq 50); do picker_shown || { sleep 0.2; return 0; }; sleep 0.1; done
    fail "the picker stayed open"
}
# The basic list opens scrolled to its last entry: back to the top, then entry i.
basic_entry() {
    xdotool mousemove $((X + 274 + 21 + 150)) $((Y + 175 + 74 + 80))
    for _ in $(seq 12); do xdotool click --delay 0 4; done
    sleep 0.2
    picker_page 60 $(($1 * 18 + 9))
}
tab_combo=(55 50) tab_macro=(159 50) tab_basic=(255 50) tab_advanced=(358 50) ok=(354 271)

seed "$work/data"
data="$work/data/TARVO/Z408"
start "$build/bin" "$work/data"

# DPI: the defaults have seven levels on, so 7000 cannot join; 750 goes, then 7000 can.
dpi_x=(89 162 228 299 370 439 510) dpi_y=(72 97)
dpi() { page "${dpi_x[$(($1 % 7))]}" "${dpi_y[$(($1 / 7))]}"; }
dpi 13; dpi 1; dpi 13
# Down to one level: the last one on stays on; then 500 joins it.
for i in 3 4 5 6 9 10; do dpi $i; done
dpi 13; dpi 0
page 160 310   # report rate 250
page 100 211   # enhance pointer precision
page 280 173   # pointer speed, near the fast end
page 580 366   # line count up: 4
xdotool mousemove $((X + 15 + 560)) $((Y + 128 + 366)) click 1
xdotool key --delay 20 End BackSpace BackSpace 1 2 Return space Escape  # typed, committed by Apply
sleep 0.3
shoot "settings-en"

# The middle button gets "Show desktop" from the basic list.
open_picker 1
picker "${tab_basic[@]}"
sleep 0.3
shoot "picker-basic-en"
basic_entry 3
close_picker "${ok[@]}"
# The forward button gets Ctrl + A, typed on the key-combination page (the page it opens on).
open_picker 3
xdotool key --delay 50 ctrl+a
sleep 0.3
shoot "picker-combo-en"
close_picker "${ok[@]}"
# The back button gets the player's macro "Reload" (the group and its last macro come chosen).
open_picker 4
picker "${tab_macro[@]}"
sleep 0.3
shoot "picker-macro-en"
close_picker "${ok[@]}"
# The right button starts a program, chosen in the advanced page's file dialog.
open_picker 2
picker "${tab_advanced[@]}"
sleep 0.3
shoot "picker-advanced-en"
picker_page 311 70   # browse, program row
# The file dialog (Qt's own, titled "Open"); typed into once it is there, so no key is lost.
wait_window '^Open$'
sleep 0.5
xdotool type --delay 10 "/usr/bin/env"
xdotool key Return
gone_window '^Open$'
sleep 0.3
shoot "picker-advanced-chosen-en"
close_picker "${ok[@]}"
# The left button is the only left click: giving it "Close window" is refused.
open_picker 0
picker "${tab_basic[@]}"
basic_entry 0
picker "${ok[@]}"
wait_window '^TarvoZ408InfoDlg$'
shoot "refusal-en"
xdotool key Return
gone_window '^TarvoZ408InfoDlg$'
picker_shown && fail "the picker stayed open after the refusal"
sleep 0.3
shoot "settings-assigned-en"

# Apply: uploaded, then saved.
touch "$work/before-apply"
sleep 1.1
click 880 611
profile_saved_after "$data" "$work/before-apply" || fail "Apply saved no profile"
stop

XDG_DATA_HOME="$work/data" "$ctl" profile show --active --json >"$work/active.json" ||
    fail "z408ctl profile show --active failed"
XDG_DATA_HOME="$work/data" "$ctl" profile show --active | sed -n '1,20p' | sed 's/^/  /'
python3 - "$work/active.json" "$work/mouse.state" "$work/trace.txt" <<'PY' || fail "the saved profile or the mouse differs"
import json, sys
p = json.load(open(sys.argv[1]))
errors = []
def want(what, got, expected):
    if got != expected:
        errors.append(f"{what}: {got!r}, expected {expected!r}")
want("DPI levels", p["dpi"], [500, 7000])
want("report rate", p["reportRate"], 250)
want("precision", p["precision"], "on")
want("wheel lines", (p["wheel"], p["wheelLines"]), ("lines", 12))
if p["pointerSpeed"] < 18:
    errors.append(f"pointer speed {p['pointerSpeed']}, expected near 20")
macro = "0x15000001"
none = "0x00000000"
buttons = [(b["function"], b["value"], b["displayName"], b["tableMacroId"]) for b in p["buttons"]]
want("buttons", buttons, [
    ("default", None, "Click", none), ("Show desktop", None, "Show desktop", none),
    ("program", "/usr/bin/env", "/usr/bin/env", none), ("key", "Ctrl + A", "Ctrl + A", none),
    ("macro", macro, "Reload", macro), ("default", None, "Scroll up", none),
    ("default", None, "Scroll", none)])

# The key map the mouse keeps, slot by slot (left 0, right 1, middle 2, back 4, forward 5).
state = dict(line.split(" ", 1) for line in open(sys.argv[2]).read().splitlines() if " " in line)
key_map = bytes.fromhex(state["key_map"].replace(" ", ""))
slot = lambda i: int.from_bytes(key_map[4 * i:4 * i + 4], "little")
want("left slot", hex(slot(0)), hex(0x00F00001))
want("right slot (program: its own click)", hex(slot(1)), hex(0x00F10001))
want("middle slot (Win+D)", hex(slot(2)), hex(0x00070800))
want("forward slot (Ctrl+A)", hex(slot(5)), hex(0x00040100))
want("back slot (macro slot 1)", hex(slot(4) & 0x00FFFFFF), hex(0x00010009))
# ... and the same 64 bytes went over the wire: the two output reports after the last key-map
# command (report id first, then 12 01 00 40).
trace = [(line.split()[1], bytes.fromhex("".join(line.split()[2:]))) for line in open(sys.argv[3])]
starts = [i for i, (kind, data) in enumerate(trace) if kind == "F" and data[1:5].hex() == "12010040"]
sent = b"".join(data[1:] for kind, data in trace[starts[-1] + 1:starts[-1] + 3]
                if kind == "O") if starts else b""
want("key map in the trace", sent.hex(), key_map.hex())
print("\n".join(errors) if errors else "ok: profile, MacroIdList and key map as chosen")
sys.exit(1 if errors else 0)
PY

# The page and the picker's pages in Chinese, from a copy of the program laid out for Chinese.
zh="$work/program-zh"
chinese_program "$zh"
seed "$work/data-zh"
start "$zh" "$work/data-zh"
click 36 626       # the language button
sleep 0.5
click 69 365       # the first item: Chinese
sleep 0.5
page 600 335       # line count up (Chinese place): 4
page 600 345       # down and up again: 3, 4
page 600 335
shoot "settings-zh"
open_picker 1
shoot "picker-combo-zh"
picker "${tab_macro[@]}"
shoot "picker-macro-zh"
picker "${tab_basic[@]}"
shoot "picker-basic-zh"
picker "${tab_advanced[@]}"
shoot "picker-advanced-zh"
close_picker 397 12  # the close button
stop
echo "PASS (screenshots: $shots)"
