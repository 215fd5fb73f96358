#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Start-up as a person meets it, under a private Xvfb: the program's own command line without a
# display; the window on screen while the mouse is searched, then the box and the end, for no
# mouse and for a mouse whose node cannot be opened; the bootloader handing over to the firmware
# tool; a second start only waking the first; a hidden start; the login entry from z408ctl.
#   tests/gui/run_startup_xvfb.sh [BUILD_DIR] [SCREENSHOT_DIR]
set -euo pipefail
GUI_TOOLS="xdotool import xwininfo" GUI_DISPLAY_FROM=520
source "$(dirname "$0")/xvfb_session.sh"
export XDG_RUNTIME_DIR="$work" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
z408="$build/bin/z408"
title='^Tarvo Z408 Gaming Mouse Driver$'
now_ms() { echo $(($(date +%s%N) / 1000000)); }
windows_of() { xdotool search --onlyvisible --pid "$1" 2>/dev/null | wc -l; }
ended() {  # PID SECONDS: waits for the end; its status in `rc`
    for _ in $(seq $(($2 * 10))); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$1" 2>/dev/null && return 1
    wait "$1" && rc=0 || rc=$?
}

# --- the command line, without any display ---
(
    unset DISPLAY WAYLAND_DISPLAY
    "$z408" --version >"$work/version.out" || fail "--version ended with $?"
    grep -Eq '^z408 [0-9]+\.[0-9]+' "$work/version.out" || fail "--version printed: $(cat "$work/version.out")"
    "$z408" --help >"$work/help.out" || fail "--help ended with $?"
    grep -q -- '--hidden' "$work/help.out" || fail "--help does not name --hidden"
    "$z408" >/dev/null 2>"$work/nodisplay.err" && rc=0 || rc=$?
    [ "$rc" = 1 ] || fail "without a display the status was $rc, not 1"
    grep -q 'no display' "$work/nodisplay.err" || fail "without a display it said: $(cat "$work/nodisplay.err")"
    # A display that is named but not there: a message and 1, not Qt's abort (134).
    DISPLAY=:4999 "$z408" >/dev/null 2>"$work/baddisplay.err" && rc=0 || rc=$?
    [ "$rc" = 1 ] || fail "with an unreachable display the status was $rc, not 1"
    grep -q 'cannot open the display' "$work/baddisplay.err" || fail "it said: $(cat "$work/baddisplay.err")"
    "$z408" --bogus >/dev/null 2>&1 && rc=0 || rc=$?
    [ "$rc" = 2 ] || fail "an unknown option gave $rc, not 2"
) || exit 1
echo "ok: --version, --help, no display (1), unreachable display (1), unknown option (2)"

# --- no mouse: the window first, the box after the search, the end after its countdown ---
t0=$(now_ms)
"$z408" >"$work/z408.log" 2>&1 &
main=$!
pids+=($main)
wid=$(timeout 30 xdotool search --sync --onlyvisible --name "$title" | head -1) || fail "no window"
t_window=$(($(now_ms) - t0))
[ "$(windows_of "$main")" = 1 ] || fail "more than the window at first"
eval "$(xdotool getwindowgeometry --shell "$wid")"
sleep 0.5
shoot startup-searching
for _ in $(seq 300); do [ "$(windows_of "$main")" -ge 2 ] && break; sleep 0.05; done
[ "$(windows_of "$main")" -ge 2 ] || fail "no box after the search"
t_box=$(($(now_ms) - t0))
sleep 0.5
import -window root "$work/box.png" && cp "$work/box.png" "$shots/startup-not-found.png"
ended "$main" 15 || fail "the program did not end after the box's countdown"
t_end=$(($(now_ms) - t0))
[ "$rc" = 0 ] || fail "after the not-found box the status was $rc"
[ "$t_window" -lt "$t_box" ] || fail "the box came before the window"
echo "ok: no mouse: window at ${t_window} ms, box at ${t_box} ms, end at ${t_end} ms"

# --- a mouse whose node cannot be opened: the box names the node and the fix ---
export Z408_SIMULATED_MOUSE="$work/mouse.state"
Z408_SIMULATED_MOUSE_FAIL=denied "$z408" >"$work/z408.log" 2>&1 &
main=$!
pids+=($main)
for _ in $(seq 300); do [ "$(windows_of "$main")" -ge 2 ] && break; sleep 0.1; done
[ "$(windows_of "$main")" -ge 2 ] || fail "no box for the closed node"
sleep 0.5
import -window root "$shots/startup-no-access.png"
xdotool key --delay 0 Return
ended "$main" 10 || fail "the program did not end after the no-access box"
[ "$rc" = 0 ] || fail "after the no-access box the status was $rc"
echo "ok: a closed node: its box, then the end (screenshot startup-no-access.png)"
Z408_SIMULATED_MOUSE_FAIL=denied "$build/bin/z408ctl" status >"$work/status.out" 2>&1 || true
grep -q "^mouse: present, no access to $Z408_SIMULATED_MOUSE" "$work/status.out" ||
    fail "z408ctl status said: $(head -3 "$work/status.out")"
grep -q "udevadm trigger" "$work/status.out" || fail "z408ctl status gives no fix"
echo "ok: z408ctl status names the closed node and the fix"

# --- bootloader: the firmware tool starts with the language argument, the program ends ---
program="$work/program"
cp -a "$build/bin" "$program"
mkdir -p "$program/FWUpdate"
printf '#!/bin/sh\necho "$@" >"%s/burner-args"\n' "$work" >"$program/FWUpdate/TarvoFlash.exe"
chmod +x "$program/FWUpdate/TarvoFlash.exe"
Z408_SIMULATED_MOUSE_FAIL=bootloader "$program/z408" >"$work/z408.log" 2>&1 &
main=$!
pids+=($main)
ended "$main" 15 || fail "the program did not end with the bootloader present"
[ "$rc" = 0 ] || fail "with the bootloader the status was $rc"
for _ in $(seq 50); do [ -s "$work/burner-args" ] && break; sleep 0.1; done
[ "$(cat "$work/burner-args" 2>/dev/null)" = 0 ] || fail "the firmware tool got '$(cat "$work/burner-args" 2>/dev/null)'"
echo "ok: bootloader: the firmware tool started with 0 and the program ended"

# --- a second start only wakes the first: it ends without a window of its own ---
start "$build/bin" "$work/data"
"$z408" >"$work/second.log" 2>&1 &
second=$!
ended "$second" 10 || fail "the second start did not end"
[ "$rc" = 0 ] || fail "the second start ended with $rc"
kill -0 "$main" || fail "the second start ended the first"
[ "$(xdotool search --onlyvisible --name "$title" | wc -l)" = 1 ] || fail "two windows after a second start"
stop
echo "ok: a second start ended at once, the first goes on with its one window"

# --- hidden: without a tray the window is shown all the same ---
"$z408" --hidden >"$work/z408.log" 2>&1 &
main=$!
pids+=($main)
timeout 30 xdotool search --sync --onlyvisible --name "$title" >/dev/null ||
    fail "--hidden without a tray left the window unreachable"
stop
echo "ok: --hidden without a tray shows the window"
if command -v trayer >/dev/null; then
    trayer --edge top --align right --widthtype pixel --width 120 --heighttype pixel --height 28 \
        --transparent false --SetDockType true >/dev/null 2>&1 &
    pids+=($!)
    # The tray must be up before the start: without one the window is shown on purpose.
    for _ in $(seq 100); do xdotool search --name '^panel$' >/dev/null 2>&1 && break; sleep 0.1; done
    sleep 1
    "$z408" --hidden >"$work/z408.log" 2>&1 &
    main=$!
    pids+=($main)
    sleep 4
    xdotool search --all --onlyvisible --pid "$main" --name "$title" >/dev/null 2>&1 &&
        fail "--hidden with a tray showed the window"
    stop
    echo "ok: --hidden with a tray starts in the tray"
fi

# --- the login entry through z408ctl ---
entry="$XDG_CONFIG_HOME/autostart/z408.desktop"
"$build/bin/z408ctl" autostart on >/dev/null || fail "autostart on failed"
grep -qx "Exec=$build/bin/z408 --hidden" "$entry" || fail "the entry's Exec line: $(grep Exec "$entry")"
"$build/bin/z408ctl" autostart status | grep -q '^autostart: on' || fail "status does not say on"
"$build/bin/z408ctl" autostart off >/dev/null || fail "autostart off failed"
[ ! -e "$entry" ] || fail "autostart off left the entry"
"$build/bin/z408ctl" autostart status | grep -q '^autostart: off' || fail "status does not say off"
echo "ok: z408ctl autostart on/status/off"
echo "PASS (screenshots: $shots)"
