#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# The installed program (a package or `cmake --install`) under a private Xvfb with the simulated
# mouse: it finds its data under share/z408, seeds a fresh data folder, says that it has no
# program updater instead of starting one, writes nothing under the prefix, and ends cleanly.
#   tests/gui/run_installed_xvfb.sh [PREFIX] [SCREENSHOT_DIR]      (PREFIX: /usr)
set -euo pipefail
GUI_TOOLS="xdotool import" GUI_DISPLAY_FROM=200
prefix=$(realpath "${1:-/usr}")
set -- "$prefix" "${2:-/tmp/z408-installed-screenshots}"
source "$(dirname "$0")/xvfb_session.sh"

export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"
export Z408_SIMULATED_MOUSE="$work/mouse.state"
touch "$work/before"
start "$prefix/bin" "$work/data"
echo "ok: the installed window appeared"
for f in Macro.cfg Sts.cfg Language.cfg Profile/ConfigInfo.cfg Profile/Profile1.cfg; do
    [ -s "$work/data/TARVO/Z408/$f" ] || fail "the data folder has no $f"
done
echo "ok: the data folder was seeded from $prefix/share/z408"
shoot installed-main
# The updater would be started three seconds after the start.
sleep 3
grep -q "no program updater" "$work/z408.log" ||
    fail "no word of the missing updater: $(cat "$work/z408.log")"
echo "ok: no updater started, and said so"
stop
written=$(find "$prefix/share/z408" "$prefix/bin" -newer "$work/before" 2>/dev/null | head -5)
[ -z "$written" ] || fail "written under the prefix at run time: $written"
echo "ok: nothing written under $prefix; screenshot in $shots"
