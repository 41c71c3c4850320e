"""Takes a picture of the web page as the test browser shows it, once the
loop runs: the README's picture of VORN in a browser.

    python3 tests/web/page_screenshot.py <site folder> <out.png>
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from devtools import Browser, SiteServer  # noqa: E402

MARGIN = 24


def main():
    site, out = sys.argv[1], sys.argv[2]
    server = SiteServer(site)
    browser = Browser()
    try:
        browser.navigate(server.url)
        browser.wait_for("window.__drawProbe.draws >= 2", timeout=10)
        box = browser.evaluate("(() => { const r = document.getElementById('VORN').getBoundingClientRect();"
                               " return [r.left, r.top, r.right, r.bottom]; })()")
        shot = browser.screenshot()
        shot.crop((int(box[0]) - MARGIN, int(box[1]) - MARGIN, int(box[2]) + MARGIN,
                   int(box[3]) + MARGIN)).save(out)
    finally:
        browser.close()
        server.close()


if __name__ == "__main__":
    main()
