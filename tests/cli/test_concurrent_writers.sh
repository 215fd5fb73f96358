#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Two writers of one data folder started together, as a user's scripts do: both changes are
# there afterwards, or one was refused with a message; never one lost while both said they made
# it. The pairs: two new macros; profile set on two profiles; profile set beside an Apply.
#   test_concurrent_writers.sh Z408CTL
set -u
ctl=$1
source "$(dirname "$0")/../work_session.sh"
source "$(dirname "$0")/checks.sh"

export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
export Z408_SIMULATED_MOUSE=$work/mouse.state
unset Z408_SIMULATED_MOUSE_TRACE Z408_SIMULATED_MOUSE_FAIL
data=$work/data
"$ctl" profile select 1 --data-dir "$data" >/dev/null; check "seed" 0 $?
printf 'down A\nup A\n' >"$work/m.txt"
for name in M4 M5; do
    "$ctl" macro new $name "$work/m.txt" --data-dir "$data" >/dev/null; check "macro $name" 0 $?
done

# Whether entry E (0-based) of the table holds a macro id and its profile file names macro NAME:
# "id name", "- name", "id -" or "- -".
holds() {
    python3 - "$data/Profile/ConfigInfo.cfg" "$data/Profile/Profile$(($1 + 1)).cfg" "$1" "$2" <<'PY'
import struct, sys
table, profile, entry, name = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
ids = struct.unpack_from('<7I', open(table, 'rb').read(), 1600 * entry + 1572)
named = name.encode('utf-16-le') in open(profile, 'rb').read()
print(('id' if any(ids) else '-') + ' ' + ('name' if named else '-'))
PY
}

# A writer's outcome: made (exit 0), or refused with the lock's message (exit 1).
made() {  # description, exit code, stderr file -> 0 when made
    if [ "$2" = 0 ]; then return 0; fi
    if [ "$2" = 1 ] && grep -qF "another program is changing" "$3"; then return 1; fi
    echo "FAIL: $1: exit $2 without the refusal:"; cat "$3"; failures=$((failures + 1)); return 1
}

reset_profiles() {
    for n in 4 5; do
        "$ctl" profile set --profile $n --data-dir "$data" button forward default 2>/dev/null
    done
}

writer_a() { :; }
writer_b() { :; }
# Each pair: the two commands and the check of each one that said it made its change.
pair_macros() {
    writer_a() { "$ctl" macro new "A$round" "$work/m.txt" --data-dir "$data"; }
    writer_b() { "$ctl" macro new "B$round" "$work/m.txt" --data-dir "$data"; }
    landed_a() { "$ctl" macro show "A$round" --data-dir "$data" >/dev/null 2>&1; }
    landed_b() { "$ctl" macro show "B$round" --data-dir "$data" >/dev/null 2>&1; }
}
pair_profiles() {
    reset_profiles
    writer_a() { "$ctl" profile set --profile 4 --data-dir "$data" button forward macro M4; }
    writer_b() { "$ctl" profile set --profile 5 --data-dir "$data" button forward macro M5; }
    landed_a() { [ "$(holds 3 M4)" = "id name" ]; }
    landed_b() { [ "$(holds 4 M5)" = "id name" ]; }
}
pair_apply() {
    reset_profiles
    writer_a() { "$ctl" profile set --profile 4 --data-dir "$data" button forward macro M4; }
    writer_b() { "$ctl" apply --profile 1 --no-pointer --data-dir "$data"; }
    landed_a() { [ "$(holds 3 M4)" = "id name" ]; }
    landed_b() { true; }
}

for pair in macros profiles apply; do
    for round in $(seq 5); do
        "pair_$pair"
        writer_a >/dev/null 2>"$work/a.err" & a=$!
        writer_b >/dev/null 2>"$work/b.err" & b=$!
        wait $a; ra=$?
        wait $b; rb=$?
        if made "$pair $round first" $ra "$work/a.err"; then
            landed_a || { echo "FAIL: $pair $round: the first writer's change is lost"; failures=$((failures + 1)); }
        fi
        if made "$pair $round second" $rb "$work/b.err"; then
            landed_b || { echo "FAIL: $pair $round: the second writer's change is lost"; failures=$((failures + 1)); }
        fi
    done
done
# Neither leaves a journal or a temporary behind.
leftover=$(find "$data" -name '*.cfg.*' -o -name 'z408.journal*')
[ -z "$leftover" ] || { echo "FAIL: left behind: $leftover"; failures=$((failures + 1)); }

[ "$failures" = 0 ] && echo "all concurrent writer checks passed"
exit $((failures > 0))
