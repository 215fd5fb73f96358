#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

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
contains "show" "$tmp/out" "button wheel-down default"
contains "show" "$tmp/out" "dpi 750 1250 1500 2000 2500 3500 4000"
contains "show" "$tmp/out" "report-rate 1000"
contains "show" "$tmp/out" "colour single '#FF0000'"
contains "show" "$tmp/out" "lighting colour-flow"
lacks "show" "$tmp/out" "no setting makes it"
"$ctl" profile show "$tmp/zh.cfg" > "$tmp/out" 2>&1; check "show chinese" 0 $?
lacks "show chinese" "$tmp/out" "no setting makes it"
"$ctl" profile show "$tmp/zh.cfg" --json > "$tmp/out.json"; check "show chinese --json" 0 $?
contains "show chinese" "$tmp/out.json" '"滚轮后滚"'
"$ctl" profile show --file "$tmp/en.cfg" --json > "$tmp/out.json"; check "show --json" 0 $?
python3 -c 'import json,sys; d=json.load(open(sys.argv[1])); assert d["buttons"][6]["displayName"]=="Scroll"; assert d["colours"][0]["rgb"]=="#FF0000"' "$tmp/out.json"
check "json parses" 0 $?

"$ctl" profile validate "$tmp/en.cfg" > /dev/null; check "validate good" 0 $?
head -c 100 /dev/zero > "$tmp/zero.cfg"
"$ctl" profile validate "$tmp/zero.cfg" 2> "$tmp/err"; check "validate zero magic" 2 $?
contains "validate message" "$tmp/err" "$tmp/zero.cfg is an invaild Profile!"
contains "validate names the field" "$tmp/err" "its mark (the first four bytes) is 0x00000000"
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
contains "hostile" "$tmp/out" "# button left: unknown function 4294967295"
contains "hostile" "$tmp/out" "# report-rate: unknown code 3 (no setting makes it)"
"$ctl" profile validate "$tmp/hostile.cfg" > "$tmp/out" 2>&1; check "hostile validate" 0 $?
contains "hostile validate" "$tmp/out" "note: report-rate: unknown code 3"

# Reading never sets a folder up: a missing one is named, and stays missing.
"$ctl" profile show --active --data-dir "$tmp/data" > "$tmp/out" 2>&1; check "show --active, no folder" 2 $?
contains "no folder" "$tmp/out" "the data folder $tmp/data does not exist"
[ -e "$tmp/data" ] && { echo "FAIL: profile show made the data folder"; failures=$((failures + 1)); }
"$ctl" profile select 1 --data-dir "$tmp/data" > /dev/null 2>&1; check "set up by select" 0 $?
"$ctl" profile show --active --data-dir "$tmp/data" > "$tmp/out" 2>&1; check "show --active" 0 $?
contains "active" "$tmp/out" "$tmp/data/Profile/Profile1.cfg"
"$ctl" profile show --profile 4 --data-dir "$tmp/data" > "$tmp/out" 2>&1; check "show --profile 4" 0 $?
contains "profile 4" "$tmp/out" "# profile 4 of $tmp/data"
"$ctl" profile show --profile 6 --data-dir "$tmp/data" 2> /dev/null; check "show --profile 6" 2 $?

# A command's word alone lists its subcommands; help COMMAND is COMMAND --help; a typo gets the
# nearest word; --version names the version.
"$ctl" profile > "$tmp/out" 2>&1; check "profile alone" 2 $?
contains "profile alone" "$tmp/out" "profile select"
"$ctl" profile --help > "$tmp/out" 2>&1; check "profile --help" 0 $?
contains "profile --help" "$tmp/out" "subcommands:"
"$ctl" help profile show > "$tmp/out" 2>&1; check "help profile show" 0 $?
contains "help profile show" "$tmp/out" "usage: z408ctl profile show"
"$ctl" profile shwo > "$tmp/out" 2>&1; check "profile shwo" 2 $?
contains "typo" "$tmp/out" "did you mean show?"
"$ctl" macor list > "$tmp/out" 2>&1; check "macor" 2 $?
contains "typo" "$tmp/out" "did you mean macro?"
"$ctl" profile show --actve > "$tmp/out" 2>&1; check "option typo" 2 $?
contains "option typo" "$tmp/out" "unknown option --actve (did you mean --active?)"
"$ctl" --version > "$tmp/out"; check "--version" 0 $?
grep -qE '^z408ctl [0-9]+\.[0-9]+' "$tmp/out" || { echo "FAIL: --version: $(cat "$tmp/out")"; failures=$((failures + 1)); }

# The bash completion offers files only where a command takes one.
completion=$(cd "$(dirname "$0")/../../src/cli" && pwd)/z408ctl.bash-completion
bindir=$(cd "$bin" && pwd)
touch "$tmp/pick.cfg"
complete_words() {  # WORD...: the completions of the last word, one a line
    (cd "$tmp" && PATH="$bindir:$PATH" bash -c 'source "$1"; shift; COMP_WORDS=("$@");
        COMP_CWORD=$(($# - 1)); _z408ctl; printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" "$@")
}
[ -z "$(complete_words z408ctl profile select "")" ] || { echo "FAIL: files offered after profile select"; failures=$((failures + 1)); }
[ "$(complete_words z408ctl profile show pi)" = "pick.cfg" ] || { echo "FAIL: no file offered to profile show"; failures=$((failures + 1)); }
[ "$(complete_words z408ctl profile set lighting colour-f)" = "colour-flow" ] || { echo "FAIL: no lighting mode completed"; failures=$((failures + 1)); }

if [ "$failures" -ne 0 ]; then echo "$failures failure(s)"; exit 1; fi
echo "profile commands: all checks passed"
