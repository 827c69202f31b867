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

# wait_until SECONDS COMMAND [ARGUMENTS...]: runs the command every tenth of
# a second until it succeeds; fails when it has not within SECONDS.
wait_until() {
    local tries=$(($1 * 10))
    shift
    for _ in $(seq 1 "$tries"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# has_keyboard NAME: the visible window named NAME exists and holds the
# keyboard focus once given it; sets window.
has_keyboard() {
    window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$window" ] || return 1
    timeout 1 xdotool windowfocus --sync "$window" 2>/dev/null || return 1
    [ "$(xdotool getwindowfocus)" = "$window" ]
}

# start_program PROGRAM [ARGUMENTS...]: starts it, waits until its window
# holds the keyboard (the painted title bar may re-create the window, so it
# is looked for afresh each time); sets pid, window, X, Y, WIDTH and HEIGHT.
start_program() {
    "$@" &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true' EXIT
    wait_until 30 has_keyboard "Tavrin Map Generator" || { echo "no window appeared"; exit 1; }
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
