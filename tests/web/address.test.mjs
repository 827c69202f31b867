// The page's address: what a link asks for, and the link of a map.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { addressOf, parseAddress } from '../../web/page/js/address.js';
import { RoutePicker } from '../../web/page/js/route_picker.js';

test('an address asks for a seed and number, a code, or nothing', () => {
    const rows = [
        ['', null],
        ['#', null],
        ['#12345/2', { kind: 'seed', seed: 12345, number: 2 }],
        ['#0/1', { kind: 'seed', seed: 0, number: 1 }],
        ['#4294967295/7', { kind: 'seed', seed: 4294967295, number: 7 }],
        ['#4294967296/1', { kind: 'code', text: '4294967296/1' }],
        ['#12/0', { kind: 'code', text: '12/0' }],
        ['#ABCD-1234', { kind: 'code', text: 'ABCD-1234' }],
        ['#100%', { kind: 'code', text: '100%' }],
    ];
    for (const [hash, wanted] of rows)
        assert.deepEqual(parseAddress(hash), wanted, hash);
});

test('a map\'s address reads back as the same map, whatever its characters', () => {
    const odd = 'dd\u0080 %#/?&\u00ff\\`[^_' + 'e'.repeat(47);
    for (const mapString of [odd, 'ddedde'.repeat(10)]) {
        const address = addressOf({ seed: null, mapString });
        assert.ok(/^#[A-Za-z0-9%\-_.!~*'()]*$/.test(address), address);
        assert.deepEqual(parseAddress(address), { kind: 'code', text: mapString });
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
