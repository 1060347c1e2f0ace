// The page's script around the game: the saved game's folder in IndexedDB (read before the game
// starts, written at each save), options from the address, and the page going away.
Module.preRun = Module.preRun || [];
// The saved game's folder (and the player's photos in its pictures/) is plain memory that the page
// reads from IndexedDB before the game starts and writes back after each save, in the layout the
// browser's IDBFS used (so older saves still load). A save therefore never waits inside the game: a page being hidden or closed saves
// at once, from its own listener.
var SaveStore = "FILE_DATA";
Module.preRun.push(function () {
  FS.mkdir("/save");
  FS.mkdir("/save/pictures");
  Module.addRunDependency("saved game");
  var done = function () { Module.removeRunDependency("saved game"); };
  var failed = function (why) {
    if (Module.tessoliStorageFailed) Module.tessoliStorageFailed(why);
    done();
  };
  var open;
  try {
    open = indexedDB.open("/save", 21);
  } catch (e) {
    return failed(e);
  }
  open.onupgradeneeded = function () {
    if (!open.result.objectStoreNames.contains(SaveStore))
      open.result.createObjectStore(SaveStore).createIndex("timestamp", "timestamp", { unique: false });
  };
  open.onerror = function () { failed(open.error); };
  open.onsuccess = function () {
    Module.tessoliSaves = open.result;
    var read = open.result.transaction([SaveStore], "readonly").objectStore(SaveStore).openCursor();
    read.onerror = function () { failed(read.error); };
    read.onsuccess = function () {
      var c = read.result;
      if (!c) return done();
      if (c.value && c.value.contents && /^\/save\/(pictures\/)?[^/]+$/.test(c.key))
        FS.writeFile(c.key, c.value.contents);
      c.continue();
    };
  };
});
// After a save: the folder's files replace what IndexedDB held, in one transaction started and
// committed at once.
Module.tessoliStoreSaves = function () {
  var db = Module.tessoliSaves;
  if (!db) return;
  try {
    var t = db.transaction([SaveStore], "readwrite"), store = t.objectStore(SaveStore);
    t.onerror = function () { console.error("Couldn't store the saved game: " + t.error); };
    store.clear();
    ["/save/", "/save/pictures/"].forEach(function (folder) {
      FS.readdir(folder).forEach(function (name) {
        var path = folder + name, stat = FS.stat(path);
        if (FS.isFile(stat.mode))
          store.put({ timestamp: stat.mtime, mode: stat.mode, contents: FS.readFile(path) }, path);
      });
    });
    if (t.commit) t.commit();
  } catch (e) {
    console.error("Couldn't store the saved game: " + e);
  }
};
// "?args=--timedemo,replay.tlr" passes command-line options (the replays and the bench use it).
(function () {
  var args = new URLSearchParams(location.search).get("args");
  if (args) Module.arguments = args.split(",");
})();
// "?file=/path=url" fetches a file into the page's file system before the game starts.
(function () {
  var files = new URLSearchParams(location.search).getAll("file");
  if (!files.length) return;
  Module.preRun.push(function () {
    files.forEach(function (spec) {
      var cut = spec.indexOf("=");
      var path = spec.slice(0, cut), url = spec.slice(cut + 1);
      Module.addRunDependency(path);
      fetch(url).then(function (r) { return r.arrayBuffer(); }).then(function (data) {
        var folder = path.slice(0, path.lastIndexOf("/"));
        if (folder) FS.mkdirTree(folder);
        FS.writeFile(path, new Uint8Array(data));
        Module.removeRunDependency(path);
      });
    });
  });
})();
// The page hidden (another tab or app, the screen off, a phone about to freeze or kill it) or
// closed: the game saves a level in play and pauses; sound stops while hidden and comes back
// with the page. A window losing the focus only pauses, as a desktop window does.
Module.tessoliWatchLeaving = function () {
  var suspended = false;
  document.addEventListener("visibilitychange", function () {
    var audio = typeof SDL !== "undefined" && SDL.audioContext;
    if (document.visibilityState === "hidden") {
      _tessoli_page_leaving(1);
      if (audio && audio.state === "running") {
        audio.suspend();
        suspended = true;
      }
    } else if (suspended && audio) {
      suspended = false;
      audio.resume();
    }
  });
  window.addEventListener("pagehide", function () { _tessoli_page_leaving(1); });
  window.addEventListener("blur", function () { _tessoli_page_leaving(0); });
};
