// Saves that can be taken along: the three game files as one small file to
// download, and such a file read back. A file that is not one changes
// nothing; a good one replaces the stored files in one step.
(() => {
  const names = ['savegame.txt', 'name.txt', 'permadeath.txt'];
  const labels = HulgorCheckpointLabels;  // generated from the game's table
  const game = 'Hulgor – der Barbar';  // the file's own mark, the same in every language
  const words = HulgorLanguage.text;  // the page's words in its language
  const largest = 8 * 1024 * 1024;
  const status = document.getElementById('status');
  const say = (text) => {
    status.textContent = text;
    HulgorWeb.term.focus();  // the keys go on to the game
  };
  const path = (name) => `${HulgorWeb.workingFolder}/${name}`;

  function toBase64(bytes) {
    let text = '';
    for (let at = 0; at < bytes.length; at += 0x8000) text += String.fromCharCode(...bytes.subarray(at, at + 0x8000));
    return btoa(text);
  }
  function fromBase64(text) {
    return Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
  }
  // FNV-1a over each file's name and bytes: a damaged copy does not load.
  function checksum(files) {
    let hash = 0x811c9dc5;
    const add = (byte) => { hash = Math.imul(hash ^ byte, 0x01000193) >>> 0; };
    for (const name of names) {
      if (!files[name]) continue;
      for (const byte of new TextEncoder().encode(name)) add(byte);
      for (const byte of files[name]) add(byte);
    }
    return hash.toString(16);
  }

  document.getElementById('download').addEventListener('click', () => {
    const files = {};
    for (const name of names) {
      try {
        files[name] = FS.readFile(path(name));
      } catch (error) {
        // not there: not in the download either
      }
    }
    if (Object.keys(files).length === 0) return say(words.nothingToDownload);
    const encoded = {};
    for (const name of Object.keys(files)) encoded[name] = toBase64(files[name]);
    const text = JSON.stringify({ spiel: game, format: 1, pruefsumme: checksum(files), dateien: encoded });
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([text], { type: 'application/json' }));
    link.download = words.downloadName;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
    say(words.downloaded + words.downloadName);
  });

  // The files a download holds, or the reason it is none.
  function read(text) {
    let content;
    try {
      content = JSON.parse(text);
    } catch (error) {
      content = null;
    }
    if (!content || content.spiel !== game || content.format !== 1 || typeof content.dateien !== 'object') {
      throw new Error(words.notASave);
    }
    const files = {};
    try {
      for (const name of Object.keys(content.dateien)) {
        const encoded = content.dateien[name];
        if (!names.includes(name) || typeof encoded !== 'string') throw new Error(name);
        files[name] = fromBase64(encoded);
      }
    } catch (error) {
      throw new Error(words.damaged);
    }
    // A file without a save would only delete the one stored.
    const save = files['savegame.txt'];
    const label = save ? new TextDecoder().decode(save).split('\n')[0].replace(/\r$/, '') : null;
    if (content.pruefsumme !== checksum(files) || !labels.includes(label)) {
      throw new Error(words.damaged);
    }
    return files;
  }

  // Another tab stored or deleted the save: this tab now has it as well.
  HulgorStorage.onOtherTab = (taken) => {
    const save = taken.find((file) => file.name === 'savegame.txt');
    if (!save) return;
    say(save.deleted ? words.otherTabDeleted : words.otherTabSaved);
  };

  const upload = document.getElementById('upload');
  upload.addEventListener('change', async () => {
    const file = upload.files[0];
    upload.value = '';
    if (!file) return;
    let files;
    try {
      if (file.size > largest) throw new Error(words.tooLarge);
      files = read(await file.text());
    } catch (error) {
      return say(`${error.message} ${words.nothingChanged}`);
    }
    for (const name of names) {
      if (files[name]) FS.writeFile(path(name), files[name]);
      else if (FS.analyzePath(path(name)).exists) FS.unlink(path(name));
    }
    const stored = await HulgorWeb.persist();
    say(stored ? words.uploaded : words.notStored);
  });
})();
