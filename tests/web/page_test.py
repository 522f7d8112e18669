#!/usr/bin/python3
"""The web page in headless chromium, driven over the DevTools protocol.

    page_test.py PAGE_FOLDER WAD

Serves PAGE_FOLDER on 127.0.0.1, opens it at 1280x720 and checks that the
map shows, that the viewer's keys change the picture, that a WAD given to
the file input replaces the map, that a file that is not a WAD gets the
viewer's own message while the page keeps running, and that the canvas
follows the window's size and Esc's style. Prints frame rates.
"""
import functools, http.server, json, os, re, shutil, subprocess, sys, tempfile, threading, time
import urllib.request
import websocket

# The picture's outline: which pixels differ from the most common colour.
# The wall colours change every second, so colours are not compared.
SHAPE_JS = """(() => {
  const c = document.getElementById('canvas');
  const d = new Uint32Array(c.getContext('2d').getImageData(0, 0, c.width, c.height).data.buffer);
  const counts = new Map();
  for (let i = 0; i < d.length; i += 97) counts.set(d[i], (counts.get(d[i]) || 0) + 1);
  const background = [...counts].sort((a, b) => b[1] - a[1])[0][0];
  let hash = 0, lit = 0, below = 0;
  for (let i = 0; i < d.length; i++) {
    const on = d[i] !== background;
    hash = (hash * 31 + (on ? i : 0)) | 0;
    if (on) { lit++; if (i >= c.width * 40) below++; }
  }
  return [hash, lit, below, c.width, c.height];
})()"""
COUNT_FRAMES_JS = """window.frames_shown = 0;
const put = CanvasRenderingContext2D.prototype.putImageData;
CanvasRenderingContext2D.prototype.putImageData = function (...a) {
  window.frames_shown++; return put.apply(this, a); };"""
KEYS = [("ArrowUp", 38), ("ArrowLeft", 37), ("PageUp", 33), ("F3", 114), ("Space", 32),
        ("NumpadAdd", 107), ("Home", 36)]


class DevTools:
    def __init__(self, url):
        self.socket = websocket.create_connection(url, timeout=30)
        self.last_id = 0

    def call(self, method, **params):
        self.last_id += 1
        self.socket.send(json.dumps({"id": self.last_id, "method": method, "params": params}))
        while True:
            reply = json.loads(self.socket.recv())
            if reply.get("id") == self.last_id:
                if "error" in reply:
                    raise RuntimeError(f"{method}: {reply['error']}")
                return reply["result"]

    def evaluate(self, expression):
        return self.call("Runtime.evaluate", expression=expression, returnByValue=True)["result"].get("value")

    def press(self, code, key_code):
        for kind in ("rawKeyDown", "keyUp"):
            self.call("Input.dispatchKeyEvent", type=kind, code=code, key=code,
                      windowsVirtualKeyCode=key_code)


def wait_for(what, condition, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    raise AssertionError(f"timed out waiting for {what}")


def serve(folder):
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return f"http://127.0.0.1:{server.server_port}/index.html"


def open_browser(work):
    # Chromium keeps a folder of its own in the temporary folder, which a
    # terminated browser leaves behind: it goes under the work folder.
    browser = subprocess.Popen(
        ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         f"--user-data-dir={os.path.join(work, 'profile')}", "--remote-debugging-port=0",
         "--window-size=1280,720", "about:blank"],
        stderr=subprocess.PIPE, text=True, env=dict(os.environ, TMPDIR=work))
    for line in browser.stderr:
        found = re.search(r"DevTools listening on ws://([^/]+)/", line)
        if found:
            break
    with urllib.request.urlopen(f"http://{found.group(1)}/json/list") as reply:
        page = next(t for t in json.load(reply) if t["type"] == "page")
    return browser, DevTools(page["webSocketDebuggerUrl"])


def swapped_maps_wad(wad, out):
    """The WAD with E1M1 and E1M2 trading names: the page's E1M1 becomes E1M2."""
    data = bytearray(open(wad, "rb").read())
    count, table = int.from_bytes(data[4:8], "little"), int.from_bytes(data[8:12], "little")
    for entry in range(table, table + 16 * count, 16):
        name = bytes(data[entry + 8:entry + 16])
        if name.rstrip(b"\0") in (b"E1M1", b"E1M2"):
            data[entry + 11] = ord("2") if name[3:4] == b"1" else ord("1")
    open(out, "wb").write(data)


def frame_rate(tools, seconds=10):
    start = tools.evaluate("window.frames_shown")
    time.sleep(seconds)
    return (tools.evaluate("window.frames_shown") - start) / seconds


def main(folder, wad):
    work = tempfile.mkdtemp()
    browser, tools = open_browser(work)
    try:
        tools.call("Page.enable")
        tools.call("Emulation.setDeviceMetricsOverride", width=1280, height=720, deviceScaleFactor=1,
                   mobile=False)
        tools.call("Page.addScriptToEvaluateOnNewDocument", source=COUNT_FRAMES_JS)
        tools.call("Page.navigate", url=serve(folder))
        wait_for("the first frames", lambda: tools.evaluate("window.frames_shown") > 3)
        shape = tools.evaluate(SHAPE_JS)
        print("canvas", shape[3], "x", shape[4], "lit pixels", shape[1], "below the status line", shape[2])
        assert shape[2] > 500, "the map is not in view"
        tools.evaluate("document.getElementById('canvas').focus()")
        for code, key_code in KEYS:
            tools.press(code, key_code)
            shape = wait_for(f"{code} to change the picture",
                             lambda: (s := tools.evaluate(SHAPE_JS))[0] != shape[0] and s)
            print(code, "changes the picture")

        document = tools.call("DOM.getDocument")["root"]["nodeId"]
        files = tools.call("DOM.querySelector", nodeId=document, selector="#files")["nodeId"]
        tools.press("NumpadSubtract", 109)  # back to E1M1, which the next WAD replaces
        time.sleep(0.5)
        before = tools.evaluate(SHAPE_JS)
        swapped_maps_wad(wad, os.path.join(work, "swapped.wad"))
        tools.call("DOM.setFileInputFiles", nodeId=files, files=[os.path.join(work, "swapped.wad")])
        wait_for("the chosen WAD's map", lambda: tools.evaluate(SHAPE_JS)[0] != before[0])
        print("a WAD from the file input replaces the map")

        open(os.path.join(work, "notes.wad"), "w").write("not a WAD at all\n")
        tools.call("DOM.setFileInputFiles", nodeId=files, files=[os.path.join(work, "notes.wad")])
        console = "document.getElementById('console').textContent"
        wait_for("the viewer's message", lambda: "Invalid WAD file" in tools.evaluate(console))
        shown = tools.evaluate("window.frames_shown")
        wait_for("frames after the bad file", lambda: tools.evaluate("window.frames_shown") > shown + 10)
        print("a file that is not a WAD: 'Invalid WAD file' in the console, the page runs on")

        size = "[Module.canvas.width, Module.canvas.height, document.body.className]"
        tools.call("Emulation.setDeviceMetricsOverride", width=800, height=500, deviceScaleFactor=1,
                   mobile=False)
        wait_for("the canvas to follow the window", lambda: tools.evaluate(size)[0] == 800)
        tools.press("Escape", 27)
        wait_for("Esc's unframed page", lambda: tools.evaluate(size) == [800, 500, "unframed"])
        # In full screen Esc is the browser's key, which DevTools' key events
        # do not reach: leave full screen as the browser would.
        if tools.evaluate("!!document.fullscreenElement"):
            tools.evaluate("document.exitFullscreen(), 0")
        else:
            tools.press("Escape", 27)
        wait_for("Esc's framed page", lambda: tools.evaluate(size)[1:] != [500, "unframed"])
        print("the canvas follows the window's size; Esc takes the page unframed and back")
        tools.call("Emulation.setDeviceMetricsOverride", width=1280, height=720, deviceScaleFactor=1,
                   mobile=False)
        tools.call("DOM.setFileInputFiles", nodeId=files, files=[wad])
        tools.press("Home", 36)
        for style in ("outline", "fill"):
            print(f"frames per second at 1280x720, walls in {style}: {frame_rate(tools):.1f}")
            tools.press("Space", 32)
        if len(sys.argv) > 3:
            shot = tools.call("Page.captureScreenshot", format="png")["data"]
            open(sys.argv[3], "wb").write(__import__("base64").b64decode(shot))
    finally:
        browser.terminate()
        browser.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
