#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Ends the real z408 by a signal while one of its modal dialogs is open: the dialogs close, the
# program shuts down in order (statistics saved) and exits 0, instead of aborting with a double
# free. Under a private Xvfb with the simulated mouse on a fresh data directory.
#   tests/gui/run_endings_xvfb.sh [BUILD_DIR] [SCREENSHOT_DIR]
set -euo pipefail
GUI_TOOLS="xdotool import" GUI_DISPLAY_FROM=500
source "$(dirname "$0")/xvfb_session.sh"
export XDG_RUNTIME_DIR="$work" Z408_SIMULATED_MOUSE="$work/mouse.state"
data="$work/data/TARVO/Z408"
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click --delay 0 1; }

# name, language id (Language.cfg), what opens the dialog, the signal that ends the program
cases=(
    "import-dialog 2 import TERM"
    "restore-question 1 restore HUP"
    "import-dialog-int 2 import INT"
)
for c in "${cases[@]}"; do
    read -r name language opener signal <<<"$c"
    if [ -d "$data" ]; then printf "\\x$(printf %02x "$language")\\0\\0\\0" >"$data/Language.cfg"; fi
    start "$build/bin" "$work/data"
    click 838 100  # tab 5, the support page
    sleep 0.4
    rm -f "$data/Sts.cfg"
    case $opener in
        import) click 194 532 ;;   # Import (page 134..224 x 389..420, the page at 15,128)
        restore) click 844 530 ;;  # Restore defaults (page 785..873 x 388..417)
    esac
    # The dialog is a second visible window of the program.
    for _ in $(seq 50); do
        [ "$(xdotool search --onlyvisible --pid "$main" 2>/dev/null | wc -l)" -ge 2 ] && break
        sleep 0.1
    done
    [ "$(xdotool search --onlyvisible --pid "$main" | wc -l)" -ge 2 ] || fail "$name: no dialog opened"
    sleep 0.3
    import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$shots/ending-$name.png"
    kill -"$signal" "$main"
    for _ in $(seq 100); do kill -0 "$main" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$main" 2>/dev/null && fail "$name: SIG$signal did not end the program"
    wait "$main" && rc=0 || rc=$?
    [ "$rc" = 0 ] || fail "$name: after SIG$signal the program ended with status $rc"
    [ -s "$data/Sts.cfg" ] || fail "$name: the statistics were not saved"
    echo "ok: SIG$signal with the $name open ended the program in order"
done
echo "PASS (screenshots: $shots)"
