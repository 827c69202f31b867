// The page's service worker: keeps every file of the page (the list below,
// written when the page is built, with a digest of their contents) so that
// the page works offline after the first visit. A new build is a new cache;
// the old one goes once the new one is whole.
//
// It must cost a warm load nothing: where the browser can, it answers the
// kept files from the cache itself, without waking this worker (its routes,
// set at install); elsewhere each file is looked up by its exact address in
// this build's cache, one lookup, never a scan of every entry.

const Version = '@VERSION@';
const Files = @FILES@;
const CacheName = `tavrin-${Version}`;

// A browser without routes, or one that refuses these, uses the fetch
// handler below for everything: the same answers, a little later.
function addRoutes(event) {
    if (typeof event.addRoutes !== 'function' || typeof URLPattern !== 'function')
        return Promise.resolve();
    const scope = new URL(self.registration.scope);
    const kept = { cacheName: CacheName };
    return event.addRoutes([
        // The page at its own address from the cache; any other page (one
        // with a query, a picture opened alone), from the handler.
        { condition: { requestMode: 'navigate',
                       urlPattern: new URLPattern({ pathname: scope.pathname, search: '' }) },
          source: kept },
        { condition: { requestMode: 'navigate' }, source: 'fetch-event' },
        { condition: { urlPattern: new URLPattern({ pathname: `${scope.pathname}*` }) },
          source: kept },
    ]).catch(() => {});
}

self.addEventListener('install', (event) => {
    event.waitUntil(addRoutes(event)
        .then(() => caches.open(CacheName))
        .then((cache) => cache.addAll(Files))
        .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter((n) => n.startsWith('tavrin-') && n !== CacheName)
            .map((n) => caches.delete(n))))
        .then(() => self.clients.claim()));
});

let kept = null;

// Kept files come from the cache, by their exact address; anything else
// from the network. The address's fragment never reaches here; offline, an
// address with a query (a link shared from elsewhere) finds the file kept
// without it.
async function answer(request) {
    const cache = await (kept ??= caches.open(CacheName));
    const found = await cache.match(request);
    if (found)
        return found;
    try {
        return await fetch(request);
    } catch (error) {
        const near = await cache.match(request, { ignoreSearch: true });
        if (near)
            return near;
        throw error;
    }
}

self.addEventListener('fetch', (event) => {
    if (event.request.method === 'GET')
        event.respondWith(answer(event.request));
});
