"""Plays the browser version in headless Chromium and checks what the page shows.

Usage: web_test.py <site folder> <screenshot.png>

Serves the site on a free localhost port, measures how soon the splash text
appears, then plays with ?fast (pauses a hundredth as long): the splash, the
title menu (its colours, a screenshot), a new game into chapter 2, a reload
and Continue from the save kept in the browser, the story to the
end-of-content screen, and a quit with option 10. Screen text and colours are
read from the terminal's buffer; sounds from the page's list of requests.
"""
import functools
import http.server
import os
import shutil
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

SITE, SCREENSHOT = sys.argv[1], sys.argv[2]
SPLASH_LIMIT_S = 1.0
SIZE_LIMIT = 3 * 1024 * 1024

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


def start_browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync",
                 "--disable-dev-shm-usage", "--window-size=1280,800",
                 f"--user-data-dir={profile}"):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


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


def site_size():
    return sum(os.path.getsize(os.path.join(SITE, name)) for name in os.listdir(SITE))


def main():
    size = site_size()
    check(size < SIZE_LIMIT, f"the page's files take {size / 1e6:.2f} MB (limit 3 MB)")

    server = serve(SITE)
    base = f"http://127.0.0.1:{server.server_address[1]}/"
    profile = tempfile.mkdtemp(prefix="hulgor-chromium-")
    driver = start_browser(profile)
    page = Page(driver)
    try:
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
    finally:
        driver.quit()
        server.shutdown()
        shutil.rmtree(profile, ignore_errors=True)

    if failures:
        print(f"WEB TEST FAILED: {len(failures)} check(s)")
        sys.exit(1)
    print("web test passed")


main()
