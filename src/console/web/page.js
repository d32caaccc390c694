// The page's side of the web console: the terminal, the keyboard, sounds and
// the browser's storage for the working folder (HulgorStorage). Built into
// hulgor.js in front of the game, so it shares the module's scope (FS, ccall).

// ?fast shortens every pause a hundredfold (for the browser test; players
// never need it).
var HulgorWeb = (() => {
  const fast = new URLSearchParams(location.search).has('fast');
  const workingFolder = HulgorStorage.folder;
  const endNote = 'Du kannst diese Seite jetzt schließen oder neu laden.';

  // Colours of the Windows console the game was made for (Campbell scheme).
  const standardTheme = {
    background: '#0c0c0c', foreground: '#cccccc', cursor: '#cccccc',
    black: '#0c0c0c', red: '#c50f1f', green: '#13a10e', yellow: '#c19c00',
    blue: '#0037da', magenta: '#881798', cyan: '#3a96dd', white: '#cccccc',
    brightBlack: '#767676', brightRed: '#e74856', brightGreen: '#16c60c',
    brightYellow: '#f9f1a5', brightBlue: '#3b78ff', brightMagenta: '#b4009e',
    brightCyan: '#61d6d6', brightWhite: '#f2f2f2',
  };
  // High contrast: every colour at least 7:1 against the black background.
  const contrastTheme = {
    background: '#000000', foreground: '#ffffff', cursor: '#ffffff',
    black: '#c0c0c0', red: '#ff8c8c', green: '#5cff5c', yellow: '#ffd700',
    blue: '#a8a8ff', magenta: '#ff9cff', cyan: '#66ffff', white: '#ffffff',
    brightBlack: '#d0d0d0', brightRed: '#ffa0a0', brightGreen: '#99ff99',
    brightYellow: '#ffff66', brightBlue: '#c0c0ff', brightMagenta: '#ffb8ff',
    brightCyan: '#a0ffff', brightWhite: '#ffffff',
  };
  const term = new Terminal({
    convertEol: true,
    cursorBlink: true,
    fontFamily: 'Consolas, "DejaVu Sans Mono", "Liberation Mono", monospace',
    fontSize: 18,
    scrollback: 1000,
    theme: standardTheme,
  });
  const fit = new FitAddon.FitAddon();
  term.loadAddon(fit);
  term.open(document.getElementById('terminal'));
  fit.fit();
  window.addEventListener('resize', () => fit.fit());
  term.focus();

  const keys = [];        // keys typed while nothing waited for them
  let keyWaiter = null;   // a key wait of the game, waiting for its key
  let line = null;        // the line being typed while the game reads one
  let unread = new Uint8Array(0);  // the rest of a line longer than the game took
  let finished = false;
  let soundAllowed = false;  // browsers play sound only after a key press
  let playing = null;
  const sounds = [];      // every sound asked for, in order, and what became of it

  // One key is an escape sequence (arrows, function keys) or one character.
  function splitKeys(data) {
    if (data.startsWith('\x1b') && data.length > 1) return [data];
    return Array.from(data);
  }

  function editLine(key) {
    if (key === '\r' || key === '\n') {
      term.write('\r\n');
      const done = line.resolve;
      const text = line.text;
      line = null;
      done(text);
    } else if (key === '\x7f' || key === '\b') {
      const chars = Array.from(line.text);
      if (chars.length === 0) return;
      line.text = chars.slice(0, -1).join('');
      if (term.buffer.active.cursorX === 0) {
        // The character is at the end of the line above.
        term.write(`\x1b[A\x1b[${term.cols}G \x1b[${term.cols}G`);
      } else {
        term.write('\b \b');
      }
    } else if (key.codePointAt(0) >= 0x20 && key !== '\x7f') {
      line.text += key;
      term.write(key);
    }
  }

  function deliver(key) {
    if (line) {
      editLine(key);
    } else if (keyWaiter) {
      const waiter = keyWaiter;
      keyWaiter = null;
      waiter(key);
    } else {
      keys.push(key);
    }
  }

  term.onData((data) => {
    if (finished) return;
    soundAllowed = true;
    for (const key of splitKeys(data)) deliver(key);
  });

  // Flushes of the working folder to IndexedDB run one after another; a
  // flush asked for while one runs is done once after it. Each tells whether
  // the browser stored it; when it refused (a full quota, storage switched
  // off), the folder holds again what the browser kept: the last good save.
  let flushing = null;
  let queued = null;
  function flushNow() {
    flushing = HulgorStorage.store().then((stored) => {
      flushing = null;
      return stored;
    });
    return flushing;
  }
  function persist() {
    if (queued) return queued;
    if (!flushing) return flushNow();
    queued = flushing.then(() => {
      queued = null;
      return flushNow();
    });
    return queued;
  }

  function finish() {
    if (finished) return;
    finished = true;
    term.write(`\x1b[0m\r\n${endNote}\r\n\x1b[?25l`);
  }

  // The working folder lives in IndexedDB: loaded before the game starts.
  function start() {
    FS.mkdir(workingFolder);
    FS.chdir(workingFolder);
    HulgorStorage.load().then(() => {
      ccall('main', 'number', ['number', 'number'], [0, 0], { async: true })
        .then(finish, (error) => {
          console.error(error);
          finish();
        });
    });
  }

  return {
    term,
    fit,
    standardTheme,
    contrastTheme,
    workingFolder,
    plain: false,  // the screen-reader setting: the game's plain mode
    sounds,
    get finished() { return finished; },
    start,
    write(bytes) { term.write(bytes); },
    columns() { return term.cols; },
    pauseScale() { return fast ? 0.01 : 1; },
    nextKey() {
      if (keys.length > 0) return Promise.resolve(keys.shift());
      return new Promise((resolve) => { keyWaiter = resolve; });
    },
    async readLine(capacity) {
      if (unread.length === 0) {
        const text = await new Promise((resolve) => {
          line = { text: '', resolve };
          // Keys typed ahead begin the line, as on a terminal.
          while (line && keys.length > 0) editLine(keys.shift());
        });
        unread = new TextEncoder().encode(text + '\n');
      }
      const taken = unread.slice(0, capacity);
      unread = unread.slice(taken.length);
      return taken;
    },
    playSound(name) {
      const entry = { name, result: 'skipped' };
      sounds.push(entry);
      if (!soundAllowed) return;
      if (playing) playing.pause();
      playing = new Audio(encodeURIComponent(name));
      entry.result = 'started';
      playing.play().then(() => { entry.result = 'playing'; }, (error) => {
        entry.result = 'failed';
        console.warn('Hulgor: Sound nicht abspielbar', name, error);
      });
    },
    persist,
    finish,
  };
})();

Module['onRuntimeInitialized'] = HulgorWeb.start;
