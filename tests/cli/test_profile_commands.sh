#!/usr/bin/env bash
# z408ctl profile commands as a user runs them: exit codes, messages, and readable output.
set -u
ctl=$1
data=$2
bin=$(dirname "$ctl")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
source "$(dirname "$0")/checks.sh"

"$ctl" profile defaults "$tmp/en.cfg"; check "defaults" 0 $?
"$ctl" profile defaults "$tmp/zh.cfg" --chinese; check "defaults --chinese" 0 $?
[ "$(stat -c %s "$tmp/en.cfg")" = 22252 ] || { echo "FAIL: default profile size"; failures=$((failures + 1)); }
cmp -s "$tmp/en.cfg" "$bin/Profile/Profile1.cfg" || { echo "FAIL: seed profile differs from defaults"; failures=$((failures + 1)); }

"$ctl" profile show "$tmp/en.cfg" > "$tmp/out" 2>&1; check "show" 0 $?
contains "show" "$tmp/out" "wheel down"
contains "show" "$tmp/out" "750, 1250, 1500, 2000, 2500, 3500, 4000"
contains "show" "$tmp/out" "1000 Hz"
contains "show" "$tmp/out" "#FF0000"
contains "show" "$tmp/out" "mode 5 (symphony)"
"$ctl" profile show "$tmp/zh.cfg" > "$tmp/out" 2>&1; check "show chinese" 0 $?
contains "show chinese" "$tmp/out" '"滚轮后滚"'
"$ctl" profile show "$tmp/en.cfg" --json > "$tmp/out.json"; check "show --json" 0 $?
python3 -c 'import json,sys; d=json.load(open(sys.argv[1])); assert d["buttons"][6]["displayName"]=="Scroll"; assert d["lighting"]["colours"][3]["rgb"]=="#FF0000"' "$tmp/out.json"
check "json parses" 0 $?

"$ctl" profile validate "$tmp/en.cfg" > /dev/null; check "validate good" 0 $?
head -c 100 /dev/zero > "$tmp/zero.cfg"
"$ctl" profile validate "$tmp/zero.cfg" 2> "$tmp/err"; check "validate zero magic" 2 $?
contains "validate message" "$tmp/err" "$tmp/zero.cfg is an invaild Profile!"
"$ctl" profile validate "$tmp/none.cfg" 2> "$tmp/err"; check "validate missing" 2 $?
: > "$tmp/empty.cfg"
"$ctl" profile validate "$tmp/empty.cfg" 2> /dev/null; check "validate empty" 2 $?
"$ctl" profile show "$tmp/zero.cfg" 2> /dev/null; check "show invalid" 2 $?
"$ctl" profile show 2> /dev/null; check "show without file" 2 $?
"$ctl" profile show "$tmp/en.cfg" --bogus 2> /dev/null; check "unknown option" 2 $?
"$ctl" nothing 2> /dev/null; check "unknown command" 2 $?
"$ctl" profile show --help > "$tmp/out"; check "help" 0 $?
contains "help" "$tmp/out" "usage: z408ctl profile show"

# Hostile fields: unterminated names and unknown functions read safely.
python3 - "$tmp/en.cfg" "$tmp/hostile.cfg" <<'PY'
import sys
b = bytearray(open(sys.argv[1], 'rb').read())
for i in range(7):
    base = 4 + 3148 * i
    b[base:base + 4] = (0xFFFFFFFF - i).to_bytes(4, 'little')
    b[base + 24:base + 3148] = b'\x41\x00' * ((3148 - 24) // 2)
b[22164:22168] = (3).to_bytes(4, 'little')
open(sys.argv[2], 'wb').write(b)
PY
"$ctl" profile show "$tmp/hostile.cfg" > "$tmp/out" 2>&1; check "hostile show" 0 $?
contains "hostile" "$tmp/out" "unknown function 4294967295"
contains "hostile" "$tmp/out" "unknown (code 3)"

# The active profile of a fresh data folder, seeded as at first start.
"$ctl" profile show --active --data-dir "$tmp/data" > "$tmp/out" 2>&1; check "show --active" 0 $?
contains "active" "$tmp/out" "$tmp/data/Profile/Profile1.cfg"
[ -f "$tmp/data/Macro.cfg" ] || { echo "FAIL: data folder not seeded"; failures=$((failures + 1)); }

if [ "$failures" -ne 0 ]; then echo "$failures failure(s)"; exit 1; fi
echo "profile commands: all checks passed"
