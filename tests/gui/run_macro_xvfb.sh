#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Drives the macro page of the real z408 under a private Xvfb with the simulated mouse: a new
# macro is named, recorded from a key held through XTest, edited row by row and given a loop
# count, each step checked in Macro.cfg; a profile that uses it refuses its deletion, and Apply
# sends it into the simulated mouse as its device image. The page is photographed idle,
# recording and editing, in English and, from an installation laid out for Chinese, in Chinese.
#   tests/gui/run_macro_xvfb.sh [BUILD_DIR] [SCREENSHOT_DIR]
set -euo pipefail
GUI_TOOLS="xdotool import python3" GUI_DISPLAY_FROM=300
source "$(dirname "$0")/xvfb_session.sh"

export XDG_RUNTIME_DIR="$work" Z408_SIMULATED_MOUSE="$work/mouse.state"
chmod 700 "$work"

click() {  # X Y inside the window
    xdotool mousemove $((X + $1)) $((Y + $2)) click --delay 0 1
    sleep 0.3
}
info_box() {  # an information box is open: photographed as NAME, then closed with Return
    timeout 10 xdotool search --sync --onlyvisible --name '^(Info|TarvoZ408InfoDlg)$' >/dev/null ||
        fail "no information box"
    sleep 0.4
    shoot "$1"
    xdotool key Return
    sleep 0.5
}

# Window coordinates: the page starts at (15, 128).
TAB_SETTINGS="114 100" TAB_MACRO="468 100" APPLY="880 612"
NEW="61 554" DELETE_MACRO="123 554" INSERT="373 554" DELETE_EVENT="406 554" MODIFY="439 554"
RECORD="856 165" LOOP="887 222" MACRO_ROW0="142 226"
KEY_CHOICE="726 453" KEY_OK="887 477" DELAY_CHOICE="732 501" DELAY_BOX="758 526" DELAY_OK="887 526"
event_row() { echo "460 $((188 + 18 * $1))"; }

# The player's macros in Macro.cfg: "id loop recordSize | events | name" per macro of preset 21.
macros() {
    python3 - "$data/Macro.cfg" <<'EOF'
import struct, sys
b = open(sys.argv[1], "rb").read()
for s in range(500):
    r = b[s * 4104:(s + 1) * 4104]
    size, tag, mid, _, loop, count = struct.unpack_from("<6I", r)
    if tag >> 16 != 0xE8E8 or mid >> 24 != 21:
        continue
    events = struct.unpack_from("<%dI" % min(count, 1000), r, 24)
    name = r[4024:4104].decode("utf-16-le").split("\0")[0]
    print("%08x %d %d | %s | %s" % (mid, loop, size, " ".join("%08x" % e for e in events), name))
EOF
}
# One macro, its events with the measured pause replaced by "D" when it lies in 150..700 ms.
expect_macro() {  # WHAT EXPECTED-LOOP EXPECTED-EVENTS EXPECTED-NAME
    local got
    got=$(macros)
    [ "$(wc -l <<<"$got")" = 1 ] || fail "$1: expected one player macro, Macro.cfg has: $got"
    id=${got%% *}
    local loop events name
    loop=$(cut -d' ' -f2 <<<"$got")
    events=$(sed 's/^[^|]*| \(.*\) |.*$/\1/' <<<"$got")
    name=${got##*| }
    events=$(python3 -c '
import sys
out = []
for e in sys.argv[1].split():
    v = int(e, 16)
    out.append("D" if v >> 24 == 0xA0 and 150 <= (v & 0xFFFFFF) <= 700 and e not in sys.argv[2:] else e)
print(" ".join(out))' "$events" a00000c8 a00001f4)
    [ "$loop $events | $name" = "$2 $3 | $4" ] ||
        fail "$1: Macro.cfg holds '$loop $events | $name', expected '$2 $3 | $4'"
    echo "ok: $1: $loop $events | $name"
}

start "$build/bin" "$work/data"
data="$work/data/TARVO/Z408"
click $TAB_MACRO
shoot "macro-idle-en"

# A new macro, named with a space in the name.
click $NEW
xdotool key ctrl+a
xdotool type --delay 30 "Jump run"
xdotool key Return
sleep 0.3
[ -z "$(macros)" ] || fail "a macro without events was stored"

# Record: A held for about 250 ms through XTest.
click $RECORD
xdotool keydown a
sleep 0.25
xdotool keyup a
sleep 0.3
shoot "macro-recording-en"
click $RECORD
expect_macro "recorded" 1 "c0000041 D e0000041" "Jump run"
measured=$(macros | sed 's/.*| c0000041 a0\(......\) .*/\1/')
echo "   the pause measured: $((16#$measured)) ms"

# Insert a key row above the release: B pressed while the key choice listens.
click $(event_row 2)
click $INSERT
click $KEY_CHOICE
xdotool key b
sleep 0.3
shoot "macro-editing-en"
click $KEY_OK
expect_macro "key inserted" 1 "c0000041 D c0000042 e0000042 e0000041" "Jump run"

# Insert a delay row of 200 ms between the press and the release of B.
click $(event_row 3)
click $INSERT
click $DELAY_CHOICE
click $DELAY_BOX
xdotool type --delay 30 200
click $DELAY_OK
expect_macro "delay inserted" 1 "c0000041 D c0000042 a00000c8 e0000042 e0000041" "Jump run"

# Modify the recorded pause to 500 ms.
click $(event_row 1)
click $MODIFY
click $DELAY_BOX
xdotool type --delay 30 500
click $DELAY_OK
expect_macro "delay modified" 1 "c0000041 a00001f4 c0000042 a00000c8 e0000042 e0000041" "Jump run"

# Loop count 5, saved as it is typed.
click $LOOP
xdotool key ctrl+a
xdotool type --delay 30 5
sleep 0.3
expect_macro "loop count" 5 "c0000041 a00001f4 c0000042 a00000c8 e0000042 e0000041" "Jump run"

# Delete the 200 ms row.
click $(event_row 3)
click $DELETE_EVENT
expect_macro "row deleted" 5 "c0000041 a00001f4 c0000042 e0000042 e0000041" "Jump run"
stop

# The macro used by a profile: the fourth button of profile 1 gets the macro function and the
# profile table its id, as the function picker will do.
python3 - "$data" "$id" <<'EOF'
import struct, sys
d, mid = sys.argv[1], int(sys.argv[2], 16)
with open(d + "/Profile/Profile1.cfg", "r+b") as f:
    f.seek(4 + 3 * 3148)
    f.write(struct.pack("<2I", 6, mid))
with open(d + "/Profile/ConfigInfo.cfg", "r+b") as f:
    f.seek(1572 + 3 * 4)
    f.write(struct.pack("<I", mid))
EOF
start "$build/bin" "$work/data"
click $TAB_MACRO
cp "$data/Macro.cfg" "$work/before-delete.cfg"
click $MACRO_ROW0
click $DELETE_MACRO
info_box "macro-delete-refused-en"
cmp -s "$data/Macro.cfg" "$work/before-delete.cfg" || fail "the refused deletion changed Macro.cfg"
echo "ok: deleting a macro in use is refused"

# Apply sends the macro into the mouse's first macro slot: loop count 5, press A with the 500 ms
# pause as 50 units of 10 ms on its control byte, press B, release B, release A.
click $TAB_SETTINGS
click $APPLY
sleep 3
stop
want="00 05 33 04 01 05 81 05 81 04$(printf ' 00%.0s' $(seq 502))"
got=$(sed -n 's/^macro_1 //p' "$work/mouse.state")
[ "$got" = "$want" ] || fail "the mouse's macro slot 1 holds '${got:0:60}…'"
grep -q '^key_map .*09 00 01 05' "$work/mouse.state" || fail "no button is bound to macro slot 1"
echo "ok: the macro reached the simulated mouse as its device image"

# The page in Chinese, from an installation laid out for Chinese with Chinese chosen.
zh="$work/program-zh"
chinese_program "$zh"
cp -a "$work/data" "$work/data-zh"
start "$zh" "$work/data-zh"
click 36 626  # the language button
sleep 0.3
click 69 365  # the first item: Chinese
sleep 0.5
click $TAB_MACRO
shoot "macro-idle-zh"
click $RECORD
xdotool key c
sleep 0.3
shoot "macro-recording-zh"
click $RECORD
click $(event_row 1)
click 391 554  # Insert, Chinese layout
click 715 476  # the key choice, Chinese layout
xdotool key d
sleep 0.3
shoot "macro-editing-zh"
stop
echo "PASS (screenshots: $shots)"
