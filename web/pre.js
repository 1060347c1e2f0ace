// Before the game starts: the saved game's folder from IndexedDB, and options from the address.
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  FS.mkdir("/save");
  FS.mount(IDBFS, {}, "/save");
  Module.addRunDependency("saved game");
  FS.syncfs(true, function (error) {
    if (error) console.error("Couldn't read the saved game: " + error);
    Module.removeRunDependency("saved game");
  });
});
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
