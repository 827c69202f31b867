// node serve.mjs SITE_DIR [PORT]: serves the page's folder on 127.0.0.1 and
// prints its address as one line, http://127.0.0.1:PORT/, then serves until
// stopped. Port 0 (the default) takes a free one. Static files only.
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, sep } from 'node:path';

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

export function serve(root, port = 0) {
    const base = normalize(root + sep);
    const server = createServer((request, response) => {
        let path;
        try {
            path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
        } catch {
            response.writeHead(400).end();
            return;
        }
        if (path.endsWith('/'))
            path += 'index.html';
        const file = normalize(join(base, path));
        // Nothing outside the folder, whatever the path says.
        if (!file.startsWith(base)) {
            response.writeHead(403).end();
            return;
        }
        let stat;
        try {
            stat = statSync(file);
        } catch {
            stat = null;
        }
        if (!stat || !stat.isFile()) {
            response.writeHead(404, { 'content-type': 'text/plain' }).end('Not found\n');
            return;
        }
        response.writeHead(200, {
            'content-type': Types[extname(file)] ?? 'application/octet-stream',
            'content-length': stat.size,
            'cache-control': 'no-cache',
            // Isolated, so that the page's clock is fine enough to time one
            // Create Map; every file of the page is its own, so nothing breaks.
            'cross-origin-opener-policy': 'same-origin',
            'cross-origin-embedder-policy': 'require-corp',
        });
        if (request.method === 'HEAD')
            response.end();
        else
            createReadStream(file).pipe(response);
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
    const wanted = Number(port ?? 0);
    if (!Number.isInteger(wanted) || wanted < 0 || wanted > 65535) {
        console.error(`not a port: ${port}`);
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
