// The working folder in the browser's IndexedDB. The game's files live in
// emscripten's file system in memory. A store writes only the files this tab
// changed since it last had them from the browser, so that two tabs of the
// page never undo each other's saves; a file this tab did not change is
// refreshed from the browser when another tab stored it.
//
// The layout is the one emscripten's IDBFS kept the files in before, so
// those saves still load: database "/hulgor", store FILE_DATA, each file
// under its path as { timestamp, mode, contents }. Each write adds a
// `generation` (one more than the file's last one; none counts as 0). A file
// deleted stays as { deleted, generation }, without a timestamp, so that
// readers that list the files by their timestamp never see it.
//
// Every load, store and refresh settles exactly once, however the browser
// refuses: a request that fails, a transaction aborted at commit (Chromium's
// full quota: every request succeeds, then QuotaExceededError), an
// exception. They run one after another.
var HulgorStorage = (() => {
  const folder = '/hulgor';
  const storeName = 'FILE_DATA';
  let opening = null;
  // path -> { contents, mode, timestamp, generation }: each file as this tab
  // last had it in the browser (contents null: deleted there).
  const kept = new Map();
  let queue = Promise.resolve();
  // Tells the other tabs that this one stored; each refreshes its folder.
  let channel = null;
  try {
    channel = new BroadcastChannel('hulgor-spielstand');
    channel.onmessage = () => refresh(true);
  } catch (error) {
    // no channel: the other tabs refresh before they load a save
  }
  const storage = {
    folder,
    // Told which files another tab stored or deleted, once they are here.
    onOtherTab: () => {},
  };

  function serially(job) {
    const run = queue.then(job);
    queue = run.catch(() => {});
    return run;
  }

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

  // One transaction; `work` queues its requests on the store and wraps
  // their handlers in `guard`. Resolves when the browser committed it,
  // rejects when it did not.
  function transaction(mode, work) {
    return database().then((db) => new Promise((resolve, reject) => {
      const tx = db.transaction(storeName, mode);
      const fail = (error) => {
        reject(error);
        try { tx.abort(); } catch (over) { /* already ended */ }
      };
      const guard = (handler) => () => {
        try {
          handler();
        } catch (error) {
          fail(error);
        }
      };
      tx.oncomplete = () => resolve();
      // A failed request aborts the transaction too: it ends here.
      tx.onabort = () => reject(tx.error || new DOMException('Abgebrochen', 'AbortError'));
      guard(() => work(tx.objectStore(storeName), guard))();
    }));
  }

  const generationOf = (record) => (record && Number.isSafeInteger(record.generation) ? record.generation : 0);
  const isFile = (record) => Boolean(record) && !record.deleted && record.contents != null && FS.isFile(record.mode);
  const isGone = (record) => Boolean(record) && record.deleted === true;

  function contentsOf(path) {
    return FS.analyzePath(path).exists ? FS.readFile(path) : null;
  }

  function same(one, other) {
    if (!one || !other) return !one && !other;
    if (one.length !== other.length) return false;
    for (let at = 0; at < one.length; at++) if (one[at] !== other[at]) return false;
    return true;
  }

  const keptContents = (path) => (kept.has(path) ? kept.get(path).contents : null);

  // The files this tab changed since it last had them from the browser:
  // path -> { contents, mode, timestamp }, or null for a file it deleted.
  function changes() {
    const changed = new Map();
    const present = new Set();
    for (const name of FS.readdir(folder)) {
      const path = `${folder}/${name}`;
      const stat = FS.stat(path);
      if (!FS.isFile(stat.mode)) continue;
      present.add(path);
      const contents = FS.readFile(path);
      if (!same(contents, keptContents(path))) changed.set(path, { contents, mode: stat.mode, timestamp: stat.mtime });
    }
    kept.forEach((entry, path) => { if (entry.contents && !present.has(path)) changed.set(path, null); });
    return changed;
  }

  // Stores what this tab changed; true when the browser committed it (or
  // there was nothing to store). A file whose stored copy vanished without
  // a trace (the site's data cleared) is stored again as this tab has it.
  // When the browser refused, the files this store took are given back
  // what the browser kept: the last good save.
  function store() {
    return serially(async () => {
      let changed = null;
      try {
        changed = changes();
        if (changed.size === 0) return true;
        const written = new Map();
        await transaction('readwrite', (files, guard) => {
          const paths = new Set(changed.keys());
          kept.forEach((entry, path) => { if (entry.contents) paths.add(path); });
          for (const path of paths) {
            const request = files.get(path);
            request.onsuccess = guard(() => {
              const stored = request.result;
              const mine = kept.get(path);
              if (changed.has(path)) {
                const file = changed.get(path);
                const generation = Math.max(generationOf(stored), mine ? mine.generation : 0) + 1;
                const record = file ? Object.assign({}, file, { generation }) : { deleted: true, generation };
                files.put(record, path);
                written.set(path, file ? record : { contents: null, generation });
              } else if (!stored) {
                files.put({
                  contents: mine.contents, mode: mine.mode, timestamp: mine.timestamp, generation: mine.generation,
                }, path);
              }
            });
          }
        });
        written.forEach((entry, path) => kept.set(path, entry));
        if (channel) channel.postMessage([...written.keys()]);
        return true;
      } catch (error) {
        console.warn('Hulgor: Spielstand nicht im Browser gespeichert', error);
        if (changed) giveBack(changed);
        return false;
      }
    });
  }

  function giveBack(changed) {
    try {
      changed.forEach((tried, path) => {
        const now = contentsOf(path);
        if (!same(now, tried && tried.contents)) return;  // written since: a later store's business
        const good = keptContents(path);
        if (good) FS.writeFile(path, good);
        else if (now) FS.unlink(path);
      });
    } catch (error) {
      console.warn('Hulgor: Ordner nicht zurückgesetzt', error);
    }
  }

  // Takes into the folder every file that the browser holds in a version
  // this tab has not seen (at the start: all of them), except the files
  // this tab changed itself; its next store writes those. A file gone from
  // the browser without a trace stays. Never fails: when the browser
  // refuses, the folder stays as it is. `announce`: another tab stored.
  function refresh(announce) {
    return serially(async () => {
      const found = new Map();
      try {
        await transaction('readonly', (files, guard) => {
          const request = files.openCursor();
          request.onsuccess = guard(() => {
            const cursor = request.result;
            if (!cursor) return;
            const name = typeof cursor.key === 'string' && cursor.key.startsWith(`${folder}/`)
              ? cursor.key.slice(folder.length + 1) : '/';
            if (!name.includes('/') && (isFile(cursor.value) || isGone(cursor.value))) found.set(cursor.key, cursor.value);
            cursor.continue();
          });
        });
      } catch (error) {
        console.warn('Hulgor: Spielstand im Browser nicht lesbar', error);
        return;
      }
      const taken = [];
      try {
        found.forEach((record, path) => {
          const mine = kept.get(path);
          const generation = generationOf(record);
          if (mine && mine.generation === generation) return;
          if (!same(contentsOf(path), keptContents(path))) return;
          if (isFile(record)) {
            const contents = new Uint8Array(record.contents);
            FS.writeFile(path, contents);
            kept.set(path, { contents, mode: record.mode, timestamp: record.timestamp, generation });
          } else {
            if (FS.analyzePath(path).exists) FS.unlink(path);
            kept.set(path, { contents: null, generation });
          }
          taken.push({ name: path.slice(folder.length + 1), deleted: !isFile(record) });
        });
      } catch (error) {
        console.warn('Hulgor: Spielstand nicht übernommen', error);
      }
      if (announce && taken.length > 0) storage.onOtherTab(taken);
    });
  }

  storage.load = () => refresh(false);
  // Before the game reads a save: what another tab stored since.
  storage.refresh = () => refresh(true);
  storage.store = store;
  return storage;
})();
