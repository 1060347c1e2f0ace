// Keeps the page playable offline. Registered once the page has loaded, it caches the page's
// files from the browser's own copies of them (no second download on a first visit); afterwards
// every file comes from the cache first. Each build names its cache by what it holds: a new build
// is fetched anew on the next visit and the old cache goes.
const CACHE = "@TESSOLI_CACHE@";
// What the page itself loads (the install prompt's pictures are fetched by the browser when it
// wants them, and are not kept).
const FILES = ["./", "index.js", "index.wasm", "index.data", "manifest.webmanifest",
               "icon-32.png", "icon-192.png"];
const OURS = new Set(FILES.concat(["index.html"]).map((f) => new URL(f, self.registration.scope).href));

self.addEventListener("install", (event) => {
  event.waitUntil(caches.keys().then((keys) => {
    // A first install takes what the page has just downloaded; an update asks the server.
    const mode = keys.some((k) => k.startsWith("tessoli-")) ? "no-cache" : "force-cache";
    return caches.open(CACHE).then((cache) =>
      cache.addAll(FILES.map((f) => new Request(f, { cache: mode }))));
  }).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((k) => k !== CACHE).map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  const url = new URL(event.request.url);
  url.search = "";
  if (!OURS.has(url.href)) return;
  event.respondWith(caches.open(CACHE).then((cache) =>
    cache.match(url.href).then((hit) => hit || fetch(event.request).then((response) => {
      if (response.ok) cache.put(url.href, response.clone());
      return response;
    }))));
});
