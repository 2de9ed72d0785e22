// The site's service worker: after the first visit the page works with no
// network. Every file of this version is kept on install; the page is always
// asked of the server first, so a new version is there on the next load, and
// the kept copy answers only when the server cannot be reached. The site's
// packer fills in the version and the files.
const version = "selbrin-@VERSION@";
const files = ["@FILES@"];

self.addEventListener("install", (e) => {
  e.waitUntil(
    caches
      .open(version)
      .then((cache) => cache.addAll(files))
      .then(() => self.skipWaiting()),
  );
});

// Copies of older versions go; this worker serves the open pages at once.
self.addEventListener("activate", (e) => {
  const old = (keys) => keys.filter((key) => key.startsWith("selbrin-") && key !== version);
  e.waitUntil(
    caches
      .keys()
      .then((keys) => Promise.all(old(keys).map((key) => caches.delete(key))))
      .then(() => self.clients.claim()),
  );
});

async function fromServerElseKept(request) {
  const cache = await caches.open(version);
  try {
    const response = await fetch(request);
    if (response.ok) await cache.put(request, response.clone());
    return response;
  } catch (offline) {
    const kept = await cache.match(request, { ignoreSearch: true });
    if (kept) return kept;
    throw offline;
  }
}

self.addEventListener("fetch", (e) => {
  const url = new URL(e.request.url);
  if (e.request.method !== "GET" || url.origin !== self.location.origin) return;
  e.respondWith(fromServerElseKept(e.request));
});
