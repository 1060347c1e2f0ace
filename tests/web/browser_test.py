# The page in headless Chromium: splash, the sound question, the menu with music, a level's look,
# touch on a scaled canvas, a tap right after a drag, no console complaints, a slow first visit's
# loading layer and single downloads, a missing data file's sentence, a pause and the tap that
# ends it, the menu button's save surviving a reload, a tap at the edges of an enlarged "Yes",
# the tune paused after "No", the page hidden (saved, paused, silent) and closed mid-level, the
# reference replays giving the desktop's state hashes and saved bytes, an offline reload,
# "Exit Game" back to the splash, and the player's photos picked, kept, played and removed.
import glob
import os
import re
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from page import Browser, Server  # noqa: E402

WEB = os.environ.get("TESSOLI_WEB_DIR", "")
REPLAYS = os.path.join(os.environ["TESSOLI_SOURCE_DIR"], "tests", "replays")
# The Scale 1 media set of the desktop build, for the Scale 1 replays.
MEDIA_S1 = os.path.join(os.environ.get("TESSOLI_BUILD_DIR", ""), "media-s1")
MEDIA_S1_FILES = ["config.tll", "gfx.def", "gfx.pak", "msx.def", "msx.pak"] + sorted(
    os.path.basename(f) for f in glob.glob(os.path.join(MEDIA_S1, "*.txt")))
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


def near(got, want, slack=12):
    return got is not None and all(abs(a - b) <= slack for a, b in zip(got, want))


def canvas_sum(b):
    """A cheap fingerprint of the whole canvas, to tell one screen from the next."""
    return b.eval("""(() => { const c = document.getElementById('canvas');
        const t = document.createElement('canvas'); t.width = c.width; t.height = c.height;
        const g = t.getContext('2d'); g.drawImage(c, 0, 0);
        const d = g.getImageData(0, 0, c.width, c.height).data; let s = 0;
        for (let i = 0; i < d.length; i += 4) s = (s * 31 + d[i] + d[i + 1] * 7 + d[i + 2] * 13) % 1000000007;
        return s; })()""")


def wait_change(b, before, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        b.pump(0.25)
        now = canvas_sum(b)
        if now != before:
            b.pump(0.5)
            return canvas_sum(b)
    return None


def wait_still(b, seconds=15):
    """Waits until two looks a second apart agree (a fade has ended)."""
    last = canvas_sum(b)
    end = time.time() + seconds
    while time.time() < end:
        b.pump(1.0)
        now = canvas_sum(b)
        if now == last:
            return now
        last = now
    return last


def bright(b, x0, y0, x1, y1):
    """How many cream or yellow text pixels lie in a part of the canvas."""
    return b.eval("""(() => { const c = document.getElementById('canvas');
        const t = document.createElement('canvas'); t.width = c.width; t.height = c.height;
        const g = t.getContext('2d'); g.drawImage(c, 0, 0);
        const d = g.getImageData(%d, %d, %d, %d).data; let n = 0;
        for (let i = 0; i < d.length; i += 4) if (d[i] > 200 && d[i + 1] > 170 && d[i + 2] < 200) n++;
        return n; })()""" % (x0, y0, x1 - x0, y1 - y0))


def play(server):
    # A phone-sized viewport: the canvas is scaled by CSS, so every tap goes through the scaling.
    b = Browser(390, 844)
    try:
        b.navigate(server.url)
        b.wait_for("typeof Module !== 'undefined' && Module.calledRun === true", 60, "the game")
        b.pump(2)
        box = b.eval("(() => { const r = document.getElementById('canvas').getBoundingClientRect();"
                     " return [r.left, r.top, r.width, r.height]; })()")
        check(abs(box[2] - 390) < 1 and abs(box[3] - 520) < 1 and abs(box[1] - 162) < 1,
              "canvas scaled to the largest 3:4 fit, centred: %s" % box)
        check(b.eval("document.title") == "Tessoli", "page title is the caption")
        check(b.eval("document.scrollingElement.scrollHeight <= innerHeight"), "no page scrolling")
        # The splash: sky in the tile tray's picture.
        check(near(b.canvas_pixel(240, 320), [118, 197, 254]), "splash shows the tray's sky")
        b.screenshot(os.path.join(server.folder_out, "browser-splash-390x844.png"))
        splash = canvas_sum(b)

        b.tap(100, 100)  # touch: leaves the splash, loads, asks about sound
        b.pump(4)
        check(canvas_sum(b) != splash, "a touch tap leaves the splash")
        check(bright(b, 30, 495, 200, 535) < 20, "no best score line before the menu")
        b.tap(148, 276)  # "Yes", by touch on the scaled canvas
        b.pump(3)
        check(bright(b, 30, 495, 200, 535) > 100, "\"Yes\" leads to the menu and its best score")
        audio = b.eval("(typeof SDL !== 'undefined' && SDL.audioContext) ?"
                       " SDL.audioContext.state : 'none'")
        check(audio == "running", "audio is running (%s)" % audio)
        b.screenshot(os.path.join(server.folder_out, "browser-menu-390x844.png"))
        # A finger drawn across the menu for a second queues a hundred-odd moves; the tap on
        # "Start Game" behind them acts in the next frame, not after them.
        b.drag(40, 420, 440, 600, 1.0)
        b.pump(0.3)
        menu = canvas_sum(b)
        start = time.time()
        b.tap(240, 266)
        while canvas_sum(b) == menu and time.time() - start < 5:
            pass
        delay = time.time() - start
        check(delay < 0.4, "a tap right after a one-second drag acts at once (%.0f ms)" % (delay * 1000))
        b.pump(3)
        hint = b.canvas_pixel(25, 514)
        check(hint[1] > hint[0] + 40 and hint[1] > 100,
              "\"Start Game\" shows the level's look with the play buttons (%s)" % hint)
        b.screenshot(os.path.join(server.folder_out, "browser-look-390x844.png"))
        check(not b.complaints, "no warnings or errors from loading to a level %s" % b.complaints)
    finally:
        b.close()


def first_visit(server):
    # A first visit on a slow link (1.6 Mbit/s, 150 ms): the page's own loading layer from the
    # first second, its bar moving with the bytes, then the game's first frame in its place; the
    # service worker keeps what the page fetched, so each file comes down once.
    b = Browser(390, 844)
    try:
        b.call("Network.enable")
        b.call("Network.emulateNetworkConditions", offline=False, latency=150,
               downloadThroughput=200000, uploadThroughput=200000)
        served = len(server.served)
        b.navigate(server.url)
        b.pump(1)
        words = b.eval("(() => { const l = document.getElementById('loading');"
                       " return getComputedStyle(l).display !== 'none' ? l.innerText : ''; })()")
        check("Tessoli" in words and "Loading" in words, "within a second the loading layer: %r" % words)
        b.wait_for("parseFloat(document.querySelector('#bar div').style.width) > 10", 30, "the bar to move")
        b.screenshot(os.path.join(server.folder_out, "browser-loading-390x844.png"))
        b.call("Network.emulateNetworkConditions", offline=False, latency=0,
               downloadThroughput=-1, uploadThroughput=-1)
        b.wait_for("typeof Module !== 'undefined' && Module.calledRun === true", 60, "the game")
        b.pump(0.5)
        check(b.eval("getComputedStyle(document.getElementById('loading')).display") == "none"
              and near(b.canvas_pixel(240, 320), [118, 197, 254]), "the splash takes the layer's place")
        b.eval("navigator.serviceWorker.ready.then(() => true)", awaited=True)
        b.pump(1.5)
        counts = {}
        for path, status in server.served[served:]:
            counts[path] = counts.get(path, 0) + 1
        check(counts and max(counts.values()) == 1, "each file downloaded once: %s" % counts)
    finally:
        b.close()
    # The data file missing on the server: one plain sentence and a way to try again.
    broken = Server(WEB, {"index.data": "/nonexistent/index.data"})
    b = Browser(390, 844)
    try:
        b.navigate(broken.url)
        b.wait_for("(() => { const f = document.getElementById('failed');"
                   " return f && getComputedStyle(f).display !== 'none'; })()", 30,
                   "the sentence for a missing file")
        said = b.eval("document.getElementById('failed').innerText")
        check("could not be downloaded" in said and "Try again" in said, "a missing data file is said: %r" % said)
        b.screenshot(os.path.join(server.folder_out, "browser-failed-390x844.png"))
    finally:
        b.close()
        broken.stop()


def offline(server):
    # First visit online installs the service worker; then the network goes and a reload plays.
    # A tablet-sized viewport this time.
    b = Browser(768, 1024)
    try:
        b.navigate(server.url)
        b.eval("navigator.serviceWorker.ready.then(() => true)", awaited=True)
        b.pump(2)
        b.call("Network.enable")
        b.call("Network.emulateNetworkConditions", offline=True, latency=0,
               downloadThroughput=-1, uploadThroughput=-1)
        server.stop()
        b.navigate(server.url)
        b.wait_for("typeof Module !== 'undefined' && Module.calledRun === true", 60, "the game offline")
        b.pump(2)
        check(near(b.canvas_pixel(240, 320), [118, 197, 254]), "offline reload shows the splash")
        box = b.eval("(() => { const r = document.getElementById('canvas').getBoundingClientRect();"
                     " return [r.left, r.top, r.width, r.height]; })()")
        check(abs(box[2] - 768) < 1 and abs(box[3] - 1024) < 1, "768x1024: the canvas fills %s" % box)
        b.screenshot(os.path.join(server.folder_out, "browser-splash-768x1024.png"))
        # Offline it still plays: through the sound question to the menu.
        b.eval(GRAB)
        b.tap(100, 100)
        b.pump(3.5)
        b.tap(148, 276)
        b.pump(2.5)
        check(bright(b, 30, 495, 200, 535) > 100, "offline the game plays on to the menu")
        b.screenshot(os.path.join(server.folder_out, "browser-menu-768x1024.png"))
        b.eval("window.tessoliBefore = true")
        b.tap(240, 340)  # "Exit Game": a page cannot close, so the game starts again at its splash
        b.wait_for("typeof tessoliBefore === 'undefined' && typeof Module !== 'undefined'"
                   " && Module.calledRun === true", 30, "the game again")
        b.pump(1)
        check(near(b.canvas_pixel(240, 320), [118, 197, 254]), "\"Exit Game\" returns to the splash")
    finally:
        b.close()


def replays(server):
    """Every reference replay as a timedemo in the page: the desktop's state hash and cont.tll."""
    for path in sorted(glob.glob(os.path.join(REPLAYS, "*.replay"))):
        name = os.path.basename(path)[:-len(".replay")]
        scale = re.search(r"^scale (\d+)", open(path).read(), re.M).group(1)
        files = ["/replay.tlr=/replays/" + name + ".replay"]
        args = "--replay,/replay.tlr,--timedemo"
        if scale == "1":  # the page preloads the Scale 2 set; a Scale 1 replay brings its own
            files += ["/s1/%s=/media-s1/%s" % (f, f) for f in MEDIA_S1_FILES]
            args += ",--media,/s1/"
        b = Browser()
        try:
            b.navigate(server.url + "?" + "&".join("file=" + f for f in files) + "&args=" + args)
            line = b.wait_console(" state ", 120)
            expect = open(os.path.join(REPLAYS, name + ".expect")).read()
            want = dict(re.findall(r"^(state|screen) ([0-9a-f]+)", expect, re.M))
            got = dict(re.findall(r"\b(state|screen) ([0-9a-f]+)", line))
            check(got.get("state") == want["state"],
                  "%s: state hash %s (desktop %s)" % (name, got.get("state"), want["state"]))
            saved = bytes(b.eval("Array.from(FS.readFile('/save/cont.tll'))"))
            check(saved == open(os.path.join(REPLAYS, name + ".cont"), "rb").read(),
                  "%s: the saved cont.tll bytes" % name)
            # The last frame is drawn from pictures stb_image decodes; its JPEG rounding is not
            # libjpeg's, so that hash is shown, not compared.
            print("     %s: %s (desktop last frame %s)" % (name, line.strip(), want["screen"]))
        finally:
            b.close()


# --- the music, a placed tile, the menu button's save and a continue after a reload ---

BOARD, CELL, TILE = 15, 90, (195, 490)  # the board's edge and cells, the offered tile (Scale 2)
GRAB = """window.tessoliGrab = function (x, y, w, h) {
    const c = document.getElementById('canvas');
    const t = document.createElement('canvas'); t.width = c.width; t.height = c.height;
    const g = t.getContext('2d'); g.drawImage(c, 0, 0);
    return g.getImageData(x, y, w, h).data; };
  window.tessoliDiff = function (a, ax, ay, aw, b, bx, by, bw, n) {
    let d = 0, k = 0;  // mean difference of two n x n blocks, their outer 4 pixels left out
    for (let y = 4; y < n - 4; y++) for (let x = 4; x < n - 4; x++) {
      const i = ((ay + y) * aw + ax + x) * 4, j = ((by + y) * bw + bx + x) * 4;
      for (let c = 0; c < 3; c++) d += Math.abs(a[i + c] - b[j + c]); k += 3; }
    return d / k; }; true"""


def region_sum(b, x, y, w, h):
    return b.eval("""(() => { const d = tessoliGrab(%d, %d, %d, %d); let s = 0;
        for (let i = 0; i < d.length; i += 4) s = (s * 31 + d[i] + d[i + 1] * 7 + d[i + 2] * 13) %% 1000000007;
        return s; })()""" % (x, y, w, h))


def cell_likeness(b, cell):
    """How far the board's cell (0..24) is from the same cell of the picture shown at the look."""
    x, y = BOARD + CELL * (cell % 5), BOARD + CELL * (cell // 5)
    return b.eval("""(() => { const now = tessoliGrab(0, 0, 480, 640);
        return tessoliDiff(now, %d, %d, 480, tessoliLook, %d, %d, 480, %d); })()""" % (x, y, x, y, CELL))


def offered_likeness(b):
    """How far the offered tile is from each of the picture's 25 cells as the look showed them."""
    return b.eval("""(() => { const now = tessoliGrab(0, 0, 480, 640); const d = [];
        for (let c = 0; c < 25; c++) d.push(tessoliDiff(now, %d, %d, 480, tessoliLook,
            %d + %d * (c %% 5), %d + %d * Math.floor(c / 5), 480, %d));
        return d; })()""" % (TILE[0], TILE[1], BOARD, CELL, BOARD, CELL, CELL))


def poll(b, get, good, seconds):
    """The first value get() gives that good() accepts within the time, else the last."""
    end = time.time() + seconds
    while True:
        value = get()
        if good(value) or time.time() > end:
            return value
        b.pump(0.25)


def music_state(b):
    return b.eval("""(() => { if (typeof SDL === 'undefined' || !SDL.audioContext) return null;
        const m = SDL.music && SDL.music.audio, n = m && m.webAudioNode;
        return { context: SDL.audioContext.state, time: SDL.audioContext.currentTime,
                 playing: !!(m && !m.paused && n), loop: !!(n && n.loop),
                 seconds: n && n.buffer ? n.buffer.duration : 0 }; })()""")


def through_sound_question(b, answer):
    b.wait_for("typeof Module !== 'undefined' && Module.calledRun === true", 60, "the game")
    b.pump(1)
    b.eval(GRAB)
    b.tap(100, 100)
    b.pump(3.5)
    b.tap(*answer)
    b.pump(2)


def save_and_continue(server):
    # Browsers here start sound only from a tap, as on a phone.
    b = Browser(390, 844, autoplay="document-user-activation-required")
    try:
        b.navigate(server.url)
        b.wait_for("typeof Module !== 'undefined' && Module.calledRun === true", 60, "the game")
        b.pump(0.5)
        before = music_state(b)
        check(before is None or before["context"] != "running",
              "no sound before the first tap (%s)" % before)
        through_sound_question(b, (148, 276))  # "Yes"
        music = music_state(b)
        check(music is not None and music["context"] == "running", "a tap starts the audio (%s)" % music)
        check(music is not None and music["playing"] and music["loop"] and abs(music["seconds"] - 76.8) < 0.01,
              "the tune plays, looping its one 76.8 s pass (%s)" % music)
        b.pump(0.7)
        later = music_state(b)
        check(music and later and later["time"] > music["time"] + 0.5, "the audio clock runs")

        b.click(240, 266)  # "Start Game"
        b.pump(3)
        b.eval("window.tessoliLook = tessoliGrab(0, 0, 480, 640); true")
        # Five seconds later the picture goes and a tile is offered below the empty board.
        offered = poll(b, lambda: offered_likeness(b), lambda d: min(d) < 12, 12)
        home = min(range(25), key=lambda c: offered[c])
        ranked = sorted(offered)
        check(ranked[0] < 12 and ranked[0] * 3 < ranked[12],
              "the offered tile is one of the picture's cells (cell %d, %.1f against a median %.1f)"
              % (home, ranked[0], ranked[12]))
        empty = cell_likeness(b, home)
        # A touch on the canvas scaled by CSS (390 x 520 for 480 x 640) at the cell's centre.
        b.tap(BOARD + CELL * (home % 5) + CELL / 2, BOARD + CELL * (home // 5) + CELL / 2)
        b.pump(1.5)
        placed = cell_likeness(b, home)
        check(empty > 20 and placed < 12,
              "a touch on its cell places the tile there (%.1f before, %.1f after)" % (empty, placed))
        board = region_sum(b, BOARD, BOARD, 5 * CELL, 5 * CELL)
        score = region_sum(b, 300, 585, 170, 40)
        b.screenshot(os.path.join(server.folder_out, "browser-play-390x844.png"))

        # P pauses: the panel covers the board. A tap goes on (a page cannot look into its event
        # queue, so the pause must still see the tap) and does not land on the board.
        b.key("p", "KeyP", 80)
        b.pump(1)
        check(region_sum(b, BOARD, BOARD, 5 * CELL, 5 * CELL) != board, "P covers the board")
        b.screenshot(os.path.join(server.folder_out, "browser-paused-390x844.png"))
        b.tap(BOARD + CELL / 2, BOARD + CELL / 2)
        b.pump(1)
        check(region_sum(b, BOARD, BOARD, 5 * CELL, 5 * CELL) == board,
              "a tap ends the pause and the board is as it was")

        b.tap(426, 505)  # the menu button saves and returns to the menu
        b.pump(2.5)
        check(bright(b, 30, 495, 200, 535) > 100, "the menu button returns to the menu")
        saved = b.eval("(() => { try { return FS.stat('/save/cont.tll').size; } catch (e) { return 0; } })()")
        check(saved > 0, "the menu button writes the saved game (%d bytes)" % saved)
        b.pump(0.5)  # IndexedDB takes the copy

        b.navigate(server.url)
        through_sound_question(b, (316, 276))  # "No" this time
        quiet = music_state(b)
        check(quiet and not quiet["playing"], "after \"No\" the tune is paused, not played silent (%s)" % quiet)
        menu = canvas_sum(b)
        b.click(240, 266)  # "Start Game" asks first
        b.pump(2)
        # The prompt stands on the menu's picture with its best score, no play buttons (a new
        # game's look would show them).
        hint = b.canvas_pixel(25, 514)
        check(canvas_sum(b) != menu and bright(b, 30, 495, 200, 535) > 100
              and not (hint[1] > hint[0] + 40 and hint[1] > 100),
              "after a reload \"Start Game\" offers \"Continue game?\"")
        b.screenshot(os.path.join(server.folder_out, "browser-continue-390x844.png"))
        # "Yes" is drawn 32 pixels tall from y 360; a finger takes 54 (44 CSS pixels) about its
        # middle, 349 to 403. Just past that edge nothing happens; just inside it, "Yes".
        prompt = canvas_sum(b)
        b.tap(198, 406)
        b.pump(1)
        check(canvas_sum(b) == prompt, "a tap just past the enlarged \"Yes\" does nothing")
        b.tap(198, 400)
        # The level's look comes first again; then the board as it was left.
        same = poll(b, lambda: region_sum(b, BOARD, BOARD, 5 * CELL, 5 * CELL), lambda v: v == board, 15)
        b.screenshot(os.path.join(server.folder_out, "browser-continued-390x844.png"))
        check(same == board, "the continued game has the same board")
        check(region_sum(b, 300, 585, 170, 40) == score, "the continued game has the same score")
    finally:
        b.close()


def bar_length(b):
    """How long the time bar is, in game pixels (its red to green row under the HUD)."""
    return b.eval("""(() => { const d = tessoliGrab(0, 633, 480, 1); let n = 0;
        for (let i = 0; i < d.length; i += 4) if (d[i] + d[i + 1] > 150) n++; return n; })()""")


def stored_save(b):
    """The bytes of cont.tll in the browser's own storage (IndexedDB), not the game's copy."""
    return b.eval("""new Promise((done) => { const q = indexedDB.open('/save');
        q.onerror = () => done(-1);
        q.onsuccess = () => { const g = q.result.transaction(['FILE_DATA']).objectStore('FILE_DATA')
            .get('/save/cont.tll'); g.onsuccess = () => done(g.result ? g.result.contents.length : 0);
            g.onerror = () => done(-1); }; })""", awaited=True)


def leave_and_come_back(server):
    # The page hidden mid-level by another tab, with the music on (headless Chromium slows a
    # hidden tab's timers unless sound plays), then the tab closed outright.
    b = Browser(390, 844)
    try:
        b.navigate(server.url)
        through_sound_question(b, (148, 276))
        b.click(240, 266)  # "Start Game"
        b.pump(3)
        b.eval("window.tessoliLook = tessoliGrab(0, 0, 480, 640); true")
        offered = poll(b, lambda: offered_likeness(b), lambda d: min(d) < 12, 12)
        home = min(range(25), key=lambda c: offered[c])
        cell = (BOARD + CELL * (home % 5) + CELL / 2, BOARD + CELL * (home // 5) + CELL / 2)
        b.pump(2)  # the clock runs
        board = region_sum(b, BOARD, BOARD, 5 * CELL, 5 * CELL)
        bar = bar_length(b)
        tab = b.open_tab()
        b.pump(0.5)
        hidden = b.eval("[document.visibilityState, SDL.audioContext.state]")
        b.pump(6)
        saved = stored_save(b)
        b.close_tab(tab)
        b.pump(1)
        check(hidden == ["hidden", "suspended"], "hidden, the sound is suspended (%s)" % hidden)
        check(saved > 0, "hiding saves the level into the browser's storage (%d bytes)" % saved)
        check(b.eval("SDL.audioContext.state") == "running", "back in sight, the sound plays again")
        check(region_sum(b, BOARD, BOARD, 5 * CELL, 5 * CELL) != board, "back in sight: the pause panel")
        b.pump(2.5)  # a hidden tab's timers may crawl; a page in sight runs at speed
        left = bar_length(b)
        check(bar - 2 <= left <= bar, "the clock stands still while hidden and after (bar %d, then %d)"
              % (bar, left))
        b.screenshot(os.path.join(server.folder_out, "browser-hidden-paused-390x844.png"))
        b.tap(*cell)
        b.pump(1)
        check(region_sum(b, BOARD, BOARD, 5 * CELL, 5 * CELL) == board, "a tap goes on, landing nowhere")
        b.tap(*cell)
        b.pump(1.5)
        placed = region_sum(b, BOARD, BOARD, 5 * CELL, 5 * CELL)
        check(placed != board, "then a tap places the offered tile")

        b.close_page_for_new_one()  # no menu button: the tab is closed mid-level
        b.navigate(server.url)
        through_sound_question(b, (148, 276))
        b.click(240, 266)  # "Start Game" asks "Continue game?"
        b.pump(2)
        b.tap(189, 372)  # "Yes"
        same = poll(b, lambda: region_sum(b, BOARD, BOARD, 5 * CELL, 5 * CELL), lambda v: v == placed, 15)
        check(same == placed, "after the tab was closed, \"Continue game?\" gives the board as it was left")
    finally:
        b.close()


# Twenty photos of one colour each, so a level shows one we know; the first held upright but
# stored on its side (red above blue), its Exif block saying so; and a file that is no picture.
PHOTO_COLOURS = [(230, 40, 40), (40, 200, 60), (40, 80, 230), (240, 220, 40), (200, 60, 220),
                 (40, 220, 220), (250, 140, 30), (120, 60, 20), (120, 200, 120), (90, 90, 90),
                 (250, 170, 200), (20, 120, 100), (160, 160, 240), (180, 30, 90), (200, 230, 120),
                 (60, 40, 140), (240, 240, 240), (150, 110, 60), (30, 60, 30), (100, 150, 200)]
TURNED = b"\xFF\xE1\x00\x22Exif\0\0MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0"


def make_photos(folder):
    paths = []
    for i, (r, g, b) in enumerate(PHOTO_COLOURS):
        path = os.path.join(folder, "p%02d.jpg" % i)
        if i == 0:
            subprocess.check_call(["convert", "-size", "200x400", "xc:red", "-fill", "blue", "-draw",
                                   "rectangle 0,200 199,399", path])
            data = open(path, "rb").read()
            open(path, "wb").write(data[:2] + TURNED + data[2:])
        else:
            subprocess.check_call(["convert", "-size", "300x200", "xc:rgb(%d,%d,%d)" % (r, g, b), path])
        paths.append(path)
    bad = os.path.join(folder, "notes.jpg")
    open(bad, "w").write("not a picture\n")
    return paths + [bad]


def photo_count(b):
    return b.eval("FS.readdir('/save/pictures').filter(n => n[0] !== '.').length")


def your_photos(server):
    folder = tempfile.mkdtemp(prefix="tessoli-photos-")
    b = Browser(390, 844)
    try:
        b.navigate(server.url)
        through_sound_question(b, (148, 276))
        check(b.eval("getComputedStyle(document.getElementById('add-photos')).display") != "none",
              "a \"Your photos\" button beside the game")
        root = b.call("DOM.getDocument")["root"]["nodeId"]
        node = b.call("DOM.querySelector", nodeId=root, selector="#photo-input")["nodeId"]
        b.call("DOM.setFileInputFiles", files=make_photos(folder), nodeId=node)
        end = time.time() + 30
        while time.time() < end and photo_count(b) < 20:
            b.pump(0.5)
        b.pump(1)
        check(photo_count(b) == 20, "the picker's twenty photos join the pictures (%d)" % photo_count(b))
        notice = b.eval("document.getElementById('photo-notice').textContent")
        check("20 photos added" in notice and "notes.jpg" in notice,
              "the page says what it took and what it could not read: %r" % notice)
        # The photo stored on its side stands upright: its stored bottom (blue) on the left.
        sides = b.eval("""(async () => {
            const name = FS.readdir('/save/pictures').find(n => n.startsWith('p00'));
            const image = await createImageBitmap(new Blob([FS.readFile('/save/pictures/' + name)]));
            const c = document.createElement('canvas'); c.width = image.width; c.height = image.height;
            const g = c.getContext('2d'); g.drawImage(image, 0, 0);
            return [image.width, Array.from(g.getImageData(100, 100, 1, 1).data.slice(0, 3)),
                    Array.from(g.getImageData(350, 100, 1, 1).data.slice(0, 3))]; })()""", awaited=True)
        check(sides[0] == 450 and near(sides[1], [0, 0, 255], 40) and near(sides[2], [255, 0, 0], 40),
              "a photo is turned upright as its camera saw it, square, 450 px (%s)" % sides)
        check(bright(b, 40, 380, 440, 420) > 100, "the menu names the player's pictures")
        b.screenshot(os.path.join(server.folder_out, "browser-photos-390x844.png"))

        # Kept in the browser's storage: a reload (or a visit offline) still has them.
        b.navigate(server.url)
        through_sound_question(b, (148, 276))
        check(photo_count(b) == 20, "the photos are still there after a reload (%d)" % photo_count(b))
        b.tap(240, 266)  # "Start Game": twenty photos take every level
        b.pump(3)
        wait_still(b)
        centre = b.canvas_pixel(240, 240)
        check(any(near(centre, c, 30) for c in PHOTO_COLOURS[1:]) or
              near(centre, [255, 0, 0], 40) or near(centre, [0, 0, 255], 40),
              "the level shows one of the photos (%s)" % centre)
        b.screenshot(os.path.join(server.folder_out, "browser-level-photo-390x844.png"))

        b.eval("document.getElementById('remove-photos').click()")
        b.pump(1)
        check(photo_count(b) == 0, "\"Remove your photos\" removes them")
        b.navigate(server.url)
        b.wait_for("typeof Module !== 'undefined' && Module.calledRun === true", 60, "the game")
        check(photo_count(b) == 0, "and they stay removed after a reload")
        check(not b.complaints, "no warnings or errors with the photos %s" % b.complaints)
    finally:
        b.close()
        subprocess.call(["rm", "-rf", folder])


def main():
    if not os.path.exists(os.path.join(WEB, "index.html")):
        print("no page in %r (make web builds it)" % WEB)
        return 1
    extra = {"replays/" + os.path.basename(p): p for p in glob.glob(os.path.join(REPLAYS, "*.replay"))}
    extra.update({"media-s1/" + f: os.path.join(MEDIA_S1, f) for f in MEDIA_S1_FILES})
    server = Server(WEB, extra)
    server.folder_out = os.environ.get("TESSOLI_SHOTS", "/tmp")
    try:
        for step in (play, first_visit, save_and_continue, leave_and_come_back, your_photos, replays,
                     offline):  # offline stops the server
            if not os.environ.get("TESSOLI_BROWSER_ONLY") or step.__name__ == os.environ["TESSOLI_BROWSER_ONLY"]:
                step(server)
    finally:
        server.stop()
    print("%d failed" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
