#!/usr/bin/python3
"""The instrument memory on the page, in headless Chromium with real clicks
and keys: off by default, with the notice; on, a tank set in the menus and
the totals survive Off and On and a reload, On alone writes nothing, a
steady flow writes at most once a second; a share link and qs9.run leave
the memory alone; an exported set-up opened in a fresh page makes the same
settings; a damaged memory is kept aside, a failed write is said and keeps
what the memory held, and forgetting writes the factory settings.
    tests/web/memory_browser_test.py   (QS9_BUILD, QS9_WEB_BUILD: the build trees)"""
import time
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

import browser_test
from browser_test import native_picture

MEMORY = "qs9-simulator.instrument-memory"
QUIET_ON = "on\nslider pressure 2000\nslider level1 600\npass 2\n"


def tank_1_raised(litres):
    """The knob and push buttons' shortcuts that raise TANK 1 SETUP's TANK
    SIZE and return home: the main menu, FUEL SETUP, TANK 1 SETUP, TANK SIZE
    edited, BACK, EXIT, EXIT."""
    return ([Keys.RETURN] * 2 + [Keys.ARROW_UP] * 5 + [Keys.RETURN, Keys.ARROW_UP, Keys.RETURN]
            + [Keys.ARROW_UP] * litres + [Keys.RETURN] + [Keys.ARROW_LEFT] * 3)


TANK_1_TO_60 = tank_1_raised(15)
TOTALS_PAGE = [Keys.ARROW_UP]
COUNT_WRITES = """window.memoryWrites = 0;
    const watched = arguments[0], setItem = Storage.prototype.setItem;
    Storage.prototype.setItem = function (key, value) {
      if (key === watched) ++window.memoryWrites;
      return setItem.call(this, key, value);
    };"""


class PageMemory(unittest.TestCase):
    """One browser, the steps in order: each starts from what the one
    before left in the origin's storage."""

    # The page tests' browser, server and helpers (not their steps).
    setUpClass = browser_test.BrowserEdition.__dict__["setUpClass"]
    tearDownClass = browser_test.BrowserEdition.__dict__["tearDownClass"]
    js = browser_test.BrowserEdition.js
    js_async = browser_test.BrowserEdition.js_async
    open_fresh = browser_test.BrowserEdition.open_fresh
    wait_passes = browser_test.BrowserEdition.wait_passes
    wait_status = browser_test.BrowserEdition.wait_status
    click = browser_test.BrowserEdition.click
    power_on_quietly = browser_test.BrowserEdition.power_on_quietly

    # ---- helpers ----

    def off_and_on(self):
        self.click("Button2")
        self.click("Button1")
        self.wait_passes(2)

    def keys(self, keys):
        """Each key with Ctrl, as the front panel's shortcuts, two passes apart."""
        for key in keys:
            ActionChains(self.driver).key_down(Keys.CONTROL).send_keys(key).key_up(Keys.CONTROL).perform()
            self.wait_passes(2)

    def exported(self):
        """"Export Set-up" clicked: the script its link holds."""
        self.js("document.getElementById('setup-link').value = ''")
        self.click("export-setup")
        return self.js_async("""const look = () => {
              const link = document.getElementById('setup-link').value;
              if (!link) return setTimeout(look, 20);
              import('./share_links.js').then(({ linkedScript }) => linkedScript(link.slice(link.indexOf('#'))))
                .then(done, (e) => done(String(e)));
            }; look();""")

    def stored(self, key=MEMORY):
        return self.js("return localStorage.getItem(arguments[0])", key)

    def canvas(self):
        """The display's RGB bytes."""
        return bytes(self.js("""const c = document.getElementById('display');
            return Array.from(c.getContext('2d').getImageData(0, 0, 160, 120).data).filter((_, i) => i % 4 !== 3);"""))

    # ---- steps, in order ----

    def test_1_off_by_default_every_on_starts_from_the_factory_and_says_so(self):
        self.open_fresh(self.site.url)
        self.assertFalse(self.driver.find_element("id", "keep-settings").is_selected())
        self.power_on_quietly()
        self.keys(TANK_1_TO_60)
        self.assertIn("set settings.tank1Size 60\n", self.exported())
        self.off_and_on()
        self.wait_status("Every On starts from the factory settings; switch on the instrument memory to keep them")
        self.assertNotIn("tank1Size", self.exported())
        self.assertIsNone(self.stored())

    def test_2_on_a_tank_and_the_totals_survive_off_on_and_a_reload(self):
        self.open_fresh(self.site.url)
        self.click("keep-settings")
        self.power_on_quietly()
        self.keys(TANK_1_TO_60)
        self.js("qs9.slider('flow1', 7000)")
        self.wait_passes(20)
        self.js("qs9.slider('flow1', 0)")
        self.keys(TOTALS_PAGE)
        totals = self.canvas()
        self.off_and_on()
        self.wait_status("Settings restored from the instrument memory")
        self.assertIn("set settings.tank1Size 60\n", self.exported())
        self.keys(TOTALS_PAGE)
        self.assertEqual(self.canvas(), totals)

        # On alone, its ticks and Off write nothing.
        self.js(COUNT_WRITES, MEMORY)
        self.off_and_on()
        time.sleep(1.5)
        self.click("Button2")
        self.assertEqual(self.js("return window.memoryWrites"), 0)

        self.open_fresh(self.site.url)
        self.assertTrue(self.driver.find_element("id", "keep-settings").is_selected())
        self.power_on_quietly()
        self.wait_status("Settings restored from the instrument memory")
        self.assertIn("set settings.tank1Size 60\n", self.exported())
        self.keys(TOTALS_PAGE)
        self.assertEqual(self.canvas(), totals)
        factory_totals = native_picture(QUIET_ON + "key plus\npass 2\n")
        self.assertNotEqual(self.canvas(), factory_totals, "the totals are kept, not zero")

    def test_3_a_steady_flow_writes_at_most_once_a_second(self):
        self.js(COUNT_WRITES, MEMORY)
        self.js("qs9.slider('flow1', 7000)")
        time.sleep(3)
        self.js("qs9.slider('flow1', 0)")
        writes = self.js("return window.memoryWrites")
        print(f"3 s of steady flow wrote the memory {writes} times")
        self.assertGreaterEqual(writes, 2)
        self.assertLessEqual(writes, 4)
        self.click("Button2")

    def test_4_a_share_link_and_qs9_run_leave_the_memory_alone(self):
        held = self.stored()
        link = self.js_async("""import('./share_links.js').then(({ shareLink }) =>
            shareLink(location.href, arguments[0])).then(done)""", "on\nset settings.units 1\npass 3\n")
        self.open_fresh(link)
        self.wait_status("played")
        script = self.exported()
        self.assertNotIn("tank1Size", script)
        self.assertIn("set settings.units 1\n", script)
        self.click("Button2")
        self.assertEqual(self.stored(), held)
        run = self.js_async("qs9.run(arguments[0]).then(done)",
                            "memory run.mem\non\npass\nprint settings.tank1Size\n")
        self.assertEqual((run["status"], run["stdout"]), (0, "settings.tank1Size = 45\n"))
        self.assertEqual(self.stored(), held)
        self.click("Button1")
        self.wait_status("Settings restored from the instrument memory")
        self.assertNotIn("settings.units", self.exported())

    def test_5_an_exported_set_up_makes_the_same_settings_in_a_fresh_page(self):
        script = self.exported()
        link = self.js("return document.getElementById('setup-link').value")
        self.js("localStorage.clear()")
        self.open_fresh(link)
        self.wait_status("played")
        self.assertEqual(self.exported(), script)
        self.assertIsNone(self.stored(), "the memory is left alone")

    def test_6_a_damaged_memory_gives_the_factory_settings_and_is_kept_aside(self):
        self.js("localStorage.setItem('qs9-simulator.keep-settings', '1');"
                "localStorage.setItem(arguments[0], btoa('QS9M not a record'))", MEMORY)
        self.open_fresh(self.site.url)
        self.power_on_quietly()
        said = self.wait_status("damaged")
        self.assertTrue(said.endswith(f"; it is kept as {MEMORY}.damaged in the browser's storage"), said)
        self.assertEqual(self.stored(MEMORY + ".damaged"), "UVM5TSBub3QgYSByZWNvcmQ=")
        self.assertIsNone(self.stored())
        self.assertNotIn("tank1Size", self.exported())

    def test_7_a_failed_write_is_said_and_the_memory_keeps_what_it_held(self):
        self.keys(TANK_1_TO_60)
        self.click("Button2")
        held = self.stored()
        self.assertIsNotNone(held)
        self.js("""const full = arguments[0], setItem = Storage.prototype.setItem;
            Storage.prototype.setItem = function (key, value) {
              if (key === full) throw new DOMException('The quota has been exceeded.', 'QuotaExceededError');
              return setItem.call(this, key, value);
            };""", MEMORY)
        self.power_on_quietly()
        self.keys(tank_1_raised(1))
        self.click("Button2")
        self.wait_status("The instrument memory could not be written (The quota has been exceeded.); "
                         "it keeps what it held")
        self.assertEqual(self.stored(), held)

    def test_8_forgetting_writes_the_factory_settings(self):
        self.open_fresh(self.site.url)
        self.click("forget-memory")
        self.wait_status("The instrument memory holds the factory settings")
        self.power_on_quietly()
        self.wait_status("Settings restored from the instrument memory")
        self.assertNotIn("tank1Size", self.exported())
        self.assertEqual([e for e in self.driver.get_log("browser") if e["level"] == "SEVERE"], [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
