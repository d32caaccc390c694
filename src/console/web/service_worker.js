// The page's service worker: every file of this release is kept in one cache
// named after the release, so the page plays offline after the first visit.
// Files come from the network while there is one (a new release shows at
// once) and from the cache when there is none. A new release brings a new
// worker (its file list and name differ), which fills its own cache, takes
// over at once and deletes the caches of older releases.
// @HULGOR_RELEASE@ and @HULGOR_FILES@ are filled in at build time.
const cacheName = 'hulgor-@HULGOR_RELEASE@';
const files = ['./', @HULGOR_FILES@];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith('hulgor-') && name !== cacheName)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(fetch(request).catch(async () => {
    const cache = await caches.open(cacheName);
    // ?fast and the like: the same file.
    const kept = await cache.match(request, { ignoreSearch: true })
      || (request.mode === 'navigate' ? await cache.match('./') : undefined);
    return kept || Response.error();
  }));
});
