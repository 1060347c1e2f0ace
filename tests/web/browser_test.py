# The page in headless Chromium: splash, the sound question, the menu with music, a level's look,
# touch on a scaled canvas, the menu button's save surviving a reload, an offline reload, and
# the reference replay giving the desktop's state hash and saved bytes.
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from page import Browser, Server  # noqa: E402

WEB = os.environ.get("TESSOLI_WEB_DIR", "")
REPLAYS = os.path.join(os.environ["TESSOLI_SOURCE_DIR"], "tests", "replays")
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
        b.click(240, 266)  # "Start Game", by mouse
        b.pump(3)
        hint = b.canvas_pixel(25, 514)
        check(hint[1] > hint[0] + 40 and hint[1] > 100,
              "\"Start Game\" shows the level's look with the play buttons (%s)" % hint)
        b.screenshot(os.path.join(server.folder_out, "browser-look-390x844.png"))
    finally:
        b.close()


def offline(server):
    # First visit online installs the service worker; then the network goes and a reload plays.
    b = Browser()
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
    finally:
        b.close()


def replay(server):
    b = Browser()
    try:
        b.navigate(server.url + "?file=/replay.tlr=/won-s2.replay&args=--replay,/replay.tlr,--timedemo")
        line = b.wait_console(" state ", 400)
        want = dict(l.split(" ", 1) for l in open(os.path.join(REPLAYS, "won-s2.expect")).read().split("\n") if " " in l)
        got_state = line.split(" state ")[1].split()[0]
        check(got_state == want["state"].strip(), "replay state hash %s (desktop %s)" % (got_state, want["state"].strip()))
        got_screen = line.split(" screen ")[1].split()[0] if " screen " in line else "?"
        print("     last frame hash %s (desktop %s)" % (got_screen, want.get("screen", "?").strip()))
        saved = bytes(b.eval("Array.from(FS.readFile('/save/cont.tll'))"))
        check(saved == open(os.path.join(REPLAYS, "won-s2.cont"), "rb").read(), "replay's cont.tll bytes")
        print("     " + line)
    finally:
        b.close()


def main():
    if not os.path.exists(os.path.join(WEB, "index.html")):
        print("no page in %r (make web builds it)" % WEB)
        return 1
    server = Server(WEB, {"won-s2.replay": os.path.join(REPLAYS, "won-s2.replay")})
    server.folder_out = os.environ.get("TESSOLI_SHOTS", "/tmp")
    try:
        for step in (play, offline):
            if not os.environ.get("TESSOLI_BROWSER_ONLY") or step.__name__ == os.environ["TESSOLI_BROWSER_ONLY"]:
                step(server)
    finally:
        server.stop()
    print("%d failed" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
