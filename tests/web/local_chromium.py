"""Headless Chromium from Debian, driven by Selenium, and a local HTTP
server for it to load from: shared by the browser tests and the browser
edition's figures."""
import functools
import http.server
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
         "--disable-component-update", "--disable-sync", "--no-first-run"]


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(root):
    """Serves the folder `root` on 127.0.0.1 from a thread: (server, origin URL)."""
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(QuietHandler, directory=root))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_port}/"


def start_chromium(profile, downloads=None):
    """A browser with the fresh profile folder `profile`, its console kept."""
    options = webdriver.ChromeOptions()
    for flag in FLAGS + [f"--user-data-dir={profile}"]:
        options.add_argument(flag)
    if downloads:
        options.add_experimental_option("prefs", {"download.default_directory": downloads})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_window_size(1024, 768)
    return driver
