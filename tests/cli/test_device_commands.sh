#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# z408ctl status and apply against the simulated mouse: uploads, saved files, the six failed
# steps (each leaving every file as it was), and the trace the mouse keeps.
set -u
ctl=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
source "$(dirname "$0")/checks.sh"
fingerprint() { (cd "$1" && find . -type f ! -name z408.lock -print0 | sort -z | xargs -0 sha256sum); }

data=$tmp/data
export Z408_SIMULATED_MOUSE=$tmp/mouse.state
unset Z408_SIMULATED_MOUSE_TRACE Z408_SIMULATED_MOUSE_FAIL

# Without a mouse.
env -u Z408_SIMULATED_MOUSE "$ctl" status > "$tmp/out" 2> "$tmp/err"; check "status without mouse" 1 $?
contains "status without mouse" "$tmp/out" "mouse: not found"
contains "status without mouse names the input devices" "$tmp/out" "input devices readable: 0 of 0"
contains "status without mouse" "$tmp/err" "no mouse found"
Z408_SIMULATED_MOUSE_FAIL=unplug "$ctl" status > "$tmp/out" 2> "$tmp/err"; check "status unplugged" 1 $?
contains "status unplugged" "$tmp/err" "unplugged"
Z408_SIMULATED_MOUSE_FAIL=unplug "$ctl" apply --data-dir "$data" --no-pointer > /dev/null 2> "$tmp/err"
check "apply unplugged" 1 $?

# Status creates the mouse's state file and reads its firmware version.
"$ctl" status > "$tmp/out"; check "status" 0 $?
[ -f "$tmp/mouse.state" ] || { echo "FAIL: state file not created"; failures=$((failures + 1)); }
for line in "mouse: found" "location: simulated mouse $tmp/mouse.state" "report id: 1" "report count: 32" "firmware version: 12"; do
    contains "status" "$tmp/out" "$line"
done
sed -i 's/^firmware_version .*/firmware_version 107/' "$tmp/mouse.state"
"$ctl" status > "$tmp/out"; check "status 107" 0 $?
contains "status keeps the firmware of the state file" "$tmp/out" "firmware version: 107"
sed -i 's/^firmware_version .*/firmware_version 0/' "$tmp/mouse.state"
"$ctl" status > "$tmp/out"; check "status 0" 0 $?
grep -qx "firmware version: " "$tmp/out" || { echo "FAIL: version 0 is shown empty"; cat "$tmp/out"; failures=$((failures + 1)); }

# Bad usage.
"$ctl" apply --profile 6 2> /dev/null; check "profile 6" 2 $?
"$ctl" apply --profile 2>/dev/null; check "profile without value" 2 $?
"$ctl" apply --bogus 2> /dev/null; check "unknown option" 2 $?
"$ctl" status extra 2> /dev/null; check "status with argument" 2 $?

# First apply seeds the data folder and saves the active profile; into a pipe only the result,
# the progress bar on a terminal alone.
export Z408_SIMULATED_MOUSE_TRACE=$tmp/trace
"$ctl" apply --data-dir "$data" --no-pointer > "$tmp/out" 2> "$tmp/err"; check "apply" 0 $?
[ "$(cat "$tmp/out")" = "profile 1 applied and saved" ] ||
    { echo "FAIL: output into a pipe"; cat "$tmp/out"; failures=$((failures + 1)); }
# On a terminal (script gives the command one): the bar, reaching 100%.
on_terminal() {  # command line, run with a terminal as its output; stderr to $tmp/err
    script -qec "$1 2> '$tmp/err'" /dev/null > "$tmp/out"
}
contains "state key map" "$tmp/mouse.state" "key_map 01 00 f0 00 01 00 f1 00 01 00 f2 00 07 00 03 00 01 00 f3 00 01 00 f4 00"
contains "state dpi" "$tmp/mouse.state" "dpi_table 03 05 06 08 0a 0e 28 02 03 05 06 08 0a 0e 28 02"
contains "state dpi level" "$tmp/mouse.state" "dpi_level 3"
contains "state proximity" "$tmp/mouse.state" "proximity 160"
[ "$(wc -l < "$tmp/trace")" = 10 ] || { echo "FAIL: trace lines"; cat "$tmp/trace"; failures=$((failures + 1)); }
grep -vqE '^[0-9]+ [FGO]( [0-9a-f]{2}){33}$' "$tmp/trace" && { echo "FAIL: trace format"; cat "$tmp/trace"; failures=$((failures + 1)); }
first=$(head -1 "$tmp/trace")
[ "${first%% *}" -ge 400 ] && [ "${first#* }" = "F 01 12 01 00 40$(printf ' 00%.0s' $(seq 28))" ] ||
    { echo "FAIL: first report: $first"; failures=$((failures + 1)); }

# A profile with a macro from Macro.cfg (through the table's macro ids) and report rate 8.
python3 "$(dirname "$0")/../vm/macro_profile.py" "$data"
python3 - "$data" <<'PY'
import struct, sys
with open(sys.argv[1] + "/Profile/Profile3.cfg", "r+b") as f:
    f.seek(22168)
    f.write(struct.pack("<II", 5, 1))
PY
on_terminal "'$ctl' apply --profile 4 --data-dir '$data' --no-pointer"; check "apply profile 4" 0 $?
contains "apply profile 4" "$tmp/out" "profile 4 applied and saved"
contains "progress bar" "$tmp/out" "[########################################] 100%"
contains "macro in slot 1" "$tmp/mouse.state" "macro_1 00 01 0b 04 81 04 00"
contains "macro binding" "$tmp/mouse.state" "key_map 01 00 f0 00 01 00 f1 00 01 00 f2 00 07 00 03 00 01 00 f3 00 09 00 01 03"
contains "report rate" "$tmp/mouse.state" "report_rate 8"
python3 -c 'import sys; t=open(sys.argv[1],"rb").read(); sys.exit(0 if t[3*1600+4]==1 and t[4]==0 else 1)' "$data/Profile/ConfigInfo.cfg"
check "profile 4 active in the table" 0 $?

# A macro longer than the mouse plays (150 taps of A: 300 step words) reaches it cut after a
# release, with a length that fits the key map's byte, and apply says that the mouse got a part.
python3 - "$data/Macro.cfg" <<'PY'
import struct, sys
with open(sys.argv[1], "r+b") as f:
    f.seek(499 * 4104 + 20)
    f.write(struct.pack("<I", 300) + struct.pack("<2I", 0xC0000041, 0xE0000041) * 150)
PY
rm -f "$tmp/trace"
"$ctl" apply --profile 4 --data-dir "$data" --no-pointer > "$tmp/out" 2> "$tmp/err"; check "apply long macro" 0 $?
contains "long macro told" "$tmp/err" "button 4: The mouse got only the beginning of the macro"
contains "long macro told" "$tmp/err" "it needs 300 steps"
contains "long macro length" "$tmp/mouse.state" "key_map 01 00 f0 00 01 00 f1 00 01 00 f2 00 07 00 03 00 01 00 f3 00 09 00 01 ff"
python3 - "$tmp/trace" <<'PY'
import sys
lines = [l.split() for l in open(sys.argv[1])]
start = next(i for i, l in enumerate(lines) if l[1] == "F" and l[3:9] == ["13", "01", "01", "00", "02", "00"])
image = bytes(int(b, 16) for l in lines[start + 1:start + 17] if l[1] == "O" for b in l[3:])
assert len(image) == 512, len(image)
words = [image[k:k + 2] for k in range(2, 512, 2)]
used = words[:254]
assert all(w != b"\0\0" for w in used) and words[254] == b"\0\0", "254 step words, then empty"
held = set()
for w in used:
    (held.discard if w[0] & 0x80 else held.add)(w[1])
assert not held, "keys left pressed: %s" % held
PY
check "long macro image releases every key" 0 $?

# Each failing step: its text, exit 1, no file changed, nothing sent after it.
run_failing() {  # fault, profile, expected text
    local before after
    before=$(fingerprint "$data")
    on_terminal "Z408_SIMULATED_MOUSE_FAIL=$1 '$ctl' apply --profile $2 --data-dir '$data' --no-pointer"
    check "fault $1" 1 $?
    grep -q "%" "$tmp/out" || { echo "FAIL: fault $1 shows no progress"; failures=$((failures + 1)); }
    contains "fault $1" "$tmp/err" "$3"
    grep -q "100%" "$tmp/out" && { echo "FAIL: fault $1 shows 100%"; failures=$((failures + 1)); }
    after=$(fingerprint "$data")
    [ "$before" = "$after" ] || { echo "FAIL: fault $1 changed files"; diff <(echo "$before") <(echo "$after"); failures=$((failures + 1)); }
}
run_failing F1 1 "z408ctl apply: write mousekey metix fail."
run_failing O2 1 "z408ctl apply: write mousekey metix fail."
run_failing F2 1 "z408ctl apply: Write mouse LED color failed."
run_failing F3 1 "z408ctl apply: Write mouse effect failed."
run_failing F4 3 "z408ctl apply: Write LED color123 failed."
run_failing O3 3 "z408ctl apply: Write LED color123 failed."
run_failing F4 1 "z408ctl apply: Write mouse touch failed."
run_failing F5 1 "z408ctl apply: Write mouse DPI failed."
run_failing O3 1 "z408ctl apply: Write mouse DPI failed."

# The mouse state survived the failed runs and the profile 3 upload with three colours works.
"$ctl" apply --profile 3 --data-dir "$data" --no-pointer > /dev/null 2> "$tmp/err"; check "apply profile 3" 0 $?
contains "three colours" "$tmp/mouse.state" "led_colours ff 00 00 ff 00 00 ff 00 00 00"
contains "effect" "$tmp/mouse.state" "led_effect 05 04 01"

# Without --no-pointer and without a desktop to take the values the upload still works and says
# so (the desktop is hidden so a run inside a real session leaves its settings alone).
env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS XDG_CURRENT_DESKTOP= \
    XDG_CONFIG_HOME="$tmp/config" "$ctl" apply --data-dir "$data" > /dev/null 2> "$tmp/err"
check "apply with pointer" 0 $?
contains "pointer notice" "$tmp/err" "pointer settings were not applied"

# A damaged state file is refused and kept.
echo "key_map 01" > "$tmp/mouse.state"
"$ctl" status > /dev/null 2> "$tmp/err"; check "damaged state" 1 $?
contains "damaged state" "$tmp/err" "damaged"
[ "$(cat "$tmp/mouse.state")" = "key_map 01" ] || { echo "FAIL: damaged state file replaced"; failures=$((failures + 1)); }

[ "$failures" = 0 ] && echo "all device command checks passed"
exit $((failures > 0))
