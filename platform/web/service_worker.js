// The site's service worker: every file of one deployment in a cache named
// after that deployment, so that the game starts and loads its save with
// the network off. The build writes the version (a hash of the files) and
// the list of files in; a new deployment is a new worker, which waits until
// the page, at a safe moment, asks it to take over.
'use strict';
const Version = '@KXS_SITE_VERSION@';
const Files = [@KXS_SITE_FILES@];
const CacheName = 'kxs-' + Version;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CacheName).then((cache) =>
    cache.addAll(['./'].concat(Files).map((file) => new Request(file, { cache: 'reload' })))));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith('kxs-') && n !== CacheName).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// The site's own files from the cache, anything else from the network.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(CacheName).then((cache) =>
    cache.match(request, { ignoreSearch: true })
      .then((hit) => hit || (request.mode === 'navigate' ? cache.match('./') : undefined))
      .then((hit) => hit || fetch(request))));
});

self.addEventListener('message', (event) => {
  if (event.data === 'kxs-take-over') self.skipWaiting();
});
