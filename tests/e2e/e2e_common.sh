# Shared by the end-to-end scripts; sourced, not run. Each script runs itself
# again inside xvfb-run, then starts the real program on that X screen with
# settings of a first run in a folder of its own (never the user's), and ends
# by closing it with a key and taking its exit status. The folder, with the
# screenshots, is kept when a check fails.

set -euo pipefail

if [ -z "${INSIDE_XVFB:-}" ]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

unset QT_QPA_PLATFORM # the real X screen, not the offscreen one
work=$(mktemp -d)
shots="${E2E_SHOTS:-$work}"
export XDG_CONFIG_HOME="$work/config"

# start_program PROGRAM [ARGUMENTS...]: starts it, waits for its window and
# gives it the keyboard; sets pid, window, X, Y, WIDTH and HEIGHT.
start_program() {
    "$@" &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true' EXIT
    timeout 30 xdotool search --sync --onlyvisible --name "Tavrin Map Generator" >/dev/null
    # Let the window settle (the painted title bar may re-create it), then
    # find it afresh.
    sleep 1
    window=$(xdotool search --onlyvisible --name "Tavrin Map Generator" | head -n 1)
    [ -n "$window" ] || { echo "no window appeared"; exit 1; }
    xdotool windowfocus --sync "$window"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    echo "window $window at $X,$Y size ${WIDTH}x${HEIGHT}"
}

# close_program KEY: presses KEY, which must end the program within five
# seconds, and exits with the program's status.
close_program() {
    xdotool key "$1"
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "$1 did not close the program"
        exit 1
    fi
    trap - EXIT
    local status=0
    wait "$pid" || status=$?
    echo "program ended with status $status"
    [ -n "${E2E_SHOTS:-}" ] || rm -rf "$work"
    exit "$status"
}
