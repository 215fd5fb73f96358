# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Sourced by the z408ctl test scripts: checks that count their failures into `failures`.
failures=0
check() {  # description, expected exit code, actual exit code
    if [ "$2" != "$3" ]; then echo "FAIL: $1 (exit $3, expected $2)"; failures=$((failures + 1)); fi
}
contains() {  # description, file, text
    if ! grep -qF -- "$3" "$2"; then echo "FAIL: $1: no '$3' in:"; cat "$2"; failures=$((failures + 1)); fi
}
lacks() {  # description, file, text
    if grep -qF -- "$3" "$2"; then echo "FAIL: $1: unexpected '$3' in:"; cat "$2"; failures=$((failures + 1)); fi
}
