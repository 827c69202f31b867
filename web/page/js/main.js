// The page: wires the engine, the map view, the route picker, the address
// and the panels together. It decides nothing about maps itself: every map,
// listing line, route and code comes from the engine.

import { addressOf, addressText } from './address.js';
import { loadEngine } from './engine.js';
import { coreTexts, loadLanguage, translatePage, tr } from './language.js';
import { MapView } from './map_view.js';
import { RoutePicker } from './route_picker.js';
import { drawSheetMap, fillSheet } from './sheet.js';
import { changeList, readList } from './stored_lists.js';

const $ = (selector) => document.querySelector(selector);

const page = {
    engine: null,
    view: null,
    map: null,
    picker: new RoutePicker(),
    firstDrawn: false,
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
// place of the entry shown (the first map, or a map the address named).
function showAnswer(answer, how = 'push') {
    for (const text of answer.messages)
        say(text);
    if (answer.error) {
        say(answer.error);
        return false;
    }
    page.map = answer;
    page.picker.clear();
    page.view.show(answer, () => {
        if (!page.firstDrawn) {
            page.firstDrawn = true;
            performance.mark('tavrin-first-map');
            // Keeping the page for offline use fetches every file; it waits
            // until the first map is on the screen.
            if ('serviceWorker' in navigator)
                navigator.serviceWorker.register('sw.js').catch(() => {});
        }
        document.body.dataset.drawn = addressOf(answer);
    });
    $('#listing').textContent = answer.listing.join('\n');
    showRouteText(null);
    showFigures(answer);
    fillSheet($('#sheet'), page.engine.sheetPlan('A4', today(), location.origin + location.pathname));
    status(`${answer.name} · ${answer.keyFigures}`);
    changeStored('history', (text) => page.engine.addToHistory(text, answer));
    record(addressOf(answer), how);
    return true;
}

// Every map shown is an entry of the browser's history, numbered in
// history.state, so that Back and Forward walk the maps and the page's own
// buttons know whether there is a map to go back or forward to.
function record(address, how) {
    const at = history.state?.tavrinMap;
    if (how === 'push' && at !== undefined && location.hash !== address) {
        history.pushState({ tavrinMap: at + 1 }, '', address);
        page.lastEntry = at + 1; // the maps that were ahead are gone
    } else {
        // The first map, or one the address itself asked for.
        history.replaceState({ tavrinMap: at ?? 0 }, '', address);
        page.lastEntry = Math.max(page.lastEntry ?? 0, at ?? 0);
    }
    page.entry = history.state.tavrinMap;
    showWayBack();
}

function showWayBack() {
    const at = history.state?.tavrinMap ?? 0;
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

function tapped(point, reach) {
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
}

// False when the address shows no map: it asks for none, or the engine
// refused what it asks for.
function openAddress() {
    if (page.map && addressOf(page.map) === location.hash)
        return true;
    const answer = page.engine.openAddress(addressText(location.hash));
    return answer !== null && showAnswer(answer, 'replace');
}

// Back or Forward in the browser, or a new address typed: the map it names.
function openEntry() {
    // An address typed or set makes an entry of its own, after the one shown.
    if (history.state?.tavrinMap === undefined) {
        page.lastEntry = (page.entry ?? -1) + 1;
        history.replaceState({ tavrinMap: page.lastEntry }, '', location.hash);
    }
    page.entry = history.state.tavrinMap;
    openAddress();
    // A refused address keeps the map shown; the address says so again.
    if (page.map && addressOf(page.map) !== location.hash)
        history.replaceState(history.state, '', addressOf(page.map));
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
function walk(by) {
    const at = history.state?.tavrinMap ?? 0;
    if (by < 0 && at > 0)
        history.back();
    else if (by > 0 && at < (page.lastEntry ?? 0))
        history.forward();
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
            walk(event.key === 'ArrowLeft' ? -1 : 1);
            return;
        }
        const ctrl = event.ctrlKey || event.metaKey;
        if (ctrl && event.key.toLowerCase() === 'm') {
            event.preventDefault();
            showAnswer(page.engine.createMap());
        } else if (ctrl && event.key.toLowerCase() === 'd') {
            event.preventDefault();
            keepMap();
        } else if (ctrl && event.key === '0') {
            event.preventDefault();
            page.view.fit();
        } else if (ctrl && (event.key === '+' || event.key === '=')) {
            event.preventDefault();
            page.view.zoom(1.25);
        } else if (ctrl && event.key === '-') {
            event.preventDefault();
            page.view.zoom(0.8);
        }
    });
}

async function start() {
    await loadLanguage();
    translatePage();
    page.engine = await loadEngine(coreTexts());
    page.view = new MapView($('#map'), tapped);
    $('#create').addEventListener('click', () => showAnswer(page.engine.createMap()));
    $('#fit').addEventListener('click', () => page.view.fit());
    $('#zoom-in').addEventListener('click', () => page.view.zoom(1.25));
    $('#zoom-out').addEventListener('click', () => page.view.zoom(0.8));
    $('#copy-link').addEventListener('click', copyLink);
    $('#print').addEventListener('click', () => window.print());
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
    $('#back').addEventListener('click', () => walk(-1));
    $('#forward').addEventListener('click', () => walk(1));
    window.addEventListener('beforeprint', () => drawSheetMap($('#sheet'), page.map));
    matchMedia('print').addEventListener('change', () => drawSheetMap($('#sheet'), page.map));
    bindKeys();
    if (!openAddress())
        showAnswer(page.engine.createMap(), 'replace');
    refreshLists();
    setTimeout(explainWish, 0);
}

start();
