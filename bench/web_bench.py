"""web_bench.py SITE: the web page's costs in headless Chromium, each the median of five in
this run, printed with their ratios (run with /usr/bin/python3):
  - a click of the button on a 60 KiB Japanese text (in code page 932) with a 30 KiB
    selection, against the page's own read of the text plus setRangeText of the same
    replacement: the first click of a page just opened, and a click once the page has
    been used (after five untimed ones: the browser compiles the module's busy code anew,
    optimised, while it runs);
  - the time until the page is ready (its button enabled), against the same page with a
    module that does nothing in place of the real one;
  - the bytes of everything the page loads."""
import os
import shutil
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts"))
from browser import Browser  # noqa: E402

RUNS = 5

# A module that loads at once and does nothing, for the page without the real module.
NO_MODULE = """function MorvaneModule() {
  return Promise.resolve({_morvane_start() {}, _malloc() { return 0; }, _free() {}});
}
"""


def japanese_text():
    """Lines of ASCII and Japanese, 60 KiB in code page 932; the character offsets at which
    15 and 45 KiB of it are reached."""
    line = "The quick brown fox いろはにほへと 0123456789 ちりぬるを\n"
    text, size, first, last = "", 0, 0, 0
    while size < 60 * 1024:
        for c in line:
            if size >= 60 * 1024:
                break
            text += c
            size += 1 if ord(c) < 0x80 else 2
            if size <= 15 * 1024:
                first = len(text)
            if size <= 45 * 1024:
                last = len(text)
    return text, first, last


def median_ms(browser, script, *arguments, warm_up=RUNS):
    for _ in range(warm_up):
        browser.driver.execute_script(script, *arguments)
    return statistics.median(browser.driver.execute_script(script, *arguments)
                             for _ in range(RUNS))


CLICK = ("const b = document.getElementById('insert');"
         "const begin = performance.now(); b.click();"
         "return performance.now() - begin;")


def first_click(browser, site, setup, text, first, last):
    times = []
    for _ in range(RUNS):
        browser.open("file://%s/index.html" % site)
        times.append(browser.driver.execute_script(setup + CLICK, text, first, last))
    return statistics.median(times)


def click_costs(browser, site):
    text, first, last = japanese_text()
    setup = ("const t = document.getElementById('text'); t.value = arguments[0];"
             "t.setSelectionRange(arguments[1], arguments[2]);"
             "document.getElementById('start-tag').value = '<b>';"
             "document.getElementById('end-tag').value = '</b>';")
    cold = first_click(browser, site, setup, text, first, last)
    click = median_ms(browser, setup + CLICK, text, first, last)
    replacement = "<b>" + text[first:last] + "</b>"
    own = median_ms(browser, setup + "const begin = performance.now();"
                    "const value = t.value;"
                    "t.setRangeText(arguments[3], arguments[1], arguments[2], 'end');"
                    "const spent = performance.now() - begin;"
                    "return value.length ? spent : -1;", text, first, last, replacement)
    return cold, click, own


def ready_ms(browser, site):
    times = []
    for _ in range(RUNS):
        browser.open("file://%s/index.html" % site)
        times.append(browser.driver.execute_script(
            "return performance.getEntriesByName('morvane-ready')[0].startTime"))
    return statistics.median(times)


def main(site):
    site = os.path.abspath(site)
    without = tempfile.mkdtemp(prefix="morvane-no-module-")
    browser = Browser()
    try:
        shutil.copytree(site, without, dirs_exist_ok=True)
        with open(os.path.join(without, "morvane.js"), "w") as stub:
            stub.write(NO_MODULE)
        cold, click, own = click_costs(browser, site)
        ready, ready_without = ready_ms(browser, site), ready_ms(browser, without)
    finally:
        browser.close()
        shutil.rmtree(without)
    size = sum(os.path.getsize(os.path.join(site, f)) for f in os.listdir(site))
    print("web_bench: a click on 60 KiB: %.2f ms; the page's own read and setRangeText: %.2f ms;"
          " ratio %.2f (target at most 3)" % (click, own, click / own))
    print("web_bench: the first click of a page just opened: %.2f ms; ratio %.2f"
          % (cold, cold / own))
    print("web_bench: ready in %.1f ms; without the module %.1f ms; ratio %.2f (target at most 2)"
          % (ready, ready_without, ready / ready_without))
    print("web_bench: everything the page loads: %d bytes, %.1f KiB (target at most 256 KiB)"
          % (size, size / 1024))


if __name__ == "__main__":
    main(sys.argv[1])
