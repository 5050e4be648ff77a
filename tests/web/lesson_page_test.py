#!/usr/bin/python3
"""Lessons in the page, in headless Chromium with real input events: a
shipped lesson from its link, a step done with clicks on the photograph and
the others with "Show me" to the closing text, the path left and found
again; a lesson link of one's own; a broken lesson link and refused lesson
files; a walk to K-FACTOR 1 recorded with clicks that becomes, through the
page's "Save as Lesson Draft", a lesson the runner's checks pass.
    tests/web/lesson_page_test.py   (QS9_BUILD, QS9_WEB_BUILD: the build trees)"""
import pathlib
import re
import subprocess
import time
import unittest

import browser_test
import learner_page_test
from browser_test import BUILD, ROOT
from learner_page_test import PHONE


def steps_of(lesson):
    """Each step's instruction and the keys of its solution, from a lesson's text."""
    steps = []
    for line in lesson.splitlines():
        if m := re.match(r'step "(.*)"$', line):
            steps.append({"instruction": m.group(1).replace('\\"', '"'), "keys": []})
        elif steps and (m := re.match(r"key (\w+)$", line)):
            steps[-1]["keys"].append(m.group(1))
        elif line.startswith("closing"):
            break
    return steps


# A lesson of one's own: three steps from the home page to FUEL SETUP.
OWN_LESSON = """lesson "To FUEL SETUP and back"
introduction "The set-up menus open from the home page with the knob."
start
slider pressure 2000
slider level1 600
on
pass 3
step "Press the knob: the main menu opens."
hint "The knob is the round control between the push buttons."
highlight key press
done currentScreen mainMenuScreen
key press
pass 3
step "Press the knob again: FUEL SETUP opens."
highlight key press
done currentScreen fuelSetupScreen
key press
pass 3
step "Press the left push button twice to go home."
highlight key left
done currentScreen homeScreen
key left
pass 3
key left
pass 3
closing "The knob opens, the left push button leaves."
"""


class LessonPage(unittest.TestCase):
    # The browser edition's one browser (with a downloads folder) and its
    # helpers, and the learner page's: the page opened at a size, an
    # element's text, waiting for it.
    shared, learner = browser_test.BrowserEdition, learner_page_test.LearnerPage
    setUpClass = classmethod(shared.setUpClass.__func__)
    tearDownClass = classmethod(shared.tearDownClass.__func__)
    js, js_async, wait_passes, click, canvas_rgb = shared.js, shared.js_async, shared.wait_passes, shared.click, shared.canvas_rgb
    open_page, text, wait_text = learner.open_page, learner.text, learner.wait_text

    # ---- helpers ----

    def shown(self, element_id):
        return self.js("const e = document.getElementById(arguments[0]); return !!e && !e.hidden && !e.closest('[hidden]')",
                       element_id)

    def wait_progress(self, words):
        return self.wait_text("lesson-progress", words)

    def click_keys(self, keys):
        """Real clicks on the photograph's key areas, each after the last was taken."""
        controls = {"left": "Image2", "right": "Image3", "press": "Image8", "plus": "Button3", "minus": "Button4"}
        for key in keys:
            self.click(controls[key])
            self.wait_passes(3)

    def show_me_to_the_end(self):
        """"Show me" on each step left, until the closing text."""
        while (progress := self.text("lesson-progress")) != "Done":
            self.click("lesson-show-me")
            deadline = time.time() + 60
            while self.text("lesson-progress") == progress:
                self.assertLess(time.time(), deadline, f"{progress}: \"Show me\" did not do the step")
                time.sleep(0.05)

    # ---- steps, in order ----

    def test_1_a_shipped_lesson_with_clicks_then_show_me_to_its_end(self):
        lesson = (ROOT / "lessons" / "k-factor.qs9").read_text(encoding="utf-8")
        steps = steps_of(lesson)
        self.open_page("#lesson=k-factor")
        self.wait_text("lesson-instruction", steps[0]["instruction"])
        self.assertEqual(self.text("lesson-progress"), f"Step 1 of {len(steps)}")
        self.assertEqual(self.text("lesson-title"), "Units and the K-factor")
        self.assertTrue(self.js("return document.getElementById('Image8').classList.contains('lesson-highlight')"))
        # Step 1 with real clicks on the photograph, not "Show me".
        self.click_keys(steps[0]["keys"])
        self.wait_progress(f"Step 2 of {len(steps)}")
        self.assertEqual(self.text("lesson-instruction"), steps[1]["instruction"])
        # Off the path: the left push button leaves FUEL SETUP; Back returns.
        self.click_keys(["left"])
        self.assertTrue(self.shown("lesson-off-path"))
        self.assertTrue(self.shown("lesson-hint-text"))
        self.click("lesson-back")
        self.wait_passes(3)
        self.assertFalse(self.shown("lesson-off-path"))
        self.assertEqual(self.text("lesson-progress"), f"Step 2 of {len(steps)}")
        # "Show me" on step 2 advances to step 3, and on every step to the end.
        self.click("lesson-show-me")
        self.wait_progress(f"Step 3 of {len(steps)}")
        self.show_me_to_the_end()
        closing = re.findall(r'^closing "(.*)"$', lesson, re.M)
        self.wait_text("lesson-instruction", closing[0])
        result = self.text("lesson-result")
        self.assertIn("Steps done yourself: 1 of 7", result)
        self.assertIn('Steps done by "Show me": 6', result)
        self.assertIn("Hints opened: 1", result)
        self.assertFalse(self.js("return document.querySelector('.lesson-highlight') !== null"))

    def test_2_a_lesson_link_of_ones_own_opens_and_plays_the_same_way(self):
        self.open_page()
        link = self.js_async("""import('./lesson_links.js').then(({ lessonLink }) =>
            lessonLink(location.href, { text: arguments[0] })).then(done, (e) => done(String(e)))""", OWN_LESSON)
        self.assertIn("#lessontext=", link)
        self.driver.get("about:blank")
        self.driver.get(link)
        self.wait_text("lesson-instruction", "Press the knob: the main menu opens.")
        self.assertEqual(self.text("lesson-title"), "To FUEL SETUP and back")
        self.click_keys(["press"])
        self.wait_progress("Step 2 of 3")
        self.click("lesson-show-me")
        self.wait_progress("Step 3 of 3")
        self.click("lesson-show-me")
        self.wait_text("lesson-instruction", "The knob opens, the left push button leaves.")
        # Its link again, from the panel: the same text travels.
        copied = self.js_async("""import('./lesson_links.js').then(({ lessonLink }) =>
            lessonLink(location.href, { text: arguments[0] })).then(done)""", OWN_LESSON)
        self.assertEqual(copied, link)

    def test_3_a_broken_lesson_link_says_so_and_changes_nothing(self):
        self.open_page()
        link = self.js_async("""import('./lesson_links.js').then(({ lessonLink }) =>
            lessonLink(location.href, { text: arguments[0] })).then(done)""", OWN_LESSON)
        self.driver.get("about:blank")
        self.driver.get(link[:-12])
        self.assertEqual(self.js_async("qs9.ready.then(() => done(''), (e) => done(String(e)))"), "")
        message = self.wait_text("status", "lesson link")
        self.assertIn("This lesson link is damaged or incomplete", message)
        self.assertFalse(self.shown("lesson"))
        time.sleep(0.3)
        self.assertEqual((self.js("return qs9.passes()"), self.canvas_rgb()), (0, bytes(160 * 120 * 3)))
        self.open_page("#lesson=no-such-lesson")
        self.wait_text("status", 'There is no lesson "no-such-lesson"')
        self.assertFalse(self.shown("lesson"))

    def test_4_a_refused_lesson_file_names_its_line_and_the_page_goes_on(self):
        self.open_page("#lesson=k-factor")
        self.wait_progress("Step 1 of")
        faults = {
            "unknown.qs9": (OWN_LESSON.replace("done currentScreen mainMenuScreen", "done noSuchValue 1"), "line 11: "),
            "no-condition.qs9": (OWN_LESSON.replace("done currentScreen fuelSetupScreen\n", ""), "line 14: "),
            "syntax.qs9": (OWN_LESSON.replace('step "Press the knob again', 'step "Press the knob again" "'), "line 14: "),
        }
        for name, (text, line) in faults.items():
            self.js("""const files = new DataTransfer();
                files.items.add(new File([arguments[0]], arguments[1]));
                document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: files, bubbles: true, cancelable: true }));""",
                    text, name)
            message = self.wait_text("status", name)
            self.assertIn(f"The lesson {name} cannot be opened: {line}", message)
            # The lesson that ran goes on, and the instrument takes clicks.
            self.assertEqual(self.text("lesson-title"), "Units and the K-factor")
        self.click_keys(["press", "press"])
        self.wait_progress("Step 2 of")

    def test_5_a_recorded_walk_becomes_a_lesson_draft_the_checks_pass(self):
        self.open_page()
        self.click("record-script")
        self.js("qs9.slider('pressure', 2000); qs9.slider('level1', 600)")
        self.click("Button1")
        self.wait_passes(3)
        # The main menu, FUEL SETUP, and "+" twice to K-FACTOR 1.
        self.click_keys(["press", "press", "plus", "plus"])
        self.assertEqual(self.js("return qs9.frameBuffer().length"), 19200)
        self.click("record-script")
        frame = self.canvas_rgb()
        self.click("save-lesson-draft")
        self.wait_text("status", "Lesson draft downloaded as ")
        self.assertEqual(self.canvas_rgb(), frame, "the draft replayed the walk apart from the instrument shown")
        deadline = time.time() + 10
        while not (drafts := list(pathlib.Path(self.downloads.name).glob("qs9-lesson-draft-*.qs9"))):
            self.assertLess(time.time(), deadline, "no draft downloaded")
            time.sleep(0.05)
        draft = drafts[0].read_text(encoding="utf-8")
        self.assertIn('highlight key press', draft)
        # The runner's own draft of the downloaded recording, the same.
        recording = next(pathlib.Path(self.downloads.name).glob("qs9-recording-*.qs9"))
        made = subprocess.run([BUILD / "tools" / "qs9-script", "--lesson-draft", recording], capture_output=True, text=True)
        self.assertEqual((made.returncode, made.stdout), (0, draft), made.stderr)
        checked = subprocess.run([BUILD / "tools" / "qs9-script", "--check", drafts[0]], capture_output=True, text=True)
        self.assertEqual(checked.returncode, 0, checked.stdout + checked.stderr)
        self.assertIn("1 passed, 0 failed", checked.stdout)
        # The draft opens as a lesson where it is dropped.
        self.js("""const files = new DataTransfer();
            files.items.add(new File([arguments[0]], 'walk.qs9'));
            document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: files, bubbles: true, cancelable: true }));""",
                draft)
        self.wait_text("status", "Lesson walk.qs9 opened")
        self.wait_progress("Step 1 of")

    def test_6_the_lesson_list_opens_a_lesson_on_a_phone(self):
        self.open_page(size=PHONE)
        self.click("open-lessons")
        titles = self.js("return [...document.querySelectorAll('.lesson-choice strong')].map((t) => t.textContent)")
        self.assertGreaterEqual(len(titles), 14)
        # In the teaching order of lessons/README.md's table.
        library = (ROOT / "lessons" / "README.md").read_text().split("\n## The library", 1)[1]
        names = re.findall(r"^\| `([a-z0-9-]+)` \|", library, re.M)
        title = lambda name: re.search(r'^lesson "(.*)"$', (ROOT / "lessons" / f"{name}.qs9").read_text(), re.M).group(1)
        self.assertEqual(titles[:3], [title(name) for name in names[:3]])
        self.assertIn("Units and the K-factor", titles)
        self.js("document.querySelector('.lesson-choice[data-lesson=k-factor]').scrollIntoView()")
        self.driver.find_element("css selector", ".lesson-choice[data-lesson=k-factor]").click()
        self.wait_progress("Step 1 of 7")
        self.assertFalse(self.js("return document.getElementById('lesson-list').open"))
        for button in ["lesson-hint", "lesson-show-me", "lesson-back", "lesson-restart", "lesson-leave"]:
            size = self.js("const r = document.getElementById(arguments[0]).getBoundingClientRect(); return [r.width, r.height]",
                           button)
            self.assertGreaterEqual(min(size), 44, button)
        self.click("lesson-leave")
        self.assertFalse(self.shown("lesson"))

    def test_7_a_dealers_page_shows_the_lesson_below_the_instrument(self):
        self.open_page("#view=instrument&lesson=k-factor", size=(540, 700, 1))
        self.wait_progress("Step 1 of 7")
        boxes = self.js("""return ['instrument', 'lesson-instruction', 'lesson-show-me'].map((id) => {
            const r = document.getElementById(id).getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; })""")
        for left, top, right, bottom in boxes:
            self.assertTrue(0 <= left and right <= 540 and 0 <= top and bottom <= 700, boxes)
        self.assertLessEqual(boxes[0][3], boxes[1][1], "the lesson below the instrument")
        self.assertFalse(self.js("return document.getElementById('key-help').checkVisibility()"), "the guide's other parts stay hidden")
        self.click("lesson-show-me")
        self.wait_progress("Step 2 of 7")


if __name__ == "__main__":
    unittest.main(verbosity=2)
