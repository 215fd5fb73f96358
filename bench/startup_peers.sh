#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# z408 beside the Linux mouse tools a user would pick instead (ckb-next, piper, solaar), in one
# run: one Xvfb with a tray (trayer) and a D-Bus session, every program as the same unprivileged
# user (nobody), no device of theirs attached.
#   bench/startup_peers.sh [BUILD_DIR] [RUNS]
# Prints, side by side:
#   - start to first window on screen (viewable), median of RUNS (3) starts; z408 with the
#     simulated mouse and without any mouse;
#   - idle CPU over IDLE_SECONDS (60) with every window shown, all four measured over the same
#     seconds, then z408 started hidden in the tray over as long again;
#   - resident memory (VmRSS) and the program's own heap (Anonymous of smaps_rollup) with the
#     window shown.
# The peers are Debian packages: run as root, the script installs the missing ones with apt-get
# (BENCH_INSTALL=0 skips that); a peer that is still missing is reported as not installed.
# Figures only: nothing here passes or fails.
set -uo pipefail
build=$(realpath "${1:-build}")
runs=${2:-3}
idle=${IDLE_SECONDS:-60}
z408="$build/bin/z408"
[ -x "$z408" ] || { echo "needs $z408 (build the z408 target)"; exit 1; }

declare -A peerPackage=([ckb-next]=ckb-next [piper]=piper [solaar]=solaar)
if [ "$(id -u)" = 0 ] && [ "${BENCH_INSTALL:-1}" != 0 ]; then
    missing=()
    for p in ckb-next piper solaar; do command -v "$p" >/dev/null || missing+=("${peerPackage[$p]}"); done
    command -v dbus-launch >/dev/null || missing+=(dbus-x11)
    command -v trayer >/dev/null || missing+=(trayer)
    if [ ${#missing[@]} -gt 0 ]; then
        echo "installing ${missing[*]} ..."
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}" \
            >/dev/null 2>&1 || echo "apt-get could not install every one of: ${missing[*]}"
    fi
fi
for tool in Xvfb xdpyinfo xdotool xwininfo trayer setpriv dbus-launch; do
    command -v "$tool" >/dev/null || { echo "needs $tool"; exit 1; }
done
peers=()
for p in ckb-next piper solaar; do
    if command -v "$p" >/dev/null; then peers+=("$p"); else echo "$p: not installed"; fi
done

uid=65534
work=$(mktemp -d)
chmod 755 "$work"
mkdir -p "$work/home" "$work/run"
chown -R "$uid:$uid" "$work/home" "$work/run"
chmod 700 "$work/run"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

for n in $(seq "${BENCH_DISPLAY_FROM:-700}" $((${BENCH_DISPLAY_FROM:-700} + 50))); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break
done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1280x800x24 -noreset -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
trayer --edge top --align right --widthtype pixel --width 120 --heighttype pixel --height 28 \
    --transparent false --SetDockType true >/dev/null 2>&1 &
pids+=($!)

# Everything runs as nobody with its own home, runtime folder and session bus; the program
# takes the place of the shell that runs this (exec), so that a background job's $! is its pid.
as_user() {
    exec setpriv --reuid=$uid --regid=$uid --clear-groups env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" \
        HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/home/.config" \
        XDG_DATA_HOME="$work/home/.local/share" XDG_CACHE_HOME="$work/home/.cache" \
        XDG_SESSION_TYPE=x11 LANG=C.UTF-8 ${BUS:+DBUS_SESSION_BUS_ADDRESS=$BUS} "$@"
}
BUS=
eval "$( (as_user dbus-launch --sh-syntax))"
BUS=$DBUS_SESSION_BUS_ADDRESS
pids+=("$DBUS_SESSION_BUS_PID")
sleep 0.5

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# A viewable top-level window of process $1.
shown() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        xwininfo -id "$w" 2>/dev/null | grep -q IsViewable && return 0
    done
    return 1
}
end() { kill -KILL "$1" 2>/dev/null; wait "$1" 2>/dev/null; }
# Starts NAME's command as the user; sets `app`.
launch() {  # NAME [ENV=VALUE...]
    local name=$1
    shift
    case $name in
        z408 | z408-nomouse) (as_user "$@" "$z408") >/dev/null 2>&1 & ;;
        z408-hidden) (as_user "$@" "$z408" --hidden) >/dev/null 2>&1 & ;;
        solaar) (as_user solaar --window=show) >/dev/null 2>&1 & ;;
        *) (as_user "$name") >/dev/null 2>&1 & ;;
    esac
    app=$!
    pids+=("$app")
}
sim="Z408_SIMULATED_MOUSE=$work/home/mouse.state"
# The median start-to-window of NAME over RUNS starts, in `median` (empty when it never showed).
measure_start() {  # NAME [ENV=VALUE...]
    local t0 t1 times=() r
    for r in $(seq "$runs"); do
        t0=$(now_ms)
        launch "$@"
        until shown "$app"; do
            if ! kill -0 "$app" 2>/dev/null || [ $(($(now_ms) - t0)) -gt 30000 ]; then
                end "$app"
                median=
                return
            fi
            sleep 0.005
        done
        t1=$(now_ms)
        times+=($((t1 - t0)))
        end "$app"
        sleep 0.5
    done
    median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
    runsText="${times[*]}"
}

declare -A startMs startRuns
launch z408 "$sim"  # seeds the data folder once, so that every measured start is an ordinary one
until shown "$app"; do sleep 0.05; done
end "$app"
for name in z408 z408-nomouse "${peers[@]}"; do
    env=()
    [ "$name" = z408 ] && env=("$sim")
    measure_start "$name" "${env[@]}"
    startMs[$name]=${median:-"no window"}
    startRuns[$name]=${runsText:-}
done

# Idle, all windows shown at once, measured over the same seconds.
# CPU time in nanoseconds summed over the threads' schedstat: the 10 ms ticks of /proc/PID/stat
# cannot tell 0.01 % from 0.02 % over a minute.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d", s }'; }
wakeups() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $3 } END { printf "%d", s }'; }
declare -A idlePid cpuShown rss anon
for name in z408 "${peers[@]}"; do
    env=()
    [ "$name" = z408 ] && env=("$sim")
    launch "$name" "${env[@]}"
    idlePid[$name]=$app
done
for name in "${!idlePid[@]}"; do
    for _ in $(seq 300); do shown "${idlePid[$name]}" && break; sleep 0.1; done
done
xdotool mousemove 1270 790  # the pointer rests away from every window
sleep 5
percent() {  # NS MS
    awk -v c="$1" -v ms="$2" 'BEGIN { printf "%.3f", 100 * (c / 1e9) / (ms / 1000) }'
}
per_second() {  # COUNT MS
    awk -v c="$1" -v ms="$2" 'BEGIN { printf "%.1f", c / (ms / 1000) }'
}
declare -A c0 w0 wakes
for name in "${!idlePid[@]}"; do
    c0[$name]=$(cpu_ns "${idlePid[$name]}")
    w0[$name]=$(wakeups "${idlePid[$name]}")
done
t0=$(now_ms)
sleep "$idle"
t1=$(now_ms)
for name in "${!idlePid[@]}"; do
    p=${idlePid[$name]}
    cpuShown[$name]=$(percent $(($(cpu_ns "$p") - c0[$name])) $((t1 - t0)))
    wakes[$name]=$(per_second $(($(wakeups "$p") - w0[$name])) $((t1 - t0)))
    rss[$name]=$(awk '/^VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$p/status" 2>/dev/null)
    anon[$name]=$(awk '/^Anonymous/ { printf "%.1f", $2 / 1024 }' "/proc/$p/smaps_rollup" 2>/dev/null)
    end "$p"
done

# z408 hidden in the tray, as started at login.
launch z408-hidden "$sim"
# Its start-up is over once its tray icon is there; a loaded machine takes a while.
for _ in $(seq 300); do shown "$app" && break; sleep 0.1; done
sleep 10
hiddenShown=no
xdotool search --all --onlyvisible --pid "$app" --name '^Tarvo Z408 Gaming Mouse Driver$' >/dev/null 2>&1 &&
    hiddenShown=yes
c=$(cpu_ns "$app")
w=$(wakeups "$app")
t0=$(now_ms)
sleep "$idle"
t1=$(now_ms)
cpuHidden=$(percent $(($(cpu_ns "$app") - c)) $((t1 - t0)))
wakesHidden=$(per_second $(($(wakeups "$app") - w)) $((t1 - t0)))
rssHidden=$(awk '/^VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$app/status")
end "$app"

echo
echo "side by side (Xvfb + trayer + D-Bus session, user nobody, no device of theirs; load $(cut -d' ' -f1-3 /proc/loadavg))"
printf '%-14s %14s %16s %10s %10s %10s   %s\n' program "start->window" "idle CPU shown" "wakeups/s" \
    "RSS MB" "heap MB" "start runs (ms)"
for name in z408 "${peers[@]}"; do
    printf '%-14s %11s ms %14s %% %10s %10s %10s   %s\n' "$name" "${startMs[$name]}" \
        "${cpuShown[$name]:-?}" "${wakes[$name]:-?}" "${rss[$name]:-?}" "${anon[$name]:-?}" \
        "${startRuns[$name]}"
done
printf '%-14s %11s ms %16s %10s %10s %10s   %s\n' "z408 no mouse" "${startMs[z408-nomouse]}" "" "" "" \
    "" "${startRuns[z408-nomouse]}"
echo "z408 hidden in the tray (--hidden): idle CPU $cpuHidden % over ${idle} s, $wakesHidden wakeups/s, RSS $rssHidden MB, window shown: $hiddenShown"
fastest=
for p in "${peers[@]}"; do
    v=${startMs[$p]}
    [[ $v =~ ^[0-9]+$ ]] || continue
    [ -z "$fastest" ] || [ "$v" -lt "$fastest" ] && fastest=$v
done
if [ -n "$fastest" ] && [[ ${startMs[z408]} =~ ^[0-9]+$ ]]; then
    awk -v z="${startMs[z408]}" -v f="$fastest" \
        'BEGIN { printf "z408 start->window is %.2f x the fastest peer (%d ms); aim: at most 0.80\n", z / f, f }'
fi
echo "aims: idle CPU shown <= 0.05 %, hidden <= 0.02 %; resident memory the lightest of the four"
