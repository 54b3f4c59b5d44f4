// Keeps the site's files so that the page opens without a network once it
// has been opened with one; a new version of a file is taken when online.
// A new name drops the earlier versions' caches, which may hold error
// answers kept before only good ones were.
const CACHE = 'kolven-v2';
const FILES = [
  './', './index.html', './kolven.js', './kolven.wasm', './manifest.webmanifest', './kolven.svg',
  './kolven-192.png', './kolven-512.png',
  './fonts/LiberationSans-Regular.ttf', './fonts/LiberationSans-Bold.ttf',
  './fonts/LiberationSerif-Regular.ttf', './fonts/LiberationSerif-Bold.ttf',
];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)));
  self.skipWaiting();
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((keys) =>
    Promise.all(keys.filter((k) => k !== CACHE).map((k) => caches.delete(k)))));
  self.clients.claim();
});

// The network first, the kept copy when there is none. Only a good answer
// of the site itself is kept: a 404 or a 500 kept would be served offline
// in place of the file, and another site's answer is not the site's file.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(
    fetch(event.request)
      .then((response) => {
        if (response.ok && response.type === 'basic') {
          const copy = response.clone();
          caches.open(CACHE).then((cache) => cache.put(event.request, copy));
        }
        return response;
      })
      .catch(() => caches.match(event.request, { ignoreSearch: true })));
});
