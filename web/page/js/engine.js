// The map engine, compiled to WebAssembly from the program's own sources.
// Every answer is a plain object; a refused command answers { error } and
// leaves the map shown as it was.

import TavrinEngine from '../tavrin_engine.js';

export async function loadEngine() {
    const module = await TavrinEngine();
    return {
        createMap: () => module.createMap(),
        mapOfSeed: (seed, number) => module.mapOfSeed(seed, number),
        pasteCode: (text) => module.pasteCode(text),
        route: (from, to) => module.route(from.tile, from.clearing, to.tile, to.clearing),
        clearingAt: (point, reach) => module.clearingAt(point.x, point.y, reach),
        clearingCentre: (location) => module.clearingCentre(location.tile, location.clearing),
    };
}
