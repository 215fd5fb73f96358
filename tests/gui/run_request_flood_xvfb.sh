#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# The running z408 flooded with 300 requests on its socket while a file it reloads is missing:
# each reload would open a box, and no request may be handled inside another's box. The window
# lives, at most one box is open at a time, and it answers a later request. Photographed with
# the box up.
#   tests/gui/run_request_flood_xvfb.sh [BUILD_DIR] [SCREENSHOT_DIR]
set -euo pipefail
GUI_TOOLS="xdotool import python3" GUI_DISPLAY_FROM=750
source "$(dirname "$0")/xvfb_session.sh"

export XDG_RUNTIME_DIR="$work" Z408_SIMULATED_MOUSE="$work/mouse.state"
export XDG_DATA_HOME="$work/data"
ctl="$build/bin/z408ctl"
"$ctl" profile select 1 >/dev/null 2>&1 || fail "z408ctl could not seed the data folder"
start "$build/bin" "$work/data"
windows() { xdotool search --onlyvisible --pid "$main" 2>/dev/null | wc -l; }
alone=$(windows)

rm "$work/data/TARVO/Z408/Profile/ConfigInfo.cfg"
# 300 requests, reloads and macro reloads, as fast as they go; each waits a moment for its
# answer. Prints how many were answered.
flood() {
    python3 - "$work/Z408Driver.exe" "$1" <<'PY'
import socket, sys
path, count = sys.argv[1], int(sys.argv[2])
answered = 0
for i in range(count):
    s = socket.socket(socket.AF_UNIX)
    s.settimeout(3)
    try:
        s.connect(path)
        s.sendall(b"reload 0\n" if i % 3 else b"macros\n")
        if s.makefile().readline().strip() == "done":
            answered += 1
    except OSError:
        pass
    finally:
        s.close()
print(answered)
PY
}
answered=$(flood 300)
kill -0 "$main" || fail "the window ended under the flood"
sleep 1
shoot "flood-box"
open=$(($(windows) - alone))
[ "$open" -le 1 ] || fail "$open boxes open at once"
[ "$answered" -ge 290 ] || fail "only $answered of 300 requests answered"
echo "ok: the window lives, $open box open, $answered of 300 requests answered"

# A later question is answered while the box is still up.
reply=$(python3 - "$work/Z408Driver.exe" <<'PY'
import socket, sys
s = socket.socket(socket.AF_UNIX); s.settimeout(5); s.connect(sys.argv[1])
s.sendall(b"edits 1\n"); print(s.makefile().readline().strip())
PY
) || fail "no answer after the flood"
[ "$reply" = saved ] || fail "after the flood the window answered '$reply'"
echo "ok: the window answers after the flood"
kill -0 "$main" || fail "the window ended"
