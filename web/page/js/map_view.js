// The map on the screen: an SVG that fills its box, a picture inside it that
// Fit scales whole into view, that the wheel and two fingers zoom and one
// finger or the mouse drags, and taps that name picture points.
//
// The picture is drawn in layers, bottom to top: the tiles (bitmaps kept
// from map to map, on a canvas under the SVG), then one group per kind of
// mark (the clearings cut off, the route), each replaced alone when it
// changes. A zoom or a drag changes one transform and repaints the tiles.

import { layoutMarksGroup } from './layout_marks.js';
import { cutOffGroup, routeGroup, svgElement } from './map_svg.js';
import { TileLayer } from './tile_layer.js';
import { fitTransform, pinchTransform, tapReach, toPicture, zoomAbout } from './view_math.js';

// How far a pointer may move and still tap, in CSS pixels.
const TapSlop = 8;

export class MapView {
    // onTap(point, reach, time) gets the picture point tapped, how near a
    // clearing must be, in picture pixels, and the tap's time stamp. `canvas`
    // lies under `svg`, the same size, for the tiles.
    constructor(svg, canvas, onTap) {
        this.svg = svg;
        this.onTap = onTap;
        this.world = svgElement('g', { class: 'world' });
        this.svg.append(this.world);
        this.tiles = new TileLayer(canvas);
        this.world.append(this.tiles.group);
        this.marks = new Map(); // class name -> its group, in drawing order
        this.map = null;
        this.transform = { scale: 1, x: 0, y: 0 };
        this.fitted = true;
        this.pointers = new Map();
        this.tapCandidate = null;
        this.listen();
        // The view's size, kept as it changes, so that fitting and zooming
        // never make the browser lay the page out again.
        this.size = null;
        new ResizeObserver(([entry]) => {
            this.size = { width: entry.contentRect.width, height: entry.contentRect.height };
            if (this.fitted)
                this.fit();
            else
                this.tiles.paint(this.transform, this.size);
        }).observe(svg);
    }

    box() {
        if (!this.size) {
            const r = this.svg.getBoundingClientRect();
            this.size = { width: r.width, height: r.height };
        }
        return this.size;
    }

    // Shows a new map, fitted, its marks cleared; `onDrawn` runs once its
    // tiles' pictures are at hand (at once when they were already).
    show(map, onDrawn) {
        this.map = map;
        this.setMarks('cut-off', cutOffGroup(map));
        this.setMarks('layout', layoutMarksGroup(map));
        this.setMarks('route', null);
        this.tiles.show(map, onDrawn);
        // Before the view's size is first known, the size watcher fits the
        // map as the page is laid out; asking for it now would lay the page
        // out at once, ahead of everything else (the tiles' bitmaps).
        if (this.size)
            this.fit();
        else
            this.fitted = true;
    }

    showRoute(from, to, route) {
        this.setMarks('route', routeGroup(from, to, route));
    }

    // Puts `group` in the place of the marks called `name` (its class), or
    // takes them away with null. Marks new to the view go on top.
    setMarks(name, group) {
        const shown = this.marks.get(name);
        const next = group ?? svgElement('g', { class: name });
        if (shown)
            shown.replaceWith(next);
        else
            this.world.append(next);
        this.marks.set(name, next);
    }

    fit() {
        if (!this.map)
            return;
        const box = this.box();
        this.fitted = true;
        this.apply(fitTransform(this.map.width, this.map.height, box.width, box.height));
    }

    zoom(factor, sx, sy) {
        const box = this.box();
        this.fitted = false;
        this.apply(zoomAbout(this.transform, factor, sx ?? box.width / 2, sy ?? box.height / 2));
    }

    apply(t) {
        this.transform = t;
        this.world.setAttribute('transform', `translate(${t.x} ${t.y}) scale(${t.scale})`);
        this.tiles.paint(t, this.box());
        this.svg.dispatchEvent(new CustomEvent('viewchange', { detail: t }));
    }

    local(event) {
        const box = this.svg.getBoundingClientRect();
        return { x: event.clientX - box.left, y: event.clientY - box.top };
    }

    listen() {
        const svg = this.svg;
        svg.addEventListener('wheel', (event) => {
            event.preventDefault();
            const p = this.local(event);
            this.zoom(Math.exp(-event.deltaY * 0.0015), p.x, p.y);
        }, { passive: false });
        svg.addEventListener('pointerdown', (event) => {
            svg.setPointerCapture(event.pointerId);
            this.pointers.set(event.pointerId, this.local(event));
            this.tapCandidate = this.pointers.size === 1
                ? { id: event.pointerId, start: this.local(event), type: event.pointerType }
                : null;
        });
        svg.addEventListener('pointermove', (event) => {
            const before = this.pointers.get(event.pointerId);
            if (!before)
                return;
            const now = this.local(event);
            if (this.pointers.size === 2) {
                const [a, b] = [...this.pointers.entries()];
                const other = a[0] === event.pointerId ? b[1] : a[1];
                const first = a[0] === event.pointerId;
                this.fitted = false;
                this.apply(first ? pinchTransform(this.transform, before, other, now, other)
                                 : pinchTransform(this.transform, other, before, other, now));
            } else if (this.pointers.size === 1) {
                const tap = this.tapCandidate;
                if (tap && Math.hypot(now.x - tap.start.x, now.y - tap.start.y) > TapSlop)
                    this.tapCandidate = null;
                if (!this.tapCandidate) {
                    this.fitted = false;
                    const t = this.transform;
                    this.apply({ scale: t.scale, x: t.x + now.x - before.x, y: t.y + now.y - before.y });
                }
            }
            this.pointers.set(event.pointerId, now);
        });
        const end = (event) => {
            const tap = this.tapCandidate;
            this.pointers.delete(event.pointerId);
            if (event.type === 'pointerup' && tap && tap.id === event.pointerId && this.map) {
                const p = toPicture(this.transform, tap.start.x, tap.start.y);
                this.onTap(p, tapReach(this.transform.scale, tap.type), event.timeStamp);
            }
            this.tapCandidate = null;
        };
        svg.addEventListener('pointerup', end);
        svg.addEventListener('pointercancel', end);
    }
}
