// The page: wires the engine, the map view, the route picker, the address
// and the panels together. It decides nothing about maps itself: every map,
// listing line, route and code comes from the engine.

import { addressOf, addressText } from './address.js';
import { loadEngine } from './engine.js';
import { showEditBar } from './layout_marks.js';
import { coreTexts, loadLanguage, translatePage, tr } from './language.js';
import { setTileFolder } from './map_svg.js';
import { MapView } from './map_view.js';
import { RoutePicker } from './route_picker.js';
import { changeList, readList } from './stored_lists.js';
import { afterFrame, markOnce, timeToFrame, whenIdle } from './timing.js';

const $ = (selector) => document.querySelector(selector);

const page = {
    engine: null,
    view: null,
    map: null,
    picker: new RoutePicker(),
    firstDrawn: false,
    untilDrawn: [], // what waits for the first map drawn
    addresses: [], // the address of each history entry the page made
};
// The browser test reads the page's state and times the engine through this.
window.tavrinPage = page;

// Shows a message in the page's box; messages that come while it is open
// are added below the ones shown.
function say(text) {
    const box = $('#message');
    const shown = box.querySelector('p');
    shown.textContent = box.hidden ? text : `${shown.textContent}\n${text}`;
    box.hidden = false;
    box.querySelector('button').focus();
}

function status(text) {
    $('#status').textContent = text;
}

// The day as the sheet dates it, yyyy-mm-dd, in the reader's own time.
function today() {
    const now = new Date();
    const two = (n) => String(n).padStart(2, '0');
    return `${now.getFullYear()}-${two(now.getMonth() + 1)}-${two(now.getDate())}`;
}

// Shows an engine answer: a map, or its refusal with the map shown kept.
// The map becomes a new history entry, or with how 'replace' takes the
// place of the entry shown (the first map, or a map the address named), or
// with 'walk' is the entry the browser is about to go back or forward to.
// `asked` is what the player did and when (an event's time stamp), to time
// the map's frame by. What is not on the screen (the browser's history and
// the stored one) waits until the map is drawn.
function showAnswer(answer, how = 'push', asked = {}) {
    for (const text of answer.messages)
        say(text);
    if (answer.error) {
        say(answer.error);
        return false;
    }
    page.map = answer;
    page.picker.clear();
    // The tiles' bitmaps first: they decode away from the page's thread
    // while it shows the map's texts.
    for (const tile of answer.tiles)
        page.view.tiles.picture(tile.file);
    const remember = () => {
        if (how !== 'walk')
            record(addressOf(answer), how);
        changeStored('history', (text) => page.engine.addToHistory(text, answer));
    };
    // Until the first map is drawn, its tiles' bitmaps need the page's
    // thread more than the history does.
    if (page.firstDrawn)
        afterFrame(remember);
    else
        page.untilDrawn.push(remember);
    // The texts first: the map's view may lay the page out, once, with them.
    showEditBar($('#edit-bar'), answer);
    $('#listing').textContent = answer.listing.join('\n');
    showRouteText(null);
    showFigures(answer);
    status(`${answer.name} · ${answer.keyFigures}`);
    page.view.show(answer, () => timeToFrame(asked.what, asked.start, () => {
        if (page.map !== answer)
            return;
        if (!page.firstDrawn) {
            page.firstDrawn = true;
            performance.mark('tavrin-first-map');
            for (const remember of page.untilDrawn.splice(0))
                remember();
            // The estimate's sample, the stored lists and the rest of the
            // art wait for the first map: they would only hold it up.
            setTimeout(explainWish, 0);
            refreshLists();
            whenIdle(() => loadSheet().catch(() => {}));
            whenIdle(showIcon);
            whenIdle(keepAllArt);
        }
        document.body.dataset.drawn = addressOf(answer);
    }));
    return true;
}

// The page's icon, an SVG the browser draws on the page's own thread: after
// the first map, not before it.
function showIcon() {
    const icon = document.createElement('link');
    icon.rel = 'icon';
    icon.type = 'image/svg+xml';
    icon.href = 'icon.svg';
    document.head.append(icon);
}

// After the first map (and for each palette chosen): every tile's art,
// loaded while the player looks, so that no later map waits for a file, and
// kept for the next visit; then the page kept for offline use, which
// fetches every file again (from the browser's cache by then).
function keepAllArt() {
    page.view.tiles.preload(page.engine.tileArtFiles()).then(() => {
        if ('serviceWorker' in navigator)
            navigator.serviceWorker.register('sw.js').catch(() => {});
    });
}

// The set-up sheet's code and its QR codes' library: not needed for the
// first map, so loaded once it is drawn (or at the first print before).
let sheetCode = null;

function loadScript(src) {
    return new Promise((resolve, reject) => {
        const script = document.createElement('script');
        script.src = src;
        script.onload = resolve;
        script.onerror = reject;
        document.head.append(script);
    });
}

function loadSheet() {
    sheetCode ??= Promise.all([import('./sheet.js'), loadScript('js/qrcode.js')])
        .then(([sheet]) => {
            page.sheet = sheet;
            return sheet;
        })
        .catch((error) => {
            sheetCode = null; // asked again at the next print
            throw error;
        });
    return sheetCode;
}

// The set-up sheet of the map shown, painted when the page is about to
// print (its QR code alone takes longer than drawing a map). The browser's
// own print, asked before the sheet's code is there, paints it as soon as
// the code comes.
function printSheet() {
    if (!page.sheet) {
        loadSheet().then(printSheet, () => {});
        return;
    }
    if (page.map && page.sheetMap !== page.map) {
        page.sheetMap = page.map;
        const plan = page.engine.sheetPlan('A4', today(), location.origin + location.pathname);
        page.sheet.fillSheet($('#sheet'), plan);
    }
    page.sheet.drawSheetMap($('#sheet'), page.map);
}

// The Print button: the sheet's code first, then the browser's print.
function printPage() {
    loadSheet().then(() => window.print(), () => window.print());
}

// Every map shown is an entry of the browser's history, numbered in
// history.state, so that Back and Forward walk the maps and the page's own
// buttons know whether there is a map to go back or forward to. The page
// keeps the addresses of the entries it made, to show the map of one at
// once when its own Back or Forward goes there.
function record(address, how) {
    const at = history.state?.tavrinMap;
    if (how === 'push' && at !== undefined && location.hash !== address) {
        history.pushState({ tavrinMap: at + 1 }, '', address);
        page.lastEntry = at + 1; // the maps that were ahead are gone
        page.addresses.length = at + 1;
    } else {
        // The first map, or one the address itself asked for.
        history.replaceState({ tavrinMap: at ?? 0 }, '', address);
        page.lastEntry = Math.max(page.lastEntry ?? 0, at ?? 0);
    }
    page.entry = history.state.tavrinMap;
    page.addresses[page.entry] = address;
    showWayBack();
}

function showWayBack(at = history.state?.tavrinMap ?? 0) {
    $('#back').disabled = at <= 0;
    $('#forward').disabled = at >= (page.lastEntry ?? 0);
}

// The kept maps and history as last read or stored. Kept here too, so that a
// browser that stores nothing still keeps the maps until the page closes.
const lists = { kept: '', history: '', unsaved: false };

async function changeStored(name, change) {
    try {
        lists[name] = await changeList(name, change);
    } catch {
        lists[name] = change(lists[name]);
        if (!lists.unsaved) {
            lists.unsaved = true;
            say(page.engine.storeFailedText());
        }
    }
    showLists();
}

// Another tab may have changed the lists: they are read afresh whenever the
// page comes back into view.
async function refreshLists() {
    if (!lists.unsaved) {
        try {
            lists.kept = await readList('kept');
            lists.history = await readList('history');
        } catch {
            // Said at the first change that cannot be stored.
        }
    }
    showLists();
}

function listItem(label, title, open, remove) {
    const item = document.createElement('li');
    const button = document.createElement('button');
    button.type = 'button';
    button.className = 'open';
    button.textContent = label;
    button.title = title;
    button.addEventListener('click', open);
    item.append(button);
    if (remove) {
        const cross = document.createElement('button');
        cross.type = 'button';
        cross.textContent = '×';
        cross.setAttribute('aria-label', tr('Remove kept map %1', label));
        cross.addEventListener('click', remove);
        item.append(cross);
    }
    return item;
}

function showLists() {
    const kept = page.engine.keptMaps(lists.kept);
    $('#kept-maps').replaceChildren(...kept.map((map) => listItem(map.shown, map.code,
        () => showAnswer(page.engine.pasteCode(map.code)),
        () => changeStored('kept', (text) => page.engine.removeKeptMap(text, map)))));
    const shown = page.engine.history(lists.history);
    $('#history-maps').replaceChildren(...shown.map((map) => listItem(map.name, map.shareCode,
        () => showAnswer(page.engine.openAddress(addressText(addressOf(map)))))));
}

function keepMap(event) {
    event?.preventDefault();
    const map = page.map;
    if (!map)
        return;
    const name = $('#keep-name').value;
    $('#keep-name').value = '';
    const seedNaming = map.seed !== null ? map.name : '';
    changeStored('kept', (text) => page.engine.keepMap(text, name, map, seedNaming));
}

function showFigures(map) {
    const section = $('#figures');
    section.hidden = !map.figures;
    if (!map.figures)
        return;
    const rows = map.figures.map(({ label, value }) => {
        const term = document.createElement('dt');
        term.textContent = label;
        const detail = document.createElement('dd');
        detail.textContent = value;
        return [term, detail];
    });
    section.querySelector('dl').replaceChildren(...rows.flat());
}

function showRouteText(route) {
    const lines = $('#route-lines');
    const help = $('#route-help');
    const { from } = page.picker;
    help.textContent = route ? tr('Tap a clearing to start a new route.')
        : from ? tr('From %1 %2: tap a clearing for To.', from.token, from.clearing)
        : tr('Tap or click a clearing for From, then another for To.');
    lines.textContent = route ? route.lines.join('\n') : '';
}

function tapped(point, reach, start) {
    const at = page.engine.clearingAt(point, reach);
    if (!at)
        return;
    const complete = page.picker.pick(at);
    const { from, to } = page.picker;
    const route = complete ? page.engine.route(from, to) : null;
    if (route && route.error) {
        say(route.error);
        return;
    }
    page.view.showRoute(from, to, route);
    showRouteText(route);
    timeToFrame('route', start);
}

// False when the address shows no map: it asks for none, or the engine
// refused what it asks for.
function openAddress(asked = {}) {
    if (page.map && addressOf(page.map) === location.hash)
        return true;
    const answer = page.engine.openAddress(addressText(location.hash));
    return answer !== null && showAnswer(answer, 'replace', asked);
}

// Back or Forward in the browser, or a new address typed: the map it names.
// Timed from the page's own Back or Forward when one of them asked.
function openEntry(event) {
    // The page's own Back or Forward, clicked again before the browser came
    // to the entry of the first click: that entry is passed, not shown.
    if (page.walking > 0 && --page.walking > 0)
        return;
    const asked = { what: 'walk', start: page.walkAsked ?? event.timeStamp };
    page.walkAsked = undefined;
    // An address typed or set makes an entry of its own, after the one shown.
    if (history.state?.tavrinMap === undefined) {
        page.lastEntry = (page.entry ?? -1) + 1;
        history.replaceState({ tavrinMap: page.lastEntry }, '', location.hash);
    }
    page.entry = history.state.tavrinMap;
    openAddress(asked);
    // A refused address keeps the map shown; the address says so again.
    if (page.map && addressOf(page.map) !== location.hash)
        history.replaceState(history.state, '', addressOf(page.map));
    page.addresses[page.entry] = location.hash;
    showWayBack();
}

async function copyLink() {
    try {
        await navigator.clipboard.writeText(location.href);
        status(tr('%1: link copied', page.map.name));
    } catch {
        // No clipboard (an old browser, or no permission): the link to copy by hand.
        window.prompt(tr('Copy this link:'), location.href);
    }
}

function pasteCode(event) {
    event.preventDefault();
    const input = $('#code');
    // Read by the engine as Paste Map Code reads the clipboard; a link to
    // the page holds its map in its fragment, where the engine finds it.
    if (showAnswer(page.engine.pasteCode(input.value)))
        input.value = '';
}

// Create Map Until: slices of the search between frames, so the page keeps
// drawing and Cancel is heard; the criteria are remembered.
const SearchSlice = 2000;

function searchUntil(event) {
    event.preventDefault();
    const button = $('#until-form button');
    if (page.searching) {
        page.searching = false;
        return;
    }
    const criteria = $('#criteria').value;
    // A wish no map of the sample meets: asked first, once, with the nearest
    // criteria that some do offered in one click.
    const wish = page.engine.explainWish(criteria, 0);
    if (!wish.error && wish.noMatch && page.wishAsked !== criteria) {
        page.wishAsked = criteria;
        page.nearest = wish.nearest;
        $('#wish-note span').textContent = wish.noMatch;
        $('#use-nearest').hidden = !wish.nearest;
        $('#wish-note').hidden = false;
        button.textContent = tr('Search anyway');
        return;
    }
    $('#wish-note').hidden = true;
    const started = page.engine.startSearch(criteria);
    if (started.error) {
        say(started.error);
        return;
    }
    localStorage.setItem('tavrin-criteria', criteria);
    page.searching = true;
    button.textContent = tr('Cancel');
    const startTime = performance.now();
    const finish = () => {
        page.searching = false;
        button.textContent = tr('Create Map Until');
        setTimeout(explainWish, 0);
    };
    const step = () => {
        if (!page.searching) {
            finish();
            status(tr('%1 · search cancelled', page.map.name));
            return;
        }
        const answer = page.engine.searchOn(SearchSlice);
        if (answer.tried !== undefined) {
            const seconds = ((performance.now() - startTime) / 1000).toFixed(1);
            status(tr('Searching: %1 maps tried, %2 s', answer.tried, seconds));
            setTimeout(step, 0);
            return;
        }
        finish();
        showAnswer(answer);
    };
    setTimeout(step, 0);
}

// The page's Back and Forward: only among its own maps, never off the page.
function walk(by, event) {
    const to = (page.entry ?? history.state?.tavrinMap ?? 0) + by;
    if (to < 0 || to > (page.lastEntry ?? 0))
        return;
    page.entry = to;
    page.walking = (page.walking ?? 0) + 1;
    // The map of an entry the page made is shown at once; the browser's
    // history follows, and finds it shown.
    const known = page.addresses[to];
    const answer = known && page.engine.openAddress(addressText(known));
    if (answer && !answer.error)
        showAnswer(answer, 'walk', { what: 'walk', start: event.timeStamp });
    else
        page.walkAsked = event.timeStamp;
    showWayBack(to);
    history.go(by);
}

function createMap(event) {
    showAnswer(page.engine.createMap(), 'push', { what: 'create', start: event.timeStamp });
}

function zoom(factor, event) {
    if (factor === 0)
        page.view.fit();
    else
        page.view.zoom(factor);
    timeToFrame('zoom', event.timeStamp);
}

// The estimate under the criteria follows every change; the sample it is
// counted in grows a slice at a time between frames, once the map is shown.
const WishSlice = 500;

function explainWish() {
    clearTimeout(page.wishTimer);
    const criteria = $('#criteria').value;
    const answer = page.engine.explainWish(criteria, page.searching ? 0 : WishSlice);
    $('#estimate').textContent = answer.error ?? answer.estimate;
    $('#estimate').title = answer.lines?.join('\n') ?? '';
    if (page.wishAsked !== undefined && page.wishAsked !== criteria) {
        page.wishAsked = undefined;
        $('#wish-note').hidden = true;
        if (!page.searching)
            $('#until-form button').textContent = tr('Create Map Until');
    }
    // The search has the processor while it runs; the sample grows on after.
    if (!answer.error && answer.sampled < answer.target && !page.searching)
        page.wishTimer = setTimeout(explainWish, 0);
}

function useNearest() {
    $('#criteria').value = page.nearest;
    explainWish();
}

function bindKeys() {
    document.addEventListener('keydown', (event) => {
        if (!$('#message').hidden && (event.key === 'Escape' || event.key === 'Enter')) {
            event.preventDefault();
            $('#message').hidden = true;
            return;
        }
        if (event.altKey && (event.key === 'ArrowLeft' || event.key === 'ArrowRight')) {
            event.preventDefault();
            walk(event.key === 'ArrowLeft' ? -1 : 1, event);
            return;
        }
        const ctrl = event.ctrlKey || event.metaKey;
        if (ctrl && event.key.toLowerCase() === 'm') {
            event.preventDefault();
            createMap(event);
        } else if (ctrl && event.key.toLowerCase() === 'd') {
            event.preventDefault();
            keepMap();
        } else if (ctrl && event.key.toLowerCase() === 'p') {
            // The page's own print: the browser's, pressed before the sheet's
            // code has come, would print the page without its sheet.
            event.preventDefault();
            printPage();
        } else if (ctrl && event.key === '0') {
            event.preventDefault();
            zoom(0, event);
        } else if (ctrl && (event.key === '+' || event.key === '=')) {
            event.preventDefault();
            zoom(1.25, event);
        } else if (ctrl && event.key === '-') {
            event.preventDefault();
            zoom(0.8, event);
        }
    });
}

// The palette chosen, remembered for the next visit: the engine's colours
// become the style sheet's custom properties (--route, --from, ...), and the
// tiles on show take the art in its colours.
function usePalette(name) {
    const palette = page.engine.palette(name);
    for (const [key, colour] of Object.entries(palette.colours))
        document.documentElement.style.setProperty(`--${key}`, colour);
    setTileFolder(palette.tileFolder);
    page.view.tiles.useFolder(palette.tileFolder);
    $('#palette').value = palette.name;
    localStorage.setItem('tavrin-palette', palette.name);
}

async function start() {
    markOnce('tavrin-modules');
    // The view first: it opens the kept tile bitmaps while the engine loads.
    page.view = new MapView($('#map'), $('#tiles'), tapped);
    // The reader's language loads beside the engine (English needs nothing).
    const texts = loadLanguage().then(() => {
        translatePage();
        return coreTexts();
    });
    page.engine = await loadEngine(texts);
    performance.mark('tavrin-engine');
    usePalette(localStorage.getItem('tavrin-palette') ?? 'standard');
    $('#palette').addEventListener('change', (event) => {
        usePalette(event.target.value);
        // The new palette's art kept too, for a visit that opens in it.
        if (page.firstDrawn)
            keepAllArt();
    });
    $('#create').addEventListener('click', createMap);
    $('#complete-map').addEventListener('click', () => showAnswer(page.engine.completeMap()));
    $('#reroll').addEventListener('click', () => showAnswer(page.engine.rerollUnpinned()));
    $('#fit').addEventListener('click', (event) => zoom(0, event));
    $('#zoom-in').addEventListener('click', (event) => zoom(1.25, event));
    $('#zoom-out').addEventListener('click', (event) => zoom(0.8, event));
    $('#copy-link').addEventListener('click', copyLink);
    $('#print').addEventListener('click', printPage);
    $('#paste-form').addEventListener('submit', pasteCode);
    $('#until-form').addEventListener('submit', searchUntil);
    $('#criteria').addEventListener('input', explainWish);
    $('#use-nearest').addEventListener('click', useNearest);
    $('#keep-form').addEventListener('submit', keepMap);
    document.addEventListener('visibilitychange', () => {
        if (document.visibilityState === 'visible')
            refreshLists();
    });
    window.addEventListener('focus', refreshLists);
    $('#criteria').value = localStorage.getItem('tavrin-criteria') ?? 'reachable>=95,longest<=18';
    $('#message button').addEventListener('click', () => { $('#message').hidden = true; });
    window.addEventListener('popstate', openEntry);
    $('#back').addEventListener('click', (event) => walk(-1, event));
    $('#forward').addEventListener('click', (event) => walk(1, event));
    window.addEventListener('beforeprint', printSheet);
    matchMedia('print').addEventListener('change', printSheet);
    bindKeys();
    if (!openAddress())
        showAnswer(page.engine.createMap(), 'replace');
    markOnce('tavrin-map-shown');
}

start();
