"""Headless Chromium for the web page's tests, benchmark and screenshot: one browser driven
through chromedriver with Debian's selenium (run with /usr/bin/python3), quiet about the
network, its content area of an exact size; and the page's folder served on 127.0.0.1."""
import functools
import http.server
import shutil
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

# The browser itself, not Debian's wrapper script, which prints a warning of its own.
CHROMIUM = "/usr/lib/chromium/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"

# Headless, as root, and with nothing that reaches out to the network on its own.
FLAGS = [
    "--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-default-apps", "--disable-extensions", "--no-default-browser-check",
    "--disable-dev-shm-usage", "--mute-audio",
    "--disable-features=Translate,MediaRouter,OptimizationHints,AutofillServerCommunication",
]


class Browser:
    """A fresh browser profile; close() ends the browser and removes the profile."""

    def __init__(self, width=408, height=360, mobile=False):
        self.profile = tempfile.mkdtemp(prefix="morvane-browser-")
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in FLAGS + ["--user-data-dir=" + self.profile]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        self.resize(width, height, mobile)

    def resize(self, width, height, mobile=False):
        """The content area: width x height CSS pixels, as a phone's when mobile is set."""
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})

    def open(self, url):
        """Loads url and waits until the page is ready for a click (its button enabled)."""
        self.driver.get(url)
        WebDriverWait(self.driver, 30).until(lambda d: d.execute_script(
            "const b = document.getElementById('insert'); return b && !b.disabled"))

    def errors(self):
        """The console's errors and the uncaught exceptions since the last call."""
        return [entry for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]

    def close(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)


class Server:
    """Serves folder on a free port of 127.0.0.1 until stop(); url is its address."""

    def __init__(self, folder):
        handler = functools.partial(Quiet, directory=folder)
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = "http://127.0.0.1:%d/" % self.httpd.server_address[1]
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()
        self.thread.join()


class Quiet(http.server.SimpleHTTPRequestHandler):
    """Serves files without a line on standard error for every request."""

    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".webmanifest": "application/manifest+json", ".js": "text/javascript"}

    def log_message(self, *args):
        pass
