// The page's side of the web console: the terminal, the keyboard, sounds and
// the browser's storage for the working folder (HulgorStorage). Built into
// hulgor.js in front of the game, so it shares the module's scope (FS, ccall).

// ?fast shortens every pause a hundredfold (for the browser test; players
// never need it).
var HulgorWeb = (() => {
  const fast = new URLSearchParams(location.search).has('fast');
  const workingFolder = HulgorStorage.folder;
  const endNote = HulgorLanguage.text.endNote;

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

  const ahead = [];       // text typed while nothing waited for it, as it came
  let keyWaiter = null;   // a key wait of the game, waiting for its key
  let line = null;        // the line being typed while the game reads one
  let pumping = false;    // typed text is being fed to the line
  let unread = new Uint8Array(0);  // the line entered, as far as the game has not read it
  let unreadAt = 0;
  let finished = false;
  let soundAllowed = false;  // browsers play sound only after a key press
  let playing = null;
  const sounds = [];      // every sound asked for, in order, and what became of it

  // A typed line keeps at most this many bytes, as in a terminal; past that
  // the rest of the line is dropped (with one bell).
  const lineLimit = 2 * 1024 * 1024;
  // Combining marks: the terminal shows them on the character before them.
  const combining = /^[\p{Mn}\p{Me}]$/u;
  const utf8Length = (code) => (code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4);
  const bytesOf = (text) => {
    let bytes = 0;
    for (const character of text) bytes += utf8Length(character.codePointAt(0));
    return bytes;
  };
  // Resolves once the terminal has taken in everything written so far.
  const drained = () => new Promise((resolve) => term.write('', resolve));

  // The next key of the text typed ahead: an escape sequence (arrows,
  // function keys) or one character.
  function takeKey() {
    const data = ahead[0];
    const length = data.startsWith('\x1b') && data.length > 1 ? data.length
      : String.fromCodePoint(data.codePointAt(0)).length;
    if (length === data.length) ahead.shift();
    else ahead[0] = data.slice(length);
    return data.slice(0, length);
  }

  // The length of the last character of `text` as the player sees it: a
  // base character with the combining marks after it.
  function lastCharacterLength(text) {
    let end = text.length;
    while (end > 0) {
      const code = text.codePointAt(end - 1);
      const pair = end > 1 && code >= 0xdc00 && code < 0xe000 && text.codePointAt(end - 2) > 0xffff;
      const character = text.slice(end - (pair ? 2 : 1), end);
      end -= character.length;
      if (!combining.test(character)) break;
    }
    return text.length - end;
  }

  // The terminal's cell that shows the last character typed, found from
  // the cursor back (past the filler that a wide character leaves at the
  // end of a row it did not fit on); null at the line's start or out of reach.
  function lastCell() {
    const buffer = term.buffer.active;
    let y = buffer.baseY + buffer.cursorY;
    let x = Math.min(buffer.cursorX, term.cols);
    let row = buffer.getLine(y);
    if (x === 0) {
      if (!row || !row.isWrapped) return null;
      row = buffer.getLine(--y);
      x = term.cols;
      while (x > 0 && row.getCell(x - 1).getChars() === '' && row.getCell(x - 1).getWidth() === 1) x--;
    }
    if (x === 0 || y < buffer.baseY) return null;
    let cell = row.getCell(--x);
    if (cell.getWidth() === 0 && x > 0) cell = row.getCell(--x);
    const start = line.start;
    const first = start.marker ? start.marker.line : -1;  // -1: scrolled out of the buffer
    if (first >= 0 && (y < first || (y === first && x < start.x))) return null;
    return { x, row: y - buffer.baseY, width: Math.max(1, cell.getWidth()), chars: cell.getChars() };
  }

  // Backspace: the last character goes from the line and from the screen
  // alike, a base character with its combining marks, a wide one whole.
  async function eraseLast() {
    if (line.text.length === 0) return;
    await drained();
    const cell = lastCell();
    const length = cell && cell.chars && line.text.endsWith(cell.chars) ? cell.chars.length
      : lastCharacterLength(line.text);
    line.bytes -= bytesOf(line.text.slice(-length));
    line.text = line.text.slice(0, -length);
    if (cell) term.write(`\x1b[${cell.row + 1};${cell.x + 1}H\x1b[${cell.width}X`);
  }

  // Feeds typed text to the line. What follows the Enter that ends it goes
  // back to the text typed ahead, before the game can wait for a key.
  async function editLine(data) {
    if (data.startsWith('\x1b') && data.length > 1) return;  // cursor and function keys do nothing
    let shown = '';
    let run = 0;  // where the typed text not yet in the line begins
    const flush = (end) => {
      const text = data.slice(run, end);
      line.text += text;
      shown += text;
    };
    for (let at = 0; at < data.length;) {
      const code = data.codePointAt(at);
      const next = at + (code > 0xffff ? 2 : 1);
      const plain = code >= 0x20 && !(code >= 0x7f && code < 0xa0);
      const fits = line.bytes + utf8Length(code) <= lineLimit;
      // A combining mark that begins the line goes on a dotted circle, not
      // on the prompt.
      const alone = line.bytes === 0 && combining.test(data.slice(at, next));
      if (plain && fits && !alone) {
        line.bytes += utf8Length(code);
        at = next;
        continue;
      }
      flush(at);
      run = next;
      if (code === 0x0d || code === 0x0a) {
        term.write(`${shown}\r\n`);
        if (next < data.length) ahead.unshift(data.slice(next));
        const done = line;
        line = null;
        if (done.start.marker) done.start.marker.dispose();
        done.resolve(done.text);
        return;
      }
      if (code === 0x7f || code === 0x08) {
        term.write(shown);
        shown = '';
        await eraseLast();
      } else if (plain && !fits) {
        if (!line.rang) shown += '\x07';
        line.rang = true;
      } else if (plain) {
        line.bytes += utf8Length(code);
        line.text += data.slice(at, next);
        shown += `\u25cc${data.slice(at, next)}`;
      }
      at = next;
    }
    flush(data.length);
    term.write(shown);
  }

  // Typed text goes into the line being typed, piece by piece, in order.
  async function pump() {
    if (pumping) return;
    pumping = true;
    try {
      while (line && ahead.length > 0) {
        await line.ready;
        await editLine(ahead.shift());
      }
    } finally {
      pumping = false;
    }
  }

  function serveKeys() {
    if (keyWaiter && !line && ahead.length > 0) {
      const waiter = keyWaiter;
      keyWaiter = null;
      waiter(takeKey());
    }
    pump();
  }

  term.onData((data) => {
    if (finished || data.length === 0) return;
    soundAllowed = true;
    ahead.push(data);
    serveKeys();
  });

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
      if (ahead.length > 0) return Promise.resolve(takeKey());
      return new Promise((resolve) => { keyWaiter = resolve; });
    },
    // The next bytes of the line entered, at most `capacity`; null when the
    // game has read all of it.
    takeLine(capacity) {
      if (unreadAt >= unread.length) return null;
      const taken = unread.subarray(unreadAt, unreadAt + capacity);
      unreadAt += taken.length;
      return taken;
    },
    // Waits until the player has entered a line. Keys typed ahead begin it,
    // as on a terminal.
    async waitForLine() {
      const text = await new Promise((resolve) => {
        const mine = { text: '', bytes: 0, rang: false, resolve, start: null };
        mine.ready = drained().then(() => {
          mine.start = { marker: term.registerMarker(0), x: term.buffer.active.cursorX };
        });
        line = mine;
        pump();
      });
      unread = new TextEncoder().encode(`${text}\n`);
      unreadAt = 0;
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
    persist: () => HulgorStorage.store(),
    finish,
  };
})();

Module['onRuntimeInitialized'] = HulgorWeb.start;
