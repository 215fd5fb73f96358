#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# z408ctl macro show/new/import/export/rename/delete and backup/restore as a user runs them, on a
# fresh data folder: text round trips, refusals with exit codes, files left as they were on bad
# input, restore refused while the window runs and macro changes told to it.
set -u
ctl=$1
tmp=$(mktemp -d)
lockpid=
sockpid=
trap '[ -n "$lockpid" ] && kill "$lockpid" 2>/dev/null; [ -n "$sockpid" ] && kill "$sockpid" 2>/dev/null; rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() {  # description, expected exit code, actual exit code
    [ "$2" = "$3" ] || { fail "$1 (exit $3, expected $2)"; cat "$tmp/err" 2>/dev/null; }
}
contains() {  # description, file, text
    grep -qF -- "$3" "$2" || { fail "$1: no '$3' in:"; cat "$2"; }
}
# Our own runtime folder, so that another program's window on this machine is not ours.
export XDG_RUNTIME_DIR=$tmp/run XDG_STATE_HOME=$tmp/state
mkdir -m 700 "$tmp/run"
data=$tmp/data
run() { "$ctl" "$@" --data-dir "$data" >"$tmp/out" 2>"$tmp/err"; }
snapshot() { (cd "$data" && find . -type f ! -name z408.lock | sort | xargs sha256sum) >"$tmp/$1"; }
unchanged() {  # description, snapshot name
    snapshot now
    cmp -s "$tmp/$2" "$tmp/now" || fail "$1 changed files"
}

# A new macro from a text, shown and exported again: the same text comes back.
cat >"$tmp/reload.txt" <<'TXT'
# reload, then wait
name Reload
loop 3
down L_Shift
down R
delay 40
up R
up L_Shift
delay 250
down Page Up
up Page Up
TXT
run macro new Reload "$tmp/reload.txt" --preset 3; check "new" 0 $?
contains "new" "$tmp/out" '"Reload" (Counter-Strike: Global Offensive, 8 events)'
id=$(grep -o '0x03[0-9A-F]\{6\}' "$tmp/out")
[ -n "$id" ] || fail "new printed no id of game 3"
run macro export Reload "$tmp/reload.out"; check "export" 0 $?
grep -v '^#' "$tmp/reload.txt" | cmp -s - "$tmp/reload.out" || { fail "export differs"; diff <(grep -v '^#' "$tmp/reload.txt") "$tmp/reload.out"; }
run macro show "$id"; check "show by id" 0 $?
contains "show" "$tmp/out" "# id $id, Counter-Strike: Global Offensive (preset 3)"
contains "show" "$tmp/out" "down Page Up"
run macro list; contains "list shows it" "$tmp/out" 'events    8  loops     3  "Reload"'

# Importing the export as a new macro gives the same events; --into replaces in place.
run macro import "$tmp/reload.out" --name Copy; check "import" 0 $?
"$ctl" macro export Copy --data-dir "$data" | tail -n +2 >"$tmp/copy.out"
tail -n +2 "$tmp/reload.out" | cmp -s - "$tmp/copy.out" || fail "imported copy differs"
printf 'loop 2\ndown A\ndelay 100\ndelay 150\nup A\n' >"$tmp/a.txt"
run macro import "$tmp/a.txt" --into Copy; check "import --into" 0 $?
contains "replaced keeps the id" "$tmp/out" "replaced macro"
"$ctl" macro export Copy --data-dir "$data" >"$tmp/out"
[ "$(cat "$tmp/out")" = $'name Copy\nloop 2\ndown A\ndelay 250\nup A' ] || { fail "merged delays"; cat "$tmp/out"; }
printf 'down A\nup A\n' | "$ctl" macro new Piped - --data-dir "$data" >"$tmp/out" 2>"$tmp/err"
check "new from standard input" 0 $?

# Rename, and names refused.
run macro rename Copy Jump; check "rename" 0 $?
run macro show Jump; check "renamed shows" 0 $?
snapshot before
for bad in "" "   " "an overly long name for a macro" $'tab\there' Reload; do
    run macro rename Jump "$bad"; check "rename to '$bad'" 2 $?
done
run macro rename Nothing X; check "rename unknown" 2 $?
contains "unknown named" "$tmp/err" "no macro with the id or name 'Nothing'"

# Bad texts: exit 2, the line named, no file changed.
bad_text() {  # description, text, message
    printf '%s' "$2" >"$tmp/bad.txt"
    run macro new Bad "$tmp/bad.txt"; check "$1" 2 $?
    contains "$1" "$tmp/err" "$3"
}
bad_text "unknown key" $'down A\nup Shift\n' "bad.txt line 2: unknown key 'Shift'"
bad_text "long line" "down $(printf 'x%.0s' $(seq 300))" "line 1: the line is longer than 200 bytes"
bad_text "delay range" $'down A\ndelay 20000000\n' "line 2: delay 20000000 is above 16777215 ms"
bad_text "loop range" $'loop 0\ndown A\n' "loop takes 1 to 65533"
bad_text "binary" $'\x80\x81down' "not UTF-8"
bad_text "never released" $'down L_Shift\ndown A\nup A\ndelay 5\n' "line 1: down L_Shift is never released (add 'up L_Shift')"
run macro new Bad "$tmp/missing.txt"; check "missing file" 2 $?
run macro import "$tmp/a.txt"; check "import without a name" 2 $?
contains "import without a name" "$tmp/err" "names no macro"
run macro new Bad "$tmp/a.txt" --preset 22; check "preset out of range" 2 $?
unchanged "bad input" before
"$ctl" macro new Bad "$tmp/bad.txt" --data-dir "$tmp/never" 2>/dev/null
[ -e "$tmp/never" ] && fail "a bad text set up a data folder"

# Macros are addressed by name, so a name another macro has is refused.
run macro new Jump "$tmp/a.txt"; check "second Jump" 2 $?
contains "second Jump" "$tmp/err" "is already named 'Jump'; choose another name"
run macro rename Reload Jump; check "rename to a taken name" 2 $?
unchanged "taken names" before
# A library from before that rule may still hold a shared name: it must be given by id.
run macro new Jump2 "$tmp/a.txt"; check "Jump2" 0 $?
python3 - "$data/Macro.cfg" <<'PY'
import sys
t = bytearray(open(sys.argv[1], 'rb').read())
at = t.find('Jump2'.encode('utf-16le'))
t[at + 8:at + 10] = b'\0\0'
open(sys.argv[1], 'wb').write(t)
PY
run macro delete Jump; check "ambiguous delete" 2 $?
contains "ambiguous" "$tmp/err" "several macros are named 'Jump'"

# Delete: refused while a profile's stored macro ids hold it, done once they do not.
python3 - "$data/Profile/ConfigInfo.cfg" "$id" <<'PY'
import struct, sys
path, mid = sys.argv[1], int(sys.argv[2], 16)
t = bytearray(open(path, 'rb').read())
struct.pack_into('<I', t, 1600 * 2 + 1572 + 4 * 3, mid)   # profile 3, button 4
open(path, 'wb').write(t)
PY
snapshot before
run macro delete "$id"; check "delete in use" 1 $?
contains "in use" "$tmp/err" "is used by profile 3 (button forward); give those buttons another function"
unchanged "refused delete" before
run macro delete Piped; check "delete" 0 $?
run macro show Piped; check "deleted is gone" 2 $?

# Backup, damage, restore: every file back byte for byte; bad archives change nothing.
snapshot backed
run backup "$tmp/z.bak"; check "backup" 0 $?
contains "backup" "$tmp/out" "backed up 9 files"
run macro rename Reload Changed; "$ctl" stats show --data-dir "$data" >/dev/null
printf 'x' >>"$data/Sts.cfg"; rm "$data/Profile/Profile5.cfg"
snapshot changed
cp "$tmp/z.bak" "$tmp/damaged.bak"
printf '\x01' | dd of="$tmp/damaged.bak" bs=1 seek=5000 conv=notrunc status=none
head -c 3000 "$tmp/z.bak" >"$tmp/cut.bak"
printf 'PK\x03\x04 a zip file' >"$tmp/zip.bak"
for archive in damaged cut zip missing; do
    run restore "$tmp/$archive.bak"; check "restore $archive" 2 $?
    contains "restore $archive says nothing changed" "$tmp/err" "$tmp/$archive.bak: "
done
unchanged "bad archives" changed
run restore "$tmp/z.bak"; check "restore" 0 $?
snapshot now
cmp -s "$tmp/backed" "$tmp/now" || { fail "restore is not byte for byte"; diff "$tmp/backed" "$tmp/now"; }
mkdir -p "$tmp/fresh"
"$ctl" restore "$tmp/z.bak" --data-dir "$tmp/fresh/Z408" >/dev/null 2>"$tmp/err"; check "restore into a new folder" 0 $?
(cd "$tmp/fresh/Z408" && find . -type f ! -name z408.lock | sort | xargs sha256sum) | cmp -s "$tmp/backed" - || fail "restore into a new folder differs"

# While the window runs, a restore is refused (the window keeps statistics and profiles of its
# own); a macro change goes ahead and the window is told to read Macro.cfg again.
# -F: the lock holder is the sleep itself, so killing it frees the lock at once.
flock -F -x "$tmp/run/Z408Driver.exe.lock" sleep 60 >/dev/null 2>&1 & lockpid=$!
for _ in $(seq 50); do [ -e "$tmp/run/Z408Driver.exe.lock" ] && break; sleep 0.1; done
python3 - "$tmp/run/Z408Driver.exe" "$tmp/told" <<'PY' &
import os, socket, sys
path, told = sys.argv[1:]
s = socket.socket(socket.AF_UNIX); s.bind(path); s.listen(4)
while True:
    c, _ = s.accept()
    open(told, "a").write(c.makefile().readline().strip() + "\n")
    c.sendall(b"done\n")
    c.close()
PY
sockpid=$!
for _ in $(seq 50); do [ -S "$tmp/run/Z408Driver.exe" ] && break; sleep 0.1; done
snapshot before
run restore "$tmp/z.bak"; check "restore while the window runs" 1 $?
contains "window" "$tmp/err" "the z408 window is running"
run macro show Reload; check "show while the window runs" 0 $?
unchanged "refused while running" before
run macro rename Reload Other; check "rename while the window runs" 0 $?
[ "$(cat "$tmp/told" 2>/dev/null)" = macros ] || fail "the window was not told to read the macros again"
kill "$sockpid"
kill "$lockpid"; lockpid=

# Completion asks z408ctl: commands, options, macro names; the manual page is roff.
[ "$("$ctl" __complete mac)" = macro ] || fail "complete a command"
"$ctl" __complete macro "" >"$tmp/out"; contains "subcommands" "$tmp/out" "export"
"$ctl" __complete macro show --data-dir "$data" "Ot" >"$tmp/out"
[ "$(cat "$tmp/out")" = Other ] || { fail "complete a macro name"; cat "$tmp/out"; }
"$ctl" __complete macro new x y --p >"$tmp/out"; contains "options" "$tmp/out" "--preset"
"$ctl" __manual >"$tmp/out"; contains "manual" "$tmp/out" ".B z408ctl macro import"
contains "manual" "$tmp/out" ".SH EXIT STATUS"

[ "$failures" -eq 0 ] && echo "all macro and backup command checks passed"
exit $((failures > 0))
