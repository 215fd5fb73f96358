#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Drives the real z408 under a private Xvfb with an XEmbed tray (trayer) and the simulated mouse
# on a fresh data directory: a screenshot of each tab, Apply reaching the mouse and saving the
# profile, a second start waking the first, and "Exit" from the tray menu.
#   tests/gui/run_xvfb.sh [BUILD_DIR] [SCREENSHOT_DIR]
set -euo pipefail
GUI_TOOLS="xdotool import trayer" GUI_DISPLAY_FROM=90
source "$(dirname "$0")/xvfb_session.sh"
z408="$build/bin/z408"
trayer --edge top --align right --widthtype pixel --width 120 --heighttype pixel --height 28 \
    --transparent false --SetDockType true >"$work/trayer.log" 2>&1 &
pids+=($!)
sleep 0.5

export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work"
export Z408_SIMULATED_MOUSE="$work/mouse.state" Z408_SIMULATED_MOUSE_TRACE="$work/trace.txt"
"$z408" >"$work/z408.log" 2>&1 &
main=$!
pids+=($main)

wid=$(timeout 15 xdotool search --sync --onlyvisible --name '^Tarvo Z408 Gaming Mouse Driver$' | head -1) ||
    fail "the main window did not appear"
echo "ok: main window shown"
eval "$(xdotool getwindowgeometry --shell "$wid")"  # X Y WIDTH HEIGHT
[ "$WIDTH" = 960 ] && [ "$HEIGHT" = 650 ] || fail "window is ${WIDTH}x$HEIGHT, not 960x650"
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click --delay 0 1; }

# The tabs, clicked in the middle of their top edge, each with its page.
tab_x=(110 284 468 652 838)
names=(1-settings 2-lighting 3-macros 4-statistics 5-support)
for i in 0 1 2 3 4; do
    click "${tab_x[$i]}" 100
    sleep 0.4
    shoot "tab${names[$i]}"
done
echo "ok: five tab screenshots in $shots"

# Apply on the first tab: the upload reaches the mouse and the profile files are saved.
click 110 100
sleep 0.3
touch "$work/before-apply"
sleep 1.1  # file times have a one-second grain on some file systems
click 880 612
sleep 0.3
shoot "apply-progress"
for _ in $(seq 100); do
    [ "$(find "$work/data/TARVO/Z408/Profile" -name ConfigInfo.cfg -newer "$work/before-apply")" ] && break
    sleep 0.1
done
grep -q ' F 01 12 ' "$work/trace.txt" || fail "no key map reached the simulated mouse"
grep -q ' F 01 11 ' "$work/trace.txt" || fail "no DPI table reached the simulated mouse"
for f in ConfigInfo.cfg Profile1.cfg; do
    [ "$(find "$work/data/TARVO/Z408/Profile" -name $f -newer "$work/before-apply")" ] ||
        fail "$f was not saved after the upload"
done
echo "ok: upload traced by the simulated mouse ($(wc -l <"$work/trace.txt") reports), profile saved"
sleep 0.8
shoot "after-apply"

# Hover a profile button: the hint line names it.
xdotool mousemove $((X + 570)) $((Y + 622))
sleep 0.4
shoot "hint-profile3"

# The close button hides the window to the tray; a second start shows it again and ends.
click 938 17
sleep 0.5
xdotool search --onlyvisible --name '^Tarvo Z408 Gaming Mouse Driver$' >/dev/null && fail "close did not hide the window"
timeout 10 "$z408" >"$work/second.log" 2>&1 || fail "the second start did not end by itself"
timeout 5 xdotool search --sync --onlyvisible --name '^Tarvo Z408 Gaming Mouse Driver$' >/dev/null ||
    fail "the second start did not wake the first"
[ "$(pgrep -c -x z408 || true)" -ge 1 ] || fail "the first copy is gone"
echo "ok: a second start showed the first window and ended"

# "Exit" from the tray menu (the icon sits at the right end of the tray).
xdotool mousemove $((1280 - 12)) 14 click --delay 0 3
sleep 0.6
import -window root "$shots/tray-menu.png"
xdotool key --delay 50 Up Return
for _ in $(seq 100); do kill -0 "$main" 2>/dev/null || break; sleep 0.1; done
kill -0 "$main" 2>/dev/null && fail "Exit in the tray menu did not end the program"
wait "$main" && rc=0 || rc=$?
[ "$rc" = 0 ] || fail "the program ended with status $rc"
echo "ok: Exit in the tray menu ended the program"

# SIGTERM closes it in order, like "Exit".
"$z408" >"$work/z408.log" 2>&1 &
main=$!
pids+=($main)
timeout 15 xdotool search --sync --onlyvisible --name '^Tarvo Z408 Gaming Mouse Driver$' >/dev/null ||
    fail "the main window did not appear again"
kill -TERM "$main"
for _ in $(seq 100); do kill -0 "$main" 2>/dev/null || break; sleep 0.1; done
kill -0 "$main" 2>/dev/null && fail "SIGTERM did not end the program"
wait "$main" && rc=0 || rc=$?
[ "$rc" = 0 ] || fail "after SIGTERM the program ended with status $rc"
echo "ok: SIGTERM ended the program in order"
echo "PASS (screenshots: $shots)"
