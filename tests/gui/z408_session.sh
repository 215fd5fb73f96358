# Sourced by the GUI scripts after xvfb_session.sh: starting and stopping z408 on a data folder,
# screenshots of its window, waiting for windows by title, and a copy of the program laid out
# for Chinese. Needs xdotool and import.

# Starts the program of a program directory on a data directory and waits for its window.
start() {  # PROGRAM_DIR DATA_DIR
    XDG_DATA_HOME="$2" "$1/z408" >"$work/z408.log" 2>&1 &
    main=$!
    pids+=($main)
    wid=$(timeout 15 xdotool search --sync --onlyvisible --name '^Tarvo Z408 Gaming Mouse Driver$' |
        head -1) || fail "the main window did not appear"
    eval "$(xdotool getwindowgeometry --shell "$wid")"  # X Y WIDTH HEIGHT
    sleep 1.5  # the input hook is installed once the window is up
}
stop() {
    kill -TERM "$main"
    for _ in $(seq 100); do kill -0 "$main" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$main" 2>/dev/null && fail "SIGTERM did not end the program"
    wait "$main" || fail "the program ended with status $?"
}
shoot() { import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$shots/$1.png"; }
wait_window() {  # NAME-REGEX: a visible window of that title appears
    timeout 10 xdotool search --sync --onlyvisible --name "$1" >/dev/null || fail "no window '$1'"
    sleep 0.4
}
gone_window() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "$1" >/dev/null || return 0
        sleep 0.1
    done
    fail "window '$1' stayed open"
}
# A copy of the build's program directory laid out for Chinese, in $work/program-zh.
chinese_program() {
    zh="$work/program-zh"
    cp -a "$build/bin" "$zh"
    printf '[languagetype]\nvalue=1\n' >"$zh/skins/languagetype.ini"
    QT_QPA_PLATFORM=offscreen "$build/tools/z408_skingen" "$zh" "$work/res-zh" \
        "$zh/skins/languagetype.ini" >/dev/null 2>&1 || fail "the Chinese skins could not be drawn"
}
