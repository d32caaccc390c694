"""Plays the browser version in headless Chromium and checks what the page shows.

Usage: web_test.py <site folder> <screenshot.png>

Serves the site on a free localhost port, measures how soon the splash text
appears, then plays with ?fast (pauses a hundredth as long): the splash, the
title menu (its colours, a screenshot), a new game into chapter 2, a reload
and Continue from the save kept in the browser, the story to the
end-of-content screen, and a quit with option 10. Then the page's settings
(text size, high contrast, screen-reader mode, the language), typing (Backspace over
accents, wide characters and a row's start; a 3 MB line pasted), a save
downloaded in one browser profile and uploaded into another, files that are
no save, storage that refuses writes in each way a browser does, a read that
aborts, a page with no storage at all, and two tabs sharing the saves. Screen
text and colours are read from the terminal's buffer; sounds from the page's
list of requests.
"""
import base64
import contextlib
import functools
import http.server
import json
import os
import shutil
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

SITE, SCREENSHOT = sys.argv[1], sys.argv[2]
SPLASH_LIMIT_S = 1.0
SIZE_LIMIT = 4 * 1024 * 1024

# xterm palette indices of the game's colours (SGR 33, 92, 91, 93); Normal is
# the terminal's default colour.
GOLDEN, GREEN, RED, YELLOW, NORMAL = 3, 10, 9, 11, "default"

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript"}

    def log_message(self, *args):
        pass


def serve(folder):
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(Handler, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


@contextlib.contextmanager
def browser(phone=None):
    """Headless Chromium in a profile of its own, quit and removed after use;
    `phone`: (width, height) of a touch screen to emulate."""
    profile = tempfile.mkdtemp(prefix="hulgor-chromium-")
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync",
                 "--disable-dev-shm-usage", "--window-size=1280,800",
                 f"--user-data-dir={profile}"):
        options.add_argument(flag)
    if phone:
        options.add_experimental_option("mobileEmulation", {"deviceMetrics": {
            "width": phone[0], "height": phone[1], "pixelRatio": 2, "touch": True}})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        yield driver
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


# Page-side helpers: the screen as text, and the colour of a text's first cell.
HELPERS = """
window.hulgorTest = {
  lines() {
    const buffer = HulgorWeb.term.buffer.active;
    const lines = [];
    for (let y = 0; y < buffer.length; y++) lines.push(buffer.getLine(y).translateToString(true));
    return lines;
  },
  colourOf(text) {
    const buffer = HulgorWeb.term.buffer.active;
    for (let y = buffer.length - 1; y >= 0; y--) {
      const line = buffer.getLine(y);
      const x = line.translateToString(true).indexOf(text);
      if (x < 0) continue;
      const cell = line.getCell(x);
      return cell.isFgDefault() ? 'default' : cell.getFgColor();
    }
    return null;
  },
};
"""


class Page:
    def __init__(self, driver):
        self.driver = driver

    def open(self, url):
        self.driver.get(url)
        WebDriverWait(self.driver, 10).until(
            lambda d: d.execute_script("return typeof HulgorWeb !== 'undefined'"))
        self.driver.execute_script(HELPERS)

    def screen(self):
        return "\n".join(self.driver.execute_script("return hulgorTest.lines()"))

    def wait_for(self, text, timeout=20):
        try:
            WebDriverWait(self.driver, timeout, poll_frequency=0.05).until(
                lambda d: text in self.screen())
            return True
        except Exception:
            print("--- screen while waiting for", repr(text))
            print(self.screen())
            return False

    def expect(self, text, colour=None, timeout=20):
        shown = self.wait_for(text, timeout)
        what = f"shows {text!r}"
        if shown and colour is not None:
            actual = self.driver.execute_script("return hulgorTest.colourOf(arguments[0])", text)
            what += f" in colour {colour}"
            shown = actual == colour
            if not shown:
                what += f" (is {actual})"
        check(shown, what)
        return shown

    def type(self, keys):
        self.driver.find_element(By.CSS_SELECTOR, ".xterm-helper-textarea").send_keys(keys)

    def enter(self, line):
        self.type(line + Keys.ENTER)

    def key(self):
        self.type(" ")

    def sounds(self):
        return self.driver.execute_script("return HulgorWeb.sounds.map(s => [s.name, s.result])")

    def file(self, name):
        return self.driver.execute_script(
            "try { return FS.readFile('/hulgor/' + arguments[0], {encoding: 'utf8'}); }"
            " catch (e) { return null; }", name)


def play_to_the_gate(page):
    """From the start of Das Erwachen: the tower with the sword, the mountain
    path, Ragnar joins, the journey, up to the choice at the city gate."""
    for step in ("1", "1", "2", "3", "key", "key", "1", "key", "3", "key"):
        time.sleep(0.3)
        if step == "key":
            page.key()
        else:
            page.enter(step)
    page.expect("1 - Überfall", GOLDEN)


def new_game(page, base, name):
    """A fresh page's new game, up to the name prompt, or past it with `name`."""
    page.open(base + "?fast")
    page.expect("Drücke eine beliebige Taste...")
    page.key()
    page.expect("10. Spiel beenden", RED)
    page.enter("1")
    check(page.wait_for("Gib deinen Namen ein", 30), "a new game asks for the name")
    if name:
        page.enter(name)
        page.expect("Spiel erfolgreich gespeichert.")


def check_typing(driver, page, base):
    """Lines typed at the name prompt: Backspace erases whole characters, the
    same from the line and from the screen; a pasted line is read in linear
    time and keeps at most 2 MiB."""
    # Backspace after a combining accent, after a wide character that went
    # on to the next row, and across that row's start.
    new_game(page, base, None)
    prompt = "Gib deinen Namen ein: "
    name = "K" + "a" * (driver.execute_script("return HulgorWeb.term.cols") - len(prompt) - 2)
    page.type(name + "a\u6f22e\u0301" + Keys.BACKSPACE * 3)

    def rows(_=None):
        lines = page.screen().split("\n")
        at = next((i for i, line in enumerate(lines) if line.startswith(prompt)), len(lines))
        return lines[at:at + 2]
    try:
        WebDriverWait(driver, 5, poll_frequency=0.05).until(lambda d: rows() == [prompt + name, ""])
    except Exception:
        pass
    shown = rows()
    page.type(Keys.ENTER)
    page.expect("Spiel erfolgreich gespeichert.")
    check(page.file("name.txt") == name + "\n" and shown == [prompt + name, ""],
          f"Backspace erased whole characters from line and screen alike: {shown}, {page.file('name.txt')!r}")

    # A 3 MB line pasted: cut at 2 MiB, so its last word never reaches the
    # game, and the name cut to 1 MiB - 1 bytes.
    new_game(page, base, None)
    started = time.monotonic()
    driver.execute_script("HulgorWeb.term.paste('x'.repeat(3 * 1024 * 1024) + ' Zusatz\\r')")
    saved = page.wait_for("Spiel erfolgreich gespeichert.", 60)
    took = time.monotonic() - started
    print(f"a 3 MB line pasted at the name prompt is taken in {took:.1f} s")
    check(saved and took < 10, f"a 3 MB line pasted is taken within 10 s ({took:.1f} s)")
    size = driver.execute_script("return FS.stat('/hulgor/name.txt').size")
    check(size == 1024 * 1024, f"name.txt holds the name cut to 1 MiB - 1 bytes and a line end ({size} bytes)")
    page.expect("200 - ")
    page.enter("1")
    page.expect("Drücke", timeout=10)
    check("Ungültige Eingabe" not in page.screen(), "the pasted line kept 2 MiB: its last word was dropped")


def luminance(colour):
    def linear(value):
        value /= 255
        return value / 12.92 if value <= 0.03928 else ((value + 0.055) / 1.055) ** 2.4
    red, green, blue = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
    return 0.2126 * linear(red) + 0.7152 * linear(green) + 0.0722 * linear(blue)


def contrast(one, other):
    lighter, darker = sorted((luminance(one), luminance(other)), reverse=True)
    return (lighter + 0.05) / (darker + 0.05)


def press(driver, element_id, key):
    """Moves the keyboard focus to a setting with Tab and presses `key` there."""
    target = driver.find_element(By.ID, element_id)
    driver.execute_script("const title = document.querySelector('h1'); title.tabIndex = -1; title.focus();")
    for _ in range(25):
        if driver.switch_to.active_element == target:
            break
        ActionChains(driver).send_keys(Keys.TAB).perform()
    check(driver.switch_to.active_element == target, f"#{element_id} is reached with Tab")
    ActionChains(driver).send_keys(key).perform()


def font_pixels(driver):
    return driver.execute_script(
        "return parseFloat(getComputedStyle(document.querySelector('.xterm-rows')).fontSize)")


def check_settings(driver, page, base):
    """Text size, high contrast and the screen-reader mode, each by keyboard,
    each measured, each kept across a reload."""
    page.open(base + "?fast")
    labels = {"larger": "Schrift größer", "smaller": "Schrift kleiner", "reset": "Normale Schriftgröße",
              "download": "Spielstand herunterladen"}
    for element_id, label in labels.items():
        check(driver.find_element(By.ID, element_id).text == label, f"the button reads {label!r}")
    for element_id, label in {"contrast": "Hoher Kontrast", "reader": "Screenreader-Modus",
                              "upload": "Spielstand hochladen"}.items():
        shown = driver.find_element(By.CSS_SELECTOR, f"label[for={element_id}]")
        check(shown.is_displayed() and shown.text == label, f"#{element_id} is labelled {label!r}")
    check(font_pixels(driver) == 18, f"the text starts at 18 px ({font_pixels(driver)})")
    press(driver, "larger", Keys.ENTER)
    press(driver, "larger", Keys.ENTER)
    check(font_pixels(driver) == 22, f"twice larger: 22 px ({font_pixels(driver)})")
    press(driver, "smaller", Keys.ENTER)
    check(font_pixels(driver) == 20, f"once smaller: 20 px ({font_pixels(driver)})")
    press(driver, "contrast", Keys.SPACE)
    page.open(base + "?fast")
    check(font_pixels(driver) == 20, "the text size is kept across a reload")
    theme = driver.execute_script("return HulgorWeb.term.options.theme")
    ratios = {name: contrast(colour, theme["background"]) for name, colour in theme.items()
              if name != "background" and colour.startswith("#")}
    print("contrast ratios:", {name: round(ratio, 1) for name, ratio in ratios.items()})
    check(len(ratios) >= 17 and min(ratios.values()) >= 7,
          f"high contrast, kept across a reload: every colour at least 7:1 (lowest {min(ratios.values()):.1f})")
    press(driver, "reset", Keys.ENTER)
    press(driver, "contrast", Keys.SPACE)
    check(font_pixels(driver) == 18 and
          driver.execute_script("return HulgorWeb.term.options.theme.background") == "#0c0c0c",
          "normal size and the standard colours again")

    # Screen-reader mode: the terminal's accessibility tree, and plain text.
    check(not driver.find_elements(By.CSS_SELECTOR, ".xterm-accessibility-tree"), "no accessibility tree before")
    press(driver, "reader", Keys.SPACE)
    check(bool(driver.find_elements(By.CSS_SELECTOR, ".xterm-accessibility-tree")),
          "screen-reader mode: the terminal's accessibility tree is there")
    page.open(base + "?fast")
    page.expect("Drücke eine beliebige Taste...")
    page.key()
    page.expect("ZAHL dazu eingibst:")
    page.enter("1")
    check(page.wait_for("Gib deinen Namen ein", 30), "a new game in screen-reader mode")
    page.enter("Lea")
    page.expect("„Ihr seid also endlich wach“, sagt er")
    page.expect("Deine Wahl (Zahl, dann Enter):")
    tree = lambda d: d.execute_script("return document.querySelector('.xterm-accessibility-tree').textContent")
    try:
        WebDriverWait(driver, 5).until(lambda d: "Deine Wahl" in tree(d))
    except Exception:
        print("accessibility tree:", tree(driver)[-500:])
    check("Deine Wahl" in tree(driver), "the accessibility tree holds the story's text")
    press(driver, "reader", Keys.SPACE)


def check_language(driver, page, base):
    """English chosen in the settings: the page reloads and the game starts in
    English, and the setting is kept across a reload; then German again."""
    def choose(language, code):
        Select(driver.find_element(By.ID, "language")).select_by_visible_text(language)
        WebDriverWait(driver, 10).until(lambda d: d.execute_script(
            "return document.documentElement.lang === arguments[0] && typeof HulgorWeb !== 'undefined'", code))
        driver.execute_script(HELPERS)

    def english_title():
        shown = page.wait_for("Press any key...")
        page.key()
        return shown and page.wait_for("Hulgor - the Barbarian") and "Hulgor the Barbarian" in driver.title

    page.open(base + "?fast")
    choose("English", "en")
    switched = english_title()
    page.open(base + "?fast")
    kept = driver.execute_script("return document.documentElement.lang") == "en" and english_title()
    choose("Deutsch", "de")
    check(switched and kept and page.wait_for("Drücke eine beliebige Taste..."),
          "English in the settings shows the English title, and is kept across a reload")


def upload(driver, path):
    driver.find_element(By.ID, "upload").send_keys(path)
    WebDriverWait(driver, 10).until(lambda d: d.find_element(By.ID, "status").text.strip() != "")
    text = driver.find_element(By.ID, "status").text
    driver.execute_script("document.getElementById('status').textContent = ''")
    return text


def set_quota(driver, base, size):
    """Chromium's quota for the page's origin: `size` bytes, or its own again."""
    origin = base.rstrip("/")
    driver.execute_cdp_cmd("Storage.overrideQuotaForOrigin",
                           {"origin": origin} if size is None else {"origin": origin, "quotaSize": size})


# The ways a browser refuses to store, each as (refuse, undo): Chromium's own
# full quota (every request succeeds, then the transaction aborts with
# QuotaExceededError), a write request that fails, put() and transaction()
# that throw. A script in the page goes with the next reload by itself.
QUOTA = "new DOMException('Das Kontingent ist erschöpft.', 'QuotaExceededError')"
REFUSALS = {
    "a full quota": (lambda driver, base: set_quota(driver, base, 1),
                     lambda driver, base: set_quota(driver, base, None)),
    "a write request that fails": ("""
        const put = IDBObjectStore.prototype.put;
        IDBObjectStore.prototype.put = function (value, key) {
          put.call(this, value, key);
          return this.add(value, key);  // the key is taken now: ConstraintError
        };""", None),
    "put() that throws": (f"""
        IDBObjectStore.prototype.put = function () {{
          this.transaction.abort();
          throw {QUOTA};
        }};""", None),
    "transaction() that throws": (f"""
        const open = IDBDatabase.prototype.transaction;
        IDBDatabase.prototype.transaction = function (names, mode) {{
          if (mode === 'readwrite') throw {QUOTA};
          return open.apply(this, arguments);
        }};""", None),
}

# Every transaction aborts once all its requests have succeeded, as one
# refused at commit does: a probe request queued behind the page's requests
# aborts it when the page queued nothing more in the meantime.
ABORT_AT_COMMIT = """
  (() => {
    const count = IDBObjectStore.prototype.count, open = IDBDatabase.prototype.transaction;
    const busy = new WeakSet();
    const transactionOf = (source) => source instanceof IDBCursor ? transactionOf(source.source)
      : source instanceof IDBIndex ? source.objectStore.transaction : source.transaction;
    for (const [type, names] of [
        [IDBObjectStore, ['put', 'add', 'delete', 'clear', 'get', 'getAll', 'getKey', 'getAllKeys',
                          'count', 'openCursor', 'openKeyCursor']],
        [IDBIndex, ['get', 'getAll', 'getKey', 'getAllKeys', 'count', 'openCursor', 'openKeyCursor']],
        [IDBCursor, ['continue', 'advance', 'continuePrimaryKey', 'update', 'delete']]]) {
      for (const name of names) {
        const call = type.prototype[name];
        type.prototype[name] = function (...args) {
          busy.add(transactionOf(this));
          return call.apply(this, args);
        };
      }
    }
    IDBDatabase.prototype.transaction = function (...args) {
      const transaction = open.apply(this, args);
      const store = transaction.objectStore(transaction.objectStoreNames[0]);
      (function probe() {
        count.call(store).onsuccess = () => {
          if (!busy.delete(transaction)) return transaction.abort();
          probe();
        };
      })();
      return transaction;
    };
  })();"""


def refuse_a_new_game(driver, page, base, name, refusal, resumed):
    """A new game while the browser refuses every write: past the name prompt
    the chapter's save says it failed and the story goes on; the folder and,
    after a reload, Continue still have the last good save (`resumed` is its
    screen's anchor)."""
    refuse, undo = refusal
    page.open(base + "?fast")
    page.expect("Drücke eine beliebige Taste...")
    kept = page.file("savegame.txt"), page.file("name.txt")
    if callable(refuse):
        refuse(driver, base)
    else:
        driver.execute_script(refuse)
    page.key()
    page.enter("1")
    check(page.wait_for("Gib deinen Namen ein", 30), f"{name}: a new game asks for the name")
    page.enter("Kai")
    check(page.wait_for("Fehler beim Speichern des Spiels.") and page.wait_for("Ihr seid also endlich wach,"),
          f"{name}: the save says it failed, the story goes on")
    check((page.file("savegame.txt"), page.file("name.txt")) == kept, f"{name}: the folder keeps the last good save")
    if undo:
        undo(driver, base)
    page.open(base + "?fast")
    page.expect("Drücke eine beliebige Taste...")
    page.key()
    page.enter("2")
    check(page.wait_for(resumed), f"{name}: after a reload Continue finds the last good save")


def save_file(files):
    """A download of the page holding `files` (name -> bytes), checksum and all."""
    value = 0x811c9dc5  # FNV-1a over each file's name and bytes
    for name in ("savegame.txt", "name.txt", "permadeath.txt"):
        if name in files:
            for byte in name.encode() + files[name]:
                value = ((value ^ byte) * 0x01000193) & 0xffffffff
    return json.dumps({"spiel": "Hulgor – der Barbar", "format": 1, "pruefsumme": format(value, "x"),
                       "dateien": {name: base64.b64encode(data).decode() for name, data in files.items()}})

def check_saves(base, downloads):
    """A save downloaded in one browser profile and uploaded into another,
    then continued; files that are no save; storage that refuses writes in
    each way, and a read that aborts; a page opened with no storage at all."""
    with browser() as driver:
        driver.execute_cdp_cmd("Browser.setDownloadBehavior", {"behavior": "allow", "downloadPath": downloads})
        page = Page(driver)
        page.open(base + "?fast")
        page.expect("Drücke eine beliebige Taste...")
        press(driver, "download", Keys.ENTER)
        check(driver.find_element(By.ID, "status").text == "Es gibt noch keinen Spielstand zum Herunterladen.",
              "nothing to download before a save")
        page.key()
        page.enter("1")
        check(page.wait_for("Gib deinen Namen ein", 30), "a new game asks for the name")
        page.enter("Jörg")
        page.enter("1")
        page.expect("Drücke", timeout=10)
        page.key()
        page.expect("Ich bin übrigens Ragnar.")
        press(driver, "download", Keys.ENTER)
        saved = os.path.join(downloads, "hulgor-spielstand.json")
        WebDriverWait(driver, 10).until(lambda d: os.path.exists(saved))
        check(os.path.getsize(saved) < 2000, f"the download is one small file ({os.path.getsize(saved)} bytes)")

    with open(saved, encoding="utf-8") as file:
        good = file.read()
    bad = {
        "damaged.json": good.replace('"pruefsumme":"', '"pruefsumme":"0'),
        "cut.json": good[:len(good) // 2],
        "other.json": '{"spiel": "Ein anderes Spiel", "format": 1, "dateien": {}}',
    }
    for name, text in bad.items():
        with open(os.path.join(downloads, name), "w", encoding="utf-8") as file:
            file.write(text)
    with open(os.path.join(downloads, "large.json"), "w") as file:
        file.write(" " * (9 * 1024 * 1024))
    for name, files in {"nosave.json": {}, "permadeath.json": {"permadeath.txt": b"1\n"}}.items():
        with open(os.path.join(downloads, name), "w", encoding="utf-8") as file:
            file.write(save_file(files))

    with browser() as driver:
        page = Page(driver)
        # The first way of refusing, before there is any save.
        (first, refusal), *others = REFUSALS.items()
        refuse_a_new_game(driver, page, base, first, refusal, "Kein Spielstand gefunden.")
        page.open(base + "?fast")
        page.expect("Drücke eine beliebige Taste...")
        expected = {"damaged.json": "Dieser Spielstand ist beschädigt. Es wurde nichts geändert.",
                    "cut.json": "Diese Datei ist kein Spielstand von Hulgor – der Barbar. Es wurde nichts geändert.",
                    "other.json": "Diese Datei ist kein Spielstand von Hulgor – der Barbar. Es wurde nichts geändert.",
                    "large.json": "Diese Datei ist zu groß für einen Spielstand. Es wurde nichts geändert."}
        for name, message in expected.items():
            said = upload(driver, os.path.join(downloads, name))
            check(said == message and page.file("savegame.txt") is None, f"{name}: {said!r}, nothing changed")
        said = upload(driver, saved)
        check(said == "Spielstand hochgeladen. Im Titelmenü setzt „2. Spiel laden“ ihn fort.", f"the good file: {said!r}")
        check((page.file("savegame.txt") or "").startswith("zweiter Dialog\n") and page.file("name.txt") == "Jörg\n",
              "the uploaded files are in place")
        # Files that hold no save would only delete the stored one.
        for name in ("nosave.json", "permadeath.json"):
            said = upload(driver, os.path.join(downloads, name))
            check(said == "Dieser Spielstand ist beschädigt. Es wurde nichts geändert."
                  and (page.file("savegame.txt") or "").startswith("zweiter Dialog\n"),
                  f"{name}: {said!r}, the save kept")
        page.open(base + "?fast")
        check(page.file("name.txt") == "Jörg\n" and (page.file("savegame.txt") or "").startswith("zweiter Dialog\n"),
              "and kept in the browser across a reload")

        # The other ways, each keeping the uploaded save.
        for name, refusal in others:
            refuse_a_new_game(driver, page, base, name, refusal, "Ich bin übrigens Ragnar.")
        # Reading the saves at the start fails: the game starts without them,
        # and they are still there when reading works again.
        script = driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": ABORT_AT_COMMIT})
        page.open(base + "?fast")
        check(page.wait_for("Drücke eine beliebige Taste..."), "a read that aborts: the game starts all the same")
        page.key()
        page.enter("2")
        page.expect("Kein Spielstand gefunden.")
        driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", script)
        page.open(base + "?fast")
        page.expect("Drücke eine beliebige Taste...")
        page.key()
        page.enter("2")
        check(page.wait_for("Ich bin übrigens Ragnar."), "and the next start continues the save that could not be read")

    # No storage at all: the page still plays, each save says it failed.
    with browser() as driver:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
            Object.defineProperty(window, 'indexedDB', {get() { throw new DOMException('off', 'SecurityError'); }});
            Object.defineProperty(window, 'localStorage', {get() { throw new DOMException('off', 'SecurityError'); }});
        """})
        page = Page(driver)
        page.open(base + "?fast")
        page.expect("Drücke eine beliebige Taste...")
        page.key()
        page.enter("1")
        check(page.wait_for("Gib deinen Namen ein", 30), "with storage off a new game still starts")
        page.enter("Kai")
        page.expect("Fehler beim Speichern des Spiels.")
        page.expect("Ihr seid also endlich wach,")


def check_two_tabs(base):
    """Two tabs of one browser: a tab stores only the files it changed, so a
    tab opened before the other saved never puts its older copies back; it
    takes up the other tab's newer save and says so."""
    with browser() as driver:
        page = Page(driver)
        first = driver.current_window_handle
        new_game(page, base, "Alt")
        # A second tab loads this save (chapter 1, Alt) and waits in the title menu.
        driver.switch_to.new_window("tab")
        second = driver.current_window_handle
        page.open(base + "?fast")
        page.expect("Drücke eine beliebige Taste...")
        page.key()
        page.expect("10. Spiel beenden", RED)
        # The first tab plays a new game into chapter 2 as Neu.
        driver.switch_to.window(first)
        new_game(page, base, "Neu")
        page.enter("1")
        page.expect("Drücke", timeout=10)
        page.key()
        page.expect("Ich bin übrigens Ragnar.")
        # The second tab toggles permadeath: that file alone is stored.
        driver.switch_to.window(second)
        page.enter("6")
        page.expect("6. Permadeath: an")
        driver.switch_to.new_window("tab")
        page.open(base + "?fast")
        page.expect("Drücke eine beliebige Taste...")
        check((page.file("savegame.txt") or "").startswith("zweiter Dialog\n") and page.file("name.txt") == "Neu\n"
              and page.file("permadeath.txt") == "1\n",
              "a tab opened earlier stores only the setting it changed: the newer save and name stay")
        driver.close()
        driver.switch_to.window(second)
        page.enter("2")
        check(page.wait_for("Ich bin übrigens Ragnar."), "the tab opened earlier continues the newer save")
        said = driver.find_element(By.ID, "status").text
        check(said == "Ein anderer Tab hat gespeichert; dieser Tab nutzt jetzt dessen Spielstand.",
              f"and says so: {said!r}")


def check_from_disk():
    """The site opened from disk (file://), as the unpacked web zip is: it
    plays, plays its sounds, keeps its save across a reload, and names no
    manifest (it needs no service worker)."""
    with browser() as driver:
        page = Page(driver)
        url = "file://" + os.path.abspath(os.path.join(SITE, "index.html")) + "?fast"
        new_game(page, url, "Kai")
        page.enter("1")
        page.expect("Drücke", timeout=10)
        page.key()
        page.expect("Ich bin übrigens Ragnar.")
        WebDriverWait(driver, 10).until(lambda d: page.sounds()[-1][1] != "started")
        sounds = page.sounds()
        page.open(url)
        page.expect("Drücke eine beliebige Taste...")
        page.key()
        page.enter("2")
        manifest = driver.execute_script("return document.querySelector('link[rel=manifest]')")
        check(page.wait_for("Ich bin übrigens Ragnar.") and sounds[-1] == ["719.wav", "playing"] and manifest is None,
              f"opened from disk: plays, sounds {sounds}, Continue after a reload, no manifest")


def tap(driver, text):
    """A finger's tap on the row of the terminal that shows `text` last."""
    point = driver.execute_script("""
        const buffer = HulgorWeb.term.buffer.active;
        const screen = document.querySelector('#terminal .xterm-screen').getBoundingClientRect();
        for (let y = buffer.length - 1; y >= 0; y--) {
          if (!buffer.getLine(y).translateToString(true).includes(arguments[0])) continue;
          return [screen.left + 20, screen.top + (y - buffer.viewportY + 0.5) * screen.height / HulgorWeb.term.rows];
        }
        return [screen.left + 20, screen.top + 20];""", text)
    for kind, points in (("touchStart", [{"x": point[0], "y": point[1]}]), ("touchEnd", [])):
        driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})


def check_phone(base):
    """A phone (390 x 844) with a touch screen: the title box whole in at
    least 40 columns, played by taps: the splash's key wait, an answer of the
    title menu and of the story, a page break; the answers' buttons at least
    44 px high; the keyboard only at the name."""
    with browser(phone=(390, 844)) as driver:
        page = Page(driver)
        page.open(base + "?fast")
        page.expect("Drücke eine beliebige Taste...")
        tap(driver, "Drücke eine beliebige Taste...")
        page.expect("10. Spiel beenden", RED)
        lines = page.screen().split("\n")
        box = ["*" * 36, "*        Hulgor - der Barbar       *", "*" * 36]
        columns = driver.execute_script("return HulgorWeb.term.cols")
        heights = driver.execute_script(
            "return [...document.querySelectorAll('#choices button')].map(b => b.getBoundingClientRect().height)")
        tap(driver, "1. Neues Spiel")
        named = page.wait_for("Gib deinen Namen ein", 30)
        keyboard = driver.execute_script("return document.querySelector('.xterm-helper-textarea').inputMode")
        page.enter("Kai")
        page.expect("200 - Spiel beenden")
        tap(driver, "1 - Aufspringen und die Flucht")
        page.expect("fortzufahren.")  # the end of "Drücke eine beliebige Taste, um fortzufahren."
        tap(driver, "fortzufahren.")
        check(columns >= 40 and any(lines[i:i + 3] == box for i in range(len(lines))) and len(heights) == 7
              and min(heights) >= 44 and named and keyboard == "text" and page.wait_for("Ich bin übrigens Ragnar."),
              f"a phone by taps: {columns} columns, the title box whole, answer buttons {heights} px high, "
              f"the keyboard at the name ({keyboard}), chapter 2 reached")


def check_reflow(driver, page, base):
    """A larger text size lays out the current screen again: the same words
    in the same order, none cut, every row within the new width, the colours
    kept, the prompt and what is typed at the end."""
    new_game(page, base, "Kai")
    page.expect("200 - Spiel beenden")
    page.type("Ab")
    page.wait_for("\nAb")
    before = page.screen().split()
    columns = driver.execute_script("return HulgorWeb.term.cols")
    for _ in range(4):
        driver.execute_script("document.getElementById('larger').click()")
    try:
        WebDriverWait(driver, 5, poll_frequency=0.05).until(
            lambda d: d.execute_script("return HulgorWeb.term.cols") < columns
            and page.screen().rstrip().endswith("\nAb"))
    except Exception:
        pass
    rows = page.screen().rstrip().split("\n")
    after = " ".join(rows).split()
    narrower = driver.execute_script("return HulgorWeb.term.cols")
    coloured = driver.execute_script("return hulgorTest.colourOf('1 - Aufspringen')")
    check(narrower < columns and len(after) > 100 and before[-len(after):] == after
          and all(len(row) <= narrower for row in rows) and rows[-1] == "Ab" and coloured == GOLDEN,
          f"text laid out again from {columns} to {narrower} columns: no word cut, colours kept, the typing at the end")
    driver.execute_script("document.getElementById('reset').click()")


def check_offline():
    """Served over HTTP, the service worker keeps the page: with the server
    gone, a reload still plays."""
    server = serve(SITE)
    base = f"http://127.0.0.1:{server.server_address[1]}/"
    with browser() as driver:
        page = Page(driver)
        page.open(base)
        controlled = driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            navigator.serviceWorker.ready.then(() => {
              (function poll() { navigator.serviceWorker.controller ? done(true) : setTimeout(poll, 50); })();
            });""")
        server.shutdown()
        server.server_close()
        page.open(base + "?fast")
        shown = page.wait_for("Drücke eine beliebige Taste...")
        page.key()
        check(controlled and shown and page.wait_for("10. Spiel beenden")
              and driver.execute_script("return document.querySelector('link[rel=manifest]') !== null"),
              "the service worker serves the page with the server gone")


def site_size():
    return sum(os.path.getsize(os.path.join(SITE, name)) for name in os.listdir(SITE))


def main():
    size = site_size()
    check(size < SIZE_LIMIT, f"the page's files take {size / 1e6:.2f} MB (limit 4 MB)")

    server = serve(SITE)
    base = f"http://127.0.0.1:{server.server_address[1]}/"
    with browser() as driver:
        page = Page(driver)
        # Start-up at normal speed: time from navigation to the splash on screen.
        driver.get(base)
        appeared = driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            (function poll() {
              if (typeof HulgorWeb !== 'undefined' && HulgorWeb.term.buffer.active.getLine(8)
                  ?.translateToString(true).includes('Ein Spiel von Tamlowen'))
                requestAnimationFrame(() => done(performance.now()));
              else setTimeout(poll, 5);
            })();""")
        print(f"splash text on screen {appeared:.0f} ms after opening the page")
        check(appeared < SPLASH_LIMIT_S * 1000, "the splash text appears within 1 s")
        driver.execute_script(HELPERS)
        page.expect("Ein Spiel von Tamlowen...", NORMAL)
        # A key pressed during the splash's pauses is kept for its key wait.
        page.key()
        page.expect("Hulgor - der Barbar", YELLOW, timeout=10)
        check(page.screen().rstrip().endswith("eingibst:"),
              "the key typed ahead passed the splash without echo")
        sounds = page.sounds()
        check(sounds == [["intro.wav", "skipped"]],
              f"the intro sound, asked for before any key, is skipped: {sounds}")

        # The title menu: colours and the screenshot for the README.
        page.expect("1. Neues Spiel", GREEN)
        page.expect("2. Spiel laden", NORMAL)
        page.expect("10. Spiel beenden", RED)
        time.sleep(0.3)  # one frame for the renderer
        driver.save_screenshot(SCREENSHOT)
        check(os.path.getsize(SCREENSHOT) > 10000, f"screenshot saved as {SCREENSHOT}")

        # A new game into chapter 2, from here on with short pauses.
        page.open(base + "?fast")
        page.expect("Dieses Spiel speichert automatisch in bestimmten Abständen.", RED)
        page.expect("Drücke eine beliebige Taste...", NORMAL)
        lines = page.screen().split("\n")
        columns = driver.execute_script("return HulgorWeb.term.cols")
        check(all(len(line) <= columns for line in lines), "the splash fits the terminal's width")
        warning = ("Warnung: Dieses Programm enthält sehr viele böse Wörter und sollte wegen "
                   "seines grauenvollen Inhalts von niemandem konsumiert werden.")
        shown = [line.strip() for line in lines if line.strip()]
        at = next((i for i, line in enumerate(shown) if line.startswith("Warnung:")), None)
        check(at is not None and len(warning) > columns and
              " ".join(shown[at:at + 2]) == warning,
              "the warning, wider than the terminal, is wrapped at a blank")
        page.key()
        page.expect("10. Spiel beenden", RED)
        # Line editing: a wrong character taken back with Backspace.
        page.type("x" + Keys.BACKSPACE + "1")
        check(page.wait_for("eingibst:1"), "typed text is echoed, Backspace takes it back")
        page.type(Keys.ENTER)
        check(page.wait_for("Gib deinen Namen ein", 30), "a new game asks for the name")
        page.enter("Kai")
        page.expect("Spiel erfolgreich gespeichert.")
        check(page.file("name.txt") == "Kai\n", "name.txt holds the name")
        check((page.file("savegame.txt") or "").startswith("erster Dialog\n"),
              "chapter 1 saved its label")
        page.enter("1")
        page.expect("Drücke", timeout=10)
        page.key()
        page.expect("Ich bin übrigens Ragnar. Und wie heißt Ihr?", YELLOW)
        check((page.file("savegame.txt") or "").startswith("zweiter Dialog\n"),
              "chapter 2 saved its label")
        # The answer and the page break's key typed at once.
        page.type("1" + Keys.ENTER + " ")
        check(page.wait_for("Stöhnend kommst du zu dir."), "chapter 3 begins")
        check((page.file("savegame.txt") or "").startswith("Das Erwachen\n"),
              "the end of chapter 2 saved Das Erwachen")
        sounds = page.sounds()
        check([name for name, _ in sounds] == ["intro.wav", "719.wav", "Dragonattack.wav"],
              f"sounds requested in order: {sounds}")
        check(all(result != "failed" for _, result in sounds[1:]),
              "the sounds after the first key are played")

        # Reload: the save comes back from IndexedDB and Continue resumes it.
        page.open(base + "?fast")
        page.expect("Drücke eine beliebige Taste...")
        page.key()
        page.expect("10. Spiel beenden", RED)
        page.enter("6")
        page.expect("6. Permadeath: an")
        page.enter("2")
        check(page.wait_for("Stöhnend kommst du zu dir."), "Continue after a reload resumes Das Erwachen")
        play_to_the_gate(page)
        # The ambush kills: the death leaves the story by an exception, and
        # permadeath deletes the save.
        page.enter("1")
        page.expect("DU BIST TOT.", RED)
        page.expect("Drücke eine Taste, um zu Beenden.", RED)
        check(page.file("savegame.txt") is None, "permadeath deleted the save")
        page.key()
        page.expect("10. Spiel beenden", RED)
        check("DU BIST TOT." not in page.screen(), "the dead game ends in the title menu")
        sounds = [name for name, _ in page.sounds()]
        check(sounds == ["intro.wav", "erfolg.wav", "wolves.wav", "death.wav"],
              f"the continued game's sounds requested in order: {sounds}")
        page.enter("10")
        page.expect("Das Programm wird beendet...")
        page.expect("Du kannst diese Seite jetzt schließen oder neu laden.")
        check(driver.execute_script("return HulgorWeb.finished"), "quitting ends the game")

        # The deletion and the setting were flushed to the browser's storage too.
        page.open(base + "?fast")
        page.expect("Drücke eine beliebige Taste...")
        check(page.file("savegame.txt") is None, "after a reload the deleted save stays deleted")
        check(page.file("permadeath.txt") == "1\n", "after a reload permadeath.txt holds 1")
        check(page.file("name.txt") == "Kai\n", "after a reload name.txt holds the name")

        # A whole new game to the end: the entry point returns, the page says so.
        page.key()
        page.expect("10. Spiel beenden", RED)
        page.enter("1")
        check(page.wait_for("Gib deinen Namen ein", 30), "a second new game asks for the name")
        page.enter("Kai")
        for step in ("1", "key", "1", "key"):
            page.wait_for("Drücke" if step == "key" else "200 -", 10)
            page.key() if step == "key" else page.enter(step)
            time.sleep(0.3)
        check(page.wait_for("Stöhnend kommst du zu dir."), "the second game reaches chapter 3")
        play_to_the_gate(page)
        page.enter("2")
        page.expect("Aktuell endet die Reise hier.", RED)
        page.key()
        page.expect("Du kannst diese Seite jetzt schließen oder neu laden.")
        check("Hulgor - der Barbar" in page.screen(), "the title box is printed once more at the end")
        check(driver.execute_script("return HulgorWeb.finished"), "the game has ended")
        sounds = [name for name, _ in page.sounds()]
        check(sounds == ["intro.wav", "719.wav", "Dragonattack.wav", "erfolg.wav", "wolves.wav"],
              f"a whole game's sounds requested in order: {sounds}")

        errors = [entry for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
        check(not errors, f"no errors in the page's console {errors}")
        check_settings(driver, page, base)
        check_language(driver, page, base)
        check_typing(driver, page, base)
        check_reflow(driver, page, base)
    downloads = tempfile.mkdtemp(prefix="hulgor-downloads-")
    try:
        check_saves(base, downloads)
        check_two_tabs(base)
        check_from_disk()
        check_phone(base)
        check_offline()
    finally:
        server.shutdown()
        shutil.rmtree(downloads, ignore_errors=True)

    if failures:
        print(f"WEB TEST FAILED: {len(failures)} check(s)")
        sys.exit(1)
    print("web test passed")


main()
