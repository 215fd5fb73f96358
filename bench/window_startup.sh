#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Start-up time, idle CPU and memory of z408 with the simulated mouse, under a private Xvfb with
# a tray (trayer).
#   bench/window_startup.sh [BUILD_DIR] [RUNS]
# Start-up is measured from just before the process is started until its main window is mapped
# and viewable (polled every few milliseconds), next to the floor the start-up order itself sets:
# the two bootloader checks 500 ms apart. Then the resident memory with the window shown, after
# it has sat hidden in the tray for 10 s, and the time from a click on the tray icon until the
# window is viewable again.
set -euo pipefail
# One copy of z408 runs per user (an abstract socket): a private network namespace keeps this run
# apart from any other copy the same user has running.
if [ -z "${BENCH_PRIVATE:-}" ] && unshare -rn true 2>/dev/null; then
    BENCH_PRIVATE=1 exec unshare -rn "$0" "$@"
fi
build=$(realpath "${1:-build}")
runs=${2:-5}
z408="$build/bin/z408"
for tool in Xvfb xwininfo xdpyinfo xdotool trayer; do
    command -v "$tool" >/dev/null || { echo "needs $tool"; exit 1; }
done
work=$(mktemp -d)
xvfb=
tray=
cleanup() {
    for p in "${app:-}" "$tray" "$xvfb"; do [ -n "$p" ] && kill "$p" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
for n in $(seq "${BENCH_DISPLAY_FROM:-600}" $((${BENCH_DISPLAY_FROM:-600} + 50))); do [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break; done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1280x800x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
trayer --edge top --align right --widthtype pixel --width 120 --heighttype pixel --height 28 \
    --transparent false --SetDockType true >/dev/null 2>&1 &
tray=$!
sleep 0.5
export XDG_RUNTIME_DIR="$work" Z408_SIMULATED_MOUSE="$work/mouse.state"
title='Tarvo Z408 Gaming Mouse Driver'
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

times=()
for r in $(seq "$runs"); do
    rm -rf "$work/data"
    export XDG_DATA_HOME="$work/data"  # a fresh data directory: first-run seeding included
    t0=$(now_ms)
    "$z408" >/dev/null 2>&1 &
    app=$!
    while ! xwininfo -name "$title" 2>/dev/null | grep -q IsViewable; do
        kill -0 "$app" 2>/dev/null || { echo "z408 ended before showing its window"; exit 1; }
        sleep 0.002
    done
    t1=$(now_ms)
    times+=($((t1 - t0)))
    if [ "$r" != "$runs" ]; then kill "$app"; wait "$app" 2>/dev/null || true; fi
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
median=$(echo "$sorted" | sed -n "$(( (runs + 1) / 2 ))p")
echo "start-up to window shown: median ${median} ms (runs: ${times[*]}), floor 500 ms, above floor $((median - 500)) ms"

# Idle: the last copy stays up with its window shown.
sleep 2
ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$app/stat"; }
c0=$(cpu); t0=$(now_ms)
sleep "${IDLE_SECONDS:-30}"
c1=$(cpu); t1=$(now_ms)
awk -v c=$((c1 - c0)) -v hz="$ticks" -v ms=$((t1 - t0)) \
    'BEGIN { printf "idle CPU over %.1f s: %.2f %%\n", ms / 1000, 100 * (c / hz) / (ms / 1000) }'
memory() {  # LABEL
    awk -v label="$1" '/^VmRSS/ { rss = $2 } /^VmHWM/ { hwm = $2 }
        END { printf "resident memory %s: %.1f MB (peak %.1f MB)\n", label, rss / 1024, hwm / 1024 }' \
        "/proc/$app/status"
}
memory "with the window shown"

viewable() { xwininfo -name "$title" 2>/dev/null | grep -q IsViewable; }
wid=$(xdotool search --onlyvisible --name "^$title\$" | head -1)
hide() {  # the window's close button sends it to the tray
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    xdotool mousemove $((X + 938)) $((Y + 17)) click --delay 0 1
    for _ in $(seq 500); do viewable || return 0; sleep 0.01; done
    echo "the close button did not hide the window"; exit 1
}
hide
sleep 10
memory "after 10 s hidden in the tray"

# A left click on the tray icon (the right end of the tray) shows the window.
shows=()
for r in $(seq "$runs"); do
    [ "$r" = 1 ] || { hide; sleep 2; }
    t0=$(now_ms)
    xdotool mousemove $((1280 - 12)) 14 click --delay 0 1
    until viewable; do
        [ $(($(now_ms) - t0)) -lt 10000 ] || { echo "the tray icon did not show the window"; exit 1; }
        sleep 0.002
    done
    t1=$(now_ms)
    shows+=($((t1 - t0)))
done
sorted=$(printf '%s\n' "${shows[@]}" | sort -n)
median=$(echo "$sorted" | sed -n "$(( (runs + 1) / 2 ))p")
echo "tray show to window shown: median ${median} ms (runs: ${shows[*]})"
sleep 2
memory "shown again from the tray"
kill "$app"; wait "$app" 2>/dev/null || true
app=
