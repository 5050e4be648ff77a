// The service worker: keeps every file of the site in a cache named after
// the build (make_site.cmake writes the list and the name), so that after
// one visit the page opens and works with no network. A new build is a new
// service worker: it fills its own cache, takes over and deletes the old.
const cacheName = 'qs9-@QS9_CACHE_VERSION@';
const siteFiles = [
  './',
@QS9_SITE_FILES@
];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(siteFiles)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith('qs9-') && n !== cacheName).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// The site's files from the cache, anything else from the network.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET')
    return;
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((cached) => cached || fetch(event.request)));
});
