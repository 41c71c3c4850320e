"""The web page in a real browser: headless Chromium loads it from a local
server and the tests read what it shows, as a person would see it, while
they type and point at it.

    VORN_SITE=<folder> VORN_FRAMES=<folder of Image1.bmp..> \
    VORN_CAPTION_PROGRAM=<vorn-print-caption> VORN_FACTS_PROGRAM=<vorn-print-test-facts> \
    python3 browser_test.py
"""

import json
import os
import subprocess
import sys
import time
import unittest

from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from devtools import Browser, SiteServer  # noqa: E402

# The program's own facts (tests/support/print_test_facts.cpp). The inner
# area is one column narrower than a frame: the last column is never seen.
# Below the frame, one row of the face colour shows. BUDGETS: the
# real-window tests' waits, in seconds.
FACTS = json.loads(subprocess.run([os.environ["VORN_FACTS_PROGRAM"]], check=True, capture_output=True,
                                  text=True).stdout)
FRAME_COUNT = FACTS["frame_count"]
FRAME_WIDTH, FRAME_HEIGHT = FACTS["frame_width"], FACTS["frame_height"]
BORDER = FACTS["border"]
VISIBLE_COLUMNS = FACTS["visible_columns"]
BUDGETS = FACTS["budgets"]
ENDED_TEXT = "VORN has ended."

browser = None
server = None
caption = None
reference_frames = []  # frame j as RGB, holder j + 1's picture


def setUpModule():
    global browser, server, caption
    caption = subprocess.run([os.environ["VORN_CAPTION_PROGRAM"]], check=True, capture_output=True,
                             text=True).stdout.rstrip("\n")
    for holder in range(1, FRAME_COUNT + 1):
        path = os.path.join(os.environ["VORN_FRAMES"], "Image%d.bmp" % holder)
        reference_frames.append(Image.open(path).convert("RGB"))
    server = SiteServer(os.environ["VORN_SITE"])
    browser = Browser()


def tearDownModule():
    if browser is not None:
        browser.close()
    if server is not None:
        server.close()


class PageTest(unittest.TestCase):
    # Device pixels per CSS pixel, and per frame pixel (the same unless the
    # window is too wide for the viewport at that).
    device_scale = 1
    frame_scale = None
    viewport = (800, 720)
    touch = False

    def setUp(self):
        if self.frame_scale is None:
            self.frame_scale = self.device_scale
        browser.navigate(server.url, device_scale=self.device_scale, viewport=self.viewport, touch=self.touch)
        self.visible_frames = [self.scaled(f.crop((0, 0, VISIBLE_COLUMNS, FRAME_HEIGHT))).tobytes()
                               for f in reference_frames]

    def tearDown(self):
        # A listener that throws drops its input and shows nothing: built
        # with a runtime that lacked a helper the page script used, every key
        # did nothing, and the tests saw only frames that would not stop.
        self.assertEqual(browser.page_errors(), [], "the page threw")

    def scaled(self, image):
        if self.frame_scale == 1:
            return image
        return image.resize((image.width * self.frame_scale, image.height * self.frame_scale), Image.NEAREST)

    @property
    def picture1(self):
        """Picture1's box on the page: left, top, width, height (CSS pixels),
        read anew each time rather than trusted from before the program
        started."""
        return browser.evaluate(
            "(() => { const r = document.getElementById('Picture1').getBoundingClientRect();"
            " return [r.left, r.top, r.width, r.height]; })()")

    def inner_area(self, shot, rows=FRAME_HEIGHT):
        """The inner area's top `rows` rows, in device pixels."""
        s = self.frame_scale
        box = self.picture1
        left = round(box[0] * self.device_scale) + BORDER * s
        top = round(box[1] * self.device_scale) + BORDER * s
        return shot.crop((left, top, left + VISIBLE_COLUMNS * s, top + rows * s))

    def shown_frame(self, keep_a_mismatch=False):
        """The frame the picture area shows now, or None if it shows none of
        them exactly; then the screenshot is kept to look at, if asked."""
        shot = browser.screenshot()
        shown = self.inner_area(shot).tobytes()
        for j, frame in enumerate(self.visible_frames):
            if shown == frame:
                return j
        if keep_a_mismatch:
            shot.save("%s-no-frame.png" % self.id().split(".")[-1])
        return None

    def next_frame(self, after, timeout=BUDGETS["next_pass"]):
        """Waits for the picture area to change from frame `after`."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            frame = self.shown_frame(keep_a_mismatch=True)
            self.assertIsNotNone(frame, "the picture area shows no frame exactly")
            if frame != after:
                return frame
        self.fail("frame %d still shown after %.1f s" % (after, timeout))

    def assert_holds(self, frame, seconds=1.4):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            self.assertEqual(self.shown_frame(), frame, "a halted sequence moved")

    def first_frame(self, timeout=BUDGETS["start"]):
        """The first frame the page shows once the program has loaded."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            frame = self.shown_frame()
            if frame is not None:
                return frame
        self.fail("the picture area showed no frame in %.1f s" % timeout)

    def wait_until_running(self):
        """The frame the loop has reached once it runs: it shows frame 1 on
        its first pass."""
        frame = self.first_frame()
        if frame == 0:
            frame = self.next_frame(0)
        return frame

    def inner_point(self, column, row):
        """Page coordinates (CSS pixels) of inner-area pixel (column, row)'s
        centre."""
        css_per_frame_pixel = self.frame_scale / self.device_scale
        box = self.picture1
        return (box[0] + (BORDER + column + 0.5) * css_per_frame_pixel,
                box[1] + (BORDER + row + 0.5) * css_per_frame_pixel)

    def frames_shown(self):
        return browser.draws()

    def assert_ended(self):
        browser.wait_for("!document.getElementById('ending').hidden", timeout=BUDGETS["exit"])
        self.assertIsNone(browser.evaluate("document.getElementById('VORN')"), "the window is still on the page")
        self.assertEqual(browser.evaluate("document.getElementById('ending').textContent"), ENDED_TEXT)
        shown = self.frames_shown()
        time.sleep(0.5)
        self.assertEqual(self.frames_shown(), shown, "the loop goes on after the end")


class TheWindow(PageTest):
    def test_title_and_title_bar_hold_the_caption_spaces_kept(self):
        self.assertEqual(browser.evaluate("document.querySelector('title').textContent"), caption)
        self.assertEqual(browser.evaluate("document.getElementById('caption').textContent"), caption)
        self.assertEqual(browser.evaluate("getComputedStyle(document.getElementById('caption')).whiteSpace"), "pre")

    def test_sizes_and_focus(self):
        self.first_frame()
        self.assertEqual(self.picture1[2:], [583, 768])
        client = browser.evaluate("(() => { const r = document.getElementById('client').getBoundingClientRect();"
                                  " return [r.left, r.top, r.width, r.height]; })()")
        self.assertEqual(client[2:], [583, 553])
        self.assertEqual(self.picture1[:2], client[:2], "Picture1 is docked at the client area's top left")
        self.assertEqual(browser.evaluate("document.activeElement.id"), "Picture1")

    def test_picture_area_shows_the_frame_exactly_and_the_face_below_it(self):
        self.wait_until_running()
        self.assertIsNotNone(self.shown_frame())
        below = self.inner_area(browser.screenshot(), rows=FRAME_HEIGHT + 1).crop(
            (0, FRAME_HEIGHT, VISIBLE_COLUMNS, FRAME_HEIGHT + 1))
        face = (0xF0, 0xF0, 0xF0)
        self.assertEqual(set(below.getdata()), {face}, "inner row 550 shows the face colour")

    def test_frames_one_two_and_three_come_about_a_second_apart(self):
        self.assertIn(self.first_frame(), (0, 1))
        seen = {}
        frame = self.wait_until_running()
        seen[frame] = time.monotonic()
        while len(seen) < 3:
            frame = self.next_frame(frame)
            seen[frame] = time.monotonic()
        self.assertEqual(sorted(seen), [1, 2, 3])
        for earlier, later in ((1, 2), (2, 3)):
            gap = seen[later] - seen[earlier]
            self.assertGreater(gap, 0.7, "frames %d and %d" % (earlier, later))
            self.assertLess(gap, 1.5, "frames %d and %d" % (earlier, later))


class TheKeys(PageTest):
    def test_step_run_and_stop_keys_as_the_table_says(self):
        f = self.wait_until_running()
        # From the start-up run, "*" steps one frame on and halts.
        browser.type_key("*")
        self.assertEqual(self.next_frame(f), (f + 1) % FRAME_COUNT)
        self.assert_holds((f + 1) % FRAME_COUNT)
        f = (f + 1) % FRAME_COUNT
        # Halted: space and "." step forward, "/" steps back.
        for key, step in ((" ", 1), (".", 1), ("/", -1)):
            browser.type_key(key)
            self.assertEqual(self.next_frame(f), (f + step) % FRAME_COUNT, "key %r" % key)
            f = (f + step) % FRAME_COUNT
        # Letters, digits and "=" change nothing.
        for key in "a5=":
            browser.type_key(key)
        self.assert_holds(f)
        # "-" runs backward: two frames back, then one a pass; "*" stops it.
        browser.type_key("-")
        self.assertEqual(self.next_frame(f), (f - 2) % FRAME_COUNT)
        self.assertEqual(self.next_frame((f - 2) % FRAME_COUNT), (f - 3) % FRAME_COUNT)
        browser.type_key("*")
        f = self.shown_frame()
        self.assert_holds(f)
        # "+" and "," run forward: two frames on, then one a pass; "/" stops.
        for key in "+,":
            browser.type_key(key)
            self.assertEqual(self.next_frame(f), (f + 2) % FRAME_COUNT, "key %r" % key)
            self.assertEqual(self.next_frame((f + 2) % FRAME_COUNT), (f + 3) % FRAME_COUNT, "key %r" % key)
            browser.type_key("/")
            f = self.shown_frame()
            self.assert_holds(f, seconds=1.2)

    def test_ctrl_bracket_is_escape_as_on_the_desktop(self):
        self.wait_until_running()
        browser.type_with_control("[", "BracketLeft", 219)
        self.assert_ended()

    def test_escape_ends_it_and_a_reload_starts_it_again(self):
        self.wait_until_running()
        browser.type_key("Escape")
        self.assert_ended()
        browser.navigate(server.url)
        self.assertIsNotNone(browser.evaluate("document.getElementById('VORN')"))
        self.wait_until_running()


class ThePointer(PageTest):
    CURSOR_IS = "getComputedStyle(document.getElementById('Picture1')).cursor === '%s'"

    def passes_per_second(self, seconds=1.0):
        before = self.frames_shown()
        time.sleep(seconds)
        return (self.frames_shown() - before) / seconds

    def test_near_the_top_left_it_runs_fast_and_near_the_bottom_right_slower(self):
        self.wait_until_running()
        browser.move_pointer(*self.inner_point(3, 3))
        time.sleep(BUDGETS["service_gap"])
        fast = self.passes_per_second()
        self.assertGreater(fast, 30, "at the start pace it shows one frame a second")
        browser.move_pointer(*self.inner_point(578, 550))
        time.sleep(BUDGETS["service_gap"])
        # About 9,600 counts: no more than about 100 passes a second.
        self.assertLess(self.passes_per_second(), 120)
        self.assertEqual(browser.evaluate("getComputedStyle(document.getElementById('Picture1')).cursor"),
                         "default")

    def test_a_drag_past_the_left_edge_makes_no_delay_yet_it_paints_and_answers(self):
        # Dragged left of the area x < 0, so k < 0 and the delay makes no
        # count: a pass that does not wait must still let the browser paint
        # and deliver input.
        self.wait_until_running()
        x, y = self.inner_point(100, 200)
        browser.call("Input.dispatchMouseEvent", type="mousePressed", x=x, y=y, button="left", buttons=1,
                     clickCount=1)
        browser.move_pointer(x - 160, y, buttons=1)
        time.sleep(0.3)
        self.assertGreater(self.passes_per_second(), 30)
        self.next_frame(self.shown_frame(), timeout=BUDGETS["fast_pass"])  # the screen follows the passes
        browser.type_key("Escape")
        self.assert_ended()

    def test_a_click_enters_step_mode_and_moving_down_steps_forward(self):
        f = self.wait_until_running()
        browser.click(*self.inner_point(200, 100))
        # The click waits for the next event service, up to a second away.
        browser.wait_for(self.CURSOR_IS % "ns-resize", timeout=BUDGETS["fast_pass"])
        # The first move down steps on and halts; each further one steps on.
        f = self.shown_frame()
        for row in (120, 140, 160):
            browser.move_pointer(*self.inner_point(200, row))
            self.assertEqual(self.next_frame(f), (f + 1) % FRAME_COUNT, "move down to row %d" % row)
            f = (f + 1) % FRAME_COUNT
        browser.move_pointer(*self.inner_point(200, 130))
        self.assertEqual(self.next_frame(f), (f - 1) % FRAME_COUNT, "a move up steps back")
        f = (f - 1) % FRAME_COUNT
        self.assert_holds(f, seconds=0.5)
        # A second click restores the start-up run.
        browser.click(*self.inner_point(200, 130))
        browser.wait_for(self.CURSOR_IS % "default", timeout=BUDGETS["fast_pass"])
        self.next_frame(f)

    def wait_until_served(self):
        """Returns once the form has served the input given so far: "/" halts
        the start-up run one frame back, which the run never goes by itself,
        at the service that takes it."""
        browser.type_key("/")
        seen = self.shown_frame()
        for _ in range(FRAME_COUNT):
            frame = self.next_frame(seen)
            if frame == (seen - 1) % FRAME_COUNT:
                return
            seen = frame
        self.fail("the run went a whole turn on after \"/\"")

    def test_a_right_click_opens_no_menu_and_makes_no_click(self):
        # The browser opens its menu for each contextmenu event that reaches
        # the window uncancelled.
        browser.evaluate("window.__menus = 0; window.addEventListener('contextmenu',"
                         " (e) => { if (!e.defaultPrevented) window.__menus++; })")
        self.wait_until_running()
        x, y = self.inner_point(200, 100)
        browser.press(x, y, "right")
        browser.release(x, y, "right")
        self.assertEqual(browser.evaluate("window.__menus"), 0, "the browser's menu opened over the picture")
        self.wait_until_served()
        self.assertTrue(browser.evaluate(self.CURSOR_IS % "default"), "the right click switched the pointer mode")

    def test_the_wheel_over_the_picture_does_not_scroll_the_page(self):
        self.first_frame()
        self.assertGreater(browser.evaluate("document.scrollingElement.scrollHeight - innerHeight"), 200,
                           "this viewport shows the whole page")
        browser.turn_wheel(*self.inner_point(200, 300), delta_y=120)
        # Beside the window the wheel scrolls; the browser takes wheel events
        # in order, so once this one has scrolled, the first has been dealt with.
        browser.turn_wheel(self.picture1[0] - 40, 300, delta_y=50)
        browser.wait_for("scrollY > 0")
        self.assertEqual(browser.evaluate("scrollY"), 50, "the wheel over the picture scrolled the page")

    def test_a_left_click_with_the_right_button_in_between_is_a_click(self):
        # Left down, right down, left up, right up: the browser's pointer
        # events report only the last release of such a chord.
        self.wait_until_running()
        x, y = self.inner_point(200, 100)
        browser.press(x, y, "left")
        browser.press(x, y, "right", held=1)
        browser.release(x, y, "left", held=2)
        browser.release(x, y, "right")
        browser.wait_for(self.CURSOR_IS % "ns-resize", timeout=BUDGETS["fast_pass"])

    def test_a_press_that_lost_the_focus_before_its_release_is_no_click(self):
        self.wait_until_running()
        x, y = self.inner_point(200, 100)
        browser.press(x, y)
        browser.evaluate("document.getElementById('Picture1').blur()")
        browser.evaluate("document.getElementById('Picture1').focus()")
        browser.release(x, y)
        self.wait_until_served()
        self.assertTrue(browser.evaluate(self.CURSOR_IS % "default"), "the release after the focus came back clicked")

    def test_a_double_click_ends_it(self):
        self.wait_until_running()
        browser.click(*self.inner_point(300, 300), count=2)
        self.assert_ended()


class AtDeviceScaleTwo(PageTest):
    device_scale = 2

    def test_the_frame_is_doubled_pixel_for_pixel(self):
        self.wait_until_running()
        self.assertIsNotNone(self.shown_frame(), "no frame, doubled, matches the picture area")

    def test_the_pointer_scale_still_maps_the_inner_area(self):
        self.wait_until_running()
        browser.move_pointer(*self.inner_point(3, 3))
        time.sleep(BUDGETS["service_gap"])
        before = self.frames_shown()
        time.sleep(1.0)
        self.assertGreater(self.frames_shown() - before, 30)


class OnAPhone(PageTest):
    """A common phone: 585 CSS pixels of window at 3 device pixels each would
    not fit its width, so each frame pixel gets 2, the most that fits."""
    device_scale = 3
    frame_scale = 2
    viewport = (390, 844)
    touch = True
    CURSOR_IS = "getComputedStyle(document.getElementById('Picture1')).cursor === '%s'"

    def key_button(self, key):
        return browser.evaluate(
            "(() => { const r = document.querySelector('#keys button[data-key=\"%s\"]').getBoundingClientRect();"
            " return [r.left + r.width / 2, r.top + r.height / 2]; })()" % key)

    def test_the_whole_window_fits_the_width_in_whole_device_pixels(self):
        # Fails with the window at its desktop size, 585 CSS pixels across,
        # or at a fractional scale that blends neighbouring frame pixels.
        self.wait_until_running()
        right = browser.evaluate("document.getElementById('VORN').getBoundingClientRect().right")
        self.assertLessEqual(right, 390, "the window is wider than the viewport")
        self.assertEqual(browser.evaluate("document.scrollingElement.scrollWidth"), 390, "the page scrolls sideways")
        self.assertIsNotNone(self.shown_frame(keep_a_mismatch=True), "no frame, as 2 x 2 blocks, matches")
        self.assertEqual(browser.evaluate(
            "(() => { const c = document.getElementById('caption'); return c.scrollWidth <= c.clientWidth; })()"),
            True, "the caption is cut short")

    def test_a_tap_clicks_and_a_vertical_drag_steps_frames(self):
        # A press taken from the compatibility mouse events, which a tap
        # sends after its pointerup, made the first tap no click.
        self.wait_until_running()
        browser.tap(*self.inner_point(200, 100))
        browser.wait_for(self.CURSOR_IS % "ns-resize", timeout=BUDGETS["fast_pass"])
        # While a finger is down the frames are told by the motion view's
        # readout: after a screenshot, DevTools delivers the finger's next
        # moves in device pixels instead of CSS pixels.
        f = self.readout_frame()
        browser.touch(*self.inner_point(250, 100))
        for row in (130, 160, 190):
            browser.drag_finger(*self.inner_point(250, row))
            self.assertEqual(self.next_readout_frame(f), (f + 1) % FRAME_COUNT, "a drag down to row %d" % row)
            f = (f + 1) % FRAME_COUNT
        browser.lift_finger()

    def readout_frame(self):
        angle = browser.evaluate("document.getElementById('readout').textContent").split("\u00B0")[0].split()[-1]
        return int(angle) // (360 // FRAME_COUNT)

    def next_readout_frame(self, after, timeout=BUDGETS["next_pass"]):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            frame = self.readout_frame()
            if frame != after:
                return frame
            time.sleep(0.02)
        self.fail("frame %d still shown after %.1f s" % (after, timeout))

    def test_the_on_screen_keys_act_as_the_keys_and_leave_the_focus(self):
        f = self.wait_until_running()
        # From the start-up run, "." steps one frame on and halts.
        browser.tap(*self.key_button("."))
        self.assertEqual(self.next_frame(f), (f + 1) % FRAME_COUNT)
        self.assert_holds((f + 1) % FRAME_COUNT, seconds=0.6)
        f = (f + 1) % FRAME_COUNT
        # "," runs forward: two frames on, then one a pass.
        browser.tap(*self.key_button(","))
        self.assertEqual(self.next_frame(f), (f + 2) % FRAME_COUNT)
        self.assertEqual(self.next_frame((f + 2) % FRAME_COUNT), (f + 3) % FRAME_COUNT)
        self.assertEqual(browser.evaluate("document.activeElement.id"), "Picture1", "a key took the focus")
        browser.tap(*self.key_button("Escape"))
        self.assert_ended()

    def test_start_again_starts_from_frame_one_at_the_start_pace(self):
        self.wait_until_running()
        browser.tap(*self.key_button(","))  # a run of its own, which a restart forgets
        browser.tap(*self.key_button("Escape"))
        self.assert_ended()
        box = browser.evaluate("(() => { const r = document.getElementById('start-again').getBoundingClientRect();"
                               " return [r.left + r.width / 2, r.top + r.height / 2]; })()")
        browser.tap(*box)
        browser.wait_for("document.getElementById('VORN') !== null && window.__drawProbe.draws >= 1",
                         timeout=BUDGETS["start"])
        self.assertEqual(self.wait_until_running(), 1)
        # At the start pace the next frame is a second away.
        shown = self.frames_shown()
        time.sleep(0.5)
        self.assertLessEqual(self.frames_shown() - shown, 1, "not at the start pace")


class OnASmallPhone(PageTest):
    """Two device pixels per CSS pixel, 360 across: 585 × 2 does not fit
    720, so each frame pixel is one device pixel."""
    device_scale = 2
    frame_scale = 1
    viewport = (360, 800)
    touch = True

    def test_the_frame_is_shown_pixel_for_pixel(self):
        self.wait_until_running()
        self.assertIsNotNone(self.shown_frame(keep_a_mismatch=True), "no frame matches pixel for pixel")


if __name__ == "__main__":
    unittest.main(verbosity=2)
