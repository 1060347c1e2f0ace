# Drives the game's page in headless Chromium over the DevTools protocol, served from 127.0.0.1.
import base64
import http.server
import json
import os
import shutil
import socket
import socketserver
import subprocess
import sys
import tempfile
import threading
import time

import websocket


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Server:
    """A static file server for the page's folder (and extra files), on a free port."""

    def __init__(self, folder, extra=None):
        extra = extra or {}
        served = self.served = []  # (path, status) of every request answered

        class Handler(http.server.SimpleHTTPRequestHandler):
            def __init__(self, *a, **k):
                super().__init__(*a, directory=folder, **k)

            def translate_path(self, path):
                name = path.split("?")[0].lstrip("/")
                if name in extra:
                    return extra[name]
                return super().translate_path(path)

            def log_message(self, *a):
                pass

            def log_request(self, code="-", size="-"):
                served.append((self.path.split("?")[0], int(getattr(code, "value", code))))

            def end_headers(self):
                self.send_header("Cache-Control", "no-cache")
                super().end_headers()

        socketserver.TCPServer.allow_reuse_address = True
        self.httpd = socketserver.ThreadingTCPServer(("127.0.0.1", free_port()), Handler)
        self.httpd.daemon_threads = True
        self.port = self.httpd.server_address[1]
        self.url = "http://127.0.0.1:%d/" % self.port
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


class Browser:
    """One headless Chromium with a fresh profile, and a DevTools connection to its page."""

    def __init__(self, width=480, height=640, profile=None, autoplay="no-user-gesture-required"):
        self.own_profile = profile is None
        self.profile = profile or tempfile.mkdtemp(prefix="tessoli-chromium-")
        self.console = []
        self.complaints = []  # console warnings and errors, uncaught exceptions, browser warnings
        self.events = []
        args = [shutil.which("chromium") or "chromium", "--headless", "--no-sandbox",
                "--disable-gpu", "--disable-quic", "--no-first-run",
                "--disable-background-networking", "--disable-component-update", "--disable-sync",
                "--autoplay-policy=" + autoplay, "--mute-audio",
                "--user-data-dir=" + self.profile, "--remote-debugging-port=0",
                "--window-size=%d,%d" % (width, height), "about:blank"]
        self.proc = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = os.path.join(self.profile, "DevToolsActivePort")
        deadline = time.time() + 30
        while not os.path.exists(port_file) or os.path.getsize(port_file) == 0:
            if time.time() > deadline or self.proc.poll() is not None:
                raise RuntimeError("chromium did not start")
            time.sleep(0.1)
        port = open(port_file).read().split()[0]
        self.port = port
        deadline = time.time() + 10
        while True:
            try:
                import urllib.request
                targets = json.load(urllib.request.urlopen("http://127.0.0.1:%s/json" % port))
                page = [t for t in targets if t["type"] == "page"][0]
                break
            except Exception:
                if time.time() > deadline:
                    raise
                time.sleep(0.1)
        self.size = (width, height)
        self._attach(page)

    def _attach(self, page):
        self.target = page["id"]
        self.ws = websocket.create_connection(page["webSocketDebuggerUrl"], timeout=120)
        self.next_id = 0
        self.call("Runtime.enable")
        self.call("Page.enable")
        self.call("Log.enable")
        self.call("Emulation.setDeviceMetricsOverride", width=self.size[0], height=self.size[1],
                  deviceScaleFactor=1, mobile=False)

    def open_tab(self):
        """Another tab in front of this page (which the browser then hides); its target id."""
        target = self.call("Target.createTarget", url="about:blank")["targetId"]
        self.call("Target.activateTarget", targetId=target)
        return target

    def close_tab(self, target):
        self.call("Target.closeTarget", targetId=target)
        self.call("Target.activateTarget", targetId=self.target)

    def close_page_for_new_one(self):
        """Closes this page's tab as a player would, and drives a fresh tab from then on."""
        import urllib.request
        target = self.call("Target.createTarget", url="about:blank")["targetId"]
        self.call("Target.closeTarget", targetId=self.target)
        self.ws.close()
        targets = json.load(urllib.request.urlopen("http://127.0.0.1:%s/json" % self.port))
        self._attach([t for t in targets if t["id"] == target][0])

    def _handle(self, message):
        if message.get("method") == "Runtime.consoleAPICalled":
            text = " ".join(str(a.get("value", a.get("description", "")))
                            for a in message["params"]["args"])
            self.console.append(text)
            if message["params"]["type"] in ("warning", "error"):
                self.complaints.append(text)
        elif message.get("method") == "Runtime.exceptionThrown":
            self.complaints.append(message["params"]["exceptionDetails"].get("text", "exception"))
        elif message.get("method") == "Log.entryAdded" and \
                message["params"]["entry"]["level"] in ("warning", "error"):
            self.complaints.append(message["params"]["entry"]["text"])
        elif "method" in message:
            self.events.append(message)

    def call(self, method, **params):
        self.next_id += 1
        mine = self.next_id
        self.ws.send(json.dumps({"id": mine, "method": method, "params": params}))
        while True:
            message = json.loads(self.ws.recv())
            if message.get("id") == mine:
                if "error" in message:
                    raise RuntimeError("%s: %s" % (method, message["error"]))
                return message.get("result", {})
            self._handle(message)

    def eval(self, expression, awaited=False):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True,
                           awaitPromise=awaited)
        if "exceptionDetails" in result:
            raise RuntimeError("%s: %s" % (expression, result["exceptionDetails"]))
        return result["result"].get("value")

    def pump(self, seconds):
        """Lets time pass while collecting console lines."""
        end = time.time() + seconds
        while time.time() < end:
            self.ws.settimeout(max(0.01, end - time.time()))
            try:
                self._handle(json.loads(self.ws.recv()))
            except websocket.WebSocketTimeoutException:
                pass
        self.ws.settimeout(120)

    def wait_for(self, expression, seconds=30, what=None):
        end = time.time() + seconds
        while time.time() < end:
            if self.eval(expression):
                return
            self.pump(0.1)
        raise AssertionError("timed out waiting for " + (what or expression) +
                             "\nconsole:\n" + "\n".join(self.console[-20:]))

    def wait_console(self, text, seconds=60):
        end = time.time() + seconds
        while time.time() < end:
            for line in self.console:
                if text in line:
                    return line
            self.pump(0.2)
        raise AssertionError("no console line with %r\nconsole:\n%s" %
                             (text, "\n".join(self.console[-20:])))

    def navigate(self, url):
        self.console = []
        self.complaints = []
        self.call("Page.navigate", url=url)

    def screenshot(self, path=None):
        data = base64.b64decode(self.call("Page.captureScreenshot", format="png")["data"])
        if path:
            with open(path, "wb") as f:
                f.write(data)
        return data

    def canvas_pixel(self, x, y):
        """The canvas's own pixel (game coordinates), as [r, g, b]."""
        return self.eval("""(() => { const c = document.getElementById('canvas');
            const t = document.createElement('canvas'); t.width = c.width; t.height = c.height;
            const g = t.getContext('2d'); g.drawImage(c, 0, 0);
            return Array.from(g.getImageData(%d, %d, 1, 1).data.slice(0, 3)); })()""" % (x, y))

    def page_point(self, x, y):
        """Where game pixel (x, y) lies on the page, through the canvas's CSS scaling."""
        return self.eval("""(() => { const c = document.getElementById('canvas');
            const r = c.getBoundingClientRect();
            return [r.left + (%f + 0.5) * r.width / c.width,
                    r.top + (%f + 0.5) * r.height / c.height]; })()""" % (x, y))

    def click(self, x, y, button="left"):
        px, py = self.page_point(x, y)
        for kind in ("mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=px, y=py, button=button,
                      clickCount=1)

    def tap(self, x, y):
        px, py = self.page_point(x, y)
        self.call("Input.dispatchTouchEvent", type="touchStart",
                  touchPoints=[{"x": px, "y": py, "id": 1}])
        self.call("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def drag(self, x0, y0, x1, y1, seconds=1.0):
        """A finger laid on game pixel (x0, y0), drawn to (x1, y1) over the time, and lifted."""
        steps = max(1, int(seconds * 60))
        start = time.time()
        for i in range(steps + 1):
            px, py = self.page_point(x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps)
            self.call("Input.dispatchTouchEvent", type="touchStart" if i == 0 else "touchMove",
                      touchPoints=[{"x": px, "y": py, "id": 1}])
            time.sleep(max(0, start + seconds * (i + 1) / steps - time.time()))
        self.call("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def key(self, text, code, key_code):
        """A key pressed and let go, as a keyboard gives it to the page."""
        for kind in ("keyDown", "keyUp"):
            self.call("Input.dispatchKeyEvent", type=kind, key=text, code=code,
                      windowsVirtualKeyCode=key_code, nativeVirtualKeyCode=key_code,
                      **({"text": text} if kind == "keyDown" else {}))

    def close(self):
        try:
            self.call("Browser.close")
        except Exception:
            pass
        try:
            self.proc.wait(10)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
        if self.own_profile:
            shutil.rmtree(self.profile, ignore_errors=True)
