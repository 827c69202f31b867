// An edited map's marks and line, as the engine gives them: a red bar on
// every edge whose roads disagree, a ring on every clearing no road
// reaches, a pin on every pinned tile, and the line naming the first
// finding with the buttons that complete the map. Nothing here decides
// what is wrong; the engine says it.

import { tr } from './language.js';
import { svgElement, TileSide } from './map_svg.js';

const PinRadius = 12;

export function layoutMarksGroup(map) {
    const group = svgElement('g', { class: 'layout-marks' });
    for (const [a, b] of map.bars ?? [])
        group.append(svgElement('line', { class: 'bar', x1: a.x, y1: a.y, x2: b.x, y2: b.y }));
    for (const p of map.rings ?? [])
        group.append(svgElement('circle', { class: 'ring', cx: p.x, cy: p.y, r: 14 }));
    for (const tile of map.pins ?? []) {
        const place = map.tiles[tile - 1];
        const pin = svgElement('circle', {
            class: 'pin', cx: place.x + TileSide / 2, cy: place.y + TileSide / 2 - 60, r: PinRadius,
        });
        const title = svgElement('title');
        title.textContent = tr('%1 is pinned: Re-roll Unpinned keeps it', place.name);
        pin.append(title);
        group.append(pin);
    }
    return group;
}

// The finding line and the completion buttons, shown for an edited map only.
export function showEditBar(bar, map) {
    bar.hidden = !map.edited;
    bar.querySelector('.finding-line').textContent = map.findingLine ?? '';
}
