// The map view's arithmetic, as laws over many views and gestures.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { fitTransform, MaxScale, pinchTransform, squareInView, tapReach, toPicture, zoomAbout }
    from '../../web/page/js/view_math.js';

const near = (a, b) => assert.ok(Math.abs(a - b) < 1e-9, `${a} != ${b}`);
const screen = (t, p) => ({ x: p.x * t.scale + t.x, y: p.y * t.scale + t.y });

test('a fitted map lies whole inside the view, centred, touching two sides', () => {
    for (const [w, h] of [[1100, 1075], [3200, 200], [200, 3700], [500, 500]])
        for (const [vw, vh] of [[390, 520], [1280, 700], [100, 100]]) {
            const t = fitTransform(w, h, vw, vh, 8);
            const a = screen(t, { x: 0, y: 0 });
            const b = screen(t, { x: w, y: h });
            assert.ok(a.x >= 8 - 1e-9 && a.y >= 8 - 1e-9 && b.x <= vw - 8 + 1e-9 && b.y <= vh - 8 + 1e-9);
            near(a.x + b.x, vw);
            near(a.y + b.y, vh);
            assert.ok(Math.abs(b.x - a.x - (vw - 16)) < 1e-9 || Math.abs(b.y - a.y - (vh - 16)) < 1e-9);
        }
});

test('zooming keeps the picture point under the pointer, within the scale limits', () => {
    let t = { scale: 0.5, x: 30, y: -40 };
    for (const [factor, sx, sy] of [[1.25, 100, 50], [0.8, 0, 0], [3, 390, 844], [100, 10, 10]]) {
        const before = toPicture(t, sx, sy);
        t = zoomAbout(t, factor, sx, sy);
        const after = toPicture(t, sx, sy);
        near(before.x, after.x);
        near(before.y, after.y);
    }
    assert.equal(t.scale, MaxScale);
});

test('two fingers: the picture follows their midpoint and scales with their spread', () => {
    const t = { scale: 1, x: 0, y: 0 };
    const moved = pinchTransform(t, { x: 0, y: 0 }, { x: 100, y: 0 }, { x: 10, y: 5 }, { x: 110, y: 5 });
    assert.deepEqual(moved, { scale: 1, x: 10, y: 5 });
    const spread = pinchTransform(t, { x: 50, y: 50 }, { x: 150, y: 50 }, { x: 0, y: 50 }, { x: 200, y: 50 });
    near(spread.scale, 2);
    const middle = toPicture(spread, 100, 50);
    near(middle.x, 100);
    near(middle.y, 50);
});

test('a finger reaches further than a mouse, never less than the clearing', () => {
    assert.equal(tapReach(1, 'mouse'), 13);
    assert.equal(tapReach(0.25, 'touch'), 88);
    assert.ok(tapReach(0.25, 'touch') > tapReach(0.25, 'mouse'));
});

test('a tile is in view when any part of it is, at any zoom', () => {
    for (const t of [{ scale: 1, x: 0, y: 0 }, { scale: 4, x: -700, y: -300 }, { scale: 0.3, x: 20, y: 10 }]) {
        // The tile whose corner is at the picture point under the view's
        // top left corner, and its neighbours just off each edge.
        const origin = toPicture(t, 0, 0);
        const far = toPicture(t, 390, 844);
        const side = 200;
        assert.ok(squareInView(t, origin.x, origin.y, side, 390, 844));
        assert.ok(squareInView(t, origin.x - side + 1 / t.scale, origin.y, side, 390, 844), 'a sliver on the left');
        assert.ok(!squareInView(t, origin.x - side, origin.y, side, 390, 844), 'touching the left edge');
        assert.ok(!squareInView(t, origin.x, origin.y - side, side, 390, 844), 'touching the top edge');
        assert.ok(!squareInView(t, far.x, origin.y, side, 390, 844), 'at the right edge');
        assert.ok(!squareInView(t, origin.x, far.y, side, 390, 844), 'at the bottom edge');
        assert.ok(squareInView(t, far.x - 1 / t.scale, far.y - 1 / t.scale, side, 390, 844), 'a pixel in the corner');
    }
});
