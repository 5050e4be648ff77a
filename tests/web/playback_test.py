#!/usr/bin/python3
"""Playing a script on the page as a learner follows it, in headless
Chromium with real input: a share link paused, stepped, resumed at 4x and
stopped, the frame at each step the runner's for the lines played so far,
the learner's own click and slider refused meanwhile, Record waiting, and a
share link opened over a running instrument asking first.
    tests/web/playback_test.py   (QS9_BUILD, QS9_WEB_BUILD: the build trees)"""
import base64
import tempfile
import time
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

from browser_test import QUIET_SENSORS, Site, native_picture
from local_chromium import start_chromium

SCRIPT = (QUIET_SENSORS + "on\npass 5\ntick 30\nkey press\npass 3\n"  # lines 1-7, "tick 30" line 5
          "key plus\npass 3\nkey plus\npass 3\ntick 600\nkey press\n")  # lines 8-13
LINES = SCRIPT.splitlines(keepends=True)


class PagePlayback(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.site = Site()
        cls.profile = tempfile.TemporaryDirectory()
        cls.driver = start_chromium(cls.profile.name)
        cls.driver.set_script_timeout(60)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.site.stop()
        cls.profile.cleanup()

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def js_async(self, script, *args):
        return self.driver.execute_async_script("const done = arguments[arguments.length - 1];" + script, *args)

    def text(self, element_id):
        return self.js("return document.getElementById(arguments[0]).textContent", element_id)

    def click(self, element_id):
        ActionChains(self.driver).move_to_element(self.driver.find_element("id", element_id)).click().perform()

    def until(self, condition, what, seconds=20):
        deadline = time.time() + seconds
        while not self.js("return " + condition):
            self.assertLess(time.time(), deadline, what)
            time.sleep(0.02)

    def canvas_rgb(self):
        return base64.b64decode(self.js("""const d = document.getElementById('display').getContext('2d')
            .getImageData(0, 0, 160, 120).data;
            let s = ''; for (let i = 0; i < d.length; ++i) if (i % 4 !== 3) s += String.fromCharCode(d[i]);
            return btoa(s);"""))

    def open_fresh(self, url):
        self.driver.get("about:blank")
        self.driver.get(url)
        self.assertEqual(self.js_async("qs9.ready.then(() => done(''), (e) => done(String(e)))"), "")

    def link_of(self, script):
        return self.js_async("import('./share_links.js').then(({ shareLink }) => shareLink(location.href, arguments[0]))"
                             ".then(done, (e) => done(String(e)))", script)

    def progress(self):
        return self.text("play-progress")

    def until_held_at(self, line, what):
        """Until the player holds, paused, at that line."""
        self.until(f"document.getElementById('play-progress').textContent === 'line {line} of 13' && "
                   "document.getElementById('pause-script').textContent === 'Resume'", what)

    def test_1_a_share_link_paused_stepped_resumed_at_4x_and_stopped(self):
        self.open_fresh(self.site.url)
        self.open_fresh(self.link_of(SCRIPT))  # the instrument is off: it plays at once
        self.until("document.getElementById('play-progress').textContent === 'line 5 of 13'", "the tick wait")
        self.click("pause-script")
        self.assertEqual(self.text("pause-script"), "Resume")
        self.assertEqual(self.text("script-state"), "Playing the share link, paused")
        self.assertTrue(self.js("return document.getElementById('record-script').disabled"))
        paused = self.canvas_rgb()

        # The learner's own key and slider change nothing, and are told why.
        self.click("Image8")
        slider = self.driver.find_element("css selector", "[data-control=ScrollBar30]")
        slider.send_keys(Keys.ARROW_RIGHT)
        time.sleep(0.3)
        self.assertEqual(self.canvas_rgb(), paused)
        self.assertEqual(self.js("return [qs9.frameBuffer().some((i) => i), "
                                 "+document.querySelector('[data-control=ScrollBar30]').value]"), [True, 600])
        self.assertIn("A script is playing: press Stop", self.text("status"))
        self.assertEqual(self.progress(), "line 5 of 13")

        self.click("step-script")  # the rest of "tick 30", "key press", "pass 3"
        self.until_held_at(7, "the first step")
        self.assertEqual(self.canvas_rgb(), native_picture("".join(LINES[:7])))
        self.click("step-script")
        self.until_held_at(9, "the second step")
        self.assertEqual(self.canvas_rgb(), native_picture("".join(LINES[:9])))

        Select(self.driver.find_element("id", "play-speed")).select_by_visible_text("4x")
        self.click("pause-script")  # Resume
        self.until("document.getElementById('play-progress').textContent === 'line 12 of 13'", "the long wait")
        self.assertEqual(self.js("return +document.getElementById('play-speed').value"), 3)
        self.click("stop-script")
        self.until("document.getElementById('playback').hidden", "the controls go when playing ends")
        self.assertEqual(self.text("status"), "Stopped playing the share link at line 12 of 13")
        self.assertFalse(self.js("return document.getElementById('record-script').disabled"))
        self.assertTrue(self.js("return qs9.press('press')"), "the instrument is the learner's again")

    def test_2_a_share_link_over_a_running_instrument_asks_first(self):
        self.open_fresh(self.site.url)
        self.js("qs9.power(true); window.stillHere = true")
        self.until("qs9.passes() > 2", "the main loop")
        self.js("location.hash = arguments[0]", self.link_of("slider level1 600\n").split("#", 1)[1])
        self.until("document.getElementById('replay-question').open", "the question")
        self.click("keep-instrument")
        self.assertFalse(self.js("return document.getElementById('replay-question').open"))
        self.assertTrue(self.js("return window.stillHere"))
        self.assertIn("was not opened", self.text("status"))

        self.js("location.hash = arguments[0]", self.link_of("slider level1 700\n").split("#", 1)[1])
        self.until("document.getElementById('replay-question').open", "the question again")
        self.click("replay-link")
        self.until("!window.stillHere && document.getElementById('status').textContent.includes('played')",
                   "the page starts afresh and plays the link")
        self.assertEqual(self.js("return +document.querySelector('[data-control=ScrollBar30]').value"), 700)


if __name__ == "__main__":
    unittest.main(verbosity=2)
