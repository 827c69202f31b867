// The set-up sheet the page prints: the map code, the whole map and the tile
// listing as a table, shown only on paper (see the print rules of style.css).

import { svgElement, tileGroup } from './map_svg.js';

// The code and the table are filled at once; the picture, twenty more tile
// images, only when the page is about to print.
export function fillSheet(sheet, map) {
    sheet.querySelector('.sheet-code').textContent = map.shareCode ?? map.mapString;
    sheet.querySelector('.sheet-map').replaceChildren();
    const rows = map.tiles.map((tile) => {
        const row = document.createElement('tr');
        for (const value of [tile.name, tile.col, tile.row, tile.rotation]) {
            const cell = document.createElement('td');
            cell.textContent = String(value);
            row.append(cell);
        }
        return row;
    });
    sheet.querySelector('tbody').replaceChildren(...rows);
}

export function drawSheetMap(sheet, map) {
    const place = sheet.querySelector('.sheet-map');
    if (place.firstChild || !map)
        return;
    const picture = svgElement('svg', {
        viewBox: `0 0 ${map.width} ${map.height}`,
        preserveAspectRatio: 'xMidYMid meet',
    });
    picture.append(tileGroup(map));
    place.append(picture);
}
