// The page's server: compressed answers with their headers, GET and HEAD
// only, nothing outside the site folder, ports as decimal numbers only.
import assert from 'node:assert/strict';
import { mkdirSync, mkdtempSync, symlinkSync, writeFileSync } from 'node:fs';
import { request } from 'node:http';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import zlib from 'node:zlib';
import { parsePort, serve } from '../../web/tools/serve.mjs';

function ask(port, path, { method = 'GET', headers = {} } = {}) {
    return new Promise((resolve, reject) => {
        request({ host: '127.0.0.1', port, path, method, headers }, (response) => {
            const chunks = [];
            response.on('data', (c) => chunks.push(c));
            response.on('end', () => resolve({ status: response.statusCode,
                headers: response.headers, body: Buffer.concat(chunks) }));
        }).on('error', reject).end();
    });
}

test('serves compressed, with headers that let the browser keep and revalidate', async () => {
    const outside = mkdtempSync(join(tmpdir(), 'tavrin-outside-'));
    writeFileSync(join(outside, 'secret.txt'), 'not the page\n');
    const site = mkdtempSync(join(tmpdir(), 'tavrin-site-'));
    const script = 'export const tiles = 20;\n'.repeat(200);
    writeFileSync(join(site, 'index.html'), '<!doctype html><title>Tavrin</title>\n');
    writeFileSync(join(site, 'main.js'), script);
    writeFileSync(join(site, 'tile.png'), Buffer.from([0x89, 0x50, 0x4e, 0x47]));
    mkdirSync(join(site, 'art'));
    symlinkSync(join(outside, 'secret.txt'), join(site, 'art', 'link.txt'));
    const server = await serve(site);
    const { port } = server.address();
    try {
        for (const [accepted, encoding, decode] of [
            ['gzip, deflate, br', 'br', zlib.brotliDecompressSync],
            ['gzip', 'gzip', zlib.gunzipSync],
            ['', undefined, (b) => b],
        ]) {
            const got = await ask(port, '/main.js', { headers: { 'accept-encoding': accepted } });
            assert.equal(got.status, 200);
            assert.equal(got.headers['content-encoding'], encoding, accepted);
            assert.equal(got.headers['content-type'], 'text/javascript; charset=utf-8');
            assert.equal(got.headers.vary, 'Accept-Encoding');
            assert.equal(got.headers['cache-control'], 'no-cache');
            assert.equal(Number(got.headers['content-length']), got.body.length);
            assert.equal(decode(got.body).toString(), script);
            if (encoding)
                assert.ok(got.body.length < script.length / 10);
            const again = await ask(port, '/main.js', { headers: {
                'accept-encoding': accepted, 'if-none-match': got.headers.etag } });
            assert.equal(again.status, 304);
            assert.equal(again.body.length, 0);
        }
        // Pictures already compressed go as they are.
        const png = await ask(port, '/tile.png', { headers: { 'accept-encoding': 'br' } });
        assert.equal(png.headers['content-encoding'], undefined);
        assert.equal(png.headers['content-type'], 'image/png');

        const head = await ask(port, '/', { method: 'HEAD', headers: { 'accept-encoding': 'gzip' } });
        assert.equal(head.status, 200);
        assert.equal(head.headers['content-type'], 'text/html; charset=utf-8');
        assert.ok(Number(head.headers['content-length']) > 0);
        assert.equal(head.body.length, 0);

        for (const method of ['POST', 'PUT', 'DELETE', 'OPTIONS']) {
            const refused = await ask(port, '/index.html', { method });
            assert.equal(refused.status, 405, method);
            assert.equal(refused.headers.allow, 'GET, HEAD');
        }
        assert.equal((await ask(port, '/art/link.txt')).status, 403);
        assert.notEqual((await ask(port, '/../' + outside.split('/').pop() + '/secret.txt')).status, 200);
        assert.notEqual((await ask(port, '/%2e%2e/%2e%2e/etc/passwd')).status, 200);
        assert.equal((await ask(port, '/nothing.js')).status, 404);
    } finally {
        server.close();
    }
});

test('a port is a decimal number from 1 to 65535', () => {
    for (const [text, port] of [['8080', 8080], ['1', 1], ['65535', 65535], ['0', null],
        ['65536', null], ['0x1F90', null], ['1e3', null], [' 80', null], ['-1', null],
        ['80.0', null], ['', null], ['99999999999', null]])
        assert.equal(parsePort(text), port, text);
});
