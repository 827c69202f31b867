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
    const layout = sheetLayout(map.width, map.height);
    sheet.classList.toggle('beside', layout.beside);
    sheet.style.setProperty('--map-width', `${layout.mapWidth}mm`);
    sheet.style.setProperty('--map-height', `${layout.mapHeight}mm`);
    document.querySelector('#page-size').textContent =
        `@page { size: A4 ${layout.landscape ? 'landscape' : 'portrait'}; margin: 15mm; }`;
}

// The room on A4 with 15 mm margins, and what the header and the table take
// (in millimetres, at the print rules' font sizes).
const Area = { width: 180, height: 267 };
const Header = 18;
const Table = { width: 66, height: 100 };
const Gap = 6;

// Of the four ways to lay the sheet out (upright or turned, the table below
// the map or beside it), the one that shows the map largest; on a tie the
// first of upright-below, upright-beside, turned-below, turned-beside, as the
// program's printed sheet chooses.
export function sheetLayout(pictureWidth, pictureHeight) {
    let best = null;
    for (const landscape of [false, true])
        for (const beside of [false, true]) {
            const width = (landscape ? Area.height : Area.width) - (beside ? Table.width + Gap : 0);
            const height = (landscape ? Area.width : Area.height) - Header
                - (beside ? 0 : Table.height + Gap);
            const scale = Math.max(0, Math.min(width / pictureWidth, height / pictureHeight));
            if (!best || scale > best.scale)
                best = { landscape, beside, scale, mapWidth: pictureWidth * scale,
                    mapHeight: pictureHeight * scale };
        }
    return best;
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
