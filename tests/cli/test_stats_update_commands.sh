#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# z408ctl stats show and update check as a user runs them: counters from Sts.cfg files of every
# shape, and the update check against a local HTTP server with the simulated mouse.
set -u
ctl=$1
tmp=$(mktemp -d)
server=
cleanup() { [ -n "$server" ] && kill "$server" 2>/dev/null; rm -rf "$tmp"; }
trap cleanup EXIT
source "$(dirname "$0")/checks.sh"

# Sts.cfg: six little-endian counters; a short file leaves the rest zero.
sts() {  # dir, python list of counters, byte count
    mkdir -p "$1"
    python3 -c "import struct,sys; open(sys.argv[1],'wb').write(struct.pack('<6I',*$2)[:$3])" "$1/Sts.cfg"
}
sts "$tmp/full" "[99999,0,0,100000,0,123456]" 24
"$ctl" stats show --data-dir "$tmp/full" >"$tmp/out" 2>&1
check "stats show" 0 $?
contains "stats show" "$tmp/out" "clicks in all   99999"
contains "stats show" "$tmp/out" "wheel in all    100000"
contains "stats show" "$tmp/out" "pointer travel  12.35 (123456 pixels)"
contains "stats show" "$tmp/out" "trophy level    2 of 13"

# Counters above 2^31 are counts, not negative numbers, and their sum does not wrap.
sts "$tmp/big" "[4294967295,4294967295,2,0,0,0]" 24
"$ctl" stats show --data-dir "$tmp/big" >"$tmp/out" 2>&1
check "stats show, large counters" 0 $?
contains "large counters" "$tmp/out" "left clicks     4294967295"
contains "large counters" "$tmp/out" "clicks in all   8589934592"
contains "large counters" "$tmp/out" "trophy level    13 of 13"

sts "$tmp/short" "[5,6,7,8,9,10]" 12
"$ctl" stats show --data-dir "$tmp/short" >"$tmp/out" 2>&1
check "stats show, short file" 0 $?
contains "short file" "$tmp/out" "right clicks    7"
contains "short file" "$tmp/out" "wheel forward   0"

"$ctl" stats show extra >"$tmp/out" 2>&1
check "stats show with an argument" 2 $?

# The update check: no server configured (the build's z408.ini names none).
env -u Z408_UPDATE_SERVER "$ctl" update check >"$tmp/out" 2>&1
check "update check without a server" 1 $?
contains "no server" "$tmp/out" "no update server is configured"

mkdir -p "$tmp/srv/software/z408"
python3 -m http.server -d "$tmp/srv" -b 127.0.0.1 0 >"$tmp/http.log" 2>&1 &
server=$!
port=
for _ in $(seq 50); do
    port=$(sed -n 's/.*port \([0-9]*\).*/\1/p' "$tmp/http.log" | head -1)
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || { echo "FAIL: the HTTP server did not start"; exit 1; }
export Z408_SIMULATED_MOUSE="$tmp/mouse.state"  # reports firmware 12
for case in "13:a newer firmware is available" "12:the mouse has the newest firmware"; do
    current=${case%%:*}
    echo "<update><firmware><current>$current</current><newfile>http://x/fw.bin</newfile></firmware></update>" \
        >"$tmp/srv/software/z408/update.xml"
    "$ctl" update check --host "127.0.0.1:$port" >"$tmp/out" 2>&1
    check "update check, newest $current" 0 $?
    contains "newest $current" "$tmp/out" "${case#*:}"
    contains "newest $current" "$tmp/out" "mouse firmware: 12 (V 0.1.2)"
done
Z408_UPDATE_SERVER="http://127.0.0.1:$port" "$ctl" update check >"$tmp/out" 2>&1
check "update check, server from the environment" 0 $?
contains "environment" "$tmp/out" "newest firmware: 12 (V 0.1.2)"
# A description that names no version is no answer: an error, never "the newest firmware".
for body in "" "garbage" "<update><firmware><current>0</current></firmware></update>"; do
    printf '%s' "$body" >"$tmp/srv/software/z408/update.xml"
    "$ctl" update check --host "127.0.0.1:$port" >"$tmp/out" 2>&1
    check "update check, description '$body'" 1 $?
    contains "description '$body'" "$tmp/out" "names no firmware version"
    lacks "description '$body'" "$tmp/out" "the mouse has the newest firmware"
done
"$ctl" update check --host "not a host" >"$tmp/out" 2>&1
check "update check, a host that is none" 2 $?
contains "bad host" "$tmp/out" "give host, host:port or http://host:port"
rm "$tmp/srv/software/z408/update.xml"
"$ctl" update check --host "127.0.0.1:$port" >"$tmp/out" 2>&1
check "update check, no description on the server" 1 $?
contains "missing description" "$tmp/out" "could not be downloaded"

[ "$failures" = 0 ] && echo "PASS" || exit 1
