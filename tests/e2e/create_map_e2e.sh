#!/usr/bin/env bash
# End to end, as a user would: start the real program on a virtual X screen,
# press Ctrl+M, check that the map area now shows a picture, press Esc and
# expect the program to end with status 0. Given a map file, the program is
# started with it (as a file manager starts it) and the picture must be there
# without Ctrl+M.
# Usage: create_map_e2e.sh PROGRAM SCREEN_PROBE [MAP_FILE]
set -euo pipefail

if [ -z "${INSIDE_XVFB:-}" ]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

program="$1"
probe="$2"
shots="${E2E_SHOTS:-$(mktemp -d)}"
map_file="${3:-}"
unset QT_QPA_PLATFORM # the real X screen, not the offscreen one
# Settings of a first run (recent files, zoom), and the user's own left alone.
config=$(mktemp -d)
export XDG_CONFIG_HOME="$config"

if [ -n "$map_file" ]; then
    "$program" "$map_file" &
else
    "$program" &
fi
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$config"' EXIT

timeout 30 xdotool search --sync --onlyvisible --name "Tavrin Map Generator" >/dev/null
# Let the window settle (the painted title bar may re-create it), then find
# it afresh and give it the keyboard.
sleep 1
window=$(xdotool search --onlyvisible --name "Tavrin Map Generator" | head -n 1)
[ -n "$window" ] || { echo "no window appeared"; exit 1; }
xdotool windowfocus --sync "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window $window at $X,$Y size ${WIDTH}x${HEIGHT}"

# The map area: right of the tile listing, above the command panel.
area_x=$((X + 160)); area_y=$((Y + 80))
area_w=$((WIDTH - 180)); area_h=$((HEIGHT - 200))
if [ -z "$map_file" ]; then
    before=$("$probe" "$area_x" "$area_y" "$area_w" "$area_h" "$shots/before.png")
    echo "before Ctrl+M: $before"
    xdotool key ctrl+m
    step="after Ctrl+M"
else
    step="with $map_file"
fi
sleep 2
after=$("$probe" "$area_x" "$area_y" "$area_w" "$area_h" "$shots/after.png")
echo "$step: $after"
colours=$(sed -E 's/.*colours=([0-9]+).*/\1/' <<<"$after")
white=$(sed -E 's/.*white=([0-9]+).*/\1/' <<<"$after")
total=$(sed -E 's/.*total=([0-9]+).*/\1/' <<<"$after")
if [ "$colours" -lt 20 ] || [ $((white * 10)) -gt $((total * 9)) ]; then
    echo "the map area is plain $step (screenshots in $shots)"
    exit 1
fi

# The focus starts in the tile listing, where Esc does nothing; a click on
# the map moves it there, as a user would.
xdotool mousemove $((area_x + area_w / 2)) $((area_y + area_h / 2)) click 1
sleep 0.5
xdotool key Escape
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "Esc did not close the program"
    exit 1
fi
trap 'rm -rf "$config"' EXIT
wait "$pid"
status=$?
echo "program ended with status $status"
exit "$status"
