#!/usr/bin/python3
"""Instrument time on the page, in headless Chromium with real clicks: the
pace control, fuel used at the real rate over a held clock, recordings
made at Real time and at x60 that qs9-script replays to the same frame,
a shipped track played and a track of one's own said where it cannot be
shown, the flight log saved, and the controls' size on a phone, with
screenshots at phone and desktop sizes.
    tests/web/flight_page_test.py   (QS9_BUILD, QS9_WEB_BUILD: the build trees;
                                     QS9_SCREENSHOTS: a folder for the screenshots)"""
import csv
import io
import os
import pathlib
import subprocess
import tempfile
import time
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

import browser_test
import learner_page_test
from browser_test import BUILD, native_picture

FRAME_MS = 1000 / 60
# 4,667 pulses a period: 600.0 L/h at the factory K-factor of 7000, 10 L of
# fuel used in the 16 full passes of a minute (the display's whole litres).
FLOW = 4667


def runner_log(script):
    """The flight log qs9-script writes for the script (its "log log.csv ...")."""
    with tempfile.TemporaryDirectory() as folder:
        done = subprocess.run([BUILD / "tools" / "qs9-script"], input=script.encode(), cwd=folder,
                              capture_output=True, check=True)
        assert not done.stderr, done.stderr
        return list(csv.DictReader(io.StringIO(pathlib.Path(folder, "log.csv").read_text())))


class FlightPage(unittest.TestCase):
    # The browser edition's one browser (with a downloads folder) and its
    # helpers, and the learner page's text of an element.
    shared = browser_test.BrowserEdition
    setUpClass = classmethod(shared.setUpClass.__func__)
    tearDownClass = classmethod(shared.tearDownClass.__func__)
    js, js_async, canvas_rgb = shared.js, shared.js_async, shared.canvas_rgb
    text = learner_page_test.LearnerPage.text

    # ---- helpers ----

    def click(self, element_id):
        element = self.driver.find_element("id", element_id)
        self.js("arguments[0].scrollIntoView({block: 'center'})", element)
        ActionChains(self.driver).move_to_element(element).click().perform()

    def choose_pace(self, label):
        """A real click on the pace's label."""
        option = self.driver.find_element("xpath", f"//div[@id='pace-choices']/label[normalize-space()='{label}']")
        self.js("arguments[0].scrollIntoView({block: 'center'})", option)
        ActionChains(self.driver).move_to_element(option).click().perform()
        self.assertTrue(self.js("return document.querySelector('#pace-choices input:checked')"
                                ".parentElement.textContent.trim()") == label)

    def open_held(self):
        """A fresh page whose loop runs only when the test advances it."""
        self.driver.get("about:blank")
        self.driver.get(self.site.url)
        self.assertEqual(self.js_async("qs9.ready.then(() => done(''), (e) => done(String(e)))"), "")
        self.js("qs9.holdClock()")

    def advance(self, ms):
        self.js("qs9.advance(arguments[0], arguments[1])", ms, FRAME_MS)

    def power_on(self, flow=FLOW):
        self.js(f"qs9.slider('pressure', 2000); qs9.slider('level1', 600); qs9.slider('flow1', {flow})")
        self.click("Button1")

    def downloaded(self, prefix):
        """The text of the one file downloaded whose name starts so, once it is there."""
        deadline = time.time() + 10
        while True:
            found = [p for p in pathlib.Path(self.downloads.name).glob(prefix + "*") if not p.name.endswith(".crdownload")]
            if found:
                text = found[0].read_text()
                found[0].unlink()
                return text
            self.assertLess(time.time(), deadline, f"no download {prefix}...")
            time.sleep(0.05)

    def save_log(self):
        self.click("save-flight-log")
        return list(csv.DictReader(io.StringIO(self.downloaded("qs9-flight-log-"))))

    # ---- steps ----

    def test_1_the_pace_control_says_what_a_paced_mode_does(self):
        self.open_held()
        labels = self.js("return [...document.querySelectorAll('#pace-choices label')].map(l => l.textContent.trim())")
        self.assertEqual(labels, ["Instrument loop", "Real time", "x10", "x60", "x240"])
        self.assertEqual(self.js("return document.querySelector('#pace-choices input:checked').value"), "0")
        self.assertIn("4-second", self.text("pace-explanation"))
        # Keyboard: the arrow keys move along the choices, as in any radio group.
        first = self.driver.find_element("id", "pace-0")
        first.send_keys(Keys.ARROW_DOWN)
        self.assertTrue(self.js("return document.getElementById('pace-1').checked"))
        self.assertIn("Real time", self.text("status"))

    def test_2_a_tab_shown_again_goes_on_where_it_stood(self):
        """The frames' clock skips what the page did not run (a hidden tab):
        a minute's gap moves it a quarter of a second, and no periods are
        caught up."""
        self.open_held()
        given = self.js_async("""import('./main_loop.js').then(({ MainLoop }) => {
            const given = [];
            const firmware = { frame: (ms) => given.push(ms), tick() {}, mainLoopRuns: () => true };
            const loop = new MainLoop(firmware, { afterPass() {}, powerChanged() {} });
            loop.poweredOnce = true;
            for (const wall of [1000, 1016, 61016, 61032, 61020])
              loop.runPass(wall);
            loop.holdClock();  // the frames it asked for find it held
            done(given);
        })""")
        self.assertEqual(given, [1000, 1016, 1266, 1282, 1282])

    def test_3_fuel_used_counts_at_the_real_rate(self):
        """A minute of a held clock at Real time: a full pass at On and one
        each 4 seconds, the log's rows as the runner's "run 60s" after On's
        pass; at the instrument loop pace the same minute is a full pass a
        frame, 240 times the fuel."""
        self.open_held()
        self.choose_pace("Real time")
        self.power_on()
        self.assertTrue(self.js("return document.getElementById('save-flight-log').disabled"), "no log yet")
        self.click("start-flight-log")
        self.advance(60_000 + FRAME_MS)  # instrument time starts at the first frame
        rows = self.save_log()
        self.assertFalse(self.js("return document.getElementById('save-flight-log').disabled"), "the log goes on")
        self.assertIn("Flight log saved as qs9-flight-log-", self.text("status"))
        # Levels and pressure are measured each frame, fuel once a period:
        # the fuel columns are the runner's after as many full passes.
        fuel = ["time_s", "flow1", "fuel_used1"]
        runner = runner_log(f"slider pressure 2000\nslider level1 600\nslider flow1 {FLOW}\non\npass\n"
                            f"log log.csv {' '.join(fuel[1:])}\nrun 60s\n")
        self.assertEqual([{n: r[n] for n in fuel} for r in rows], [{"time_s": "0", "flow1": "600.0", "fuel_used1": "0"}] + runner)
        self.assertEqual(runner[-1]["fuel_used1"], "10")

        self.open_held()
        self.power_on()
        self.click("start-flight-log")
        self.advance(60_000)
        looped = self.save_log()
        self.assertGreater(len(looped), 3500)
        self.assertGreater(int(looped[-1]["fuel_used1"]), 2000)

    def recording_replays(self, pace):
        """A recording at that pace: frames and full passes, a key between;
        qs9-script replays it to the frame the page shows."""
        self.open_held()
        self.choose_pace(pace)
        self.click("record-script")
        self.power_on()
        self.advance(10_000)
        self.js("qs9.press('right')")
        self.advance(10_000)
        self.click("record-script")  # "Stop Recording"
        recording = self.downloaded("qs9-recording-")
        self.assertRegex(recording, r"(?m)^frame \d+$")
        self.assertRegex(recording, r"(?m)^pass \d+$")
        self.assertEqual(self.canvas_rgb(), native_picture(recording))
        return recording

    def test_4_recordings_at_real_time_and_x60_replay_in_the_runner(self):
        real = self.recording_replays("Real time")
        fast = self.recording_replays("x60")
        full = lambda text: sum(int(line.split()[1]) if line.split()[1:] else 1
                                for line in text.splitlines() if line.split()[:1] == ["pass"])
        self.assertLessEqual(full(real), 6)  # 20 s: On and a pass each 4 s
        self.assertGreater(full(fast), 250)  # 20 minutes of instrument time

    def test_5_tracks_shipped_chosen_and_dropped_and_what_they_cannot_show(self):
        self.open_held()
        self.choose_pace("x240")
        self.power_on()
        self.until_tracks_listed()
        Select(self.driver.find_element("id", "shipped-tracks")).select_by_visible_text("leak.csv")
        self.assertIn("Track leak.csv opened", self.text("status"))
        self.assertEqual(self.text("play-track"), "Play")
        self.click("play-track")
        self.assertEqual(self.text("play-track"), "Pause")
        self.advance(5_000)  # 20 minutes of the track
        # 20 minutes of instrument time, from the first frame on (one frame is 4 s).
        self.assertRegex(self.text("track-state"), r"^leak\.csv: (19:5\d|20:00) of 45:00, playing$")
        self.assertNotEqual(self.js("return +document.querySelector('[data-control=ScrollBar30]').value"), 600,
                            "the track moved the level sender")
        self.click("play-track")  # Pause
        position = self.js("return +document.getElementById('track-position').value")
        logged = self.save_log()  # opening the track started it
        self.assertGreater(len(logged), 250)
        self.assertGreater(int(logged[0]["tank1"]), int(logged[-1]["tank1"]), "the leak empties the tank")
        self.advance(2_000)
        self.assertEqual(self.js("return +document.getElementById('track-position').value"), position)
        # The keyboard seeks: Page Up a twentieth of the track on, played at the next frame.
        self.js("document.getElementById('track-position').focus()")
        ActionChains(self.driver).send_keys(Keys.PAGE_UP).perform()
        self.assertEqual(self.js("return +document.getElementById('track-position').value"), position + 135)
        self.assertIn(f"leak.csv: {(position + 135) // 60}:", self.text("track-state"))

        # A track of one's own, chosen in the file dialog: more than the tank holds.
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        own = pathlib.Path(folder.name, "too-full.csv")
        own.write_text("time_s,flow1,tank1\n0,30,500\n60,30,490\n")
        self.js("document.getElementById('track-file').hidden = false")
        self.driver.find_element("id", "track-file").send_keys(str(own))
        self.until("document.getElementById('status').textContent.includes('too-full.csv opened')", "the own track")
        self.click("play-track")
        self.advance(1_000)
        self.until("document.getElementById('status').textContent.includes('clamped')", "the clamp said")

        # A track dropped on the page opens in the track player, not as a script.
        self.js("""const files = new DataTransfer();
            files.items.add(new File(['time_s,flow1\\n0,20\\n8,40\\n'], 'dropped.csv', { type: 'text/csv' }));
            document.dispatchEvent(new DragEvent('drop', { dataTransfer: files, cancelable: true }));""")
        self.until("document.getElementById('track-state').textContent === 'dropped.csv: 0:00 of 0:08'", "the drop")
        self.assertEqual(self.text("script-state"), "")

        bad = pathlib.Path(folder.name, "no-track.csv")
        bad.write_text("flow1,time_s\n30,0\n")
        self.driver.find_element("id", "track-file").send_keys(str(bad))
        self.until("document.getElementById('status').textContent.includes('no-track.csv is not a track')", "why")
        self.assertIn("dropped.csv", self.text("track-state"), "the open track stays")

    def until_tracks_listed(self):
        self.until("document.getElementById('shipped-tracks').options.length > 4", "the shipped tracks")

    def until(self, condition, what, seconds=10):
        deadline = time.time() + seconds
        while not self.js("return " + condition):
            self.assertLess(time.time(), deadline, what)
            time.sleep(0.02)

    def test_6_controls_a_finger_hits_and_screenshots(self):
        folder = pathlib.Path(os.environ.get("QS9_SCREENSHOTS", tempfile.mkdtemp()))
        folder.mkdir(parents=True, exist_ok=True)
        for width, height in ((390, 844), (1366, 768)):
            self.driver.set_window_size(width, height)
            self.open_held()
            self.power_on()
            self.choose_pace("x60")
            self.until_tracks_listed()
            Select(self.driver.find_element("id", "shipped-tracks")).select_by_visible_text("cruise-tank-switch.csv")
            self.click("play-track")
            self.advance(30_000)
            if width == 390:
                small = self.js("""return [...document.querySelectorAll(
                    '#pace-choices label, #flight button, #flight select, #track-position')]
                    .filter(e => Math.min(e.getBoundingClientRect().width, e.getBoundingClientRect().height) < 44)
                    .map(e => e.id || e.textContent)""")
                self.assertEqual(small, [])
            self.js("document.getElementById('pace').scrollIntoView()")
            self.driver.save_screenshot(str(folder / f"pace-and-tracks-{width}x{height}.png"))
        self.driver.set_window_size(1280, 1024)


if __name__ == "__main__":
    unittest.main(verbosity=2)
