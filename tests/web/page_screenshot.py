"""Takes a picture of the web page as the test browser shows it, once the
loop runs: the README's pictures of VORN in a browser.

    python3 tests/web/page_screenshot.py <site folder> <out.png>
        the window alone, with a margin of the page around it;
    python3 tests/web/page_screenshot.py --viewport 1366x768 --frame 5 <site folder> <out.png>
        the whole viewport of that size, halted on that frame;
    python3 tests/web/page_screenshot.py --phone --frame 5 <site folder> <out.png>
        the whole viewport of a phone: 390 x 844 CSS pixels, 3 device pixels
        each, touch.
"""

import argparse
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from devtools import Browser, SiteServer  # noqa: E402

MARGIN = 16  # the page's own gutter round the window
DEGREES_PER_FRAME = 18
READOUT = "document.getElementById('readout').textContent"


def halt_on(browser, frame):
    """Runs fast, halts, then steps until the readout names `frame`."""
    box = browser.evaluate("(() => { const r = document.getElementById('Picture1').getBoundingClientRect();"
                           " return [r.left, r.top]; })()")
    browser.move_pointer(box[0] + 5.5, box[1] + 5.5)
    time.sleep(1.5)  # the move waits for the next event service
    browser.type_key("*")
    time.sleep(0.3)
    wanted = "Crank angle %d\u00B0:" % (DEGREES_PER_FRAME * frame)
    for _ in range(20):
        if browser.evaluate(READOUT).startswith(wanted):
            return
        before = browser.evaluate(READOUT)
        browser.type_key(".")
        browser.wait_for("%s !== %r" % (READOUT, before), timeout=3)
    raise RuntimeError("no step reached frame %d" % frame)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--viewport", help="WIDTHxHEIGHT: the whole viewport of that size")
    parser.add_argument("--phone", action="store_true", help="the whole viewport of a phone")
    parser.add_argument("--frame", type=int, help="halt on this frame first (0..19)")
    parser.add_argument("site")
    parser.add_argument("out")
    arguments = parser.parse_args()

    server = SiteServer(arguments.site)
    browser = Browser()
    try:
        if arguments.phone:
            browser.navigate(server.url, viewport=(390, 844), device_scale=3, touch=True)
        elif arguments.viewport:
            width, height = (int(n) for n in arguments.viewport.split("x"))
            browser.navigate(server.url, viewport=(width, height))
        else:
            browser.navigate(server.url)
        browser.wait_for("window.__drawProbe.draws >= 2", timeout=10)
        if arguments.frame is not None:
            halt_on(browser, arguments.frame)
        # The readout follows at the next display frame.
        time.sleep(0.2)
        shot = browser.screenshot()
        if not arguments.viewport and not arguments.phone:
            box = browser.evaluate("(() => { const r = document.getElementById('VORN').getBoundingClientRect();"
                                   " return [r.left, r.top, r.right, r.bottom]; })()")
            shot = shot.crop((int(box[0]) - MARGIN, int(box[1]) - MARGIN, int(box[2]) + MARGIN,
                              int(box[3]) + MARGIN))
        shot.save(arguments.out)
    finally:
        browser.close()
        server.close()


if __name__ == "__main__":
    main()
