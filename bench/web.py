#!/usr/bin/python3
# The page's measures: a reference replay as a timedemo in the page, the compressed download, the
# time from navigation to the splash on 127.0.0.1, the page's CPU while the menu sits idle, first
# and cached visits on a slow link and unthrottled, a tap's delay after a one-second drag, and one
# 12-megapixel photo brought in through "Your photos" (upright, square, kept).
import glob
import gzip
import os
import re
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from page import Browser, Server  # noqa: E402

SPLASH_SKY = [118, 197, 254]


def near(a, b, tolerance=24):
    return all(abs(x - y) <= tolerance for x, y in zip(a, b))


def download_bytes(web):
    """What a first visit fetches, each file gzip-compressed as a server would send it."""
    total = 0
    for path in sorted(glob.glob(os.path.join(web, "*"))):
        if os.path.isfile(path) and not path.endswith((".log", ".cmake", "Makefile")) and \
                re.search(r"\.(html|js|wasm|data|webmanifest|png)$", path):
            total += len(gzip.compress(open(path, "rb").read(), 9))
    return total


def timedemo(server, replay):
    b = Browser()
    try:
        b.navigate(server.url + "?file=/replay.tlr=/replay&args=--replay,/replay.tlr,--timedemo")
        line = b.wait_console(" state ", 180)
    finally:
        b.close()
    frames, seconds = re.search(r"(\d+) frames in ([0-9.]+) s", line).groups()
    return int(frames), float(seconds)


def splash_and_idle_menu(server):
    b = Browser()
    try:
        start = time.time()
        b.navigate(server.url)
        while not (b.eval("typeof Module !== 'undefined' && Module.calledRun === true") and
                   near(b.canvas_pixel(240, 320), SPLASH_SKY)):
            if time.time() - start > 60:
                raise RuntimeError("no splash within 60 s")
            b.pump(0.02)
        to_splash = time.time() - start
        b.tap(100, 100)  # leaves the splash, loads, asks about sound
        b.pump(4)
        b.tap(148, 276)  # "Yes": the menu, with the music
        b.pump(3)
        b.call("Performance.enable")

        def task_seconds():
            metrics = b.call("Performance.getMetrics")["metrics"]
            return next(m["value"] for m in metrics if m["name"] == "TaskDuration")

        before, t0 = task_seconds(), time.time()
        b.pump(10)
        busy = (task_seconds() - before) / (time.time() - t0)
    finally:
        b.close()
    return to_splash, busy


SLOW = dict(offline=False, latency=150, downloadThroughput=200000, uploadThroughput=200000)


def visit(b, url):
    """Navigation to the splash: seconds, the first words on screen (ms), bytes over the network."""
    b.events = []
    start = time.time()
    b.navigate(url)
    while not (b.eval("typeof Module !== 'undefined' && Module.calledRun === true") and
               near(b.canvas_pixel(240, 320), SPLASH_SKY)):
        if time.time() - start > 120:
            raise RuntimeError("no splash within 120 s")
        b.pump(0.05)
    to_splash = time.time() - start
    words = b.eval("(() => { const p = performance.getEntriesByName('first-contentful-paint')[0];"
                   " return p ? p.startTime : -1; })()")
    b.pump(0.5)
    got = sum(e["params"].get("encodedDataLength", 0) for e in b.events
              if e.get("method") == "Network.loadingFinished")
    return to_splash, words, got


def first_and_cached(server, throttled):
    """A first visit, then (the service worker in place) a second one, in one fresh profile."""
    b = Browser(390, 844)
    try:
        b.call("Network.enable")
        if throttled:
            b.call("Network.emulateNetworkConditions", **SLOW)
        first = visit(b, server.url)
        b.eval("navigator.serviceWorker.ready.then(() => true)", awaited=True)
        b.pump(2)
        cached = visit(b, server.url)
    finally:
        b.close()
    return first, cached


def to_menu(b, server):
    """A fresh page through the splash and "Yes" to the menu."""
    b.navigate(server.url)
    b.wait_for("typeof Module !== 'undefined' && Module.calledRun === true", 60)
    b.pump(1)
    b.tap(100, 100)
    b.pump(4)
    b.tap(148, 276)  # "Yes"
    b.pump(3)


def tap_after_drag(server):
    """Milliseconds from a tap on "Start Game" to a changed picture, after a one-second drag."""
    b = Browser(390, 844)
    try:
        to_menu(b, server)
        b.drag(40, 420, 440, 600, 1.0)
        b.pump(0.2)
        before = b.canvas_pixel(240, 200)
        start = time.time()
        b.tap(240, 266)
        while b.canvas_pixel(240, 200) == before and time.time() - start < 10:
            pass
        return 1000 * (time.time() - start)
    finally:
        b.close()


def photo_ms(server):
    """Milliseconds from the picker handing over a 4000 x 3000 JPEG to the photo kept."""
    folder = tempfile.mkdtemp(prefix="tessoli-bench-photo-")
    photo = os.path.join(folder, "photo.jpg")
    subprocess.check_call(["convert", "-size", "4000x3000", "gradient:orange-navy", "-swirl", "200",
                           "-quality", "90", photo])
    b = Browser(390, 844)
    try:
        to_menu(b, server)  # where the game takes photos at its next frame
        root = b.call("DOM.getDocument")["root"]["nodeId"]
        node = b.call("DOM.querySelector", nodeId=root, selector="#photo-input")["nodeId"]
        count = "FS.readdir('/save/pictures').filter(n => n[0] !== '.').length"
        start = time.time()
        b.call("DOM.setFileInputFiles", files=[photo], nodeId=node)
        while b.eval(count) < 1 and time.time() - start < 60:
            time.sleep(0.01)
        return 1000 * (time.time() - start)
    finally:
        b.close()
        subprocess.call(["rm", "-rf", folder])


def main():
    web, replay = sys.argv[1], sys.argv[2]
    server = Server(web, {"replay": replay})
    try:
        frames, seconds = timedemo(server, replay)
        to_splash, busy = splash_and_idle_menu(server)
        slow = first_and_cached(server, True)
        fast = first_and_cached(server, False)
        drag_tap = tap_after_drag(server)
        photo = photo_ms(server)
    finally:
        server.stop()
    print("web_timedemo_frames %d" % frames)
    print("web_timedemo_ms_per_frame %.4f" % (1000.0 * seconds / frames))
    print("web_download_bytes %d" % download_bytes(web))
    print("web_to_splash_ms %.0f" % (1000.0 * to_splash))
    print("web_menu_cpu_percent %.2f" % (100.0 * busy))
    for name, (first, cached) in (("slow", slow), ("fast", fast)):
        for visit_name, (seconds, words, got) in (("first", first), ("cached", cached)):
            print("web_%s_%s_splash_ms %.0f" % (name, visit_name, 1000 * seconds))
            print("web_%s_%s_words_ms %.0f" % (name, visit_name, words))
            print("web_%s_%s_bytes %d" % (name, visit_name, got))
    print("web_tap_after_drag_ms %.0f" % drag_tap)
    print("web_photo_ms %.0f" % photo)
    return 0


if __name__ == "__main__":
    sys.exit(main())
