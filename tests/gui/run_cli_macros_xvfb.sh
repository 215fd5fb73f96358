#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# z408ctl changing macros and profiles while the real z408 runs under a private Xvfb with the
# simulated mouse: a macro another profile was just given cannot be deleted in the window, and
# Apply keeps that profile's macro id in the table; a profile switch while the function picker is
# open does not put the choice on the other profile; macros added and deleted during a recording
# are listed when it stops, and a recorded macro deleted meanwhile stays deleted.
#   tests/gui/run_cli_macros_xvfb.sh [BUILD_DIR] [SCREENSHOT_DIR]
set -euo pipefail
GUI_TOOLS="xdotool import convert python3" GUI_DISPLAY_FROM=700
source "$(dirname "$0")/xvfb_session.sh"

export XDG_RUNTIME_DIR="$work" Z408_SIMULATED_MOUSE="$work/mouse.state"
export XDG_DATA_HOME="$work/data"
chmod 700 "$work"
ctl="$build/bin/z408ctl"
data="$work/data/TARVO/Z408"

click() {  # X Y: window coordinates
    xdotool mousemove $((X + $1)) $((Y + $2))
    xdotool click --delay 0 1
    sleep 0.3
}
page() { click $((15 + $1)) $((128 + $2)); }     # the page sits at (15, 128)
picker() { click $((274 + $1)) $((175 + $2)); }  # the picker is centred on the window
picker_shown() {
    for w in $(xdotool search --onlyvisible --class z408 2>/dev/null); do
        xdotool getwindowgeometry "$w" | grep -q 'Geometry: 412x300' && return 0
    done
    return 1
}
# An information box is open: its text must be seen (photographed as NAME), then it is closed.
info_box() {  # NAME
    timeout 10 xdotool search --sync --onlyvisible --name '^(Info|TarvoZ408InfoDlg)$' >/dev/null ||
        fail "$1: no information box"
    sleep 0.4
    shoot "$1"
    xdotool key Return
    sleep 0.5
}
no_info_box() {
    xdotool search --onlyvisible --name '^(Info|TarvoZ408InfoDlg)$' >/dev/null 2>&1 &&
        fail "$1: an information box is open"
    return 0
}
# Apply, then wait until the active profile file was written.
apply() {  # PROFILE-FILE-NAME
    touch "$work/before-apply"
    sleep 1.1
    click 880 611
    for _ in $(seq 150); do
        [ "$(find "$data/Profile" -name "$1" -newer "$work/before-apply")" ] && return 0
        sleep 0.1
    done
    fail "Apply saved no $1"
}
# The macros of the player's group in Macro.cfg, slot order: "name id eventCount" a line.
macros() {
    python3 - "$data/Macro.cfg" <<'PY'
import struct, sys
b = open(sys.argv[1], "rb").read()
for s in range(len(b) // 4104):
    r = b[s * 4104:(s + 1) * 4104]
    size, tag, mid, _, loop, count = struct.unpack_from("<6I", r)
    if tag >> 16 == 0xE8E8 and mid >> 24 == 21:
        print(r[4024:4104].decode("utf-16-le").split("\0")[0], "%08x" % mid, count)
PY
}
table_ids() {  # ENTRY (1..5): the seven macro ids of the entry in ConfigInfo.cfg
    python3 -c '
import struct, sys
b = open(sys.argv[1], "rb").read()
print(" ".join("%08x" % v for v in struct.unpack_from("<7I", b, (int(sys.argv[2]) - 1) * 1600 + 1572)))' \
        "$data/Profile/ConfigInfo.cfg" "$1"
}
button_type() {  # PROFILE-FILE BUTTON: the button's setting, as profile set takes it
    "$ctl" profile show "$1" --json |
        python3 -c 'import json, sys; print(json.load(sys.stdin)["buttons"][int(sys.argv[1])]["setting"])' "$2"
}
# Whether macro-list row i shows any text: brighter pixels than the list's background.
row_has_text() {  # SHOT ROW
    local max
    max=$(convert "$shots/$1.png" -crop "270x14+50+$((219 + 18 * $2))" +repage -colorspace gray \
        -format '%[fx:maxima]' info:)
    python3 -c 'import sys; sys.exit(0 if float(sys.argv[1]) > 0.25 else 1)' "$max"
}
TAB_SETTINGS="114 100" TAB_MACRO="468 100" DELETE_MACRO="123 554" RECORD="856 165"

"$ctl" profile select 1 >/dev/null 2>&1 || fail "z408ctl could not seed the data folder"
printf 'down A\nup A\n' >"$work/a.txt"
"$ctl" macro new Small "$work/a.txt" >/dev/null || fail "macro new Small"
small=$(macros | awk '$1 == "Small" {print $2}')
start "$build/bin" "$work/data"

# --- a macro another profile was given while the window runs ---
"$ctl" profile set --profile 5 button middle macro Small || fail "profile set --profile 5"
[ "$(table_ids 5 | cut -d' ' -f2)" = "$small" ] || fail "z408ctl did not store the macro id"
click $TAB_MACRO  # Small is the group's last macro: selected
click $DELETE_MACRO
info_box "cli-macro-delete-refused"
macros | grep -q "^Small $small" || fail "the window deleted a macro profile 5 uses"
echo "ok: the window refuses to delete a macro z408ctl gave another profile"
click $TAB_SETTINGS
apply Profile1.cfg
[ "$(table_ids 5 | cut -d' ' -f2)" = "$small" ] ||
    fail "Apply wrote back a stale table: profile 5's ids are $(table_ids 5)"
echo "ok: Apply keeps the macro id z408ctl stored for profile 5"

# --- a profile switch while the picker is open ---
back1=$(button_type "$data/Profile/Profile1.cfg" 4)
page 419 425  # the back button's tab
for _ in $(seq 50); do picker_shown && break; sleep 0.1; done
picker_shown || fail "no picker for the back button"
picker 255 50  # the basic page: OK takes its selected entry
"$ctl" profile select 2 >/dev/null || fail "profile select 2"
sleep 0.5
back2=$(button_type "$data/Profile/Profile2.cfg" 4)
picker 354 271  # OK
info_box "cli-picker-profile-switched"
picker_shown && fail "the picker stayed open"
apply Profile2.cfg
[ "$(button_type "$data/Profile/Profile2.cfg" 4)" = "$back2" ] ||
    fail "the picker's choice went to profile 2's back button"
[ "$(button_type "$data/Profile/Profile1.cfg" 4)" = "$back1" ] ||
    fail "profile 1's back button changed behind the person's back"
echo "ok: a picker opened for profile 1 does not apply to profile 2"

# --- the library changed during a recording ---
"$ctl" macro new Other "$work/a.txt" >/dev/null || fail "macro new Other"
"$ctl" macro new Rec "$work/a.txt" >/dev/null || fail "macro new Rec"
sleep 0.5
click $TAB_MACRO
click $RECORD  # into Rec, the group's last macro
xdotool key --delay 80 b
"$ctl" macro delete Other >/dev/null || fail "macro delete Other"
"$ctl" macro new Extra1 "$work/a.txt" >/dev/null || fail "macro new Extra1"
"$ctl" macro new Extra2 "$work/a.txt" >/dev/null || fail "macro new Extra2"
xdotool key --delay 80 c
click $RECORD
no_info_box "recording stopped"
shoot "cli-recording-stopped"
got=$(macros | awk '{print $1}' | tr '\n' ' ')
[ "$got" = "Small Extra1 Rec Extra2 " ] || fail "Macro.cfg holds $got"
[ "$(macros | awk '$1 == "Rec" {print $3}')" -ge 4 ] || fail "the recording was not stored in Rec"
row_has_text cli-recording-stopped 3 || fail "the list does not show the macro added meanwhile"
row_has_text cli-recording-stopped 4 && fail "the list shows more macros than the library holds"
echo "ok: macros added and deleted during a recording are listed when it stops"

click $RECORD  # Rec is still chosen
xdotool key --delay 80 d
"$ctl" macro delete Rec >/dev/null || fail "macro delete Rec"
click $RECORD
info_box "cli-recorded-macro-deleted"
macros | grep -q "^Rec " && fail "stopping the recording brought the deleted macro back"
echo "ok: a macro deleted during its recording stays deleted"

stop
echo "all z408ctl macro checks passed (screenshots: $shots)"
