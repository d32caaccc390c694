// The working folder in the browser's IndexedDB. The game's files live in
// emscripten's file system in memory; after each write the whole folder is
// stored in one transaction. The layout is the one emscripten's IDBFS kept
// them in before, so those saves still load: database "/hulgor", store
// FILE_DATA, each file under its path.
//
// Every load and store settles exactly once, however the browser refuses:
// a request that fails, a transaction aborted at commit (Chromium's full
// quota: every request succeeds, then QuotaExceededError), an exception.
var HulgorStorage = (() => {
  const folder = '/hulgor';
  const storeName = 'FILE_DATA';
  let opening = null;
  let kept = new Map();  // path -> entry: what the browser holds, as far as known

  function database() {
    if (!opening) {
      opening = new Promise((resolve, reject) => {
        const request = indexedDB.open(folder, 21);
        request.onupgradeneeded = () => {
          const db = request.result;
          const store = db.objectStoreNames.contains(storeName)
            ? request.transaction.objectStore(storeName) : db.createObjectStore(storeName);
          if (!store.indexNames.contains('timestamp')) store.createIndex('timestamp', 'timestamp', { unique: false });
        };
        request.onsuccess = () => {
          const db = request.result;
          // Closed by the browser, or to be deleted: opened anew next time.
          db.onclose = db.onversionchange = () => {
            db.close();
            if (opening === mine) opening = null;
          };
          resolve(db);
        };
        request.onerror = () => reject(request.error);
      });
      const mine = opening;
      mine.catch(() => { if (opening === mine) opening = null; });
    }
    return opening;
  }

  // One transaction; `work` queues its requests on the store. Resolves when
  // the browser committed it, rejects when it did not.
  function transaction(mode, work) {
    return database().then((db) => new Promise((resolve, reject) => {
      const tx = db.transaction(storeName, mode);
      tx.oncomplete = () => resolve();
      // A failed request aborts the transaction too: it ends here.
      tx.onabort = () => reject(tx.error || new DOMException('Abgebrochen', 'AbortError'));
      try {
        work(tx.objectStore(storeName));
      } catch (error) {
        reject(error);
        try { tx.abort(); } catch (over) { /* already ended */ }
      }
    }));
  }

  function filesNow() {
    const files = new Map();
    for (const name of FS.readdir(folder)) {
      const path = `${folder}/${name}`;
      const stat = FS.stat(path);
      if (!FS.isFile(stat.mode)) continue;
      files.set(path, { timestamp: stat.mtime, mode: stat.mode, contents: FS.readFile(path) });
    }
    return files;
  }

  function contentsOf(path) {
    return FS.analyzePath(path).exists ? FS.readFile(path) : null;
  }

  function same(one, other) {
    if (!one || !other) return !one && !other;
    return one.length === other.length && one.every((byte, at) => byte === other[at]);
  }

  // Reads the stored files into the folder before the game starts; never
  // fails. When the browser refuses, the game starts without a save.
  async function load() {
    const found = new Map();
    try {
      await transaction('readonly', (store) => {
        const request = store.openCursor();
        request.onsuccess = () => {
          const cursor = request.result;
          if (!cursor) return;
          const name = typeof cursor.key === 'string' && cursor.key.startsWith(`${folder}/`)
            ? cursor.key.slice(folder.length + 1) : '/';
          if (!name.includes('/') && cursor.value && FS.isFile(cursor.value.mode)) found.set(cursor.key, cursor.value);
          cursor.continue();
        };
      });
      found.forEach((entry, path) => FS.writeFile(path, new Uint8Array(entry.contents)));
      kept = filesNow();
    } catch (error) {
      console.warn('Hulgor: Spielstand im Browser nicht lesbar', error);
    }
  }

  // Stores the folder as it is now (nothing to do when it holds what the
  // browser keeps); true when the browser committed it. When it refused,
  // the files this store took are given back what the browser kept (a file
  // written since then is a later store's business).
  async function store() {
    let taken = null;
    try {
      taken = filesNow();
      if (taken.size === kept.size && [...taken.keys()].every((path) => kept.has(path)
          && same(taken.get(path).contents, kept.get(path).contents))) return true;
      await transaction('readwrite', (files) => {
        taken.forEach((entry, path) => files.put(entry, path));
        for (const path of kept.keys()) if (!taken.has(path)) files.delete(path);
      });
      kept = taken;
      return true;
    } catch (error) {
      console.warn('Hulgor: Spielstand nicht im Browser gespeichert', error);
      if (taken) giveBack(taken);
      return false;
    }
  }

  function giveBack(taken) {
    try {
      for (const path of new Set([...taken.keys(), ...kept.keys()])) {
        const now = contentsOf(path);
        const tried = taken.get(path);
        if (!same(now, tried && tried.contents)) continue;
        const good = kept.get(path);
        if (good) FS.writeFile(path, good.contents);
        else if (now) FS.unlink(path);
      }
    } catch (error) {
      console.warn('Hulgor: Ordner nicht zurückgesetzt', error);
    }
  }

  return { folder, load, store };
})();
