"""web-screenshot.py SITE PICTURE: serves the page's folder SITE on 127.0.0.1, opens it in
headless Chromium with a content area of 408 x 360 CSS pixels, saves what it shows to
PICTURE once the page is ready, then ends the browser and the server. For `./run web`
without a display; run with /usr/bin/python3."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from browser import Browser, Server  # noqa: E402


def main(site, picture):
    server = Server(site)
    browser = Browser(408, 360)
    try:
        browser.open(server.url)
        browser.driver.save_screenshot(picture)
        errors = browser.errors()
    finally:
        browser.close()
        server.stop()
    for error in errors:
        print("run: on the console: " + error["message"], file=sys.stderr)
    print("run: the page at %s, screenshot saved to %s" % (server.url, picture))
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
