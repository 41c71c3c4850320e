"""The page around the window, in a real browser: the motion view's marker
and readout follow the frame on screen, and the layout keeps the window and
the view apart and in sight.

    VORN_SITE=<folder> VORN_FRAMES=<folder of Image1.bmp..> \
    VORN_CAPTION_PROGRAM=<vorn-print-caption> VORN_POSES_PROGRAM=<vorn-print-poses> \
    python3 motion_view_test.py
"""

import os
import re
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser_test  # noqa: E402
from browser_test import FRAME_COUNT, PageTest  # noqa: E402

DEGREES_PER_FRAME = 18
READOUT = re.compile(r"Crank angle (\d+)\u00B0: VORN (\d+\.\d), conventional (\d+\.\d) below the top")

# The readout, the marker's x and the displacement plot's frame, in CSS
# pixels of the page.
VIEW_STATE = """(() => {
  const marker = document.getElementById('marker').getBoundingClientRect();
  const area = document.querySelector('#motion-view .plot-area').getBoundingClientRect();
  return { readout: document.getElementById('readout').textContent,
           markerX: marker.left + marker.width / 2, areaLeft: area.left, areaWidth: area.width };
})()"""

# For a second: how often the readout is rewritten, and how many display
# frames the page gets.
READOUT_CHANGES_AND_DISPLAY_FRAMES = """
new Promise((resolve) => {
  let changes = 0, frames = 0;
  const observer = new MutationObserver((records) => { changes += records.length; });
  observer.observe(document.getElementById('readout'), { childList: true, characterData: true, subtree: true });
  const start = performance.now();
  const tick = () => {
    frames++;
    if (performance.now() - start < 1000) requestAnimationFrame(tick);
    else { observer.disconnect(); resolve([changes, frames]); }
  };
  requestAnimationFrame(tick);
})
"""

poses = []  # frame j's displacements (VORN, conventional) from the pose code


def setUpModule():
    browser_test.setUpModule()
    angles = [str(DEGREES_PER_FRAME * j) for j in range(FRAME_COUNT)]
    lines = subprocess.run([os.environ["VORN_POSES_PROGRAM"]] + angles, check=True, capture_output=True,
                           text=True).stdout.split("\n")
    poses.extend(tuple(float(v) for v in line.split()) for line in lines if line)


def tearDownModule():
    browser_test.tearDownModule()


def browser():
    return browser_test.browser


def box(element_id):
    return browser().evaluate(
        "(() => { const r = document.getElementById('%s').getBoundingClientRect();"
        " return [r.left, r.top, r.right, r.bottom]; })()" % element_id)


class MotionViewTest(PageTest):
    def view_state(self):
        return browser().evaluate(VIEW_STATE)

    def marker_degrees(self, state):
        return (state["markerX"] - state["areaLeft"]) / state["areaWidth"] * 360

    def assert_view_shows(self, frame, timeout=1.0):
        """The readout and the marker show `frame` by the next display frames:
        its crank angle, the pose code's displacements there to one decimal,
        and the marker at that angle along the plot's axis."""
        angle = DEGREES_PER_FRAME * frame
        deadline = time.monotonic() + timeout
        state = self.view_state()
        while not state["readout"].startswith("Crank angle %d\u00B0:" % angle) and time.monotonic() < deadline:
            time.sleep(0.02)
            state = self.view_state()
        readout = READOUT.fullmatch(state["readout"])
        self.assertIsNotNone(readout, "the readout reads %r" % state["readout"])
        self.assertEqual(int(readout.group(1)), angle, "the readout names another frame than %d" % frame)
        for shown, expected, name in zip(readout.groups()[1:], poses[frame], ("VORN", "conventional")):
            self.assertAlmostEqual(float(shown), expected, delta=0.05 + 1e-9,
                                   msg="%s displacement at frame %d" % (name, frame))
        self.assertAlmostEqual(self.marker_degrees(state), angle, delta=0.1, msg="the marker at frame %d" % frame)

    def run_fast(self):
        """Moves the pointer near the top left and waits for the fastest
        pace: the move takes effect at the next event service, up to a second
        away at the start pace."""
        self.wait_until_running()
        shown = self.frames_shown()
        browser().move_pointer(*self.inner_point(3, 3))
        browser().wait_for("window.__drawProbe.draws >= %d" % (shown + 20), timeout=3)

    def halt(self):
        """Stops the run and returns the frame it stopped on."""
        browser().type_key("*")
        frame = self.shown_frame()
        deadline = time.monotonic() + 2
        while True:
            time.sleep(0.1)
            later = self.shown_frame()
            if later == frame:
                return frame
            self.assertLess(time.monotonic(), deadline, "the frames do not halt")
            frame = later

    def run_fast_then_halt(self):
        self.run_fast()
        return self.halt()


class TheMotionView(MotionViewTest):
    def test_the_readout_and_marker_follow_each_frame_stepped_to(self):
        f = self.run_fast_then_halt()
        self.assert_view_shows(f)
        # One turn, a step at a time: every frame, 0, 5, 10 and 19 among them.
        for _ in range(FRAME_COUNT):
            browser().type_key(".")
            f = self.next_frame(f)
            self.assert_view_shows(f)

    def test_at_speed_the_marker_keeps_moving_and_agrees_once_halted(self):
        self.run_fast()
        # About 40 looks in a second, while some 200 frames go by.
        marker_places = set()
        for _ in range(40):
            marker_places.add(round(self.view_state()["markerX"], 3))
            time.sleep(0.02)
        self.assertGreaterEqual(len(marker_places), 5, "the marker stood still while the frames ran")
        f = self.halt()
        self.assert_holds(f, seconds=0.3)
        self.assert_view_shows(f)

    def test_at_speed_the_readout_is_rewritten_at_most_once_a_display_frame(self):
        self.run_fast()
        shown = self.frames_shown()
        changes, display_frames = browser().evaluate(READOUT_CHANGES_AND_DISPLAY_FRAMES)
        passes = self.frames_shown() - shown
        self.assertGreater(passes, display_frames, "the frames ran no faster than the display")
        self.assertLessEqual(changes, display_frames + 1)
        self.assertGreater(changes, display_frames / 2, "the readout fell behind the frames")

    def test_after_escape_the_view_stays_on_the_last_frame_shown(self):
        f = self.run_fast_then_halt()
        browser().type_key(".")
        f = self.next_frame(f)
        browser().type_key("Escape")
        self.assert_ended()
        self.assert_view_shows(f)
        time.sleep(0.5)
        self.assert_view_shows(f, timeout=0)

    def test_the_plots_and_the_readout_can_be_read_without_seeing_them(self):
        plot = browser().evaluate(
            "(() => { const svg = document.querySelector('#motion-view svg');"
            " return [svg.getAttribute('role'), svg.getAttribute('aria-label')]; })()")
        self.assertEqual(plot[0], "img")
        self.assertIn("crank angle", plot[1])
        # The values plotted, at every frame, as a table.
        rows = browser().evaluate("document.querySelectorAll('#motion-values tbody tr').length")
        self.assertEqual(rows, FRAME_COUNT)
        # Not announced at each frame: no live region holds the readout.
        live = browser().evaluate(
            "(() => { for (let e = document.getElementById('readout'); e; e = e.parentElement) {"
            "  const live = e.getAttribute('aria-live'), role = e.getAttribute('role');"
            "  if ((live && live !== 'off') || ['status', 'log', 'alert', 'marquee', 'timer'].includes(role))"
            "    return e.id || e.tagName; }"
            " return null; })()")
        self.assertIsNone(live, "the readout is inside a live region")


class TheLayout(MotionViewTest):
    DEFAULT_FONT_SIZE = 16

    def navigate_to(self, width, height, font_size=None):
        """Loads the page in a viewport of that size, with that default font
        size in CSS pixels (the browser's setting; by default its own)."""
        size = font_size or self.DEFAULT_FONT_SIZE
        browser().call("Page.setFontSizes", fontSizes={"standard": size, "fixed": round(size * 13 / 16)})
        browser().navigate(browser_test.server.url, viewport=(width, height))

    def assert_inside(self, element_id, width, height):
        left, top, right, bottom = box(element_id)
        self.assertTrue(0 <= left and right <= width and 0 <= top and bottom <= height,
                        "%s's box %r is not inside %d x %d" % (element_id, [left, top, right, bottom], width, height))

    def test_wide_the_window_and_the_view_are_side_by_side_in_sight(self):
        self.navigate_to(1366, 768)
        self.first_frame()
        for element_id in ("VORN", "motion-view"):
            self.assert_inside(element_id, 1366, 768)
        window, view = box("VORN"), box("motion-view")
        self.assertLessEqual(window[2], view[0], "the view does not stand right of the window")
        # The marker runs from the top of the first plot to the foot of the second.
        marker, first, last = browser().evaluate(
            "[document.getElementById('marker')].concat([...document.querySelectorAll('#motion-view .plot-area')])"
            ".map((e) => { const r = e.getBoundingClientRect(); return [r.top, r.bottom]; })")
        self.assertAlmostEqual(marker[0], first[0], delta=0.01)
        self.assertAlmostEqual(marker[1], last[1], delta=0.01)
        self.assertEqual(browser().evaluate("document.activeElement.id"), "Picture1")

    def test_narrow_the_view_comes_below_the_window(self):
        self.navigate_to(800, 1200)
        self.first_frame()
        self.assertGreaterEqual(box("motion-view")[1], box("VORN")[3])

    def test_the_window_stays_on_whole_pixels_and_sharp_at_any_width_and_font(self):
        for width, height, font_size in ((1366, 768, None), (1367, 768, None), (801, 1200, None),
                                         (1999, 1000, 19), (1366, 768, 23)):
            with self.subTest(viewport=(width, height), font_size=font_size):
                self.navigate_to(width, height, font_size)
                self.assertIsNotNone(self.first_frame(), "no exact frame")
                left, top = self.picture1[:2]
                self.assertEqual((left, top), (round(left), round(top)), "Picture1 off the pixel grid")

    def test_the_text_follows_the_font_size_and_the_window_does_not(self):
        sizes = "[getComputedStyle(document.getElementById('readout')).fontSize," \
                " getComputedStyle(document.getElementById('caption')).fontSize]"
        self.navigate_to(1366, 768, font_size=16)
        self.assertEqual(browser().evaluate(sizes), ["16px", "12px"])
        self.navigate_to(1366, 768, font_size=24)
        self.assertEqual(browser().evaluate(sizes), ["24px", "12px"])


if __name__ == "__main__":
    unittest.main(verbosity=2)
