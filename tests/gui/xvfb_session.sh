# Sourced by the GUI scripts: the build and screenshot folders from the arguments, a work folder
# removed at exit with every process started into `pids`, `fail` (work_session.sh), and a private
# Xvfb on a free display. Needs: the tools to check (besides Xvfb and xdpyinfo) in $GUI_TOOLS and the first
# display number to try in $GUI_DISPLAY_FROM.
build=$(realpath "${1:-build}")
shots=$(realpath -m "${2:-$build/gui-screenshots}")
for tool in Xvfb xdpyinfo $GUI_TOOLS; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -x "$build/bin/z408" ] || { echo "FAIL: $build/bin/z408 not built"; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/../work_session.sh"
mkdir -p "$shots" "$work/data"

for n in $(seq "$GUI_DISPLAY_FROM" $((GUI_DISPLAY_FROM + 50))); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break
done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1280x800x24 -noreset -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
