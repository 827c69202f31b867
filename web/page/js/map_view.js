// The map on the screen: an SVG that fills its box, a picture inside it that
// Fit scales whole into view, that the wheel and two fingers zoom and one
// finger or the mouse drags, and taps that name picture points.

import { layoutMarksGroup } from './layout_marks.js';
import { cutOffGroup, routeGroup, svgElement, tileGroup } from './map_svg.js';
import { fitTransform, pinchTransform, tapReach, toPicture, zoomAbout } from './view_math.js';

// How far a pointer may move and still tap, in CSS pixels.
const TapSlop = 8;

export class MapView {
    // onTap(point, reach) gets the picture point tapped and how near a
    // clearing must be, in picture pixels.
    constructor(svg, onTap) {
        this.svg = svg;
        this.onTap = onTap;
        this.world = svgElement('g', { class: 'world' });
        this.svg.append(this.world);
        this.map = null;
        this.transform = { scale: 1, x: 0, y: 0 };
        this.fitted = true;
        this.pointers = new Map();
        this.tapCandidate = null;
        this.listen();
        new ResizeObserver(() => {
            if (this.fitted)
                this.fit();
        }).observe(svg);
    }

    // Shows a new map, fitted; `onDrawn` runs once its tiles have loaded.
    show(map, onDrawn) {
        this.map = map;
        this.world.replaceChildren(tileGroup(map, onDrawn), cutOffGroup(map),
            layoutMarksGroup(map), svgElement('g', { class: 'route' }));
        this.fit();
    }

    showRoute(from, to, route) {
        this.world.lastChild.replaceWith(routeGroup(from, to, route));
    }

    fit() {
        if (!this.map)
            return;
        const box = this.svg.getBoundingClientRect();
        this.fitted = true;
        this.apply(fitTransform(this.map.width, this.map.height, box.width, box.height));
    }

    zoom(factor, sx, sy) {
        const box = this.svg.getBoundingClientRect();
        this.fitted = false;
        this.apply(zoomAbout(this.transform, factor, sx ?? box.width / 2, sy ?? box.height / 2));
    }

    apply(t) {
        this.transform = t;
        this.world.setAttribute('transform', `translate(${t.x} ${t.y}) scale(${t.scale})`);
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
                this.onTap(p, tapReach(this.transform.scale, tap.type));
            }
            this.tapCandidate = null;
        };
        svg.addEventListener('pointerup', end);
        svg.addEventListener('pointercancel', end);
    }
}
