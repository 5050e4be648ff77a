#!/usr/bin/python3
"""The browser edition in headless Chromium, driven by Selenium with real
input events: the page against qs9-script, touch and wheel on the knob,
the page's layout at phone and desktop sizes with a photograph as sharp as
it is shown, qs9.run, a hidden tab, a failed load, working offline and the
site's weight within its budget.
    tests/web/browser_test.py   (QS9_BUILD, QS9_WEB_BUILD: the build trees)"""
import base64
import io
import os
import pathlib
import subprocess
import sys
import tempfile
import time
import unittest

from PIL import Image
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.actions.wheel_input import ScrollOrigin
from selenium.webdriver.common.keys import Keys

from local_chromium import serve, start_chromium

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "bench"))
from web_page_figures import BUDGET, page_weight  # noqa: E402
BUILD = pathlib.Path(os.environ.get("QS9_BUILD", ROOT / "build")).resolve()
SITE = (pathlib.Path(os.environ.get("QS9_WEB_BUILD", ROOT / "build-web")) / "site").resolve()
# Sliders that raise no alarm, so the first knob press opens the main menu.
QUIET_SENSORS = "slider pressure 2000\nslider level1 600\n"


def native_run(script, given=None):
    """qs9-script's output, status and pictures (RGB bytes by file name);
    given: the files (bytes by name) that lie beside the script."""
    with tempfile.TemporaryDirectory() as folder:
        for name, data in (given or {}).items():
            pathlib.Path(folder, name).write_bytes(data)
        done = subprocess.run([BUILD / "tools" / "qs9-script"], input=script.encode(),
                              cwd=folder, capture_output=True, check=False)
        pictures = {p.name: Image.open(p).convert("RGB").tobytes() for p in pathlib.Path(folder).glob("*.png")
                    if p.name not in (given or {})}
    return done, pictures


def native_picture(script):
    return native_run(script + "shot expected.png\n")[1]["expected.png"]


def readme_embedding():
    """The README's example of a page that embeds the simulator."""
    text = (ROOT / "README.md").read_text()
    start = text.index("```html\n", text.index("## In a browser")) + len("```html\n")
    return "<!doctype html>\n<meta charset='utf-8'><link rel='icon' href='data:,'>\n" + text[start:text.index("```", start)]


class Site:
    """The built site as qs9/ on a local server that a test can stop, beside
    embed.html, the README's page that embeds it."""

    def __init__(self):
        self.root = tempfile.TemporaryDirectory()
        pathlib.Path(self.root.name, "qs9").symlink_to(SITE.resolve())
        pathlib.Path(self.root.name, "embed.html").write_text(readme_embedding())
        self.server, self.origin = serve(self.root.name)
        self.url = self.origin + "qs9/"

    def stop(self):
        self.server.shutdown()
        self.server.server_close()
        self.root.cleanup()


class BrowserEdition(unittest.TestCase):
    """One browser for all the steps, in order: a fresh profile first meets
    the failed loads (which install no service worker), the last step
    stops the server."""

    @classmethod
    def setUpClass(cls):
        cls.site = Site()
        cls.profile = tempfile.TemporaryDirectory()
        cls.downloads = tempfile.TemporaryDirectory()
        cls.driver = start_chromium(cls.profile.name, cls.downloads.name)
        cls.driver.set_script_timeout(30)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.site.stop()
        cls.profile.cleanup()
        cls.downloads.cleanup()

    # ---- helpers ----

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def js_async(self, script, *args):
        """Runs `script` with `done` (a function) in scope; returns what it passes."""
        return self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];" + script, *args)

    def open_page(self):
        self.driver.get(self.site.url)
        failure = self.js_async("qs9.ready.then(() => done(''), (e) => done(String(e)))")
        self.assertEqual(failure, "")

    def console_errors(self):
        return [e for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]

    def wait_passes(self, count):
        """Until `count` more passes ran (real frames, real events between)."""
        start = self.js("return qs9.passes()")
        deadline = time.time() + 10
        while self.js("return qs9.passes()") < start + count:
            self.assertLess(time.time(), deadline, "the main loop does not run")
            time.sleep(0.02)

    def canvas_rgb(self):
        data = self.js("""const c = document.getElementById('display');
            const d = c.getContext('2d').getImageData(0, 0, 160, 120).data;
            let s = ''; for (let i = 0; i < d.length; ++i) if (i % 4 !== 3) s += String.fromCharCode(d[i]);
            return btoa(s);""")
        return base64.b64decode(data)

    def click(self, element_id):
        ActionChains(self.driver).move_to_element(self.driver.find_element("id", element_id)).click().perform()

    def power_on_quietly(self):
        """Sliders through qs9.slider, then "On" clicked with the mouse."""
        self.js("qs9.slider('pressure', 2000); qs9.slider('level1', 600)")
        self.click("Button1")
        self.wait_passes(2)

    # ---- steps, in order ----

    def test_1_failed_loads_say_why(self):
        self.driver.execute_cdp_cmd("Network.enable", {})
        self.addCleanup(self.driver.execute_cdp_cmd, "Network.setBlockedURLs", {"urls": []})
        for missing in ["qs9.wasm", "front_panel.js"]:
            self.driver.execute_cdp_cmd("Network.setBlockedURLs", {"urls": [f"*{missing}"]})
            self.driver.get(self.site.url)
            message = self.failure_message()
            self.assertIn("could not start", message)
            self.assertIn(missing if missing.endswith(".wasm") else "a module it needs", message)
        self.driver.execute_cdp_cmd("Network.setBlockedURLs", {"urls": []})
        hidden = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                             {"source": "delete window.WebAssembly"})
        self.addCleanup(self.driver.execute_cdp_cmd, "Page.removeScriptToEvaluateOnNewDocument", hidden)
        self.driver.get(self.site.url)
        self.assertIn("cannot run WebAssembly", self.failure_message())
        self.driver.get_log("browser")  # the blocked files' console errors are expected

    def failure_message(self):
        return self.js_async("""const box = document.getElementById('load-failure');
            const look = () => box.hidden ? setTimeout(look, 20) : done(box.textContent); look();""")

    def test_2_page_loads_with_the_windows_controls(self):
        self.open_page()
        self.assertEqual(self.console_errors(), [])
        sliders = self.js("return [...document.querySelectorAll('input[type=range]')].map(s => [s.dataset.control, +s.max])")
        self.assertEqual(sliders[:5], [["ScrollBar29", 65535], ["ScrollBar30", 4096], ["ScrollBar31", 65535],
                                       ["ScrollBar32", 4096], ["ScrollBar2", 4096]])
        self.assertTrue(self.js("return document.querySelector('[data-control=CheckBox4]').checked"))
        labels = self.js("return [...document.querySelectorAll('#instrument button')].map(b => b.getAttribute('aria-label') || b.textContent)")
        self.assertEqual(labels, ["left push button", "right push button", "knob pressed",
                                  '+, knob turned "+"', '-, knob turned "-"', "On", "Off"])

    def test_3_clicks_show_the_runners_pixels(self):
        self.assertEqual(self.canvas_rgb(), bytes(160 * 120 * 3), "black before On")
        self.power_on_quietly()
        self.click("Image8")
        self.wait_passes(3)
        self.assertEqual(self.canvas_rgb(), native_picture(f"on\n{QUIET_SENSORS}pass\nkey press\npass 3\n"))

    def touch(self, moves):
        """One finger: `moves` is a list of ("down"|"up"|(x, y) from the knob's centre)."""
        knob = self.driver.find_element("id", "Image8")
        finger = ActionBuilder(self.driver, mouse=PointerInput(interaction.POINTER_TOUCH, "finger"))
        for move in moves:
            if move == "down":
                finger.pointer_action.pointer_down()
            elif move == "up":
                finger.pointer_action.pointer_up()
            else:
                finger.pointer_action.move_to(knob, *move)
        finger.perform()

    def test_4_touch_wheel_and_keyboard_on_the_knob(self):
        script = f"on\n{QUIET_SENSORS}pass\nkey press\npass 3\n"
        knob = self.driver.find_element("id", "Image8")
        rim = 0.45 * knob.size["height"]
        notch = knob.size["height"] * 12 / 41
        steps = [
            ("dragged up from the middle: +", "plus", lambda: self.touch([(0, 0), "down", (0, int(-1.5 * notch)), "up"])),
            ("wheel towards the user: -", "minus", lambda: ActionChains(self.driver).scroll_from_origin(
                ScrollOrigin.from_element(knob), 0, 100).perform()),
            ("Ctrl+Up: +", "plus", lambda: ActionChains(self.driver).key_down(Keys.CONTROL)
             .send_keys(Keys.ARROW_UP).key_up(Keys.CONTROL).perform()),
            ("dragged clockwise around the rim: +", "plus",
             lambda: self.touch([(0, -rim), "down", (int(rim * 0.7), -int(rim * 0.7)), "up"])),
            ("tapped: pressed", "press", lambda: self.touch([(0, 0), "down", "up"])),
        ]
        for what, key, act in steps:
            act()
            self.wait_passes(3)
            script += f"key {key}\npass 3\n"
            self.assertEqual(self.canvas_rgb(), native_picture(script), what)

    def test_5_saved_display_is_the_frame_enlarged(self):
        self.js("document.getElementById('copy-size').value = '4'")
        self.click("save-display")
        deadline = time.time() + 10
        while not list(pathlib.Path(self.downloads.name).glob("qs9-*.png")):
            self.assertLess(time.time(), deadline, "no file saved")
            time.sleep(0.05)
        saved = Image.open(next(pathlib.Path(self.downloads.name).glob("qs9-*.png"))).convert("RGB")
        small = Image.frombytes("RGB", (160, 120), self.canvas_rgb())
        self.assertEqual(saved.tobytes(), small.resize((640, 480), Image.NEAREST).tobytes())

    def test_6_run_gives_the_native_output_and_pictures(self):
        script = (ROOT / "tests/script/screenshot.qs9").read_text() + "texts\nprint nothing\n"
        result = self.js_async("""qs9.run(arguments[0]).then(async (r) => {
                const files = {};
                for (const [name, blob] of Object.entries(r.files))
                  files[name] = btoa(String.fromCharCode(...new Uint8Array(await blob.arrayBuffer())));
                done({ status: r.status, stdout: r.stdout, stderr: r.stderr, files });
            }, (e) => done(String(e)))""", script)
        native, pictures = native_run(script)
        self.assertEqual((result["status"], result["stdout"], result["stderr"]),
                         (native.returncode, native.stdout.decode(), native.stderr.decode()))
        self.assertEqual({n: Image.open(io.BytesIO(base64.b64decode(png))).convert("RGB").tobytes()
                          for n, png in result["files"].items()}, pictures)

    def test_6b_run_compares_with_the_pictures_it_is_given(self):
        script = (ROOT / "tests/checks/home-factory.qs9").read_text()
        for reference in ["home-factory.png", "main-menu-fuel.png"]:
            given = {"home-factory.png": (ROOT / "tests/checks" / reference).read_bytes()}
            result = self.js_async("""const files = { 'home-factory.png': Uint8Array.from(atob(arguments[1]), (c) => c.charCodeAt(0)) };
                qs9.run(arguments[0], { files }).then((r) => done([r.status, r.stderr, Object.keys(r.files)]),
                                                      (e) => done(String(e)))""",
                                   script, base64.b64encode(given["home-factory.png"]).decode())
            native, pictures = native_run(script, given)
            self.assertEqual(result, [native.returncode, native.stderr.decode(), sorted(pictures)], reference)

    def test_7_no_script_and_no_call_stops_the_page(self):
        outcome = self.js_async("""const stop = new AbortController();
            const run = qs9.run('on\\npass 4000000000\\n', { signal: stop.signal });
            const before = qs9.passes();
            const faults = [];
            for (const call of [() => qs9.press('jump'), () => qs9.slider('level1', 5000), () => qs9.slider('vrax', 1)])
              try { call(); } catch (e) { faults.push(e.name); }
            qs9.run(42).catch((e) => faults.push(e.name));
            setTimeout(() => { stop.abort(); run.catch((e) => done([faults, e.name, qs9.passes() - before])); }, 500);""")
        faults, abandoned, passes = outcome
        self.assertEqual(faults, ["RangeError", "RangeError", "RangeError", "TypeError"])
        self.assertEqual(abandoned, "AbortError")
        self.assertGreater(passes, 5, "the page ran on while the script did")

    def test_8_hidden_page_runs_no_pass(self):
        self.js("""window.visibilityLog = [];
            document.addEventListener('visibilitychange',
              () => visibilityLog.push([document.visibilityState, qs9.passes()]));""")
        page = self.driver.current_window_handle
        self.driver.switch_to.new_window("tab")
        time.sleep(1)
        self.driver.close()
        self.driver.switch_to.window(page)
        log = self.js("return visibilityLog")
        self.assertEqual([state for state, _ in log], ["hidden", "visible"])
        self.assertEqual(log[0][1], log[1][1], "passes while hidden")

    def test_8b_the_readmes_embedding_works(self):
        self.driver.get(self.site.origin + "embed.html")
        output = self.js_async("""const out = document.getElementById('qs9-output');
            const look = () => out.textContent ? done(out.textContent) : setTimeout(look, 20); look();""")
        self.assertEqual(output, "currentScreen = homeScreen\n")
        self.assertGreater(self.js("return document.getElementById('qs9').contentWindow.qs9.passes()"), 0)
        self.assertEqual(self.console_errors(), [])
        self.open_page()

    def wait_status(self, words):
        """The status line's text once it holds `words`."""
        return self.js_async("""const look = () => { const t = document.getElementById('status').textContent;
            t.includes(arguments[0]) ? done(t) : setTimeout(look, 20); }; look();""", words)

    def open_fresh(self, url):
        """A new load, even where only the hash differs from the page open."""
        self.driver.get("about:blank")
        self.driver.get(url)
        self.assertEqual(self.js_async("qs9.ready.then(() => done(''), (e) => done(String(e)))"), "")

    def test_8c_a_recording_replays_natively_and_from_its_share_link(self):
        self.open_fresh(self.site.url)
        self.click("record-script")
        self.power_on_quietly()
        for control in ["Image8", "Image8", "Button3"]:  # knob pressed twice, "+"
            self.click(control)
            self.wait_passes(2)
        self.click("record-script")
        deadline = time.time() + 10
        while not (saved := list(pathlib.Path(self.downloads.name).glob("qs9-recording-*.qs9"))):
            self.assertLess(time.time(), deadline, "no recording downloaded")
            time.sleep(0.05)
        recording = saved[0].read_text()
        self.assertIn("key press\n", recording)
        shown = self.canvas_rgb()
        self.assertEqual(shown, native_picture(recording), recording)
        link = self.js("return document.getElementById('share-link').value")
        self.assertIn("#script=", link)
        self.open_fresh(link)
        self.wait_status("played")
        self.assertEqual(self.canvas_rgb(), shown)
        self.open_fresh(link[:-12])
        self.assertIn("share link is damaged or incomplete", self.wait_status("damaged"))
        self.assertEqual((self.js("return qs9.passes()"), self.canvas_rgb()), (0, bytes(160 * 120 * 3)))

    def test_8d_a_chosen_or_dropped_file_plays_until_a_bad_line_named(self):
        script = pathlib.Path(self.downloads.name, "bad.qs9")
        script.write_text("on\npass 2\np\u00e4ss\nkey press\n", encoding="utf-8")
        choose = lambda: self.driver.find_element("id", "script-file").send_keys(str(script))
        drop = lambda: self.js("""const files = new DataTransfer();
            files.items.add(new File([arguments[0]], 'bad.qs9'));
            document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: files, bubbles: true, cancelable: true }));""",
                               script.read_text(encoding="utf-8"))
        for how, play in [("chosen", choose), ("dropped", drop)]:
            self.open_fresh(self.site.url)
            play()
            message = self.wait_status("stopped")
            self.assertIn('Playing bad.qs9 stopped at line 3: "p\u00e4ss": unknown command "p\u00e4ss"', message, how)
            self.assertTrue(self.js("return qs9.frameBuffer().some((i) => i !== 0)"), f"{how}: lines 1-2 played")

    def test_8e_a_recording_begun_while_on_opens_with_the_inputs_and_on(self):
        self.open_fresh(self.site.url)
        self.power_on_quietly()
        self.js("qs9.slider('flow1', 2100); qs9.press('press')")
        self.wait_passes(3)
        self.js("qs9.record(); qs9.press('plus')")
        self.wait_passes(3)
        recording = self.js_async("qs9.stopRecording().then(done, (e) => done(String(e)))")
        opening, _, rest = recording.partition("# started while on: the replay powers on here\n")
        self.assertIn("\nslider flow1 2100\n", opening)
        # The 100 ms timer may tick between the key and the first pass.
        self.assertRegex(rest, r"^on\nkey plus\n(tick \d+\n)?pass ")
        self.assertEqual(native_run(recording)[0].returncode, 0)

    def test_8f_share_links_carry_any_script_and_refuse_a_changed_one(self):
        script = "# Fuel: 45 L \u2013 \u00e9t\u00e9\n" + "pass 7\ntick 1\n" * 5000
        outcome = self.js_async("""import('./share_links.js').then(async ({ shareLink, linkedScript }) => {
                const link = await shareLink('http://example.test/qs9/#old', arguments[0]);
                const hash = link.slice(link.indexOf('#'));
                const broken = [];
                for (const bad of [hash.replace('=', '=*'), hash.slice(0, 40) + 'AAAA', '#script='])
                  await linkedScript(bad).then(() => broken.push('read'), (e) => broken.push(e.message.startsWith('This share link is damaged or incomplete')));
                done([link.startsWith('http://example.test/qs9/#script='), link.length, await linkedScript(hash), broken]);
            }, (e) => done(String(e)))""", script)
        prefixed, length, back, broken = outcome
        self.assertTrue(prefixed)
        self.assertLess(length, 2000, "the repeated lines pack small")
        self.assertEqual(back, script)
        self.assertEqual(broken, [True, True, True])

    def test_8g_the_site_weighs_within_its_budget(self):
        total, sizes = page_weight(SITE)
        self.assertLessEqual(total, BUDGET, sorted(sizes.items(), key=lambda i: -i[1])[:3])

    def test_9_scales_from_phone_to_desktop_and_works_offline(self):
        sizes = [(390, 844, 3), (800, 600, 1.25), (1366, 768, 2), (1920, 1080, 1), (1920, 1080, 2)]
        for width, height, ratio in sizes:
            self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": ratio, "mobile": width < height})
            layout = self.js_async("requestAnimationFrame(() => requestAnimationFrame(() => {"
                                   "const r = document.getElementById('display').getBoundingClientRect();"
                                   "done([r.left, r.right, r.width * devicePixelRatio, innerWidth]); }))")
            left, right, device_width, inner = layout
            # Layout keeps sizes in 64ths of a CSS pixel: 213 1/3 px is 213.328.
            off_whole = min(device_width % 160, 160 - device_width % 160)
            self.assertLess(off_whole, 0.1, f"{width} x {height}: {layout}")
            self.assertTrue(0 <= left and right <= inner, f"{width} x {height}: {layout}")
            # The photograph has a pixel for each device pixel it is shown on.
            shown, pixels = self.js("const p = document.getElementById('photograph');"
                                    "return [p.getBoundingClientRect().width * devicePixelRatio, p.naturalWidth]")
            self.assertLessEqual(shown, pixels + 0.5, f"{width} x {height} at {ratio}")
        self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        self.js_async("navigator.serviceWorker.ready.then(() => done())")
        self.site.stop()
        self.open_page()
        self.power_on_quietly()
        self.assertNotEqual(self.canvas_rgb(), bytes(160 * 120 * 3), "drawn offline")
        self.assertEqual(self.console_errors(), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
