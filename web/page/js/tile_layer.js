// The map's tiles on the screen, painted on a canvas under the marks: each
// tile art file is drawn once into a bitmap and kept, the first time a map
// (or the page, between maps) asks for it. Showing a map, zooming or moving
// it paints twenty kept bitmaps and nothing else: no fetch, no parse, no
// path of the art drawn again. Over the canvas, in the SVG, each tile has
// its outline (invisible) with the tile's line of the listing as its
// tooltip, so the tiles still take up their place in the picture.

import { svgElement, TileSide } from './map_svg.js';
import { markOnce, whenIdle } from './timing.js';
import { squareInView } from './view_math.js';

// How many files are asked for at a time while the page preloads.
const PreloadBatch = 10;

// The bitmaps' side in pixels: somewhat more than the art's own, so that a
// map shows sharp at the sizes it is fitted to on a desktop or a phone,
// while all 120 of them stay near 30 MB.
const ArtPixels = 256;

// Zoomed in beyond the bitmaps, the tiles in view are drawn again from their
// art as large as the screen shows them, up to this many pixels a side (the
// largest zoom, on a plain screen).
const SharpPixels = 1600;

// A tile's outline in its own picture (its art is clipped to it).
const Outline = '0,87.5 50,0 150,0 200,87.5 150,175 50,175';

// The bitmaps drawn on an earlier visit, kept in the browser's cache storage
// as one entry for each folder of art (a palette's): the PNGs one after
// another, with where each file's lies (x-files: { file: [start, end] }),
// the folder (x-folder) and the digest of the tile art they were drawn from
// (x-art, stamped into the page when it is built). The page reads the
// entries as it starts (index.html), before it knows its first map: one
// read, not one for each tile, done while the engine loads; the map's twenty
// are then decoded side by side, away from the page's own thread, instead
// of fetching the art and drawing its paths again. A cache of its own: the
// service worker's caches come and go with each build of the page, the tile
// art far less often.
const SheetCache = 'tile-sheets';
const SheetName = 'bitmaps'; // the entry's address in its folder
const ArtDigest = document.querySelector('meta[name="tile-art"]')?.content ?? '';
const ArtKnown = /^[0-9a-f]+$/.test(ArtDigest); // not in a page that was never built

// The sheet a kept entry holds, { blob, files }, or null when it is not of
// this art or not whole.
async function sheetOf(response) {
    try {
        const files = JSON.parse(response.headers.get('x-files'));
        if (response.headers.get('x-art') !== ArtDigest || typeof files !== 'object' || !files)
            return null;
        return { folder: response.headers.get('x-folder'), blob: await response.blob(), files };
    } catch {
        return null;
    }
}

// The sheets kept, by folder: none where there is no cache storage (an
// insecure origin, a private window) or nothing was kept yet.
async function keptSheets() {
    try {
        const kept = await (window.tavrinKept ?? caches.open(SheetCache).then((cache) => cache.matchAll()));
        const sheets = await Promise.all((ArtKnown && kept ? [...kept] : []).map(sheetOf));
        return new Map(sheets.filter(Boolean).map((sheet) => [sheet.folder, sheet]));
    } catch {
        return new Map();
    }
}

// The art of `file` drawn into a bitmap of ArtPixels a side.
async function drawArt(art, pixels = ArtPixels) {
    const address = URL.createObjectURL(art);
    try {
        const image = new Image(pixels, pixels);
        image.src = address;
        await image.decode();
        const canvas = document.createElement('canvas');
        canvas.width = pixels;
        canvas.height = pixels;
        canvas.getContext('2d').drawImage(image, 0, 0, pixels, pixels);
        return canvas;
    } finally {
        URL.revokeObjectURL(address);
    }
}

// The bitmap of `file`, { bitmap, png }: decoded from the folder's kept
// sheet, or else drawn from its art at `address`, with its PNG to keep
// (`png`, a promise); null when the art cannot be had.
async function bitmapOf(file, address, sheet) {
    const at = sheet?.files[file];
    if (Array.isArray(at)) {
        try {
            return { bitmap: await createImageBitmap(sheet.blob.slice(at[0], at[1], 'image/png')) };
        } catch {
            // A sheet spoilt in the cache: the tile is drawn from its art,
            // and the sheet dropped, to be kept whole again.
            caches.open(SheetCache).then((cache) => cache.delete(`${sheet.folder}${SheetName}`))
                .catch(() => {});
        }
    }
    try {
        const response = await fetch(address);
        if (!response.ok)
            return null;
        const canvas = await drawArt(await response.blob());
        const png = ArtKnown ? new Promise((done) => canvas.toBlob(done, 'image/png')) : null;
        return { bitmap: await createImageBitmap(canvas), png };
    } catch {
        return null;
    }
}

export class TileLayer {
    // `canvas` is the tiles' canvas, the size of the view and under it.
    constructor(canvas) {
        this.canvas = canvas;
        this.group = svgElement('g', { class: 'tiles' });
        this.folder = 'tiles/'; // the art in the palette's colours
        this.art = new Map(); // file -> { bitmap, ready, state, png }
        this.shown = []; // the map's tiles: { tile, art, outline }
        this.transform = null;
        this.size = null;
        this.blank = true; // nothing drawn on the canvas since it was cleared
        this.sheets = keptSheets();
        // Once read, the sheets are at hand at once, so that the bitmaps are
        // on their way while the page lays itself out for the map.
        this.sheets.then((sheets) => {
            this.read = sheets;
        });
    }

    // The art of `file`, asked for if it is not yet.
    picture(file) {
        let art = this.art.get(file);
        if (art)
            return art;
        art = { bitmap: null, state: 'loading' };
        const { folder } = this;
        const address = `${folder}${file}.svg`;
        const bitmap = this.read ? bitmapOf(file, address, this.read.get(folder))
            : this.sheets.then((sheets) => bitmapOf(file, address, sheets.get(folder)));
        art.ready = bitmap.then((drawn) => {
            art.bitmap = drawn?.bitmap ?? null;
            art.png = drawn?.png;
            art.state = drawn ? 'loaded' : 'failed';
        });
        this.art.set(file, art);
        return art;
    }

    // Takes the tiles of `map` to paint from now on (the view paints them as
    // it fits the map); `onLoaded` runs once all of their art is at hand (or
    // failed): at once when it all was.
    show(map, onLoaded = () => {}) {
        const outlines = this.group.children;
        const shown = map.tiles.map((tile, i) => {
            let outline = outlines[i];
            if (!outline) {
                outline = svgElement('polygon', { points: Outline, fill: 'transparent' });
                outline.append(svgElement('title'));
                this.group.append(outline);
            }
            outline.setAttribute('transform', `translate(${tile.x} ${tile.y})`);
            outline.firstChild.textContent = map.listing[i];
            return { tile, art: this.picture(tile.file) };
        });
        while (outlines.length > shown.length)
            outlines[outlines.length - 1].remove();
        this.dropSharp(shown);
        this.shown = shown;
        const waiting = shown.filter(({ art }) => art.state === 'loading');
        if (waiting.length === 0) {
            markOnce('tavrin-bitmaps-decoded');
            onLoaded();
            return;
        }
        Promise.all(waiting.map(({ art }) => art.ready)).then(() => {
            if (this.shown !== shown)
                return;
            markOnce('tavrin-bitmaps-decoded');
            this.paint();
            onLoaded();
        });
    }

    // Takes the art from `folder` (another palette's) from now on: the tiles
    // shown are drawn again once their new art is at hand, and the bitmaps of
    // the old art are let go.
    useFolder(folder) {
        if (folder === this.folder)
            return;
        const old = [...this.art.values()];
        this.folder = folder;
        this.art = new Map();
        this.sharpening = null;
        const shown = this.shown.map(({ tile }) => ({ tile, art: this.picture(tile.file) }));
        Promise.all(shown.map(({ art }) => art.ready)).then(() => {
            const same = shown.length === this.shown.length
                && shown.every(({ tile }, i) => tile === this.shown[i].tile);
            if (same) {
                this.shown = shown;
                this.paint();
            }
            for (const art of old) {
                art.bitmap?.close();
                art.sharp?.bitmap.close();
            }
        });
    }

    // Draws the tiles through the view transform { scale, x, y } into a view
    // of `size` CSS pixels (without them, as last drawn); answers the scale
    // in device pixels, or null when there is no view.
    draw(transform = this.transform, size = this.size) {
        this.transform = transform;
        this.size = size;
        if (!transform || !size)
            return null;
        const ratio = window.devicePixelRatio || 1;
        const width = Math.round(size.width * ratio);
        const height = Math.round(size.height * ratio);
        const scale = transform.scale * ratio;
        const pictures = this.shown.map(({ tile, art }) => [tile, art.sharp?.bitmap ?? art.bitmap])
            .filter(([, bitmap]) => bitmap);
        // A blank canvas with nothing to draw on it yet (the first map, its
        // art still on its way) stays as it is, at any size: the browser
        // would only send an empty picture to the screen again.
        if (pictures.length === 0 && this.blank)
            return { scale };
        if (this.canvas.width !== width || this.canvas.height !== height) {
            this.canvas.width = width;
            this.canvas.height = height;
        }
        const context = this.canvas.getContext('2d');
        context.setTransform(1, 0, 0, 1, 0, 0);
        context.clearRect(0, 0, width, height);
        context.setTransform(scale, 0, 0, scale, transform.x * ratio, transform.y * ratio);
        context.imageSmoothingQuality = 'high';
        for (const [tile, bitmap] of pictures)
            context.drawImage(bitmap, tile.x, tile.y, TileSide, TileSide);
        this.blank = pictures.length === 0;
        if (!this.blank)
            markOnce('tavrin-painted');
        return { scale };
    }

    // Paints the tiles through the view transform { scale, x, y } into a
    // view of `size` CSS pixels, and has the tiles in view drawn sharper
    // soon when the kept bitmaps are too small for them.
    paint(transform = this.transform, size = this.size) {
        const painted = this.draw(transform, size);
        if (!painted)
            return;
        const pixels = Math.min(SharpPixels, Math.ceil(painted.scale * TileSide));
        if (pixels > ArtPixels) {
            this.sharpenSoon(pixels);
        } else {
            this.sharpening = null;
            this.dropSharp([]);
        }
    }

    // Once the browser is idle (and the view has stopped changing), the
    // tiles in view drawn again from their art at `pixels` a side; the
    // sharper bitmaps of tiles out of view are let go.
    sharpenSoon(pixels) {
        const asked = this.sharpening = { pixels };
        whenIdle(async () => {
            if (this.sharpening !== asked)
                return;
            const { transform, size } = this;
            const seen = this.shown.filter(({ tile }) =>
                squareInView(transform, tile.x, tile.y, TileSide, size.width, size.height));
            this.dropSharp(seen);
            for (const { tile, art } of seen) {
                if (this.sharpening !== asked)
                    return;
                if (art.sharp?.pixels >= pixels || !art.bitmap)
                    continue;
                try {
                    const response = await fetch(`${this.folder}${tile.file}.svg`);
                    const bitmap = await createImageBitmap(await drawArt(await response.blob(), pixels));
                    art.sharp?.bitmap.close();
                    art.sharp = { pixels, bitmap };
                    this.draw();
                } catch {
                    return; // the kept bitmap stays
                }
            }
        });
    }

    // Lets go of the sharper bitmaps of every tile but those of `keep`.
    dropSharp(keep) {
        const kept = new Set(keep.map(({ art }) => art));
        for (const { art } of this.shown)
            if (art.sharp && !kept.has(art)) {
                art.sharp.bitmap.close();
                art.sharp = null;
            }
    }

    // Has every file named drawn, a batch at a time whenever the browser is
    // idle, and keeps them as the folder's sheet for the next visit when
    // they were drawn from their art; resolves once every one is at hand or
    // failed (and kept).
    preload(files) {
        const rest = [...files];
        return new Promise((resolve) => {
            const next = () => {
                const batch = rest.splice(0, PreloadBatch).map((file) => this.picture(file).ready);
                Promise.all(batch).then(() => {
                    if (rest.length > 0)
                        whenIdle(next);
                    else
                        this.keepSheet(files).then(resolve);
                });
            };
            next();
        });
    }

    // Keeps the bitmaps of `files` (every file of the art) as the sheet of
    // the folder shown, when each was drawn from its art here; the PNGs are
    // let go once kept.
    async keepSheet(files) {
        const { folder, art } = this;
        try {
            const pngs = await Promise.all(files.map((file) => art.get(file)?.png));
            if (folder !== this.folder || pngs.some((png) => !png))
                return;
            const index = {};
            let at = 0;
            files.forEach((file, i) => {
                index[file] = [at, at += pngs[i].size];
            });
            const headers = { 'content-type': 'application/octet-stream', 'x-art': ArtDigest,
                'x-folder': folder, 'x-files': JSON.stringify(index) };
            const cache = await caches.open(SheetCache);
            await cache.put(`${folder}${SheetName}`, new Response(new Blob(pngs), { headers }));
            // An earlier page kept the bitmaps one entry a file: no longer read.
            await caches.delete('tile-bitmaps');
        } catch {
            // Not kept (no cache storage, or it is full): drawn again next time.
        } finally {
            for (const file of files)
                if (art.get(file))
                    art.get(file).png = undefined;
        }
    }

    // The files of the map shown whose art could not be had.
    failed() {
        return this.shown.filter(({ art }) => art.state === 'failed').map(({ tile }) => tile.file);
    }
}
