// The service worker: keeps every file of the site in a cache named after
// the build (make_site.cmake writes the list and the name), so that after
// one visit the page opens and works with no network. A new build is a new
// service worker: it fills its own cache at the next visit and takes over,
// deleting the old cache, once no page of the old build is open, so that a
// page never mixes the files of two builds.
const cacheName = 'qs9-@QS9_CACHE_VERSION@';
const siteFiles = [
  './',
@QS9_SITE_FILES@
];

self.addEventListener('install', (event) => {
  // From the server itself, never from the browser's HTTP cache, which may
  // still hold files of the last build.
  const fresh = siteFiles.map((file) => new Request(file, { cache: 'reload' }));
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(fresh)));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith('qs9-') && n !== cacheName).map((n) => caches.delete(n)))));
});

// The site's files from the cache, anything else from the network.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET')
    return;
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((cached) => cached || fetch(event.request)));
});
