#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Drives the lighting page of the real z408 under a private Xvfb with the simulated mouse. With
# mode 1 a preset swatch becomes the single colour; with mode 5 and the multicolour toggle on,
# swatches and the colour wheel set colours 1 to 3; proximity off; Apply. The simulated mouse's
# trace must hold the colour, effect, multicolour and proximity reports of those settings, and the
# profile file the colours, preset indexes and custom flags. A profile file holding a level and a
# speed out of the sliders' ranges must reach the mouse as the sliders show them, the file keeping
# its values. The page is photographed in every mode, in English and, from an installation laid
# out for Chinese, in Chinese.
#   tests/gui/run_lighting_xvfb.sh [BUILD_DIR] [SCREENSHOT_DIR]
set -euo pipefail
GUI_TOOLS="xdotool import convert od" GUI_DISPLAY_FROM=400
source "$(dirname "$0")/xvfb_session.sh"

export XDG_RUNTIME_DIR="$work" Z408_SIMULATED_MOUSE="$work/mouse.state"
export Z408_SIMULATED_MOUSE_TRACE="$work/trace.txt"

# Clicks at a point of the window, or of the lighting page (which starts at 15, 128).
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click --delay 0 1; sleep 0.25; }
page_click() { click $((15 + $1)) $((128 + $2)); }
# The centre of a rectangle given as left top right bottom, on the page.
page_click_rect() { page_click $((($1 + $3) / 2)) $((($2 + $4) / 2)); }

# Where the skin layout puts the controls whose place is ours to choose (mode buttons and so on).
declare -A rect=(
    [mode4]="36 52 226 78" [mode3]="36 90 226 116" [mode6]="36 128 226 154"
    [mode2]="244 52 434 78" [mode1]="244 90 434 116" [mode5]="244 128 434 154"
    [multicolour]="244 170 434 190" [colour1]="456 166 492 194" [colour2]="500 166 536 194"
    [colour3]="544 166 580 194" [proximityOn]="720 58 808 84" [proximityOff]="816 58 904 84"
)
mode() { page_click_rect ${rect[mode$1]}; }
# Swatch k: column k mod 7, row k div 7; the Chinese layout is further left and up.
swatch() {  # K [zh]
    local c=$(($1 % 7)) r=$(($1 / 7)) left top bottom
    if [ "${2:-}" = zh ]; then left=$((140 + 40 * c)) top=$((256 + 41 * r)) bottom=$((289 + 41 * r))
    else left=$((177 + 40 * c)) top=$((258 + 41 * r)) bottom=$((290 + 41 * r)); fi
    [ "$c" -gt 4 ] && left=$((left - 1))
    page_click_rect "$left" "$top" $((left + 31)) "$bottom"
}
apply() {  # waits until the upload saved the profile
    touch "$work/before-apply"
    sleep 1.1
    : >"$work/trace.txt"
    click 880 612
    for _ in $(seq 150); do
        [ "$(find "$profile" -newer "$work/before-apply")" ] && break
        sleep 0.1
    done
    [ "$(find "$profile" -newer "$work/before-apply")" ] || fail "Apply saved no profile"
    sleep 0.6  # the progress dialog closes
}
u32() { od -An -tu4 -j "$1" -N4 "$profile" | tr -d ' '; }
hex6() { printf '%06x' "$1"; }
# The feature report of a command as traced: "01 CC ..." after the kind letter.
feature() { grep -o " F 01 $1.*" "$work/trace.txt" | head -1 | cut -c4-; }
expect_feature() {  # PREFIX-HEX WANTED-START DESCRIPTION
    local got
    got=$(feature "$1")
    [ -n "$got" ] || fail "no $3 report in the trace"
    [ "${got:0:${#2}}" = "$2" ] || fail "$3 report '$got', expected it to start '$2'"
    echo "ok: $3 report: ${got:0:${#2}}"
}
# The colour of the page image at a page point, as "RRGGBB".
pixel() {
    convert "$1/skins/Light/LedSet_normal.bmp" -crop "1x1+$2+$3" -depth 8 txt:- |
        grep -o '#[0-9A-Fa-f]\{6\}' | head -1 | tr -d '#' | tr 'A-F' 'a-f'
}
colour_ref() { printf '%d' "0x${1:4:2}${1:2:2}${1:0:2}"; }  # RRGGBB → 0x00BBGGRR

start "$build/bin" "$work/data"
profile="$work/data/TARVO/Z408/Profile/Profile1.cfg"
click 290 100  # the lighting tab
shoot "lighting-en-mode5-default"

# Every mode once, photographed.
for m in 4 3 6 2; do mode "$m"; shoot "lighting-en-mode$m"; done

# Mode 1: a swatch becomes the single colour.
mode 1
swatch 1  # 250, 18, 0
shoot "lighting-en-mode1"

# Mode 5 with multicolour: colour 1 a swatch, colour 2 the wheel, colour 3 a swatch.
mode 5
page_click_rect ${rect[multicolour]}
swatch 5  # colour 1: 39, 249, 0
page_click_rect ${rect[colour2]}
wheel_x=885 wheel_y=323  # near the wheel's right edge: red
wheel=$(pixel "$build/bin" $wheel_x $wheel_y)
page_click $wheel_x $wheel_y
page_click_rect ${rect[colour3]}
swatch 12  # colour 3: 36, 0, 248
page_click_rect ${rect[proximityOff]}
xdotool mousemove $((X + 15 + 831)) $((Y + 128 + 300))  # over the wheel: cross cursor
sleep 0.3
shoot "lighting-en-mode5-multicolour"

apply
expect_feature 0c "01 0c 01 12 fa 00" "single colour (green red blue)"
expect_feature 0d "01 0d 01 05 04 01" "effect (mode 5, speed 4, multicolour)"
expect_feature 09 "01 09 01 00 20" "multicolour"
want_colours="27 f9 00 ${wheel:0:2} ${wheel:2:2} ${wheel:4:2} 24 00 f8 00"
got_colours=$(grep -A1 ' F 01 09 01 00 20' "$work/trace.txt" | grep -o ' O 01 .*' | cut -c7-35)
[ "$got_colours" = "$want_colours" ] ||
    fail "multicolour data '$got_colours', expected '$want_colours'"
echo "ok: multicolour data: $got_colours"
expect_feature 03 "01 03 b0" "proximity off"

got="$(u32 22168) $(u32 22172) $(u32 22224)"
[ "$got" = "5 1 0" ] || fail "mode, multicolour, proximity '$got', expected '5 1 0'"
want="$(colour_ref 27f900) $(colour_ref "$wheel") $(colour_ref 2400f8) $(colour_ref fa1200)"
got="$(u32 22176) $(u32 22180) $(u32 22184) $(u32 22188)"
[ "$got" = "$want" ] || fail "colours '$got', expected '$want'"
got="$(u32 22192) $(u32 22196) $(u32 22200) $(u32 22204) / $(u32 22208) $(u32 22212) $(u32 22216) $(u32 22220)"
[ "$got" = "0 1 0 0 / 5 0 12 1" ] ||
    fail "custom flags / preset indexes '$got', expected '0 1 0 0 / 5 0 12 1'"
echo "ok: profile holds colours $want, custom flags and preset indexes $got"

# Mode 6 turns proximity sensing off in the mouse even when the page has it on.
page_click_rect ${rect[proximityOn]}
mode 6
apply
expect_feature 03 "01 03 b0" "proximity with the light off"
expect_feature 0d "01 0d 01 00 00 00" "effect (light off)"
stop

# A profile holding a level and a speed no slider can show (a damaged or hand-edited file): the
# sliders show the nearest position and the mouse gets that same one; the file keeps its values
# until a slider is moved.
put_u32() {  # OFFSET VALUE, little-endian into the profile
    local v=$2
    printf "\\x$(printf %02x $((v & 255)))\\x$(printf %02x $((v >> 8 & 255)))\\x$(printf %02x $((v >> 16 & 255)))\\x$(printf %02x $((v >> 24 & 255)))" |
        dd of="$profile" bs=1 seek="$1" conv=notrunc status=none
}
put_u32 22168 1    # mode 1
put_u32 22236 300  # its level: 300 (0x2c in a byte)
put_u32 22240 0    # the speed of mode 2: 0
start "$build/bin" "$work/data"
click 290 100
shoot "lighting-en-damaged-level"
apply
expect_feature 0d "01 0d 01 01 0a 01" "effect (level 300 shown and sent as 10)"
mode 2
shoot "lighting-en-damaged-speed"
apply
expect_feature 0d "01 0d 01 02 01 01" "effect (speed 0 shown and sent as 1)"
[ "$(u32 22236) $(u32 22240)" = "300 0" ] ||
    fail "level and speed '$(u32 22236) $(u32 22240)' were rewritten without a slider move"
echo "ok: the damaged level and speed stay stored as 300 and 0"
stop

# A copy of the program laid out for Chinese, with Chinese chosen in the language popup.
zh="$work/program-zh"
chinese_program "$zh"
mkdir -p "$work/data-zh"
start "$zh" "$work/data-zh"
profile="$work/data-zh/TARVO/Z408/Profile/Profile1.cfg"
click 36 626  # the language button
sleep 0.4
click 69 365  # the first item: Chinese
sleep 0.4
click 290 100
shoot "lighting-zh-mode5-default"
for m in 4 3 6 2; do mode "$m"; shoot "lighting-zh-mode$m"; done
mode 1
swatch 9 zh  # 1, 193, 250
shoot "lighting-zh-mode1"
mode 5
page_click_rect ${rect[multicolour]}
shoot "lighting-zh-mode5-multicolour"
mode 1
apply
expect_feature 0c "01 0c 01 c1 01 fa" "single colour from a Chinese-layout swatch"
[ "$(u32 22220) $(u32 22204)" = "9 0" ] || fail "preset index / custom flag of the single colour"
stop
echo "PASS (screenshots: $shots)"
