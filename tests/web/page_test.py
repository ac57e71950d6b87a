"""The web page in headless Chromium, driven with real key and mouse events: the Insert-tag
command on typed and pasted texts and selections made with Shift and the arrow keys, any
character and unpaired surrogates, a 2 MiB text, the names that assistive technologies
read, the keyboard, the layout on a wide and a narrow screen, the stop of the runtime, the
page's security policy, and the page from a file and over http, then offline. Any error
on the console fails the test that caused it: a refusal of the page's policy is one.

Run: /usr/bin/python3 tests/web/page_test.py SITE (the build's site/ folder)."""
import os
import re
import shutil
import sys
import tempfile
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from browser import Browser, Server  # noqa: E402

SITE = os.path.abspath(sys.argv.pop(1) if len(sys.argv) > 1 else "build/web/site")
FILE_URL = "file://" + SITE + "/index.html"

# One click: the text before it is before + selected + after; the selection is made from
# left to right, or from right to left when reversed.
ASCII = [
    ("selection in ASCII text", "ab", "cd", "ef", "[", "]", False),
    ("caret only", "abc", "", "def", "[b]", "[/b]", False),
    ("whole text", "", "abcdef", "", "<p>", "</p>", False),
    ("empty text", "", "", "", "<i>", "</i>", False),
    ("empty tags", "ab", "cd", "ef", "", "", False),
    ("dragged right to left", "ab", "cd", "ef", "(", ")", True),
    ("caret at the very start", "", "", "abc", "[", "]", False),
    ("caret at the very end", "abc", "", "", "[", "]", False),
    ("the first character", "", "a", "bc", "<", ">", True),
    ("caret only, no tags", "ab", "", "cd", "", "", False),
]
CLICKS = ASCII + [
    ("across lines", "one\ntw", "o\nthr", "ee\n", "<em>", "</em>", False),
    ("Japanese text", "日本語の", "テキスト", "です。", "「", "」", False),
    ("mixed widths", "aあｱ", "bいｲc", "うd", "<b>", "</b>", False),
    ("Japanese tags, reversed", "前", "中身", "後", "【", "】", True),
    ("trail byte 0x5c", "表", "ソ能", "\\", "<", ">", False),
    ("beside characters outside the BMP", "a😀", "b", "😀c", "<", ">", False),
    ("between two of them, reversed", "😀", "選択", "\U0002000b", "[", "]", True),
    ("caret after one", "x😀", "", "y", "[", "]", False),
    ("wave dash", "", "10時〜12時", "", "<time>", "</time>", False),
    ("accents and emoji, reversed", "Voilà ", "un café 😀", "!", "<em>", "</em>", True),
    ("such characters in the tags", "a", "b", "c", "〜¥", "‖😀", False),
    ("the characters code page 932 gives back as others", "¥‖", "〜−¦", "\u203e¢", "<", ">",
     False),
]


def units(text):
    """The length of text as the browser counts it, in UTF-16 units."""
    return len(text.encode("utf-16-le")) // 2


# A text with unpaired surrogates crosses to the browser and back as its UTF-16 units.
def code_units(text):
    return list(memoryview(text.encode("utf-16-le", "surrogatepass")).cast("H"))


class PageTest(unittest.TestCase):
    """One browser for the class, on the page opened from its file unless a test opens it
    otherwise. Every test fails on an error on the console."""

    width, height, mobile = 408, 360, False

    @classmethod
    def setUpClass(cls):
        cls.browser = Browser(cls.width, cls.height, cls.mobile)
        cls.driver = cls.browser.driver

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()

    def setUp(self):
        self.browser.open(FILE_URL)

    def tearDown(self):
        self.assertEqual([], self.browser.errors(), "errors on the console")

    def element(self, name):
        return self.driver.find_element(By.ID, name)

    def script(self, source, *arguments):
        return self.driver.execute_script(source, *arguments)

    def keys(self, *keys, shift=False, control=False):
        chain = ActionChains(self.driver)
        for held, key in ((shift, Keys.SHIFT), (control, Keys.CONTROL)):
            if held:
                chain.key_down(key)
        chain.send_keys(*keys)
        for held, key in ((shift, Keys.SHIFT), (control, Keys.CONTROL)):
            if held:
                chain.key_up(key)
        chain.perform()

    def type_into(self, name, text):
        """Empties the field and types text into it, key by key."""
        field = self.element(name)
        field.click()
        self.keys("a", control=True)
        self.keys(Keys.DELETE)
        if text:
            field.send_keys(text)

    def paste_into(self, name, text):
        """Empties the field and pastes text into it from the clipboard with Ctrl+V."""
        self.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        self.driver.execute_async_script(
            "navigator.clipboard.writeText(arguments[0]).then(arguments[1])", text)
        self.element(name).click()
        self.keys("a", control=True)
        self.keys("v", control=True)

    def select(self, before, selected, reversed_):
        """Selects in the text with the keyboard: the caret to the start with Ctrl+Home,
        arrows past before, then Shift and the arrows over selected, from its far end when
        reversed."""
        self.element("text").click()
        self.keys(Keys.HOME, control=True)
        steps = len(before) + (len(selected) if reversed_ else 0)
        if steps:
            self.keys(Keys.ARROW_RIGHT * steps)
        if selected:
            arrow = Keys.ARROW_LEFT if reversed_ else Keys.ARROW_RIGHT
            self.keys(arrow * len(selected), shift=True)

    def click_insert(self):
        ActionChains(self.driver).move_to_element(self.element("insert")).click().perform()

    def state(self):
        """The text and its selection."""
        return self.script("const t = document.getElementById('text');"
                           "return [t.value, t.selectionStart, t.selectionEnd];")

    def click(self, before, selected, after, start_tag, end_tag, reversed_, paste=False):
        enter = self.paste_into if paste else self.type_into
        enter("text", before + selected + after)
        self.type_into("start-tag", start_tag)
        self.type_into("end-tag", end_tag)
        self.select(before, selected, reversed_)
        first = units(before)
        self.assertEqual([first, first + units(selected)], self.state()[1:3],
                         "the selection that the keys made")
        self.click_insert()


class ClickTest(PageTest):

    def test_wraps_the_selection(self):
        for number, (name, before, selected, after, start, end, reversed_) in enumerate(CLICKS):
            with self.subTest(name):
                self.click(before, selected, after, start, end, reversed_, paste=number % 2 == 1)
                caret = units(before + start + selected + end)
                self.assertEqual([before + start + selected + end + after, caret, caret],
                                 self.state())

    # Unpaired surrogates cannot be typed: the text is set by the page's script, the
    # selection still made with the keys. Every unit comes back as it was, also where the
    # selection splits a pair or holds half of one.
    def test_keeps_unpaired_surrogates_and_split_pairs(self):
        self.type_into("start-tag", "<")
        self.type_into("end-tag", ">")
        for text, start, end in [("\ud800a\udc00bc\udfff", 3, 4), ("a\ud83d\ude00b", 1, 2),
                                 ("a\ud83d\ude00b", 2, 4), ("x\udc00y", 0, 3)]:
            with self.subTest(text=text.encode("utf-16-le", "surrogatepass").hex()):
                self.script("const t = document.getElementById('text');"
                            "t.value = String.fromCharCode(...arguments[0]);"
                            "t.setSelectionRange(arguments[1], arguments[2]);",
                            code_units(text), start, end)
                self.click_insert()
                value = self.script("const v = document.getElementById('text').value;"
                                    "return Array.from({length: v.length}, (_, i) => v.charCodeAt(i))")
                units_ = code_units(text)
                self.assertEqual(units_[:start] + [ord("<")] + units_[start:end] + [ord(">")] +
                                 units_[end:], value)

    def test_leaves_no_undo_record(self):
        self.click("ab", "cd", "ef", "[", "]", False)
        self.element("text").click()
        self.keys("z", control=True)
        self.assertEqual("ab[cd]ef", self.state()[0], "Ctrl+Z after the click")

    def test_wraps_two_mebibytes_of_japanese_text_exactly(self):
        line = "いろはにほへとちりぬるを わかよたれそつねならむ 色は匂へど散りぬるを。\n"
        text = line * (2 * 1024 * 1024 // (2 * len(line)) + 1)
        self.paste_into("text", text)
        self.type_into("start-tag", "<body>")
        self.type_into("end-tag", "</body>")
        self.element("text").click()
        self.keys(Keys.HOME, control=True)
        self.keys(Keys.ARROW_RIGHT * 3)
        self.keys(Keys.END, shift=True, control=True)
        self.click_insert()
        self.assertTrue(self.script("return document.getElementById('text').value === "
                                    "arguments[0]", text[:3] + "<body>" + text[3:] + "</body>"),
                        "the whole text after the click")


class KeyboardAndNamesTest(PageTest):

    def focused(self):
        return self.script("return document.activeElement.id")

    def test_names_for_assistive_technologies(self):
        nodes = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        named = {(node.get("role", {}).get("value"), node.get("name", {}).get("value"))
                 for node in nodes if not node.get("ignored")}
        for expected in [("textbox", "テキスト"), ("textbox", "開始タグ"), ("textbox", "終了タグ"),
                         ("button", "タグ挿入"), ("RootWebArea", "Morvane")]:
            self.assertIn(expected, named)
        self.assertEqual("ja", self.script("return document.documentElement.lang"))

    def test_tab_order_and_the_button_by_keyboard(self):
        self.element("text").click()
        order = [self.focused()]
        for _ in range(3):
            self.keys(Keys.TAB)
            order.append(self.focused())
        self.assertEqual(["text", "start-tag", "end-tag", "insert"], order)
        self.type_into("text", "abc")
        self.type_into("start-tag", "[")
        self.type_into("end-tag", "]")
        self.select("a", "b", False)
        self.keys(Keys.TAB, Keys.TAB, Keys.TAB, Keys.ENTER)
        self.assertEqual("a[b]c", self.state()[0], "Enter on the button")
        self.keys(Keys.SPACE)
        self.assertEqual("a[b][]c", self.state()[0], "Space on the button")


class LayoutTest(PageTest):

    def rects(self, names):
        return [self.script("const r = document.getElementById(arguments[0])"
                            ".getBoundingClientRect(); return [r.left, r.top, r.width, r.height];",
                            name) for name in names]

    def scrolled(self):
        return self.script("const e = document.scrollingElement;"
                           "return [e.scrollWidth, e.scrollHeight]")

    # Where there is room, the controls stand at the window's places in a box that fills the
    # view, up to 1280 pixels wide, centred: the text takes the room beyond 408 x 360 and the
    # rest moves down with it, keeping its size. Nothing to scroll.
    def test_places_the_controls_as_the_window_does_and_gives_the_text_the_room(self):
        places = {"text": [34, 21, 330, 206], "insert": [275, 244, 89, 69],
                  "start-tag": [122, 245, 142, 26], "end-tag": [122, 287, 142, 26],
                  "start-label": [34, 245, 82, 26], "end-label": [34, 287, 82, 26]}
        for width, height in [(408, 360), (1280, 800), (1600, 900)]:
            with self.subTest(size=(width, height)):
                self.browser.resize(width, height)
                self.browser.open(FILE_URL)
                extra_width, extra_height = min(width - 408, 872), height - 360
                left = (width - 408 - extra_width) / 2
                expected = [[left + x, y, w + extra_width, h + extra_height] if name == "text"
                            else [left + x, y + extra_height, w, h]
                            for name, (x, y, w, h) in places.items()]
                self.assertEqual(expected, self.rects(places))
                self.assertEqual([width, height], self.scrolled())

    # On a phone the controls stand in one column in the order of the keyboard, the text
    # above the others taking the height that they leave; nothing to scroll sideways.
    def test_fits_a_phone(self):
        for width, height, least in [(320, 568, 202), (390, 844, 340)]:
            with self.subTest(size=(width, height)):
                self.browser.resize(width, height, mobile=True)
                self.browser.open(FILE_URL)
                self.assertLessEqual(self.scrolled()[0], width)
                rects = self.rects(["text", "start-tag", "end-tag", "insert"])
                tops = [rect[1] for rect in rects]
                self.assertEqual(sorted(tops), tops, "one column in the order of the keyboard")
                self.assertGreaterEqual(rects[0][3], least, "the text's height")
                self.assertLessEqual(self.scrolled()[1], height)
                self.click("ab", "cd", "ef", "[", "]", False)
                self.assertEqual("ab[cd]ef", self.state()[0])


class StopTest(PageTest):

    # The heap refuses a block in the middle of a click: the notice over the page, the text
    # as it was, and the button disabled.
    def test_stops_in_order_when_the_heap_refuses(self):
        self.type_into("text", "abcdef")
        self.select("a", "bc", False)
        self.script("Morvane.module._morvane_refuse_heap_after(5)")
        self.click_insert()
        notice = self.script("const d = document.getElementById('stop');"
                             "return d.open && document.getElementById('stop-notice').textContent")
        self.assertRegex(notice, "^Morvane を続けられないため終了します（str_new: out of memory.*）。"
                                 "失敗した操作はテキストを変更していません。\n"
                                 r"Morvane cannot go on and will close \(str_new: out of memory.*\)\. "
                                 r"The failed command changed no text\.$")
        self.assertEqual("abcdef", self.state()[0])
        self.element("stop-ok").click()
        self.assertTrue(self.script("return document.getElementById('insert').disabled"))


class PolicyTest(PageTest):

    # The page's policy refuses a script that is not one of the page's files and code made
    # from text, each with a violation reported and an error on the console; the page's own
    # clicks go on working.
    def test_refuses_an_injected_script_and_eval(self):
        self.script("window.violations = [];"
                    "document.addEventListener('securitypolicyviolation',"
                    "    (e) => violations.push(e.sample.split('|')[0]));")
        ran = self.driver.execute_cdp_cmd("Runtime.evaluate", {
            "expression": "const script = document.createElement('script');"
                          "try { script.textContent = 'window.injected = 1'; } catch (e) {}"
                          "document.body.appendChild(script);"
                          "try { eval('window.evaluated = 1'); } catch (e) {}"
                          "[window.injected, window.evaluated]",
            "allowUnsafeEvalBlockedByCSP": False, "returnByValue": True})
        self.assertEqual([None, None], ran["result"]["value"], "what ran")
        WebDriverWait(self.driver, 5).until(lambda d: len(self.script("return violations")) == 2)
        self.assertEqual(["HTMLScriptElement textContent", "eval"], self.script("return violations"))
        self.assertEqual(2, len(self.browser.errors()), "the refusals on the console")
        self.click("ab", "cd", "ef", "[", "]", False)
        self.assertEqual("ab[cd]ef", self.state()[0])


class OfflineTest(PageTest):

    def setUp(self):
        pass

    # Served from 127.0.0.1 the page installs its service worker and names its manifest;
    # with the server gone it loads and works all the same. A new version of the worker
    # deletes the older version's cache and leaves the origin's others: another page's, and
    # another copy of this page's.
    def test_works_offline_once_opened(self):
        folder = tempfile.mkdtemp(prefix="morvane-site-")
        shutil.copytree(SITE, folder, dirs_exist_ok=True)
        server = Server(folder)
        others = ["another page", "morvane-0.9.0 " + server.url + "copy/"]
        try:
            self.browser.open(server.url)
            activated = "const w = navigator.serviceWorker.controller; return w && w.state"
            WebDriverWait(self.driver, 30).until(lambda d: self.script(activated) == "activated")
            self.assertEqual("manifest.webmanifest", self.script(
                "return document.querySelector('link[rel=manifest]').getAttribute('href')"))
            first = self.driver.execute_async_script(
                "Promise.all(arguments[0].map((name) => caches.open(name)))"
                "    .then(() => caches.keys()).then(arguments[1])", others)
            worker = os.path.join(folder, "service-worker.js")
            with open(worker) as script:  # the next version
                updated, count = re.subn(r'"(morvane-[^" ]+) "', r'"\1.next "', script.read())
            self.assertEqual(1, count, "the worker names its version's cache")
            with open(worker, "w") as script:
                script.write(updated)
            self.driver.execute_async_script(
                "const changed = new Promise((resolve) => navigator.serviceWorker"
                "    .addEventListener('controllerchange', resolve));"
                "navigator.serviceWorker.getRegistration().then((r) => r.update())"
                "    .then(() => changed).then(arguments[0])")
            WebDriverWait(self.driver, 30).until(lambda d: self.script(activated) == "activated")
            names = self.driver.execute_async_script("caches.keys().then(arguments[0])")
            self.assertEqual(sorted(others + [n.replace(" ", ".next ", 1)
                                              for n in first if n not in others]), sorted(names))
        finally:
            server.stop()
            shutil.rmtree(folder)
        self.browser.open(server.url)
        self.click("ab", "cd", "ef", "[", "]", False)
        self.assertEqual("ab[cd]ef", self.state()[0])


if __name__ == "__main__":
    unittest.main(verbosity=2)
