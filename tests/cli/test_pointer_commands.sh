#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# z408ctl pointer under a private Xvfb: what the X server holds afterwards (read with xset), and
# what each desktop is told, through stand-ins of its settings tool; the summary names what this
# desktop does not support.
set -euo pipefail
ctl=$1
work=$(mktemp -d)
xvfb=
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
has() { grep -qxF -- "$2" "$work/out" || fail "$1: no line '$2' in: $(cat "$work/out")"; }
for tool in Xvfb xset; do command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }; done

Xvfb -displayfd 3 -noreset -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 400); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"
unset XDG_CURRENT_DESKTOP
export XDG_CONFIG_HOME=$work/config

# A bare X server: precision off is no acceleration at all, and the gaps are named.
"$ctl" pointer apply 15 off 3 >"$work/out" || fail "apply on a bare X server"
xset q | grep -q "acceleration:  1/1    threshold:  0" || fail "not flat: $(xset q | grep accel)"
has "bare, flat" "X11 core pointer: applied"
has "bare, flat" "speed: not applied: no setting of this desktop takes it"
has "bare, flat" "wheel lines: not applied: no setting of this desktop takes it"
"$ctl" pointer apply 15 on 3 >"$work/out" || fail "apply with precision"
xset q | grep -q "acceleration:  30/10    threshold:  4" || fail "not accelerated: $(xset q | grep accel)"
has "bare, accelerated" "speed: applied to X11 core pointer"
"$ctl" pointer show >"$work/out"
has "show" "X11 core pointer: in use; speed 15, enhance precision 1, wheel lines (no setting)"
has "show" "wheel lines: not supported on this desktop"

# Xfce: xfconf-query stands in, logging its arguments. Xvfb's one mouse is not a libinput
# device, so it gets the server's acceleration terms.
mkdir -p "$work/bin"
printf '#!/bin/sh\necho "$*" >>"%s/xfconf.log"\n' "$work" >"$work/bin/xfconf-query"
chmod +x "$work/bin/xfconf-query"
PATH="$work/bin:$PATH" XDG_CURRENT_DESKTOP=XFCE "$ctl" pointer apply 15 off 3 >"$work/out" ||
    fail "apply on Xfce"
has "xfce" "Xfce (xfconf pointers): applied"
has "xfce" "enhance precision: applied to X11 core pointer, Xfce (xfconf pointers)"
has "xfce" "wheel lines: not applied: no setting of this desktop takes it"
grep -qxF -- "--channel=pointers --create --property=/Xvfb_mouse/Acceleration --type=double --set=1" \
    "$work/xfconf.log" || fail "xfconf was told: $(cat "$work/xfconf.log")"

# KDE keeps wheel lines.
XDG_CURRENT_DESKTOP=KDE "$ctl" pointer apply 12 on screen >"$work/out" || fail "apply on KDE"
has "kde" "wheel lines: applied to KDE (kcminputrc, kdeglobals)"
grep -qx "WheelScrollLines=1000" "$XDG_CONFIG_HOME/kdeglobals" || fail "kdeglobals: $(cat "$XDG_CONFIG_HOME/kdeglobals")"

# Values are taken as profile set takes them: out of range, or 0/1 for on/off, is bad input
# and nothing is written.
cp "$XDG_CONFIG_HOME/kdeglobals" "$work/kdeglobals.before"
for bad in "25 on 5:pointer-speed takes 1 to 20" "10 2 5:precision takes on or off" \
    "10 1 5:precision takes on or off" "10 on 31:wheel lines takes 1 to 30" "10 on:expects SPEED"; do
    read -r -a words <<< "${bad%%:*}"
    set +e; XDG_CURRENT_DESKTOP=KDE "$ctl" pointer apply "${words[@]}" >"$work/out" 2>"$work/err"; rc=$?; set -e
    [ "$rc" = 2 ] || fail "pointer apply ${bad%%:*} gave exit code $rc"
    grep -qF "${bad#*:}" "$work/err" || fail "pointer apply ${bad%%:*}: $(cat "$work/err")"
done
cmp -s "$XDG_CONFIG_HOME/kdeglobals" "$work/kdeglobals.before" || fail "bad input changed kdeglobals"
"$ctl" pointer show --json >"$work/out" || fail "pointer show --json"
python3 -c 'import json,sys; d=json.load(open(sys.argv[1])); x=[p for p in d["places"] if p["name"]=="X11 core pointer"][0]; assert x["values"]["speed"]==12 and x["values"]["precision"]=="on", x' "$work/out" ||
    fail "pointer show --json: $(cat "$work/out")"

# Nowhere to write: a failure, said.
set +e; DISPLAY= "$ctl" pointer apply 10 on 3 >"$work/out" 2>"$work/err"; rc=$?; set -e
[ "$rc" = 1 ] || fail "apply without a desktop gave exit code $rc"
grep -q "no pointer setting took the values" "$work/err" || fail "no message: $(cat "$work/err")"
echo "pointer: ok"
