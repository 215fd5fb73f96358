#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# z408ctl watch under a private Xvfb: real XTest events are printed, intercepted buttons reach no
# other client (xev on the root window stands in for every other program).
set -euo pipefail
ctl=$1
source "$(dirname "$0")/../work_session.sh"

Xvfb -displayfd 3 -noreset -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
pids+=($xvfb)
for _ in $(seq 400); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"
unset WAYLAND_DISPLAY XDG_SESSION_TYPE

# Asked for X11 without an X server, the command says so and fails.
if DISPLAY= "$ctl" watch --source x11 2>"$work/nox"; then fail "watch ran without an X server"; fi
grep -q "No X server" "$work/nox" || fail "no clear message without X: $(cat "$work/nox")"
# Without a display it reads the mouse's own devices instead, waiting for one when there is none.
DISPLAY= timeout -s INT 2 "$ctl" watch 2>"$work/nodisplay" || true
grep -q "watching (evdev)" "$work/nodisplay" || fail "no evdev source without a display: $(cat "$work/nodisplay")"
# Bad codes and sources are bad usage.
set +e; "$ctl" watch --intercept 0x41 2>/dev/null; rc=$?; set -e
[ "$rc" = 2 ] || fail "a key code as --intercept gave exit code $rc"
set +e; "$ctl" watch --intercept thumb 2>"$work/err"; rc=$?; set -e
[ "$rc" = 2 ] || fail "an unknown button as --intercept gave exit code $rc"
grep -q "give left, right, middle, back, forward" "$work/err" || fail "no list of buttons: $(cat "$work/err")"
set +e; "$ctl" watch --source wayland 2>/dev/null; rc=$?; set -e
[ "$rc" = 2 ] || fail "an unknown --source gave exit code $rc"
[ "$("$ctl" __complete watch --source "")" = "x11
evdev" ] || fail "no completion of --source"

xev -root -event button >"$work/xev" 2>/dev/null &
pids+=($!)
# xev is ready once it reports a click.
for _ in $(seq 100); do
    xdotool click --delay 0 2
    grep -q "button 2," "$work/xev" && break
    sleep 0.1
done
grep -q "button 2," "$work/xev" || fail "xev never saw a click"
# The left button on the list is printed but never swallowed: the hook's rule decides the grabs.
"$ctl" watch --intercept right --intercept left --intercept 0x20a00 >"$work/watch" 2>"$work/watch.err" &
watch=$!
pids+=($watch)
for _ in $(seq 400); do grep -q watching "$work/watch.err" 2>/dev/null && break; sleep 0.05; done
grep -q "watching (x11)" "$work/watch.err" || fail "watch did not start on X11: $(cat "$work/watch.err")"
grep -q "0x201 is not swallowed" "$work/watch.err" || fail "no word on the left button: $(cat "$work/watch.err")"

xdotool click --delay 0 3 click --delay 0 1 click --delay 0 5 click --delay 0 4 \
    click --delay 0 2 key --delay 0 a key --delay 0 alt+Right
for _ in $(seq 400); do [ "$(wc -l <"$work/watch")" -ge 11 ] && break; sleep 0.05; done
kill -INT "$watch"
wait "$watch" || fail "watch did not end cleanly on SIGINT"

expected='button right down (0x204)
button left down (0x201)
wheel down (0x20a00)
wheel up (0x20a01)
button middle down (0x207)
key A down (0x41 flags 0x00)
key A up (0x41 flags 0x80)
key L_Alt down (0xa4 flags 0x20)
key RIGHT down (0x27 flags 0x21)
key L_Alt up (0xa4 flags 0x80)
key RIGHT up (0x27 flags 0x81)'
[ "$(cat "$work/watch")" = "$expected" ] || fail "watch printed:
$(cat "$work/watch")"

# xev saw the buttons that were not intercepted, and never 3 or 5.
sleep 0.2
seen=$( (grep -o 'button [0-9]*,' "$work/xev" || true) | sort -u | tr -d ',' | tr '\n' ' ')
[ "$seen" = "button 1 button 2 button 4 " ] || fail "other clients saw: $seen"

# The X server going away ends the command with a message, not a crash of Xlib's making.
LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan_lost_x_server.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
TSAN_OPTIONS="suppressions=$(dirname "$0")/tsan_lost_x_server.supp${TSAN_OPTIONS:+:$TSAN_OPTIONS}" \
    "$ctl" watch >/dev/null 2>"$work/gone.err" &
watch=$!
pids+=($watch)
for _ in $(seq 400); do grep -q watching "$work/gone.err" 2>/dev/null && break; sleep 0.05; done
kill "$xvfb"
set +e; wait "$watch"; rc=$?; set -e
[ "$rc" = 1 ] || fail "watch ended with $rc when the X server went away: $(cat "$work/gone.err")"
grep -q "the X server went away" "$work/gone.err" || fail "no message: $(cat "$work/gone.err")"
! grep -q "X connection" "$work/gone.err" || fail "Xlib's own message leaked: $(cat "$work/gone.err")"
echo "watch: ok"
