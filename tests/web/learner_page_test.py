#!/usr/bin/python3
"""The page as a learner meets it, in headless Chromium with real input
events: what the keys do, keys shown taken or lost, the power in force, the
senders' readings against the firmware's measurements, the display in words
against the runner's, its announcements, the page's address options, and
axe-core's checks and the controls' sizes at phone and desktop width.
    tests/web/learner_page_test.py   (QS9_BUILD, QS9_WEB_BUILD: the build trees)"""
import os
import pathlib
import time
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

import browser_test
from browser_test import QUIET_SENSORS, ROOT, Site, native_picture, native_run
from local_chromium import start_chromium

AXE = pathlib.Path(os.environ.get("QS9_WEB_BUILD", ROOT / "build-web")) / "axe/node_modules/axe-core/axe.min.js"

PHONE = (390, 844, 3)
DESKTOP = (1366, 768, 1)
# Every control a finger must hit at phone width, by the element that takes the tap.
TARGETS = ["Image2", "Image3", "Image8", "Button3", "Button4", "Button1", "Button2", "record-script",
           "play-script", "copy-display", "save-display", "copy-size", "show-display-text"]


class LearnerPage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.site = Site()
        cls.profile = pathlib.Path(cls.site.root.name, "profile")
        cls.driver = start_chromium(str(cls.profile))
        cls.driver.set_script_timeout(60)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.site.stop()

    # ---- helpers ----

    def open_page(self, fragment="", size=DESKTOP):
        width, height, ratio = size
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": ratio, "mobile": width < height})
        self.driver.get("about:blank")
        self.driver.get(self.site.url + fragment)
        self.assertEqual(self.js_async("qs9.ready.then(() => done(''), (e) => done(String(e)))"), "")

    def text(self, element_id):
        return self.js("return document.getElementById(arguments[0]).textContent", element_id)

    def wait_text(self, element_id, words):
        deadline = time.time() + 10
        while words not in (shown := self.text(element_id)):
            self.assertLess(time.time(), deadline, f"{element_id} says {shown!r}, not {words!r}")
            time.sleep(0.02)
        return shown

    # The browser edition's own helpers: scripts in the page, waiting for
    # passes, a mouse click, the canvas's pixels, "On" with no alarm.
    shared = browser_test.BrowserEdition
    js, js_async, wait_passes, click = shared.js, shared.js_async, shared.wait_passes, shared.click
    canvas_rgb, power_on_quietly = shared.canvas_rgb, shared.power_on_quietly

    def keys_to(self, element_id, *keys):
        """Real key presses on a control that has the focus."""
        self.js("document.getElementById(arguments[0]).focus()", element_id)
        ActionChains(self.driver).send_keys(*keys).perform()

    def runner_says(self, script):
        """stdout of qs9.run: the runner on a firmware of its own."""
        return self.js_async("qs9.run(arguments[0]).then((r) => done(r.stdout), (e) => done(String(e)))", script)

    def record_looks(self):
        """From now on, each look ("taken", "lost") a key control takes on, in order."""
        self.js("""window.looks = [];
            // A change's class list is the old one of the next change to the same control.
            new MutationObserver((changes) => changes.forEach((c, i) => {
                const next = changes.slice(i + 1).find((n) => n.target === c.target);
                const now = ` ${next ? next.oldValue : c.target.className} `;
                for (const look of ['taken', 'lost'])
                  if (now.includes(` ${look} `) && !` ${c.oldValue} `.includes(` ${look} `)) looks.push([c.target.id, look]);
              })).observe(document.getElementById('instrument'), { subtree: true, attributeFilter: ['class'], attributeOldValue: true });""")

    def looks(self):
        time.sleep(0.05)
        return self.js("return looks")

    # ---- what the learner is told ----

    def test_power_and_the_first_key_say_what_happened(self):
        self.open_page()
        self.assertEqual(self.js("return [...document.querySelectorAll('#key-help li')].map(l => l.textContent)"),
                         ["Press On to switch the instrument on"])
        self.assertEqual(self.js("""const label = document.getElementById('power-label');
            return [label.checkVisibility(), label.textContent, ...['Button1', 'Button2'].map(
              (id) => document.getElementById(id).getAttribute('aria-pressed'))]"""),
                         [True, "Instrument off", "false", "true"])
        self.click("Image8")
        self.wait_text("status", "The instrument is off: press On to switch it on")

        self.open_page()
        self.record_looks()
        self.click("Button1")  # factory settings, the pressure sender at 0: the low-pressure alarm
        self.wait_passes(3)
        help_lines = self.runner_says("on\npass 3\nprint keyHelp\n")[len("keyHelp = "):].splitlines()
        self.assertEqual(self.js("return [...document.querySelectorAll('#key-help li')].map(l => l.textContent)"), help_lines)
        self.assertEqual(help_lines[0], "Any key first acknowledges the active alarm")
        self.assertIn("acknowledge", self.js("return document.getElementById('Image8').title"))
        self.assertIn("Fuel pressure, not acknowledged", self.text("alarm-words"))
        self.click("Image8")
        self.wait_text("status", "Alarm acknowledged: fuel pressure")
        self.wait_text("alarm-words", "Fuel pressure, acknowledged")
        self.assertIn(["Image8", "taken"], self.looks())
        self.wait_passes(2)
        self.assertTrue(self.js("return document.getElementById('Image8').title.startsWith('Knob: main menu (Ctrl+Return)')"))
        self.assertFalse(self.js("return document.getElementById('power-label').checkVisibility()"))
        self.assertEqual(self.js("return document.getElementById('Button1').getAttribute('aria-pressed')"), "true")

        self.click("Button2")
        self.wait_text("key-help", "Press On to switch the instrument on")
        self.assertTrue(self.js("return document.getElementById('power-label').checkVisibility()"))
        self.assertTrue(self.js("return qs9.frameBuffer().some((i) => i !== 0)"), "Off keeps the last picture")
        self.assertFalse(self.js("return document.getElementById('alarm-words').checkVisibility()"), "no alarm while off")

    def test_keys_show_taken_or_lost_from_every_source(self):
        self.open_page()
        self.power_on_quietly()
        self.record_looks()
        self.assertEqual(self.js("return [qs9.press('plus'), qs9.press('plus')]"), [True, False])
        self.wait_text("status", 'Key lost: knob turned "+" (the instrument takes one key at a time)')
        self.wait_passes(2)  # the first "+" handled, the slot free
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys(Keys.ARROW_DOWN).key_up(Keys.CONTROL).perform()
        self.wait_passes(2)
        self.js("qs9.play('key right\\n')")
        self.wait_passes(2)
        self.assertEqual(self.looks(), [["Button3", "taken"], ["Button3", "lost"], ["Button4", "taken"], ["Image3", "taken"]])

    def test_the_focused_knob_turns_with_the_arrows_and_presses_with_enter_and_space(self):
        self.open_page()
        self.power_on_quietly()
        script = f"on\n{QUIET_SENSORS}pass 3\n"
        for key, line in [(Keys.ENTER, "key press"), (Keys.ARROW_DOWN, "key minus"), (Keys.ARROW_LEFT, "key minus"),
                          (Keys.ARROW_UP, "key plus"), (Keys.ARROW_RIGHT, "key plus"), (Keys.SPACE, "key press")]:
            self.keys_to("Image8", key)
            self.wait_passes(2)
            script += f"{line}\npass 2\n"
            self.assertEqual(self.canvas_rgb(), native_picture(script), f"{key!r}: {line}")

    def test_display_as_text_is_the_runners(self):
        self.open_page()
        self.power_on_quietly()
        self.assertEqual(self.js("return document.getElementById('display').getAttribute('aria-describedby')"), "display-text")
        self.assertFalse(self.js("return document.getElementById('display-text').checkVisibility()"))
        self.click("show-display-text")
        self.assertTrue(self.js("return document.getElementById('display-text').checkVisibility()"))
        script = f"on\n{QUIET_SENSORS}pass 3\n"
        for what, state in [("the main menu", "MAIN MENU"), ("FUEL SETUP", "(selected)"), ("editing UNIT", "(editing)")]:
            self.click("Image8")
            self.wait_passes(3)
            script += "key press\npass 3\n"
            shown = self.text("display-text")
            self.assertEqual(shown, self.runner_says(script + "print displayText\n")[len("displayText = "):-1], what)
            self.assertIn(state, shown, what)

    def test_sender_readings_are_the_firmwares_measurements(self):
        self.open_page()
        self.click("Button1")
        moves = [("flow1", [Keys.PAGE_UP, Keys.ARROW_RIGHT], 3278), ("level1", [Keys.PAGE_UP] * 3, 615),
                 ("pressure", [Keys.PAGE_UP] * 10 + [Keys.ARROW_LEFT], 2049), ("level2", [Keys.END], 4096)]
        for name, keys, position in moves:
            self.keys_to(f"input-{name}", *keys)
            self.assertEqual(self.js(f"return +document.getElementById('input-{name}').value"), position, name)
        self.wait_passes(240)  # the tank filter settles
        script = "on\n" + "".join(f"slider {name} {position}\n" for name, _, position in moves) + "pass 1000\n"
        measured = dict(line.split(" = ") for line in self.runner_says(
            script + "print flowRate1 tank1Level pressureValue level2Fail\n").splitlines())
        readings = self.js("return Object.fromEntries(['flow1', 'level1', 'pressure', 'level2', 'flow2'].map("
                           "(n) => [n, document.getElementById('reading-' + n).textContent]))")
        # The factory units: litres, L/hr, psi; tank 2 is no sender tank.
        self.assertEqual(readings, {"flow1": f"{int(measured['flowRate1']) / 10:.1f} L/hr",
                                    "level1": f"{measured['tank1Level']} L",
                                    "pressure": f"{int(measured['pressureValue']) / 10:.1f} psi",
                                    "level2": "not read", "flow2": "0.0 L/hr"})
        self.keys_to("input-level1", Keys.END)
        self.wait_passes(3)
        self.assertEqual(self.text("reading-level1"), "FAIL")
        self.keys_to("input-level1", Keys.HOME)
        self.assertEqual(self.js("return +document.getElementById('input-level1').value"), 0)
        self.click("Button2")
        self.assertEqual(self.text("reading-flow1"), "", "no reading while off")

    def test_blinking_and_the_status_line_make_at_most_one_announcement_in_30_seconds(self):
        self.open_page()
        self.js("qs9.slider('level1', 4000); qs9.slider('flow1', 2100); qs9.slider('pressure', 2000)")
        self.click("Button1")
        time.sleep(3)
        self.assertIn("FAIL", self.text("display-announcement"), "the screen announced once after On")
        self.js("""window.said = []; window.shownTexts = new Set();
            for (const id of ['display-announcement', 'alarm-announcement', 'status'])
              new MutationObserver(() => said.push(id)).observe(document.getElementById(id),
                                                               { childList: true, characterData: true, subtree: true });
            new MutationObserver(() => shownTexts.add(document.getElementById('display-text').textContent))
              .observe(document.getElementById('display-text'), { childList: true, characterData: true, subtree: true });""")
        time.sleep(30)
        self.assertGreater(self.js("return shownTexts.size"), 3, "FAIL blinks and the status line cycles")
        self.assertLessEqual(len(self.js("return said")), 1, self.js("return said"))

    def test_an_alarm_is_announced_once_when_it_starts(self):
        self.open_page()
        self.js("window.alarms = []; new MutationObserver(() => alarms.push(document.getElementById('alarm-announcement')"
                ".textContent)).observe(document.getElementById('alarm-announcement'), { childList: true });")
        self.click("Button1")
        time.sleep(4)
        self.assertEqual(self.js("return alarms"), ["Alarm: Fuel pressure"])

    # ---- the page's address ----

    def test_the_instrument_alone_fills_a_540_by_340_frame_and_starts_on(self):
        page = pathlib.Path(self.site.root.name, "frame.html")
        page.write_text("<!doctype html><title>frame</title><iframe id='f' src='qs9/#view=instrument&power=on' "
                        "title='QS-9' width='540' height='340' style='border: 0'></iframe>")
        self.driver.get(self.site.origin + "frame.html")
        inside = self.js_async("""const f = document.getElementById('f');
            const look = () => { const q = f.contentWindow.qs9; if (!q) return setTimeout(look, 20);
              q.ready.then(() => setTimeout(() => { const d = f.contentDocument;
                const box = d.getElementById('instrument').getBoundingClientRect();
                done({ box: [box.left, box.top, box.right, box.bottom], passes: q.passes(),
                       lit: q.frameBuffer().some((i) => i !== 0),
                       shown: [...d.querySelectorAll('input, #heading, #guide')].filter((e) => e.checkVisibility()).length }); }, 500)); };
            look();""")
        left, top, right, bottom = inside["box"]
        self.assertTrue(0 <= left and right <= 540 and 0 <= top and bottom <= 340, inside)
        self.assertGreaterEqual(bottom - top, 0.85 * 340, inside)
        self.assertAlmostEqual(left + right, 540, delta=2, msg="in the frame's middle")
        self.assertEqual(inside["shown"], 0, "no slider, box, heading or guide")
        self.assertTrue(inside["lit"] and inside["passes"] > 0, inside)

    def test_options_that_the_page_cannot_follow_are_said(self):
        self.open_page("#power=on&lesson=no-such-lesson")
        self.wait_text("status", 'There is no lesson "no-such-lesson"')
        self.wait_passes(2)
        self.open_page("#view=everything&colour=red")
        self.wait_text("status", 'view takes "instrument", not "everything"; the page knows no option "colour"')
        self.open_page("#script=AAAA")
        self.wait_text("status", "This share link is damaged or incomplete")
        self.assertEqual(self.js("return qs9.passes()"), 0, "nothing played")

    # ---- for every user ----

    def axe_violations(self):
        self.js(AXE.read_text())
        return self.js_async("""axe.run(document, { rules: { 'label-content-name-mismatch': { enabled: true } } })
            .then((r) => done(r.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(', ')}`)))""")

    def test_axe_finds_nothing_off_on_in_a_menu_and_editing(self):
        for size in [PHONE, DESKTOP]:
            self.open_page(size=size)
            self.assertEqual(self.js("return document.querySelector('h1').textContent"), "Tarvo QS-9 Simulator")
            steps = [("off", None), ("on", "Button1"), ("acknowledged", "Image8"), ("in a menu", "Image8"),
                     ("in FUEL SETUP", "Image8"), ("editing a value", "Image8")]
            for state, control in steps:
                if control:
                    self.click(control)
                    self.wait_passes(3)
                self.assertEqual(self.axe_violations(), [], f"{size}: {state}")
            self.assertIn("(editing)", self.text("display-text"))

    def test_every_control_takes_a_finger_at_phone_width(self):
        self.open_page(size=PHONE)
        sizes = self.js("""const box = (e) => { const r = e.getBoundingClientRect(); return [r.width, r.height]; };
            const targets = arguments[0].map((id) => [id, box(document.getElementById(id))]);
            for (const e of document.querySelectorAll('[role=tab], input[type=range], .check-box'))
              if (e.checkVisibility()) targets.push([e.id || e.textContent, box(e)]);
            return targets;""", TARGETS)
        self.assertGreater(len(sizes), len(TARGETS) + 6)
        small = [(name, size) for name, size in sizes if min(size) < 44 - 0.01]
        self.assertEqual(small, [])

    def test_the_share_box_waits_for_a_recording_and_playing_moves_no_button(self):
        self.open_page()
        self.assertFalse(self.js("return document.getElementById('share').checkVisibility()"))
        self.assertNotIn("copy-share-link", self.tab_stops())
        before = self.js("return ['record-script', 'play-script'].map((id) => document.getElementById(id).getBoundingClientRect().toJSON())")
        self.js("qs9.play('on\\npass 100000\\n').catch(() => {})")
        self.wait_text("script-state", "Playing")
        after = self.js("return ['record-script', 'play-script'].map((id) => document.getElementById(id).getBoundingClientRect().toJSON())")
        self.assertEqual(after, before)
        self.click("stop-script")  # Record waits while a script plays
        self.click("record-script")
        self.click("record-script")
        self.wait_text("status", "Copy Link copies its share link")
        self.assertTrue(self.js("return document.getElementById('share').checkVisibility()"))

    def tab_stops(self):
        return self.js("""return [...document.querySelectorAll('button, input, select, [tabindex]')]
            .filter((e) => e.tabIndex >= 0 && e.checkVisibility()).map((e) => e.id)""")


if __name__ == "__main__":
    unittest.main(verbosity=2)
