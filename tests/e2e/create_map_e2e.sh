#!/usr/bin/env bash
# End to end, as a user would: start the real program on a virtual X screen,
# press Ctrl+M, check that the map area now shows a picture, press Esc and
# expect the program to end with status 0. Given a map file, the program is
# started with it (as a file manager starts it) and the picture must be there
# without Ctrl+M.
# Usage: create_map_e2e.sh PROGRAM SCREEN_PROBE [MAP_FILE]
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

program="$1"
probe="$2"
map_file="${3:-}"
if [ -n "$map_file" ]; then
    start_program "$program" "$map_file"
else
    start_program "$program"
fi

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
# The map area shows a picture: many colours, and not mostly white.
map_shown() {
    after=$("$probe" "$area_x" "$area_y" "$area_w" "$area_h" "$shots/after.png")
    local colours white total
    colours=$(sed -E 's/.*colours=([0-9]+).*/\1/' <<<"$after")
    white=$(sed -E 's/.*white=([0-9]+).*/\1/' <<<"$after")
    total=$(sed -E 's/.*total=([0-9]+).*/\1/' <<<"$after")
    [ "$colours" -ge 20 ] && [ $((white * 10)) -le $((total * 9)) ]
}
if ! wait_until 30 map_shown; then
    echo "$step: $after"
    echo "the map area is plain $step (screenshots in $shots)"
    exit 1
fi
echo "$step: $after"

# The focus starts in the tile listing, where Esc does nothing; a click on
# the map moves it there, as a user would. The program takes the click
# before the key, in the order the X server delivers them.
xdotool mousemove $((area_x + area_w / 2)) $((area_y + area_h / 2)) click 1
close_program Escape
