// The page's address: what a link asks for, and the link of a map.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { addressOf, addressText } from '../../web/page/js/address.js';
import { RoutePicker } from '../../web/page/js/route_picker.js';

test('an address gives the engine its fragment, escapes undone', () => {
    const rows = [['', ''], ['#', ''], ['#12345/2', '12345/2'], ['#seed%2012', 'seed 12'],
        ['ABCD-1234', 'ABCD-1234'], ['#100%', '100%']];
    for (const [hash, wanted] of rows)
        assert.equal(addressText(hash), wanted, hash);
});

test('a map\'s address reads back as the same map, whatever its characters', () => {
    const odd = 'dd\u0080 %#/?&\u00ff\\`[^_' + 'e'.repeat(47);
    for (const mapString of [odd, 'ddedde'.repeat(10)]) {
        const address = addressOf({ seed: null, mapString });
        assert.ok(/^#[A-Za-z0-9%\-_.!~*'()]*$/.test(address), address);
        assert.equal(addressText(address), mapString);
    }
    assert.equal(addressOf({ seed: 7, number: 3, mapString: 'x' }), '#7/3');
});

test('route picking: From, then To, then a new From', () => {
    const picker = new RoutePicker();
    assert.equal(picker.pick('a'), false);
    assert.equal(picker.pick('b'), true);
    assert.deepEqual([picker.from, picker.to], ['a', 'b']);
    assert.equal(picker.pick('c'), false);
    assert.deepEqual([picker.from, picker.to], ['c', null]);
});
