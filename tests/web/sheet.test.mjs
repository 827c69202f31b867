// The printed sheet's layout: the map as large as the paper allows.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { sheetLayout } from '../../web/page/js/sheet.js';

test('the sheet turns and places its table so the map prints largest', () => {
    const rows = [
        // picture (pixels)   turned  beside
        [[3050, 288], true, false],  // 20 tiles in one row
        [[200, 3500], false, true],  // 20 tiles in one column
        [[1100, 1075], true, true],  // a generated map
    ];
    for (const [[w, h], landscape, beside] of rows) {
        const layout = sheetLayout(w, h);
        assert.deepEqual([layout.landscape, layout.beside], [landscape, beside], `${w} x ${h}`);
        assert.ok(layout.mapWidth <= (landscape ? 267 : 180) + 1e-9);
        assert.ok(Math.abs(layout.mapWidth / layout.mapHeight - w / h) < 1e-9);
    }
});
