"""A headless Chromium driven over the DevTools protocol, and a local server
for the page.

Debian's python3-websocket is the whole client: the protocol is JSON over one
WebSocket, and the few commands the tests need are easier to read here than
through a driver library that Debian does not package.
"""

import base64
import functools
import http.server
import io
import itertools
import json
import os
import shutil
import subprocess
import tempfile
import threading
import time
import urllib.request

import websocket
from PIL import Image

CHROMIUM = os.environ.get("VORN_CHROMIUM", "/usr/bin/chromium")

# A fresh profile and no traffic of the browser's own: the machine may have
# no network, and nothing but the page should be fetched.
CHROMIUM_FLAGS = [
    "--headless",
    "--no-sandbox",
    "--disable-gpu",
    "--disable-quic",
    "--no-first-run",
    "--no-default-browser-check",
    "--disable-background-networking",
    "--disable-component-update",
    "--disable-sync",
    "--disable-extensions",
    # Pixels as the page draws them, with no colour profile applied.
    "--force-color-profile=srgb",
    "--hide-scrollbars",
    "--window-size=800,720",
    # The page is the one in front, as a person's would be.
    "--disable-background-timer-throttling",
    "--disable-renderer-backgrounding",
    "--disable-backgrounding-occluded-windows",
    "--remote-debugging-port=0",
    "about:blank",
]


class SiteServer:
    """Serves one folder on 127.0.0.1 on a free port, quietly, and counts the
    bytes it sends."""

    def __init__(self, folder):
        self.bytes_sent = 0
        server = self

        class Handler(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *args):
                pass

            def copyfile(self, source, destination):
                data = source.read()
                server.bytes_sent += len(data)
                destination.write(data)

            def end_headers(self):
                # Each load fetches the page anew, as on a first visit.
                self.send_header("Cache-Control", "no-store")
                super().end_headers()

        handler = functools.partial(Handler, directory=folder)
        self._httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = "http://127.0.0.1:%d/" % self._httpd.server_address[1]
        self._thread = threading.Thread(target=self._httpd.serve_forever, daemon=True)
        self._thread.start()

    def close(self):
        self._httpd.shutdown()
        self._httpd.server_close()


# Installed in every page before its own scripts run: counts the pictures
# drawn onto the frame canvas, and keeps the time of the first, so that the
# tests and the benchmarks can tell the loop's passes without a hook in the
# page itself.
DRAW_PROBE = """
(() => {
  const probe = { draws: 0, firstDrawAt: null, firstPaintAt: null };
  window.__drawProbe = probe;
  const drawImage = CanvasRenderingContext2D.prototype.drawImage;
  CanvasRenderingContext2D.prototype.drawImage = function (...args) {
    if (this.canvas.id === 'frame') {
      probe.draws++;
      if (probe.firstDrawAt === null) {
        probe.firstDrawAt = performance.now();
        // The next animation frame is the paint that puts it on screen.
        requestAnimationFrame(() => { probe.firstPaintAt = performance.now(); });
      }
    }
    return drawImage.apply(this, args);
  };
})();
"""


class DevToolsError(RuntimeError):
    pass


class Browser:
    """One headless Chromium with one page, driven over DevTools."""

    def __init__(self, start_timeout=30.0):
        self._profile = tempfile.mkdtemp(prefix="vorn-chromium-")
        self._log = open(os.path.join(self._profile, "chromium.log"), "w+")
        self.process = subprocess.Popen(
            [CHROMIUM, "--user-data-dir=" + self._profile] + CHROMIUM_FLAGS,
            stdout=self._log, stderr=subprocess.STDOUT)
        self._ids = itertools.count(1)
        self._events = []
        try:
            port = self._debugging_port(start_timeout)
            target = self._page_target(port)
            self._socket = websocket.create_connection(target["webSocketDebuggerUrl"], timeout=60,
                                                       suppress_origin=True)
            self.call("Page.enable")
            self.call("Runtime.enable")
            self.call("Page.addScriptToEvaluateOnNewDocument", source=DRAW_PROBE)
        except Exception:
            self.close()
            raise

    def _debugging_port(self, timeout):
        # Chromium writes the port it chose into the profile once it listens.
        port_file = os.path.join(self._profile, "DevToolsActivePort")
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                raise DevToolsError("chromium exited with %d:\n%s" % (self.process.returncode, self._output()))
            try:
                with open(port_file) as f:
                    first_line = f.readline().strip()
                if first_line:
                    return int(first_line)
            except FileNotFoundError:
                pass
            time.sleep(0.05)
        raise DevToolsError("chromium did not open its DevTools port in %.0f s:\n%s" % (timeout, self._output()))

    def _page_target(self, port):
        with urllib.request.urlopen("http://127.0.0.1:%d/json/list" % port, timeout=10) as response:
            targets = json.load(response)
        pages = [t for t in targets if t.get("type") == "page"]
        if not pages:
            raise DevToolsError("chromium shows no page: %r" % targets)
        return pages[0]

    def _output(self):
        self._log.flush()
        self._log.seek(0)
        return self._log.read()[-4000:]

    def call(self, method, **params):
        """Sends one command and returns its result; events that arrive in
        the meantime are kept for take_events()."""
        message_id = next(self._ids)
        self._socket.send(json.dumps({"id": message_id, "method": method, "params": params}))
        while True:
            message = json.loads(self._socket.recv())
            if message.get("id") == message_id:
                if "error" in message:
                    raise DevToolsError("%s: %s" % (method, message["error"]))
                return message.get("result", {})
            if "method" in message:
                self._events.append(message)

    def take_events(self, method):
        taken = [e for e in self._events if e["method"] == method]
        self._events = [e for e in self._events if e["method"] != method]
        return taken

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True, awaitPromise=True)
        if "exceptionDetails" in result:
            raise DevToolsError("%s: %s" % (expression, result["exceptionDetails"]))
        return result["result"].get("value")

    def page_errors(self):
        """The page's uncaught exceptions since this was last asked, as the
        console would show them."""
        self.evaluate("0")  # the events sent before its answer have all come
        return [e["params"]["exceptionDetails"].get("exception", {}).get("description")
                or e["params"]["exceptionDetails"]["text"] for e in self.take_events("Runtime.exceptionThrown")]

    def wait_for(self, expression, timeout=10.0, interval=0.02):
        """Evaluates `expression` until it is truthy and returns its value."""
        deadline = time.monotonic() + timeout
        while True:
            value = self.evaluate(expression)
            if value:
                return value
            if time.monotonic() > deadline:
                raise DevToolsError("still false after %.1f s: %s" % (timeout, expression))
            time.sleep(interval)

    def navigate(self, url, device_scale=1, viewport=(800, 720), touch=False):
        """Loads `url` in a viewport of `viewport` CSS pixels (width, height)
        and waits for its load event; `touch`: as a phone, whose primary
        pointer is a finger."""
        self.call("Emulation.setDeviceMetricsOverride", width=viewport[0], height=viewport[1],
                  deviceScaleFactor=device_scale, mobile=touch)
        if touch:
            self.call("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
        else:
            self.call("Emulation.setTouchEmulationEnabled", enabled=False)
        self.take_events("Page.loadEventFired")
        self.call("Page.navigate", url=url)
        deadline = time.monotonic() + 30
        while not self.take_events("Page.loadEventFired"):
            if time.monotonic() > deadline:
                raise DevToolsError("the page did not load: " + url)
            self.evaluate("1")

    def draws(self):
        """Pictures drawn onto the frame canvas since the page loaded."""
        return self.evaluate("window.__drawProbe.draws")

    def screenshot(self):
        """The viewport as the screen shows it, in device pixels (RGB)."""
        data = self.call("Page.captureScreenshot", format="png")["data"]
        return Image.open(io.BytesIO(base64.b64decode(data))).convert("RGB")

    # Input, as the operator gives it.

    def type_key(self, key):
        """One key press: `key` is a character, or "Escape"."""
        if key == "Escape":
            fields = dict(key="Escape", code="Escape", windowsVirtualKeyCode=27, nativeVirtualKeyCode=27)
            self.call("Input.dispatchKeyEvent", type="rawKeyDown", **fields)
        else:
            fields = dict(key=key, text=key, unmodifiedText=key)
            self.call("Input.dispatchKeyEvent", type="keyDown", **fields)
        self.call("Input.dispatchKeyEvent", type="keyUp", **fields)

    def type_with_control(self, key, code, key_code):
        """`key` typed with Ctrl held: the browser sends no character."""
        fields = dict(key=key, code=code, windowsVirtualKeyCode=key_code, nativeVirtualKeyCode=key_code,
                      modifiers=2)
        self.call("Input.dispatchKeyEvent", type="rawKeyDown", **fields)
        self.call("Input.dispatchKeyEvent", type="keyUp", **fields)

    # The DevTools names of the buttons, and their bits in an event's `buttons`.
    BUTTON_BITS = {"left": 1, "right": 2, "middle": 4, "back": 8, "forward": 16}

    def press(self, x, y, button="left", held=0):
        """Presses `button` while the buttons in `held` (bits) are down."""
        self.call("Input.dispatchMouseEvent", type="mousePressed", x=x, y=y, button=button,
                  buttons=held | self.BUTTON_BITS[button], clickCount=1)

    def release(self, x, y, button="left", held=0):
        """Releases `button`, leaving the buttons in `held` down."""
        self.call("Input.dispatchMouseEvent", type="mouseReleased", x=x, y=y, button=button, buttons=held,
                  clickCount=1)

    def turn_wheel(self, x, y, delta_y):
        """One notch of the wheel at (x, y), `delta_y` CSS pixels down."""
        self.call("Input.dispatchMouseEvent", type="mouseWheel", x=x, y=y, deltaX=0, deltaY=delta_y)

    def move_pointer(self, x, y, buttons=0, modifiers=0):
        self.call("Input.dispatchMouseEvent", type="mouseMoved", x=x, y=y, buttons=buttons, modifiers=modifiers,
                  button="left" if buttons & 1 else "none")

    def click(self, x, y, count=1):
        for n in range(1, count + 1):
            self.call("Input.dispatchMouseEvent", type="mousePressed", x=x, y=y, button="left", buttons=1,
                      clickCount=n)
            self.call("Input.dispatchMouseEvent", type="mouseReleased", x=x, y=y, button="left", buttons=0,
                      clickCount=n)

    def touch(self, x, y):
        """A finger down at (x, y)."""
        self.call("Input.dispatchTouchEvent", type="touchStart", touchPoints=[dict(x=x, y=y)])

    def drag_finger(self, x, y):
        self.call("Input.dispatchTouchEvent", type="touchMove", touchPoints=[dict(x=x, y=y)])

    def lift_finger(self):
        self.call("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def tap(self, x, y):
        self.touch(x, y)
        self.lift_finger()

    def close(self):
        try:
            if getattr(self, "_socket", None) is not None:
                self._socket.close()
        finally:
            if self.process.poll() is None:
                self.process.terminate()
                try:
                    self.process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    self.process.kill()
                    self.process.wait()
            self._log.close()
            shutil.rmtree(self._profile, ignore_errors=True)
