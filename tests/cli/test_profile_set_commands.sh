#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# z408ctl profile set, select, import and export as a user runs them: every setting made on a
# fresh data folder and applied to the simulated mouse gives the profile file, the mouse's
# reports and its state that the pages give for the same settings; bad input and refusals change
# no file; a window holding unsaved edits is respected, and told of each change.
#   test_profile_set_commands.sh Z408CTL PAGE_REFERENCE
set -u
ctl=$1
reference=$2
source "$(dirname "$0")/../work_session.sh"
source "$(dirname "$0")/checks.sh"
same() {  # description, file, file
    cmp -s "$2" "$3" || { echo "FAIL: $1: $2 and $3 differ"; failures=$((failures + 1)); }
}
snapshot() { (cd "$1" && find . -type f ! -name z408.lock -print0 | sort -z | xargs -0 sha256sum); }
set_() { "$ctl" profile set --data-dir "$cli" "$@"; }

# No window of the user's runs here: a private runtime folder of our own.
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Two fresh data folders set up as at the first start: the pages' settings go into one, and
# z408ctl, with the same macro library, makes them in the other.
pages=$work/pages cli=$work/cli
"$ctl" profile select 1 --data-dir "$pages" > /dev/null; check "seed" 0 $?
"$ctl" profile select 1 --data-dir "$cli" > /dev/null; check "seed" 0 $?
"$reference" data "$pages"; check "reference data" 0 $?
"$reference" macros "$cli/Macro.cfg"; check "reference macros" 0 $?

# Every setting, one command each.
n=0
while IFS=$'\t' read -r -a words; do
    set_ "${words[@]}" 2> "$work/err"; check "profile set ${words[*]}" 0 $?
    n=$((n + 1))
done < <("$reference" words)
[ "$n" -ge 20 ] || { echo "FAIL: only $n settings"; failures=$((failures + 1)); }
same "profile file against the pages'" "$cli/Profile/Profile1.cfg" "$pages/Profile/Profile1.cfg"
"$ctl" profile show --active --data-dir "$cli" --json > "$work/cli.json" 2> /dev/null
"$ctl" profile show --active --data-dir "$pages" --json > "$work/pages.json" 2> /dev/null
grep -o '"tableMacroId": "0x[0-9A-F]*"' "$work/cli.json" > "$work/cli.ids"
grep -o '"tableMacroId": "0x[0-9A-F]*"' "$work/pages.json" > "$work/pages.ids"
same "macro ids against the pages'" "$work/cli.ids" "$work/pages.ids"
contains "macro id of the back button" "$work/cli.ids" '"tableMacroId": "0x0000002A"'

# What profile show prints is what profile set takes: every line of it, given back to profile
# set on a default profile, makes the same file again.
"$ctl" profile show --active --data-dir "$cli" > "$work/shown"; check "show every setting" 0 $?
lacks "show every setting" "$work/shown" "no setting makes it"
"$ctl" profile defaults "$work/again.cfg"
n=0
while IFS= read -r line; do
    [[ $line == "#"* ]] && continue
    eval "set_ --file \"\$work/again.cfg\" $line" 2> "$work/err"; check "set back: $line" 0 $?
    n=$((n + 1))
done < "$work/shown"
[ "$n" -ge 20 ] || { echo "FAIL: only $n lines shown"; failures=$((failures + 1)); }
same "profile made again from what show printed" "$work/again.cfg" "$cli/Profile/Profile1.cfg"

# The shell's completion offers the settings, their words and the library's macros.
"$ctl" __complete profile set --data-dir "$cli" "" > "$work/out"
contains "complete a setting" "$work/out" "report-rate"
"$ctl" __complete profile set button back "" > "$work/out"
contains "complete a function" "$work/out" "Play/Pause"
"$ctl" __complete profile set --data-dir "$cli" button back macro "" > "$work/out"
contains "complete a macro" "$work/out" "0x"
"$ctl" __complete profile set lighting c > "$work/out"
contains "complete a mode" "$work/out" "colour-flow"

# Applied: the same reports reach the mouse, and it ends in the same state.
Z408_SIMULATED_MOUSE=$work/cli.state Z408_SIMULATED_MOUSE_TRACE=$work/cli.trace \
    set_ --apply --no-pointer proximity on > "$work/out" 2> "$work/err"
check "profile set --apply" 0 $?
contains "apply" "$work/out" "profile 1 applied and saved"
Z408_SIMULATED_MOUSE=$work/pages.state Z408_SIMULATED_MOUSE_TRACE=$work/pages.trace \
    "$ctl" apply --data-dir "$pages" --no-pointer > /dev/null 2>&1
check "apply the pages' profile" 0 $?
cut -d' ' -f2- "$work/cli.trace" > "$work/cli.reports"
cut -d' ' -f2- "$work/pages.trace" > "$work/pages.reports"
same "reports to the mouse" "$work/cli.reports" "$work/pages.reports"
same "mouse state" "$work/cli.state" "$work/pages.state"
[ -s "$work/cli.reports" ] || { echo "FAIL: no reports traced"; failures=$((failures + 1)); }
same "profile after apply" "$cli/Profile/Profile1.cfg" "$pages/Profile/Profile1.cfg"

# Bad input exits 2, a refusal 1 with the page's text; neither changes a file.
before=$(snapshot "$cli")
bad=(
    "sensitivity 3" "dpi 800" "dpi 500 500" "report-rate 300" "pointer-speed 21" "height 0"
    "wheel lines 31" "level 11" "lighting disco" "colour single #12AB3" "colour 1 preset 26"
    "button thumb disable" "button forward Teleport" "button forward macro Nonesuch"
    "colour 1" "repor-rate 250" "colour 1 scarlet"
)
for b in "${bad[@]}"; do
    read -r -a words <<< "$b"
    set_ "${words[@]}" 2> "$work/err"; check "bad input: $b" 2 $?
    [ -s "$work/err" ] || { echo "FAIL: no message for $b"; failures=$((failures + 1)); }
done
set_ repor-rate 250 2> "$work/err"
contains "typo" "$work/err" "did you mean report-rate?"
set_ colour 1 2> "$work/err"  # what the shell leaves of 'colour 1 #FF0000' 
contains "unquoted #" "$work/err" "quote it ('#FF8000') or leave out the '#'"
set_ 2> /dev/null; check "no setting" 2 $?
set_ --profile 6 height 3 2> /dev/null; check "profile 6" 2 $?
set_ --file "$work/x.cfg" --apply height 3 2> /dev/null; check "--file with --apply" 2 $?
set_ button left disable 2> "$work/err"; check "left click refused" 1 $?
contains "left click message" "$work/err" "At least one button must be configured as 'Left click'!"
set_ button wheel-up SNIPE 2> "$work/err"; check "sniper on the wheel refused" 1 $?
[ "$(snapshot "$cli")" = "$before" ] || { echo "FAIL: bad input changed a file"; failures=$((failures + 1)); }

# Another profile by number, and a profile file of its own.
set_ --profile 3 height 29; check "--profile 3" 0 $?
"$ctl" profile show "$cli/Profile/Profile3.cfg" > "$work/out"; contains "profile 3" "$work/out" "height 29"
"$ctl" profile show --profile 3 --data-dir "$cli" > "$work/out"; contains "--profile 3" "$work/out" "height 29"
same "active profile untouched" "$cli/Profile/Profile1.cfg" "$pages/Profile/Profile1.cfg"
"$ctl" profile defaults "$work/own.cfg"
"$ctl" profile set --file "$work/own.cfg" wheel screen; check "--file" 0 $?
"$ctl" profile show --file "$work/own.cfg" > "$work/out"; contains "--file" "$work/out" "wheel screen"
head -c 100 /dev/zero > "$work/zero.cfg"
"$ctl" profile set --file "$work/zero.cfg" height 3 2> "$work/err"; check "--file not a profile" 2 $?
contains "--file not a profile" "$work/err" "is an invaild Profile!"

# Export, select and import as the support page and the profile buttons do them.
"$ctl" profile export --data-dir "$cli" "$work/exported.cfg" > "$work/out"; check "export" 0 $?
contains "export" "$work/out" "$work/exported.cfg export success!"
same "export" "$work/exported.cfg" "$cli/Profile/Profile1.cfg"
"$ctl" profile select 3 --data-dir "$cli" > /dev/null; check "select 3" 0 $?
"$ctl" profile show --active --data-dir "$cli" > "$work/out"; contains "select 3" "$work/out" "Profile3.cfg"
"$ctl" profile select 5 --data-dir "$cli" > /dev/null 2>&1; check "select a profile not made yet" 0 $?
"$ctl" profile select 0 --data-dir "$cli" 2> /dev/null; check "select 0" 2 $?
"$ctl" profile import --data-dir "$cli" "$work/exported.cfg" > "$work/out"; check "import" 0 $?
contains "import" "$work/out" "$work/exported.cfg import success!"
same "import" "$cli/Profile/Profile5.cfg" "$work/exported.cfg"
before=$(snapshot "$cli")
"$ctl" profile import --data-dir "$cli" "$work/zero.cfg" 2> "$work/err"; check "import not a profile" 2 $?
[ "$(snapshot "$cli")" = "$before" ] || { echo "FAIL: a refused import changed a file"; failures=$((failures + 1)); }

# A stand-in for the running window on the socket: it answers whether it holds unsaved edits
# and writes down what it was told.
window() {  # ANSWER: serves until killed, each request line into $work/told
    rm -f "$XDG_RUNTIME_DIR/Z408Driver.exe"
    python3 - "$XDG_RUNTIME_DIR/Z408Driver.exe" "$1" "$work/told" <<'PY' &
import os, socket, sys
path, answer, told = sys.argv[1:]
if os.path.exists(path): os.unlink(path)
s = socket.socket(socket.AF_UNIX); s.bind(path); s.listen(4)
while True:
    c, _ = s.accept()
    line = c.makefile().readline().strip()
    open(told, "a").write(line + "\n")
    c.sendall(((answer if line.startswith("edits") else "done") + "\n").encode())
    c.close()
PY
    pids+=($!)
    for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/Z408Driver.exe" ] && return; sleep 0.1; done
}
: > "$work/told"
window unsaved
before=$(snapshot "$cli")
set_ height 7 2> "$work/err"; check "unsaved edits in the window" 1 $?
contains "unsaved edits message" "$work/err" "unsaved changes of profile 5"
"$ctl" profile select 1 --data-dir "$cli" 2> /dev/null; check "select with unsaved edits" 1 $?
[ "$(snapshot "$cli")" = "$before" ] || { echo "FAIL: a refusal changed a file"; failures=$((failures + 1)); }
set_ --force height 7; check "--force" 0 $?
printf 'edits 4\nedits 4\nreload 4\n' | cmp -s - "$work/told" ||
    { echo "FAIL: the window was told:"; cat "$work/told"; failures=$((failures + 1)); }
kill "${pids[-1]}"; wait "${pids[-1]}" 2> /dev/null
: > "$work/told"
window saved
set_ --profile 2 height 8; check "saved window" 0 $?
printf 'edits 1\nreload 1\n' | cmp -s - "$work/told" ||
    { echo "FAIL: the window was told:"; cat "$work/told"; failures=$((failures + 1)); }

[ "$failures" = 0 ] && echo "all profile set checks passed"
exit $((failures > 0))
