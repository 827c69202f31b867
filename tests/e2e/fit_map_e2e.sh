#!/usr/bin/env bash
# End to end, as a user would: start the real program on a virtual X screen,
# load a map of 20 tiles in one row through the Load Map dialog, press Ctrl+0
# and check that the whole row now shows: a band across the whole map area,
# no higher than the row (3,050 x 288 pixels) scaled to the area's width.
# Then Alt+F4, and the program must end with status 0.
# Usage: fit_map_e2e.sh PROGRAM SCREEN_PROBE
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

program="$1"
probe="$2"

# Tiles 1..20 at columns 0..19 (characters 100..119), row 0 ('d'), rotation 1 ('e').
printf 'ddeedefdegdehdeidejdekdeldemdendeodepdeqderdesdetdeudevdewde\r\n' >"$work/row.tvm"

start_program "$program"

main_window=$window
xdotool key ctrl+l
wait_until 30 has_keyboard "Tavrin Map Files" || { echo "no Load Map dialog"; exit 1; }
xdotool type --delay 10 "$work/row.tvm"
xdotool key Return

# Well inside the map area: right of the tile listing, below the title and
# menu bars, above the scroll bar, the command panel and the status bar.
area_x=$((X + 150)); area_y=$((Y + 52))
area_w=$((WIDTH - 165)); area_h=$((HEIGHT - 192))
# The row's height at the scale that fits its width into the map area.
fitted=$(((area_w + 20) * 288 / 3050 + 4))

box() { sed -E 's/.*box=([0-9]+),([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3 \4/' <<<"$1"; }

# The loaded row fills the map area's width and is higher than when fitted.
row_at_actual_size() {
    before=$("$probe" "$area_x" "$area_y" "$area_w" "$area_h" "$shots/row-actual-size.png")
    read -r _ _ bw bh <<<"$(box "$before")"
    [ "$bw" -ge $((area_w - 30)) ] && [ "$bh" -gt "$fitted" ]
}
if ! wait_until 30 row_at_actual_size; then
    echo "at actual size: $before"
    echo "the loaded row does not fill the map area at actual size (screenshots in $shots)"
    exit 1
fi
echo "at actual size: $before"

# Without a window manager nobody hands the focus back when the dialog closes.
xdotool windowfocus --sync "$main_window"
xdotool key ctrl+0
# The whole row across the area, no higher than fitted.
row_fitted() {
    after=$("$probe" "$area_x" "$area_y" "$area_w" "$area_h" "$shots/row-fitted.png")
    read -r bx _ bw bh <<<"$(box "$after")"
    [ "$bx" -le 20 ] && [ "$bw" -ge $((area_w - 30)) ] && [ "$bh" -le "$fitted" ] &&
        [ "$bh" -ge $((fitted / 3)) ]
}
wait_until 30 row_fitted || true
echo "after Ctrl+0 (at most $fitted high): $after"
if ! row_fitted; then
    echo "the row is not shown whole after Ctrl+0 (screenshots in $shots)"
    exit 1
fi

close_program alt+F4
