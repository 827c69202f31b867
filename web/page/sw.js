// The page's service worker: keeps every file of the page (the list below,
// written when the page is built, with a digest of their contents) so that
// the page works offline after the first visit. A new build is a new cache;
// the old one goes once the new one is whole.

const Version = '@VERSION@';
const Files = @FILES@;
const CacheName = `tavrin-${Version}`;

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(CacheName).then((cache) => cache.addAll(Files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter((n) => n.startsWith('tavrin-') && n !== CacheName)
            .map((n) => caches.delete(n))))
        .then(() => self.clients.claim()));
});

// Kept files come from the cache; anything else from the network. The
// address's fragment never reaches here, so every link finds index.html.
self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET')
        return;
    event.respondWith(caches.match(event.request, { ignoreSearch: true })
        .then((kept) => kept ?? fetch(event.request)));
});
