// The page's settings: the language (page_language.js), text size, high
// contrast and the screen-reader mode (the terminal's accessibility support,
// the game's plain text and the answers as buttons), each kept in the
// browser. A browser that keeps nothing just forgets them. On a phone they
// fold into one menu button.
(() => {
  const key = HulgorLanguage.settingsKey;
  const standardSize = 18, smallest = 10, largest = 40, step = 2;
  const term = HulgorWeb.term;
  let settings = { language: HulgorLanguage.code, fontSize: standardSize, contrast: false, screenReader: false };
  try {
    settings = Object.assign(settings, JSON.parse(localStorage.getItem(key) || '{}'));
  } catch (error) {
    // storage switched off, or a damaged entry: the defaults
  }
  function keep() {
    try {
      localStorage.setItem(key, JSON.stringify(settings));
    } catch (error) {
      // not kept; it still holds for this visit
    }
  }
  function apply() {
    settings.fontSize = Math.min(largest, Math.max(smallest, Number(settings.fontSize) || standardSize));
    term.options.theme = settings.contrast ? HulgorWeb.contrastTheme : HulgorWeb.standardTheme;
    term.options.screenReaderMode = Boolean(settings.screenReader);
    HulgorWeb.plain = Boolean(settings.screenReader);
    document.body.classList.toggle('contrast', Boolean(settings.contrast));
    document.body.classList.toggle('reader', Boolean(settings.screenReader));
    document.getElementById('contrast').checked = Boolean(settings.contrast);
    document.getElementById('reader').checked = Boolean(settings.screenReader);
    HulgorWeb.setTextSize(settings.fontSize);
  }
  function change(update) {
    update();
    apply();
    keep();
    term.focus();  // the keys go on to the game
  }
  document.getElementById('larger').addEventListener('click', () => change(() => { settings.fontSize += step; }));
  document.getElementById('smaller').addEventListener('click', () => change(() => { settings.fontSize -= step; }));
  document.getElementById('reset').addEventListener('click', () => change(() => { settings.fontSize = standardSize; }));
  document.getElementById('contrast').addEventListener('change', (event) => {
    change(() => { settings.contrast = event.target.checked; });
  });
  document.getElementById('reader').addEventListener('change', (event) => {
    change(() => { settings.screenReader = event.target.checked; });
  });
  // Another language starts the game afresh in it: the saves stay in the
  // browser and read the same in either language.
  document.getElementById('language').addEventListener('change', (event) => {
    if (event.target.value === HulgorLanguage.code) return;
    settings.language = event.target.value;
    keep();
    location.reload();
  });
  const menu = document.getElementById('menu');
  menu.addEventListener('click', () => {
    const open = document.body.classList.toggle('menu-open');
    menu.setAttribute('aria-expanded', String(open));
  });
  apply();
})();
