#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# z408ctl macro list as a user runs it, on good and on hostile Macro.cfg files.
set -u
ctl=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
source "$(dirname "$0")/checks.sh"

# Writes a Macro.cfg: macro(slot, id, events, loop, name, recordSize, tag, eventCount override,
# raw name units).
make_macros() {
python3 - "$1" "$2" <<'PY'
import struct, sys
path, kind = sys.argv[1], sys.argv[2]
lib = bytearray(500 * 4104)
def put(slot, mid, events, loop, name=None, size=None, tag=0xE8E80010, count=None, units=None):
    base = slot * 4104
    size = size if size is not None else 4100 + 4 * max(len(events), 1)
    struct.pack_into('<IIIIII', lib, base, size, tag, mid, 0, loop,
                     len(events) if count is None else count)
    for i, e in enumerate(events):
        struct.pack_into('<I', lib, base + 24 + 4 * i, e)
    raw = units if units is not None else (name.encode('utf-16-le') + b'\0\0')
    lib[base + 4024: base + 4024 + len(raw)] = raw[:80]
if kind == 'good':
    put(3, 0x15000010, [0xC0000041, 0xA0000032, 0xE0000041], 5, 'Jump')
    put(1, 0x15000020, [0xC0000042], 0xFFFE, 'Only B')
    put(7, 0x01000030, [0xC0000043, 0xE0000043], 65533, 'Grenade')
    put(9, 0x0D000040, [0xC0000044, 0xE0000044], 2, '技能')
    put(11, 0x0D000050, [], 1, 'Deleted', size=0, tag=0)   # all zero but id/name: not listed
elif kind == 'hostile':
    put(0, 0x15000001, [0xC0000041], 1, count=0xFFFFFFFF, units=b'Z\0' * 40)   # unterminated
    put(1, 0x15000002, [0xC0000041], 1, 'Small', size=4)                       # size lies low
    put(2, 0x15000003, [0xC0000041], 1, 'Big', size=0xFFFFFFFF, tag=0)         # size lies high
    put(3, 0x63000004, [0xC0000041], 1, 'Odd preset')                          # preset 99
    put(4, 0x15000005, [0xC0000041], 1, units='\x1b[31mred\x1b[0m "q"'.encode('utf-16-le') + b'\0\0')
open(path, 'wb').write(lib if kind != 'short' else lib[:5000])
PY
}

mkdir -p "$tmp/good" "$tmp/hostile" "$tmp/short"
make_macros "$tmp/good/Macro.cfg" good
"$ctl" macro list --data-dir "$tmp/good" > "$tmp/out" 2> "$tmp/err"; check "list" 0 $?
contains "list" "$tmp/out" "Battlefield 3 (preset 1)"
contains "list" "$tmp/out" "Dota 2 (preset 13)"
contains "list" "$tmp/out" "Customize (preset 21)"
contains "list" "$tmp/out" 'id 0x15000010  slot   3  events    3  loops     5  "Jump"'
contains "list single key shown as one loop" "$tmp/out" 'id 0x15000020  slot   1  events    1  loops     1  "Only B"'
contains "list" "$tmp/out" 'loops 65533  "Grenade"'
contains "list" "$tmp/out" '"技能"'
contains "list" "$tmp/out" "4 macros in 3 games"
lacks "list free slot" "$tmp/out" "Deleted"
# Games in preset order, macros in slot order.
order=$(grep -nE 'preset|Only B|Jump' "$tmp/out" | cut -d: -f2- | tr '\n' '|')
case "$order" in
    *"Battlefield 3 (preset 1)"*"Dota 2 (preset 13)"*"Customize (preset 21)"*"Only B"*"Jump"*) ;;
    *) echo "FAIL: order: $order"; failures=$((failures + 1)) ;;
esac
cmp -s "$tmp/good/Macro.cfg" <(make_macros /dev/stdout good) || { echo "FAIL: listing changed Macro.cfg"; failures=$((failures + 1)); }

make_macros "$tmp/hostile/Macro.cfg" hostile
"$ctl" macro list --data-dir "$tmp/hostile" > "$tmp/out" 2> "$tmp/err"; check "hostile list" 0 $?
contains "hostile count bounded" "$tmp/out" "events 1000  loops     1  \"$(printf 'Z%.0s' $(seq 39))\"  (the file claims 4294967295 events; a slot holds 1000)"
contains "size lying low still listed by tag" "$tmp/out" '"Small"'
contains "size lying high listed without tag" "$tmp/out" '"Big"'
contains "unknown preset" "$tmp/out" "unknown game (preset 99)"
contains "escapes" "$tmp/out" '"\u001B[31mred\u001B[0m \"q\""'
if grep -q $'\x1b' "$tmp/out"; then echo "FAIL: escape character reached the terminal"; failures=$((failures + 1)); fi

make_macros "$tmp/short/Macro.cfg" short
"$ctl" macro list --data-dir "$tmp/short" > "$tmp/out" 2>&1; check "short file" 0 $?
contains "short file" "$tmp/out" "no macros"

mkdir -p "$tmp/empty"
"$ctl" macro list --data-dir "$tmp/empty" > "$tmp/out" 2> "$tmp/err"; check "missing Macro.cfg" 2 $?
contains "missing Macro.cfg" "$tmp/err" "$tmp/empty/Macro.cfg"
"$ctl" macro list --data-dir 2> /dev/null; check "missing value" 2 $?
"$ctl" macro list extra --data-dir "$tmp/good" 2> /dev/null; check "extra argument" 2 $?
"$ctl" macro list --help > "$tmp/out"; check "help" 0 $?
contains "help" "$tmp/out" "usage: z408ctl macro list"

# Listing reads what is there: a folder that does not exist is named and not made, as is one
# without Macro.cfg, and --json lists the same macros.
for cmd in "macro list" "macro show 0x15000001" "stats show"; do
    read -r -a words <<< "$cmd"
    "$ctl" "${words[@]}" --data-dir "$tmp/new/Z408" > "$tmp/out" 2> "$tmp/err"; check "$cmd, no folder" 2 $?
    contains "$cmd, no folder" "$tmp/err" "the data folder $tmp/new/Z408 does not exist"
done
[ -e "$tmp/new" ] && { echo "FAIL: a read command made the data folder"; failures=$((failures + 1)); }
mkdir -p "$tmp/empty"
"$ctl" macro list --data-dir "$tmp/empty" > "$tmp/out" 2> "$tmp/err"; check "no Macro.cfg" 2 $?
[ -z "$(ls -A "$tmp/empty")" ] || { echo "FAIL: macro list wrote into a folder"; failures=$((failures + 1)); }

[ "$failures" = 0 ] && echo "all macro command checks passed"
exit "$failures"
