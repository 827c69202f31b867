// SVG elements of a map: its tiles, drawn in tile order from the tile art
// (tiles/MarchLand3.svg), and the marks of a route, all in the picture's
// pixels as the engine gives them.

const SvgNs = 'http://www.w3.org/2000/svg';
export const TileSide = 200;
const RingRadius = 17;

// Where the tile art of the palette in use lies (the engine's palette
// answer names it).
let tileFolder = 'tiles/';
export function setTileFolder(folder) {
    tileFolder = folder;
}

export function svgElement(name, attributes = {}) {
    const element = document.createElementNS(SvgNs, name);
    for (const [key, value] of Object.entries(attributes))
        element.setAttribute(key, String(value));
    return element;
}

// The tiles of `map` in a group; `onLoaded` is called once every tile's
// picture has loaded (or failed to).
export function tileGroup(map, onLoaded = () => {}) {
    const group = svgElement('g', { class: 'tiles' });
    let pending = map.tiles.length;
    const done = () => {
        pending -= 1;
        if (pending === 0)
            onLoaded();
    };
    for (const tile of map.tiles) {
        const image = svgElement('image', {
            href: `${tileFolder}${tile.file}.svg`,
            x: tile.x,
            y: tile.y,
            width: TileSide,
            height: TileSide,
        });
        image.addEventListener('load', done, { once: true });
        image.addEventListener('error', done, { once: true });
        const title = svgElement('title');
        title.textContent = map.listing[map.tiles.indexOf(tile)];
        image.append(title);
        group.append(image);
    }
    return group;
}

// The clearings no road from the start reaches, each crossed out.
export function cutOffGroup(map) {
    const group = svgElement('g', { class: 'cut-off' });
    for (const p of map.cutOff ?? []) {
        const mark = svgElement('g');
        const title = svgElement('title');
        title.textContent = 'Cut off: no road from March Land 1 reaches it';
        mark.append(title, svgElement('circle', { cx: p.x, cy: p.y, r: 9 }),
            svgElement('path', { d: `M${p.x - 5} ${p.y - 5}L${p.x + 5} ${p.y + 5}M${p.x + 5} ${p.y - 5}L${p.x - 5} ${p.y + 5}` }));
        group.append(mark);
    }
    return group;
}

function ring(point, className, label) {
    const group = svgElement('g', { class: className });
    group.append(svgElement('circle', { cx: point.x, cy: point.y, r: RingRadius }));
    if (label) {
        const text = svgElement('text', { x: point.x, y: point.y + RingRadius + 16 });
        text.textContent = label;
        group.append(text);
    }
    return group;
}

// The route's marks: its roads traced, every clearing on the way ringed, the
// start and the end ringed in their own colours. Without a route, the two
// chosen clearings get the ring of a place not joined.
export function routeGroup(from, to, route) {
    const group = svgElement('g', { class: 'route' });
    if (route && route.found) {
        // Each road dashed on a light casing, as the program draws it.
        for (const road of route.roads) {
            const points = road.map((p) => `${p.x},${p.y}`).join(' ');
            group.append(svgElement('polyline', { class: 'casing', points }),
                svgElement('polyline', { class: 'road', points }));
        }
        for (const stop of route.stops.slice(1, -1))
            group.append(ring(stop, 'stop'));
        group.append(ring(route.stops[0], 'from', 'From'));
        group.append(ring(route.stops[route.stops.length - 1], 'to', 'To'));
        return group;
    }
    const apart = route && !route.found;
    if (from)
        group.append(ring(from.centre, apart ? 'apart' : 'from', apart ? 'From: not joined' : 'From'));
    if (to)
        group.append(ring(to.centre, apart ? 'apart' : 'to', apart ? 'To: not joined' : 'To'));
    return group;
}
