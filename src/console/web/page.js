// The page's side of the web console: the terminal, the keyboard, taps on a
// touch screen, sounds and the browser's storage for the working folder
// (HulgorStorage). Built into hulgor.js in front of the game, so it shares
// the module's scope (FS, ccall).

// ?fast shortens every pause a hundredfold (for the browser test; players
// never need it).
var HulgorWeb = (() => {
  const fast = new URLSearchParams(location.search).has('fast');
  const workingFolder = HulgorStorage.folder;
  const words = HulgorLanguage.text;
  const endNote = words.endNote;

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
  const terminalElement = document.getElementById('terminal');
  term.open(terminalElement);
  fit.fit();
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
        choicesBar.replaceChildren();
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
      choicesBar.replaceChildren();
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

  // The text size is the player's, made smaller where it would leave fewer
  // than 40 columns (a phone), so that the title box (36 columns) and every
  // line of the splash and the menus stay whole.
  const fewestColumns = 40;
  const smallestFitted = 8;
  let textSize = term.options.fontSize;
  let started = false;  // the game's main runs
  function fitTerminal() {
    const before = term.cols;
    const buffer = term.buffer.active;
    const atEnd = buffer.viewportY >= buffer.baseY;
    let size = textSize;
    term.options.fontSize = size;
    let proposed = fit.proposeDimensions();
    while (proposed && proposed.cols < fewestColumns && size > smallestFitted) {
      size -= 1;
      term.options.fontSize = size;
      proposed = fit.proposeDimensions();
    }
    fit.fit();
    if (term.cols !== before) layOutAgain();
    // A resized page scrolls its terminal on its own a moment later; the
    // end of the text stays in view if it was.
    if (atEnd) {
      term.scrollToBottom();
      requestAnimationFrame(() => term.scrollToBottom());
    }
  }
  // Every change of the terminal's room (the window, a phone turned, the
  // settings folded, the answers' buttons) fits it anew, once per frame.
  let fitting = false;
  new ResizeObserver(() => {
    if (fitting) return;
    fitting = true;
    requestAnimationFrame(() => {
      fitting = false;
      fitTerminal();
    });
  }).observe(terminalElement);

  // The game lays out the current screen again at the new width (wrapped at
  // blanks, in its colours); the page's own end note and the line being
  // typed follow it again.
  function layOutAgain() {
    if (!started) return;
    ccall('hulgorLayOutAgain', null, [], []);
    if (finished) term.write(`\x1b[0m\r\n${wrapped(endNote)}\r\n`);
    const current = line;
    if (current && current.start) {
      term.write('', () => {
        if (line !== current) return;
        if (current.start.marker) current.start.marker.dispose();
        current.start = { marker: term.registerMarker(0), x: term.buffer.active.cursorX };
      });
      term.write(current.text);
    }
    showChoices();
  }

  // The page's own note, wrapped at blanks as the game's text is.
  function wrapped(text) {
    const rows = [''];
    for (const word of text.split(' ')) {
      const row = rows[rows.length - 1];
      if (row && row.length + 1 + word.length > term.cols) rows.push(word);
      else rows[rows.length - 1] = row ? `${row} ${word}` : word;
    }
    return rows.join('\r\n');
  }

  // Answers the game waits for: the block of option lines above the prompt
  // ("N - …" in the story, "N. …" in the menus), each with the rows its text
  // was wrapped onto (a row is wrapped from the one above when its first
  // word would not have fitted there).
  const optionLine = /^\s*(\d+)(?: - |\. )/;
  const textOf = (y) => {
    const row = term.buffer.active.getLine(y);
    return row ? row.translateToString(true) : '';
  };
  const blank = (y) => textOf(y).trim() === '';
  const wrappedInto = (above, below) => {
    const firstWord = textOf(below).trimStart().split(' ')[0];
    return !blank(above) && textOf(above).length + 1 + firstWord.length > term.cols;
  };
  function answersOnScreen() {
    const buffer = term.buffer.active;
    let y = buffer.baseY + buffer.cursorY;
    while (y >= 0 && !blank(y) && !optionLine.test(textOf(y))) y--;  // the prompt's own rows
    const answers = [];
    while (y >= 0) {
      if (blank(y)) {
        y--;
        continue;
      }
      let first = y;
      while (first > 0 && !optionLine.test(textOf(first)) && wrappedInto(first - 1, first)) first--;
      const match = optionLine.exec(textOf(first));
      if (!match) break;
      const rows = [];
      for (let row = first; row <= y; row++) rows.push(textOf(row).trim());
      const cell = buffer.getLine(first).getCell(textOf(first).search(/\S/));
      answers.unshift({
        number: Number(match[1]), first, last: y, text: rows.join(' '),
        leads: Boolean(cell && !cell.isFgDefault() && cell.getFgColor() === 3),  // golden: the story goes on
      });
      y = first - 1;
    }
    return answers;
  }

  // Touch: a tap on an answer sends its number and Enter, as if typed; a tap
  // at a key wait is a key; at a line without answers (the name) it opens
  // the on-screen keyboard, which stays closed otherwise.
  const choicesBar = document.getElementById('choices');
  const textarea = () => terminalElement.querySelector('.xterm-helper-textarea');
  const touchScreen = () => document.body.classList.contains('touch');
  function typed(data) {
    if (finished) return;
    soundAllowed = true;
    ahead.push(data);
    serveKeys();
  }
  function choose(number) {
    typed(`${number}\r`);
    if (!touchScreen()) term.focus();  // the keys go on to the game
  }
  function keyboardWanted(wanted) {
    const input = textarea();
    if (input && touchScreen()) input.inputMode = wanted ? 'text' : 'none';
  }
  function openKeyboard() {
    keyboardWanted(true);
    textarea().blur();
    term.focus();
  }
  function button(label, action, leads) {
    const element = document.createElement('button');
    element.type = 'button';
    element.textContent = label;
    if (!leads) element.className = 'plain';
    element.addEventListener('click', action);
    return element;
  }
  // The answers as buttons under the terminal (touch screens, screen
  // readers); Continue at a key wait; the keyboard at the name.
  function showChoices() {
    term.scrollToBottom();  // what the game waits for is in view, whatever was scrolled
    const buttons = [];
    if (line && !finished) {
      const answers = answersOnScreen();
      for (const answer of answers) buttons.push(button(answer.text, () => choose(answer.number), answer.leads));
      if (answers.length === 0) buttons.push(button(words.keyboard, openKeyboard, false));
      keyboardWanted(answers.length === 0);
      if (answers.length === 0 && touchScreen()) term.focus();  // opens the keyboard where the browser lets it
    } else if (keyWaiter && !finished) {
      buttons.push(button(words.next, () => typed(' '), true));
      keyboardWanted(false);
    }
    choicesBar.replaceChildren(...buttons);
  }
  function tapped(y) {
    if (finished) return;
    if (keyWaiter && !line) {
      typed(' ');
      return;
    }
    if (!line) return;
    const answers = answersOnScreen();
    if (answers.length === 0) {
      openKeyboard();
      return;
    }
    const answer = answers.find((one) => y >= one.first && y <= one.last);
    if (answer) choose(answer.number);
  }
  // The buffer's row under a point of the screen; -1 outside the text.
  function rowAt(clientY) {
    const screen = terminalElement.querySelector('.xterm-screen').getBoundingClientRect();
    const row = Math.floor((clientY - screen.top) / (screen.height / term.rows));
    return row < 0 || row >= term.rows ? -1 : term.buffer.active.viewportY + row;
  }
  const markTouch = () => {
    if (touchScreen()) return;
    document.body.classList.add('touch');
    keyboardWanted(false);
    showChoices();
  };
  if (matchMedia('(pointer: coarse)').matches) document.body.classList.add('touch');
  window.addEventListener('pointerdown', (event) => {
    if (event.pointerType !== 'mouse') markTouch();
  }, true);
  let touchStart = null;  // where a finger went down on the terminal
  terminalElement.addEventListener('pointerdown', (event) => {
    touchStart = event.pointerType === 'mouse' ? null : { x: event.clientX, y: event.clientY };
  });
  terminalElement.addEventListener('pointercancel', () => { touchStart = null; });
  terminalElement.addEventListener('pointerup', (event) => {
    if (!touchStart || event.pointerType === 'mouse') return;
    const moved = Math.hypot(event.clientX - touchStart.x, event.clientY - touchStart.y);
    touchStart = null;
    if (moved <= 12) tapped(rowAt(event.clientY));  // a tap, not a swipe through the text
  });

  function finish() {
    if (finished) return;
    finished = true;
    choicesBar.replaceChildren();
    term.write(`\x1b[0m\r\n${wrapped(endNote)}\r\n\x1b[?25l`);
  }

  // The working folder lives in IndexedDB: loaded before the game starts.
  function start() {
    FS.mkdir(workingFolder);
    FS.chdir(workingFolder);
    HulgorStorage.load().then(() => {
      started = true;
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
    // The player's text size in pixels (page_settings.js).
    setTextSize(size) {
      textSize = size;
      fitTerminal();
    },
    showChoices,
    columns() { return term.cols; },
    pauseScale() { return fast ? 0.01 : 1; },
    nextKey() {
      if (ahead.length > 0) return Promise.resolve(takeKey());
      return new Promise((resolve) => {
        keyWaiter = resolve;
        drained().then(() => { if (keyWaiter === resolve) showChoices(); });
      });
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
          if (line === mine) showChoices();
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
