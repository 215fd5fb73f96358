#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Drives the statistics and support pages of the real z408 under a private Xvfb with the
# simulated mouse: clicks and wheel turns made with XTest are counted and kept in Sts.cfg, a
# profile exported through the file dialog and imported again, restoring the defaults uploads
# them, and the two pages photographed in English and, from an installation laid out for
# Chinese, in Chinese.
#   tests/gui/run_pages_xvfb.sh [BUILD_DIR] [SCREENSHOT_DIR]
set -euo pipefail
GUI_TOOLS="xdotool import cmp od" GUI_DISPLAY_FROM=141
source "$(dirname "$0")/xvfb_session.sh"

export XDG_RUNTIME_DIR="$work" Z408_SIMULATED_MOUSE="$work/mouse.state"
export Z408_SIMULATED_MOUSE_TRACE="$work/trace.txt"

lefts=0
press() {  # X Y BUTTON [COUNT]: inside the window
    xdotool mousemove $((X + $1)) $((Y + $2))
    for _ in $(seq "${4:-1}"); do xdotool click --delay 0 "$3"; sleep 0.05; done
    [ "$3" = 1 ] && lefts=$((lefts + ${4:-1}))
    return 0
}
u32() { od -An -tu4 -j "$2" -N4 "$1" | tr -d ' '; }

start "$build/bin" "$work/data"
data="$work/data/TARVO/Z408"

# Statistics: XTest clicks and wheel turns over the page.
press 652 100 1   # the statistics tab
press 470 300 1 5 # on the page: left, middle, right, wheel forward and back
press 470 300 2 2
press 470 300 3 3
press 470 300 4 4
press 470 300 5 2
sleep 0.6
shoot "stats-en"

# Support page: export the profile and import it again through the file dialogs.
press 838 100 1
sleep 0.4
shoot "support-en"
press 294 532 1  # export
wait_window '^Save'
xdotool type --delay 10 "$work/exported.cfg"
xdotool key Return
wait_window '^Info$'
shoot "export-done"
xdotool key Return
gone_window '^Info$'
cmp -s "$work/exported.cfg" "$data/Profile/Profile1.cfg" || fail "the exported profile differs"
echo "ok: profile exported ($(stat -c %s "$work/exported.cfg") bytes, same as Profile1.cfg)"
press 194 532 1  # import
wait_window '^Open'
xdotool type --delay 10 "$work/exported.cfg"
xdotool key Return
wait_window '^Info$'
shoot "import-done"
xdotool key Return
gone_window '^Info$'
echo "ok: profile imported"

# Restore defaults: asked, then uploaded and saved.
maps_before=$(grep -c ' F 01 12 ' "$work/trace.txt" || true)
touch "$work/before-restore"
sleep 1.1
press 844 530 1
sleep 0.6
shoot "restore-question"
xdotool key Return  # OK
profile_saved_after "$data" "$work/before-restore" || fail "restoring the defaults saved no profile"
maps_after=$(grep -c ' F 01 12 ' "$work/trace.txt" || true)
[ "$maps_after" -gt "$maps_before" ] || fail "restoring the defaults wrote no key map"
echo "ok: defaults restored, uploaded and saved"

stop
sts="$data/Sts.cfg"
got="$(u32 "$sts" 0) $(u32 "$sts" 4) $(u32 "$sts" 8) $(u32 "$sts" 12) $(u32 "$sts" 16)"
want="$lefts 2 3 4 2"
[ "$got" = "$want" ] || fail "Sts.cfg holds '$got', expected '$want' (left middle right fwd back)"
echo "ok: clicks counted and saved at exit: $got, pointer travel $(u32 "$sts" 20) px"

# A copy of the program laid out for Chinese, with Chinese chosen in the language popup.
zh="$work/program-zh"
chinese_program "$zh"
mkdir -p "$work/data-zh"
start "$zh" "$work/data-zh"
press 36 626 1      # the language button
sleep 0.5
press 69 365 1      # the first item: Chinese
sleep 0.5
press 652 100 1
press 470 300 1 3
sleep 0.5
shoot "stats-zh"
press 838 100 1
sleep 0.4
shoot "support-zh"
stop
echo "PASS (screenshots: $shots)"
