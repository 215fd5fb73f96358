# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Sourced by the test scripts: a work folder removed at exit with every process started into
# `pids`, and `fail`, which shows the logs the run left in the work folder.
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    for f in "$work"/*.log; do [ -f "$f" ] && sed "s|^|  $(basename "$f" .log): |" "$f"; done
    exit 1
}
