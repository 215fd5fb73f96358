#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# The --json of every read command against the keys z408ctl(1) documents for it: each command's
# output, for a data folder, a file of its own, a macro, the simulated mouse and a local update
# server, has exactly the documented keys, null standing for what does not apply.
set -u
ctl=$1
tmp=$(mktemp -d)
server=
cleanup() { [ -n "$server" ] && kill "$server" 2>/dev/null; rm -rf "$tmp"; }
trap cleanup EXIT
source "$(dirname "$0")/checks.sh"
export XDG_RUNTIME_DIR=$tmp/run HOME=$tmp/home
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
unset DISPLAY WAYLAND_DISPLAY
data=$tmp/data
export Z408_SIMULATED_MOUSE=$tmp/mouse.state

# A data folder with a macro on a button, counters, and a profile file of its own.
"$ctl" profile select 1 --data-dir "$data" >/dev/null 2>&1; check "set up" 0 $?
printf 'name Reload\ndown R\nup R\n' | "$ctl" macro new Reload - --data-dir "$data" >/dev/null 2>&1
check "macro new" 0 $?
"$ctl" profile set --data-dir "$data" button back macro Reload 2>/dev/null; check "macro on a button" 0 $?
"$ctl" profile set --data-dir "$data" button middle program /bin/sh 2>/dev/null; check "program" 0 $?
python3 -c "import struct,sys; open(sys.argv[1],'wb').write(struct.pack('<6I',1,2,3,4,5,6))" "$data/Sts.cfg"
"$ctl" profile defaults "$tmp/own.cfg"; check "defaults" 0 $?

mkdir -p "$tmp/srv/software/z408"
echo '<update><firmware><current>13</current><newfile>http://x/fw.bin</newfile></firmware></update>' \
    >"$tmp/srv/software/z408/update.xml"
python3 -m http.server -d "$tmp/srv" -b 127.0.0.1 0 >"$tmp/http.log" 2>&1 &
server=$!
port=
for _ in $(seq 50); do
    port=$(sed -n 's/.*port \([0-9]*\).*/\1/p' "$tmp/http.log" | head -1)
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || { echo "FAIL: the HTTP server did not start"; exit 1; }

run() {  # name, expected exit code, command...
    local name=$1 code=$2
    shift 2
    "$ctl" "$@" --json >"$tmp/$name.json" 2>"$tmp/$name.err"
    check "$* --json" "$code" $?
}
run profile-active 0 profile show --active --data-dir "$data"
run profile-file 0 profile show "$tmp/own.cfg"
run macro-list 0 macro list --data-dir "$data"
run macro-show 0 macro show Reload --data-dir "$data"
run stats 0 stats show --data-dir "$data"
run status 0 status
run update 0 update check --host "127.0.0.1:$port"
run pointer 0 pointer show
Z408_SIMULATED_MOUSE=$tmp/absent/mouse.state run status-none 1 status

"$ctl" __manual >"$tmp/z408ctl.1"; check "manual" 0 $?
python3 - "$tmp" <<'PY' || failures=$((failures + 1))
import json, re, sys
tmp = sys.argv[1]
# The documented keys: ".SS \"json: COMMAND\"" and then ".B KEY" lines.
documented, command = {}, None
for line in open(f"{tmp}/z408ctl.1"):
    m = re.match(r'\.SS "json: (.*)"', line)
    if m:
        command = m.group(1)
        documented[command] = set()
    elif line.startswith(".SH"):
        command = None
    elif command and line.startswith(".B "):
        documented[command].add(line[3:].strip().replace("\\-", "-"))

def keys(value, prefix=""):
    """Every key path of the output; those under null or empty arrays cannot be seen."""
    out = set()
    if isinstance(value, dict):
        for k, v in value.items():
            path = prefix + k
            out.add(path)
            out |= keys(v, path + ".")
    elif isinstance(value, list):
        for item in value:
            out |= keys(item, prefix[:-1] + "[].")
    return out

def hidden(key, data):
    """True when the documented key sits under a null or an empty array in this output."""
    node = [data]
    for part in key.split("."):
        name = part[:-2] if part.endswith("[]") else part
        nxt = []
        for n in node:
            if not isinstance(n, dict) or name not in n:
                return True
            v = n[name]
            if part.endswith("[]"):
                if not isinstance(v, list) or not v:
                    return True
                nxt.extend(v)
            else:
                nxt.append(v)
        node = [n for n in nxt if n is not None]
        if not node:
            return key.split(".")[-1] != part
    return False

cases = [  # output, command, what must hold
    ("profile-active", "profile show"), ("profile-file", "profile show"),
    ("macro-list", "macro list"), ("macro-show", "macro show"), ("stats", "stats show"),
    ("status", "status"), ("status-none", "status"), ("update", "update check"),
    ("pointer", "pointer show"),
]
errors = []
for name, cmd in cases:
    try:
        data = json.load(open(f"{tmp}/{name}.json"))
    except ValueError as e:
        errors.append(f"{name}: no JSON ({e})")
        continue
    if cmd not in documented:
        errors.append(f"{cmd}: no keys documented")
        continue
    if data.get("version") != 1:
        errors.append(f"{name}: version {data.get('version')!r}")
    got = keys(data)
    for k in sorted(got - documented[cmd]):
        errors.append(f"{name}: key {k} is not documented")
    for k in sorted(documented[cmd] - got):
        if not hidden(k, data):
            errors.append(f"{name}: documented key {k} is missing")

# The values are those the commands take.
p = json.load(open(f"{tmp}/profile-active.json"))
back = p["buttons"][4]
if back["function"] != "macro" or not re.fullmatch(r"0x[0-9A-F]{8}", back["value"] or ""):
    errors.append(f"back button: {back}")
if back["macroName"] != "Reload" or back["tableMacroId"] != back["value"]:
    errors.append(f"back button's macro: {back}")
ids = [m["id"] for m in json.load(open(f"{tmp}/macro-list.json"))["macros"]]
if back["value"] not in ids:
    errors.append(f"macro id {back['value']} not in macro list's {ids}")
if [b["number"] for b in p["buttons"]] != [1, 2, 3, 4, 5, 6, 7]:
    errors.append("buttons are not numbered 1 to 7")
if p["buttons"][1]["setting"] != "button middle program /bin/sh":
    errors.append(f"middle button: {p['buttons'][1]}")
if [c["colour"] for c in p["colours"]] != ["single", "1", "2", "3"]:
    errors.append(f"colours: {p['colours']}")
if json.load(open(f"{tmp}/profile-file.json"))["buttons"][0]["tableMacroId"] is not None:
    errors.append("a file of its own has a table macro id")
s = json.load(open(f"{tmp}/stats.json"))
if (s["leftClicks"], s["clicks"], s["pointerTravel"]) != (1, 6, 6):
    errors.append(f"stats: {s}")
u = json.load(open(f"{tmp}/update.json"))
if (u["newestVersion"], u["mouseVersion"], u["newerAvailable"]) != (13, 12, True):
    errors.append(f"update: {u}")
n = json.load(open(f"{tmp}/status-none.json"))
if n["found"] or n["location"] is not None:
    errors.append(f"status without a mouse: {n}")
for e in errors:
    print("FAIL:", e)
sys.exit(1 if errors else 0)
PY

[ "$failures" = 0 ] && echo "PASS" || exit 1
