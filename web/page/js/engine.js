// The map engine, compiled to WebAssembly from the program's own sources.
// Every answer is a plain object, read from the module's JSON; a refused command answers { error } and
// leaves the map shown as it was.

import TavrinEngine from '../tavrin_engine.js';

export async function loadEngine() {
    const module = await TavrinEngine();
    const parse = JSON.parse;
    return {
        createMap: () => parse(module.createMap()),
        openAddress: (text) => parse(module.openAddress(text)),
        pasteCode: (text) => parse(module.pasteCode(text)),
        route: (from, to) => parse(module.route(from.tile, from.clearing, to.tile, to.clearing)),
        clearingAt: (point, reach) => parse(module.clearingAt(point.x, point.y, reach)),
        clearingCentre: (location) => parse(module.clearingCentre(location.tile, location.clearing)),
        startSearch: (criteria) => parse(module.startSearch(criteria)),
        searchOn: (maps) => parse(module.searchOn(maps)),
    };
}
