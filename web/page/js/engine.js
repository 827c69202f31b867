// The map engine, compiled to WebAssembly from the program's own sources.
// Every answer is a plain object, read from the module's JSON; a refused command answers { error } and
// leaves the map shown as it was.

import TavrinEngine from '../tavrin_engine.js';
import { markOnce } from './timing.js';

// The fields of the engine's answers that people read: translated by the
// engine from the catalogue it was given (the core's texts, which are
// English as they come), every other field left as it is.
const SaidFields = ['error', 'estimate', 'noMatch', 'keyFigures', 'findingLine'];
const SaidLists = ['messages', 'lines'];

// The module compiled while the page's scripts loaded (index.html starts
// it from the head), instantiated with the imports the engine's code asks
// for; null where that compile could not be had, and the engine's code
// fetches and compiles the module itself.
async function earlyInstantiate() {
    const compiled = await (window.tavrinWasm ?? null);
    if (!compiled)
        return {};
    return {
        instantiateWasm(imports, done) {
            WebAssembly.instantiate(compiled, imports)
                .then((instance) => done(instance, compiled))
                .catch(() => WebAssembly.instantiateStreaming(fetch('tavrin_engine.wasm'), imports)
                    .then(({ instance, module }) => done(instance, module)));
            return {};
        },
    };
}

// `coreTextsReady`: the catalogue's "Core" texts ({} for English), once
// the catalogue is read; the engine loads meanwhile.
export async function loadEngine(coreTextsReady = Promise.resolve({})) {
    const [module, coreTexts] = await Promise.all([
        earlyInstantiate().then((options) => TavrinEngine(options)).then((module) => {
            markOnce('tavrin-engine-instantiated');
            return module;
        }), coreTextsReady]);
    module.useCoreTexts(coreTexts);
    const said = (text) => module.coreText(text);
    const parse = (json) => {
        const answer = JSON.parse(json);
        if (answer === null || typeof answer !== 'object' || Object.keys(coreTexts).length === 0)
            return answer;
        for (const field of SaidFields)
            if (typeof answer[field] === 'string')
                answer[field] = said(answer[field]);
        for (const field of SaidLists)
            if (Array.isArray(answer[field]))
                answer[field] = answer[field].map((text) => said(text));
        for (const figure of Array.isArray(answer.figures) ? answer.figures : [])
            figure.label = said(figure.label);
        return answer;
    };
    return {
        createMap: () => parse(module.createMap()),
        completeMap: () => parse(module.completeMap()),
        rerollUnpinned: () => parse(module.rerollUnpinned()),
        openAddress: (text) => parse(module.openAddress(text)),
        pasteCode: (text) => parse(module.pasteCode(text)),
        route: (from, to) => parse(module.route(from.tile, from.clearing, to.tile, to.clearing)),
        clearingAt: (point, reach) => parse(module.clearingAt(point.x, point.y, reach)),
        clearingCentre: (location) => parse(module.clearingCentre(location.tile, location.clearing)),
        // The colours of a palette by name, and the folder of its tile art.
        palette: (name) => parse(module.palette(name)),
        startSearch: (criteria) => parse(module.startSearch(criteria)),
        searchOn: (maps) => parse(module.searchOn(maps)),
        explainWish: (criteria, grow) => parse(module.explainWish(criteria, grow)),
        sheetPlan: (paper, date, address) => parse(module.sheetPlan(paper, date, address)),
        // The kept maps and history: texts as the browser's storage holds
        // them, read and changed by the engine's rules.
        keptMaps: (text) => parse(module.keptMaps(text)),
        keepMap: (text, name, map, seedNaming) =>
            module.keepMap(text, name, map.shareCode, seedNaming),
        removeKeptMap: (text, kept) => module.removeKeptMap(text, kept.name, kept.code),
        history: (text) => parse(module.history(text)),
        addToHistory: (text, map) =>
            module.addToHistory(text, map.shareCode, map.seed ?? -1, map.number),
        storeFailedText: () => said(module.storeFailedText()),
        tileArtFiles: () => parse(module.tileArtFiles()),
    };
}
