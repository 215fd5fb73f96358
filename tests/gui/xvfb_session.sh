# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Sourced by the GUI scripts: the build and screenshot folders from the arguments, a work folder
# removed at exit with every process started into `pids`, `fail` (work_session.sh), a private
# Xvfb on a free display, and starting, photographing and ending z408 (also from a copy laid out
# for Chinese). Needs: the tools to check (besides Xvfb and xdpyinfo) in $GUI_TOOLS and the first
# display number to try in $GUI_DISPLAY_FROM. With GUI_SERVER=weston the display is instead the
# XWayland of a private headless weston, WAYLAND_DISPLAY set as in a Wayland session.
build=$(realpath "${1:-build}")
shots=$(realpath -m "${2:-$build/gui-screenshots}")
server_tools="Xvfb xdpyinfo"
[ "${GUI_SERVER:-xvfb}" = weston ] && server_tools="weston Xwayland xdpyinfo"
for tool in $server_tools $GUI_TOOLS; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -x "$build/bin/z408" ] || { echo "FAIL: $build/bin/z408 not built"; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/../work_session.sh"
mkdir -p "$shots" "$work/data"

if [ "${GUI_SERVER:-xvfb}" = weston ]; then
    # weston takes the first free X display for its XWayland itself and says which.
    export XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY=wl-z408 XDG_SESSION_TYPE=wayland
    weston --backend=headless-backend.so --xwayland --socket="$WAYLAND_DISPLAY" --width=1280 \
        --height=800 --idle-time=0 >"$work/weston.log" 2>&1 &
    pids+=($!)
    n=
    for _ in $(seq 100); do
        n=$(sed -n 's/.*xserver listening on display :\([0-9]*\).*/\1/p' "$work/weston.log")
        [ -n "$n" ] && break
        sleep 0.1
    done
    [ -n "$n" ] || fail "weston started no XWayland"
else
    # A private X server is an X11 session, even when the tests run from a Wayland one: the
    # program then takes its input hook from X11, which XTest reaches.
    unset WAYLAND_DISPLAY
    export XDG_SESSION_TYPE=x11
    for n in $(seq "$GUI_DISPLAY_FROM" $((GUI_DISPLAY_FROM + 50))); do
        [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break
    done
    Xvfb ":$n" -screen 0 1280x800x24 -noreset -nolisten tcp >"$work/xvfb.log" 2>&1 &
    pids+=($!)
fi
export DISPLAY=:$n
# XWayland starts at the first client: this one.
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Starts the z408 of a program directory on a data directory and waits for its window; sets
# `main` to its process and X Y WIDTH HEIGHT to the window's place.
start() {  # PROGRAM_DIR DATA_DIR (a loaded machine may take a while to show it)
    XDG_DATA_HOME="$2" "$1/z408" >"$work/z408.log" 2>&1 &
    main=$!
    pids+=($main)
    wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tarvo Z408 Gaming Mouse Driver$' |
        head -1) || fail "the main window did not appear"
    eval "$(xdotool getwindowgeometry --shell "$wid")"  # X Y WIDTH HEIGHT
    sleep 1.5  # the input hook is installed once the window is up
}
# Ends it as the end of a session does, and checks that it ended cleanly.
stop() {
    kill -TERM "$main"
    for _ in $(seq 100); do kill -0 "$main" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$main" 2>/dev/null && fail "SIGTERM did not end the program"
    wait "$main" || fail "the program ended with status $?"
}
shoot() {
    # A rootless XWayland keeps no picture of its root window: there the window is taken itself.
    if [ "${GUI_SERVER:-xvfb}" = weston ]; then
        import -window "$wid" "$shots/$1.png"
    else
        import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$shots/$1.png"
    fi
}
# A visible window whose title matches appears; one goes away.
wait_window() {  # NAME-REGEX
    # Polled rather than --sync: a window that goes while xdotool walks the tree makes it fail
    # with BadWindow. Generous: under the sanitizers a dialog can take many seconds.
    local i
    for i in $(seq 150); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && break
        [ "$i" = 150 ] && fail "no window '$1'"
        sleep 0.2
    done
    sleep 0.4
}
gone_window() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "$1" >/dev/null || return 0
        sleep 0.1
    done
    fail "window '$1' stayed open"
}
# Profile 1 in DATA was written after MARKER was touched (polled for up to 15 s).
profile_saved_after() {  # DATA MARKER
    for _ in $(seq 150); do
        [ "$(find "$1/Profile" -name Profile1.cfg -newer "$2")" ] && return 0
        sleep 0.1
    done
    return 1
}
# A copy of the built program in DIR whose installation language is Chinese, skins drawn anew.
chinese_program() {  # DIR
    cp -a "$build/bin" "$1"
    printf '[languagetype]\nvalue=1\n' >"$1/skins/languagetype.ini"
    QT_QPA_PLATFORM=offscreen "$build/tools/z408_skingen" "$1" "$work/res-zh" \
        "$1/skins/languagetype.ini" >/dev/null 2>&1 || fail "the Chinese skins could not be drawn"
}
