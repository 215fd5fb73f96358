#!/usr/bin/env bash
# Start-up time, idle CPU and memory of z408 with the simulated mouse, under a private Xvfb.
#   bench/window_startup.sh [BUILD_DIR] [RUNS]
# Start-up is measured from just before the process is started until its main window is mapped
# and viewable (polled every few milliseconds), next to the floor the start-up order itself sets:
# the two bootloader checks 500 ms apart.
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${2:-5}
z408="$build/bin/z408"
for tool in Xvfb xwininfo xdpyinfo; do
    command -v "$tool" >/dev/null || { echo "needs $tool"; exit 1; }
done
work=$(mktemp -d)
xvfb=
cleanup() { [ -n "${app:-}" ] && kill "$app" 2>/dev/null; [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
for n in $(seq 90 140); do [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break; done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1280x800x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
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
sleep 30
c1=$(cpu); t1=$(now_ms)
awk -v c=$((c1 - c0)) -v hz="$ticks" -v ms=$((t1 - t0)) \
    'BEGIN { printf "idle CPU over %.1f s: %.2f %%\n", ms / 1000, 100 * (c / hz) / (ms / 1000) }'
grep -E '^(VmRSS|VmHWM)' "/proc/$app/status" | awk '{printf "%s %.1f MB\n", $1, $2 / 1024}'
kill "$app"; wait "$app" 2>/dev/null || true
app=
