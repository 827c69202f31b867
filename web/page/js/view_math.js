// The map view's arithmetic: a view transform { scale, x, y } takes picture
// point p to screen point (p * scale + x, p * scale + y), in CSS pixels of
// the view. Pure functions, so that fitting, zooming and pinching are tested
// without a browser.

export const MinScale = 0.05;
export const MaxScale = 8;


// The whole picture centred in the view, as large as fits with `margin`
// pixels to spare on every side (however small that makes it), and never
// above MaxScale.
export function fitTransform(pictureWidth, pictureHeight, viewWidth, viewHeight, margin = 8) {
    const roomX = Math.max(1, viewWidth - 2 * margin);
    const roomY = Math.max(1, viewHeight - 2 * margin);
    const scale = Math.min(MaxScale, roomX / pictureWidth, roomY / pictureHeight);
    return {
        scale,
        x: (viewWidth - pictureWidth * scale) / 2,
        y: (viewHeight - pictureHeight * scale) / 2,
    };
}

// The transform scaled by `factor` about screen point (sx, sy), which keeps
// showing the same picture point. The scale stays within MinScale..MaxScale,
// or at the smaller scale of a fitted map that needs it.
export function zoomAbout(t, factor, sx, sy) {
    const scale = Math.min(MaxScale, Math.max(Math.min(MinScale, t.scale), t.scale * factor));
    const applied = scale / t.scale;
    return { scale, x: sx - (sx - t.x) * applied, y: sy - (sy - t.y) * applied };
}

// Two fingers moved from a0, b0 to a1, b1 (screen points): the picture
// follows their midpoint and scales with their distance.
export function pinchTransform(t, a0, b0, a1, b1) {
    const d0 = Math.hypot(b0.x - a0.x, b0.y - a0.y);
    const d1 = Math.hypot(b1.x - a1.x, b1.y - a1.y);
    const m0 = { x: (a0.x + b0.x) / 2, y: (a0.y + b0.y) / 2 };
    const m1 = { x: (a1.x + b1.x) / 2, y: (a1.y + b1.y) / 2 };
    const moved = { scale: t.scale, x: t.x + m1.x - m0.x, y: t.y + m1.y - m0.y };
    return d0 > 0 ? zoomAbout(moved, d1 / d0, m1.x, m1.y) : moved;
}

// The picture point under screen point (sx, sy).
export function toPicture(t, sx, sy) {
    return { x: (sx - t.x) / t.scale, y: (sy - t.y) / t.scale };
}

// How near a clearing a tap must land, in picture pixels: the clearing's
// own circle, or a finger's or a pointer's width on the screen, whichever
// is larger.
export function tapReach(scale, pointerType, clearingRadius = 13) {
    const onScreen = pointerType === 'touch' ? 22 : 8;
    return Math.max(clearingRadius, onScreen / scale);
}

// Whether a square of `side` picture pixels at picture point (x, y) shows
// any part of itself in a view of `width` x `height` CSS pixels.
export function squareInView(t, x, y, side, width, height) {
    const left = x * t.scale + t.x;
    const top = y * t.scale + t.y;
    const extent = side * t.scale;
    return left < width && top < height && left + extent > 0 && top + extent > 0;
}
