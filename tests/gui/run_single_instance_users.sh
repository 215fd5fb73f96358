#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Two users on one machine: neither can take the other's single-instance socket, nor reach it to
# drive the other's window. The real z408 runs as root and as "nobody", offscreen, each with the
# simulated mouse, its own data and its own runtime folder.
#   tests/gui/run_single_instance_users.sh [BUILD_DIR]
set -euo pipefail
build=$(realpath "${1:-build}")
z408="$build/bin/z408"
skip() { echo "SKIP: $*"; exit 77; }
[ -x "$z408" ] || { echo "FAIL: $z408 not built"; exit 1; }
[ "$(id -u)" = 0 ] || skip "starting a program as another user needs root"
command -v setpriv >/dev/null || skip "setpriv is not installed"
command -v python3 >/dev/null || skip "python3 is not installed"
id nobody >/dev/null 2>&1 || skip "there is no user nobody"
setpriv --reuid=nobody --regid=nogroup --clear-groups test -x "$z408" || skip "user nobody cannot reach $z408 (a folder above it is closed)"

source "$(dirname "$0")/../work_session.sh"
chmod 755 "$work"  # the other user's folders are inside
for who in root nobody; do
    mkdir -p "$work/$who/run" "$work/$who/data" "$work/$who/home"
    chmod 700 "$work/$who/run"
done
chown -R nobody: "$work/nobody"

# Runs z408 (or a command) as `who` with that user's folders, in place of the calling shell so
# that a signal to a background job's pid reaches the program.
as() {
    local who=$1
    shift
    local env=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen HOME="$work/$who/home"
        XDG_RUNTIME_DIR="$work/$who/run" XDG_DATA_HOME="$work/$who/data"
        Z408_SIMULATED_MOUSE="$work/$who/mouse.state")
    [ "$who" = root ] || env=(setpriv --reuid=nobody --regid=nogroup --clear-groups "${env[@]}")
    exec "${env[@]}" "$@"
}
alive() { kill -0 "$1" 2>/dev/null; }
# Waits up to `2` seconds for process `1` to end; its status in $rc.
ended_within() {
    for _ in $(seq $(($2 * 10))); do alive "$1" || break; sleep 0.1; done
    alive "$1" && return 1
    wait "$1" && rc=0 || rc=$?
}

# nobody squats the names first: the per-user abstract name root's program would once have used,
# and (further down) root's socket path.
as nobody python3 -c '
import socket, sys
import time
s = socket.socket(socket.AF_UNIX)
try:
    s.bind("\0Z408Driver.exe-0")
except OSError:
    # Held already (an older build running here): it stands in the way just the same.
    print("squatting (the name was taken already)", flush=True)
    while True:
        time.sleep(60)
s.listen(8)
print("squatting", flush=True)
while True:
    c, _ = s.accept()
    c.close()
' >"$work/squatter.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do grep -q squatting "$work/squatter.log" && break; sleep 0.1; done
grep -q squatting "$work/squatter.log" || fail "the squatter did not start"

as root "$z408" >"$work/root-first.log" 2>&1 &
first=$!
pids+=($first)
sleep 3
alive "$first" || fail "root's z408 ended at once: another user's socket took it for the first instance"
[ -S "$work/root/run/Z408Driver.exe" ] || fail "root's socket is not in root's runtime folder"
echo "ok: another user squatting the name does not stop the program"

# nobody can neither reach root's socket nor put one beside it.
probe=$( (as nobody python3 -c '
import socket, sys
path = sys.argv[1]
for what in ("connect", "bind"):
    s = socket.socket(socket.AF_UNIX)
    try:
        getattr(s, what)(path if what == "connect" else path + ".squat")
        print(what + ":allowed")
    except PermissionError:
        print(what + ":denied")
' "$work/root/run/Z408Driver.exe") 2>&1)
[ "$probe" = "$(printf 'connect:denied\nbind:denied')" ] || fail "another user reached root's socket folder: $probe"
echo "ok: another user cannot connect to the socket or bind beside it"

# Each user has one instance of their own, side by side.
as nobody "$z408" >"$work/nobody-first.log" 2>&1 &
nobody_first=$!
pids+=($nobody_first)
sleep 3
alive "$nobody_first" || fail "nobody's z408 did not keep running beside root's"
echo "ok: each user runs an instance of their own"

# A second start wakes its own user's first instance and ends; the first ones stay.
as root "$z408" >"$work/root-second.log" 2>&1 &
second=$!
pids+=($second)
ended_within "$second" 10 || fail "root's second start did not end"
[ "$rc" = 0 ] || fail "root's second start ended with status $rc"
as nobody "$z408" >"$work/nobody-second.log" 2>&1 &
second=$!
pids+=($second)
ended_within "$second" 10 || fail "nobody's second start did not end"
[ "$rc" = 0 ] || fail "nobody's second start ended with status $rc"
alive "$first" && alive "$nobody_first" || fail "a first instance went away"
echo "ok: a second start gives way to its own user's instance only"

for p in "$first" "$nobody_first"; do
    kill -TERM "$p"
    ended_within "$p" 10 || fail "SIGTERM did not end z408 ($p)"
    [ "$rc" = 0 ] || fail "after SIGTERM z408 ended with status $rc"
done
echo "PASS"
