"""The web page's figures, in headless Chromium: first frame on screen,
processor share at the start pace and at the fastest, what a visit
transfers, the pace at the start and the passes a second at k = 0 with the
browser's timer clamp.

    python3 bench/web/web_bench.py <site folder>

A report, not a test: nothing fails on a slow machine.
"""

import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "web"))
from devtools import Browser, SiteServer  # noqa: E402

LOADS = 5
SHARE_SECONDS = 10
PASS_SECONDS = 3
CLICK_TICKS = os.sysconf("SC_CLK_TCK")
BORDER = 2  # Picture1's sunken edge, outside the inner area
# The desktop viewport every figure but the phone's is taken at, and the
# phone: 390 × 844 CSS pixels, three device pixels each, touch.
DESKTOP = dict(viewport=(1366, 768))
PHONE = dict(viewport=(390, 844), device_scale=3, touch=True)
# Near the inner area's top left: the fastest pace a browser keeps, its timer
# clamp's (about 240 frames a second).
FASTEST_PACE_POINT = (3, 3)

# Each of these is measured in a blank page: a chain of zero-delay timers,
# each set from the one before, as the program's waits are.
TIMER_CLAMP = """
new Promise((resolve) => {
  const times = [];
  const next = () => {
    times.push(performance.now());
    if (times.length === 200) resolve(times);
    else setTimeout(next, 0);
  };
  setTimeout(next, 0);
})
"""


def first_frame(browser, url, device=DESKTOP):
    """Milliseconds from the start of navigation to the first frame drawn
    and to the paint that shows it (median of LOADS loads)."""
    drawn, painted = [], []
    for _ in range(LOADS):
        browser.navigate(url, **device)
        browser.wait_for("window.__drawProbe.firstPaintAt !== null", timeout=10)
        drawn.append(browser.evaluate("window.__drawProbe.firstDrawAt"))
        painted.append(browser.evaluate("window.__drawProbe.firstPaintAt"))
    return statistics.median(drawn), statistics.median(painted)


def descendants(pid):
    children = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/stat" % entry) as f:
                fields = f.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if int(fields[1]) == pid:
            children.append(int(entry))
    return children + [d for child in children for d in descendants(child)]


def command_line(pid):
    try:
        with open("/proc/%d/cmdline" % pid, "rb") as f:
            return f.read().replace(b"\0", b" ").decode(errors="replace")
    except OSError:
        return ""


def cpu_seconds(pids):
    total = 0
    for pid in pids:
        try:
            with open("/proc/%d/stat" % pid) as f:
                fields = f.read().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])  # utime, stime
        except OSError:
            pass
    return total / CLICK_TICKS


def renderer_processes(browser):
    everything = [browser.process.pid] + descendants(browser.process.pid)
    return [p for p in everything if "--type=renderer" in command_line(p)], everything


def processor_share(browser, url, pointer_at=None):
    """Per cent of one core that the renderer, and the whole browser, use
    while the page runs at its start pace, or at the pace the pointer sets at
    inner-area point `pointer_at`; and the frames drawn a second meanwhile."""
    browser.navigate(url, **DESKTOP)
    browser.wait_for("window.__drawProbe.draws >= 2", timeout=10)
    if pointer_at is not None:
        move_pointer_to_inner_point(browser, *pointer_at)
    renderers, everything = renderer_processes(browser)
    start = time.monotonic()
    renderer_before, all_before = cpu_seconds(renderers), cpu_seconds(everything)
    draws_before = browser.draws()
    time.sleep(SHARE_SECONDS)
    elapsed = time.monotonic() - start
    return (100 * (cpu_seconds(renderers) - renderer_before) / elapsed,
            100 * (cpu_seconds(everything) - all_before) / elapsed,
            (browser.draws() - draws_before) / elapsed)


def move_pointer_to_inner_point(browser, column, row):
    """Moves the pointer over inner-area pixel (column, row) and waits for the
    event service that takes the new pace."""
    box = browser.evaluate("(() => { const r = document.getElementById('Picture1').getBoundingClientRect();"
                           " return [r.left, r.top]; })()")
    browser.move_pointer(box[0] + BORDER + column + 0.5, box[1] + BORDER + row + 0.5)
    time.sleep(1.5)  # the move waits for the next event service


def start_pace(browser, url):
    """The mean time between passes at the start pace (k = 1,000,000)."""
    browser.navigate(url, **DESKTOP)
    browser.wait_for("window.__drawProbe.draws >= 2", timeout=10)
    first = browser.evaluate("window.__drawProbe.draws")
    started = time.monotonic()
    browser.wait_for("window.__drawProbe.draws >= %d" % (first + 5), timeout=15, interval=0.005)
    return (time.monotonic() - started) / 5 * 1000


def passes_at_no_delay(browser, url):
    """Passes a second with the pointer on the inner area's left edge, where
    x = 0 and so k = 0."""
    browser.navigate(url, **DESKTOP)
    browser.wait_for("window.__drawProbe.draws >= 2", timeout=10)
    move_pointer_to_inner_point(browser, 0, 198)
    before = browser.draws()
    time.sleep(PASS_SECONDS)
    return (browser.draws() - before) / PASS_SECONDS


def timer_clamp(browser):
    browser.navigate("about:blank")
    times = browser.evaluate(TIMER_CLAMP)
    gaps = [b - a for a, b in zip(times, times[1:])]
    # The first few timers of a chain are not clamped; the rest are.
    return statistics.median(gaps[:4]), statistics.median(gaps[10:])


def transfer(server, browser, url):
    server.bytes_sent = 0
    browser.navigate(url, **DESKTOP)
    browser.wait_for("window.__drawProbe.draws >= 1", timeout=10)
    return server.bytes_sent


def main():
    site = sys.argv[1]
    server = SiteServer(site)
    browser = Browser()
    try:
        files = sorted(os.listdir(site))
        sizes = {name: os.path.getsize(os.path.join(site, name)) for name in files}
        sent = transfer(server, browser, server.url)
        drawn, painted = first_frame(browser, server.url)
        _, phone_painted = first_frame(browser, server.url, PHONE)
        renderer_share, browser_share, _ = processor_share(browser, server.url)
        fast_renderer_share, fast_browser_share, fast_frames = processor_share(browser, server.url,
                                                                               FASTEST_PACE_POINT)
        period = start_pace(browser, server.url)
        passes = passes_at_no_delay(browser, server.url)
        unclamped, clamped = timer_clamp(browser)
        version = browser.call("Browser.getVersion")["product"]
    finally:
        browser.close()
        server.close()

    rows = [
        ("folder", ", ".join("%s %.1f kB" % (n, sizes[n] / 1000) for n in files), ""),
        ("transfer size of one visit", "%.3f MB" % (sent / 1e6), "<= 1 MB"),
        ("first frame drawn after navigation starts (median of %d)" % LOADS, "%.0f ms" % drawn, ""),
        ("first frame on screen (its paint)", "%.0f ms" % painted, "<= 300 ms"),
        ("the same on a phone (390 x 844, 3 device pixels a pixel, touch)", "%.0f ms" % phone_painted, "report"),
        ("renderer processor share at the start pace (%d s)" % SHARE_SECONDS, "%.2f %%" % renderer_share, "<= 1 %"),
        ("whole browser's share, all its processes", "%.2f %%" % browser_share, ""),
        ("renderer processor share at the fastest pace (%d s)" % SHARE_SECONDS,
         "%.1f %% (%.0f frames a second)" % (fast_renderer_share, fast_frames), "report"),
        ("whole browser's share at the fastest pace", "%.1f %%" % fast_browser_share, ""),
        ("time between passes at the start pace (k = 10^6)", "%.1f ms" % period, "1000 ms"),
        ("browser timer clamp (nested zero-delay timers)", "%.2f ms (first ones %.2f ms)" % (clamped, unclamped),
         "report"),
        ("passes per second at k = 0", "%.0f" % passes, "report"),
    ]
    print("VORN in a web page: %s, headless, software rendering, at 1366 x 768" % version)
    width = max(len(r[0]) for r in rows)
    for name, value, goal in rows:
        print("  %-*s  %-34s %s" % (width, name, value, goal))


if __name__ == "__main__":
    main()
