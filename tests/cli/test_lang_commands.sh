#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# z408ctl lang check as a translator runs it: output layout, escaping, exit codes.
set -u
ctl=$1
data=$2/i18n
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
source "$(dirname "$0")/checks.sh"
line_is() {  # description, file, line number, expected text
    local got
    got=$(sed -n "$3p" "$2")
    if [ "$got" != "$4" ]; then echo "FAIL: $1: line $3 is '$got', expected '$4'"; failures=$((failures + 1)); fi
}

"$ctl" lang check "$data/complete.xml" > "$tmp/out" 2> "$tmp/err"; check "complete" 0 $?
[ "$(wc -l < "$tmp/out")" = 116 ] || { echo "FAIL: complete: expected 116 lines"; failures=$((failures + 1)); }
contains "complete" "$tmp/out" "result: UTF-8 "
line_is "first key" "$tmp/out" 2 "$(printf 'str_main\tText 1')"
line_is "str_ok decoded" "$tmp/out" 12 "$(printf 'str_ok\tOK & go')"
line_is "last key" "$tmp/out" 115 "$(printf 'str_firmware_version\tText 114')"
line_is "count" "$tmp/out" 116 "keys: 114/114"
[ -s "$tmp/err" ] && { echo "FAIL: complete file printed on stderr:"; cat "$tmp/err"; failures=$((failures + 1)); }

"$ctl" lang check "$data/complete_utf16le.xml" > "$tmp/out"; check "UTF-16LE" 0 $?
contains "UTF-16LE" "$tmp/out" "result: UTF-16LE BOM + "
line_is "UTF-16LE text as UTF-8" "$tmp/out" 2 "$(printf 'str_main\tТекст 1')"

"$ctl" lang check "$data/special_texts.xml" > "$tmp/out" 2> /dev/null; check "special" 0 $?
line_is "escapes" "$tmp/out" 2 $'str_main\ta\\\\b\\tc\\r\\nd'
line_is "spaces kept" "$tmp/out" 12 "$(printf 'str_ok\t  spaced  ')"
line_is "count" "$tmp/out" 116 "keys: 2/114"

"$ctl" lang check "$data/broken_unclosed.xml" > "$tmp/out" 2> "$tmp/err"; check "broken" 1 $?
contains "broken result" "$tmp/out" "No start tag for end tag 'str_cup'"
contains "broken location" "$tmp/err" "broken_unclosed.xml:"
contains "broken missing key" "$tmp/err" "no text for str_sts"
line_is "broken count" "$tmp/out" 116 "keys: 113/114"

"$ctl" lang check "$tmp/none.xml" > "$tmp/out" 2> "$tmp/err"; check "missing" 2 $?
line_is "missing result" "$tmp/out" 1 "result: No such file or directory"
line_is "missing count" "$tmp/out" 116 "keys: 0/114"
contains "missing message" "$tmp/err" "cannot read"

"$ctl" lang check 2> /dev/null; check "no file" 2 $?
"$ctl" lang check a b 2> /dev/null; check "two files" 2 $?
"$ctl" lang check --bogus x 2> /dev/null; check "unknown option" 2 $?
"$ctl" lang check --help > "$tmp/out"; check "help" 0 $?
contains "help" "$tmp/out" "usage: z408ctl lang check FILE"

exit $((failures > 0))
