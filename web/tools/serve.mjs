// node serve.mjs SITE_DIR [PORT]: serves the page's folder on 127.0.0.1 and
// prints its address as one line, http://127.0.0.1:PORT/, then serves until
// stopped. Without PORT a free one is taken; a PORT given must be a decimal
// number from 1 to 65535. Static files only, GET and HEAD only.
//
// Text, scripts, styles, the WebAssembly and SVG art go out compressed
// (brotli when the browser takes it and node's zlib has it, else gzip), each
// compressed once and kept while its file is unchanged. Every answer carries
// an ETag, so a warm load asks and gets 304 without the bytes.
import { createReadStream, readFileSync, realpathSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, sep } from 'node:path';
import zlib from 'node:zlib';

const Types = {
    '.html': 'text/html; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.wasm': 'application/wasm',
    '.svg': 'image/svg+xml',
    '.png': 'image/png',
    '.json': 'application/json',
    '.webmanifest': 'application/manifest+json',
};
const Compressible = new Set(['.html', '.css', '.js', '.mjs', '.wasm', '.svg', '.json', '.webmanifest']);

const Encoders = [
    ...(typeof zlib.brotliCompressSync === 'function'
        ? [['br', (data) => zlib.brotliCompressSync(data, {
            params: { [zlib.constants.BROTLI_PARAM_QUALITY]: 9 } })]]
        : []),
    ['gzip', (data) => zlib.gzipSync(data, { level: 9 })],
];

// "PORT" as given: a decimal number from 1 to 65535, else null.
export function parsePort(text) {
    if (!/^[0-9]{1,5}$/.test(text))
        return null;
    const port = Number(text);
    return port >= 1 && port <= 65535 ? port : null;
}

// The encoding to send for an Accept-Encoding header, or null.
function chosenEncoding(accepted) {
    const offered = new Map();
    for (const part of String(accepted ?? '').split(',')) {
        const [name, ...params] = part.trim().toLowerCase().split(';');
        const q = params.map((p) => p.trim()).find((p) => p.startsWith('q='));
        offered.set(name, q ? Number(q.slice(2)) : 1);
    }
    for (const [name] of Encoders)
        if ((offered.get(name) ?? offered.get('*') ?? 0) > 0)
            return name;
    return null;
}

export function serve(root, port = 0) {
    const base = realpathSync(root);
    const compressed = new Map(); // file and encoding -> { tag, bytes }
    const server = createServer((request, response) => {
        if (request.method !== 'GET' && request.method !== 'HEAD') {
            response.writeHead(405, { allow: 'GET, HEAD', 'content-type': 'text/plain' })
                .end('Method not allowed\n');
            return;
        }
        let path;
        try {
            path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
        } catch {
            response.writeHead(400).end();
            return;
        }
        if (path.endsWith('/'))
            path += 'index.html';
        // Nothing outside the folder, whatever the path says or a link in
        // the folder points to.
        let file, stat;
        try {
            file = realpathSync(normalize(join(base, path)));
            stat = statSync(file);
        } catch {
            stat = null;
        }
        if (stat && !file.startsWith(base + sep)) {
            response.writeHead(403).end();
            return;
        }
        if (!stat || !stat.isFile()) {
            response.writeHead(404, { 'content-type': 'text/plain' }).end('Not found\n');
            return;
        }
        const extension = extname(file);
        const encoding = Compressible.has(extension)
            ? chosenEncoding(request.headers['accept-encoding']) : null;
        const tag = `"${stat.size.toString(36)}-${Math.floor(stat.mtimeMs).toString(36)}` +
            `${encoding ? '-' + encoding : ''}"`;
        const headers = {
            'content-type': Types[extension] ?? 'application/octet-stream',
            // Kept, but asked about each time: the file names carry no version.
            'cache-control': 'no-cache',
            etag: tag,
            // Isolated, so that the page's clock is fine enough to time one
            // Create Map; every file of the page is its own, so nothing breaks.
            'cross-origin-opener-policy': 'same-origin',
            'cross-origin-embedder-policy': 'require-corp',
        };
        if (Compressible.has(extension))
            headers.vary = 'Accept-Encoding';
        if (request.headers['if-none-match'] === tag) {
            response.writeHead(304, headers).end();
            return;
        }
        if (!encoding) {
            response.writeHead(200, { ...headers, 'content-length': stat.size });
            if (request.method === 'HEAD')
                response.end();
            else
                createReadStream(file).pipe(response);
            return;
        }
        const key = `${file}\0${encoding}`;
        let entry = compressed.get(key);
        if (!entry || entry.tag !== tag) {
            const encode = Encoders.find(([name]) => name === encoding)[1];
            entry = { tag, bytes: encode(readFileSync(file)) };
            compressed.set(key, entry);
        }
        response.writeHead(200, {
            ...headers, 'content-encoding': encoding, 'content-length': entry.bytes.length,
        });
        response.end(request.method === 'HEAD' ? undefined : entry.bytes);
    });
    return new Promise((resolve, reject) => {
        server.once('error', reject);
        server.listen(port, '127.0.0.1', () => resolve(server));
    });
}

if (import.meta.url === `file://${process.argv[1]}`) {
    const [root, port] = process.argv.slice(2);
    if (!root) {
        console.error('usage: node serve.mjs SITE_DIR [PORT]');
        process.exit(2);
    }
    const wanted = port === undefined ? 0 : parsePort(port);
    if (wanted === null) {
        console.error(`not a port: ${port} (a decimal number from 1 to 65535)`);
        process.exit(2);
    }
    try {
        const server = await serve(root, wanted);
        console.log(`http://127.0.0.1:${server.address().port}/`);
    } catch (error) {
        console.error(`cannot serve on 127.0.0.1:${wanted}: ${error.code === 'EADDRINUSE'
            ? 'the port is in use (choose another with --port N)' : error.message}`);
        process.exit(1);
    }
}
