// The page's language: German, or English when the player chose it in the
// settings (kept with them in localStorage; German when nothing is kept).
// Every word the page shows of its own is in the table below; the page's
// labels are set from it here, before anything else of the page runs. The
// game learns the language from HULGOR_LANG, set before its main starts, as
// `hulgor --lang` or the environment would set it elsewhere. Built into
// hulgor.js first, so it shares the module's scope (Module, ENV).
var HulgorLanguage = (() => {
  const settingsKey = 'hulgor-einstellungen';  // the settings' entry (page_settings.js)
  const words = {
    de: {
      title: 'Hulgor – der Barbar',
      help: 'Tippe die Zahl einer Antwort und drücke Enter; „Drücke eine Taste“ wartet auf eine beliebige Taste. '
        + 'Auf einem Touchscreen tippst du eine Antwort an, und ein Tippen auf den Text ist die Taste. '
        + 'Der Spielstand bleibt in diesem Browser.',
      settings: 'Einstellungen',
      language: 'Sprache',
      labels: {
        larger: 'Schrift größer', smaller: 'Schrift kleiner', reset: 'Normale Schriftgröße',
        contrast: 'Hoher Kontrast', reader: 'Screenreader-Modus', download: 'Spielstand herunterladen',
        upload: 'Spielstand hochladen', menu: 'Einstellungen',
      },
      answers: 'Antworten',
      next: 'Weiter',
      keyboard: 'Tastatur öffnen',
      endNote: 'Du kannst diese Seite jetzt schließen oder neu laden.',
      downloadName: 'hulgor-spielstand.json',
      nothingToDownload: 'Es gibt noch keinen Spielstand zum Herunterladen.',
      downloaded: 'Spielstand heruntergeladen: ',
      notASave: 'Diese Datei ist kein Spielstand von Hulgor – der Barbar.',
      damaged: 'Dieser Spielstand ist beschädigt.',
      tooLarge: 'Diese Datei ist zu groß für einen Spielstand.',
      nothingChanged: 'Es wurde nichts geändert.',
      uploaded: 'Spielstand hochgeladen. Im Titelmenü setzt „2. Spiel laden“ ihn fort.',
      notStored: 'Der Browser hat den Spielstand nicht gespeichert. Es wurde nichts geändert.',
      otherTabDeleted: 'Ein anderer Tab hat den Spielstand gelöscht; dieser Tab hat jetzt auch keinen.',
      otherTabSaved: 'Ein anderer Tab hat gespeichert; dieser Tab nutzt jetzt dessen Spielstand.',
    },
    en: {
      title: 'Hulgor the Barbarian',
      help: 'Type the number of an answer and press Enter; “Press any key” waits for any key. '
        + 'On a touch screen, tap an answer; a tap on the text is the key. '
        + 'Your saved game stays in this browser.',
      settings: 'Settings',
      language: 'Language',
      labels: {
        larger: 'Larger text', smaller: 'Smaller text', reset: 'Normal text size',
        contrast: 'High contrast', reader: 'Screen reader mode', download: 'Download saved game',
        upload: 'Upload saved game', menu: 'Settings',
      },
      answers: 'Answers',
      next: 'Continue',
      keyboard: 'Open keyboard',
      endNote: 'You can close or reload this page now.',
      downloadName: 'hulgor-savegame.json',
      nothingToDownload: 'There is no saved game to download yet.',
      downloaded: 'Saved game downloaded: ',
      notASave: 'This file is not a saved game of Hulgor the Barbarian.',
      damaged: 'This saved game is damaged.',
      tooLarge: 'This file is too large for a saved game.',
      nothingChanged: 'Nothing was changed.',
      uploaded: 'Saved game uploaded. “2. Load Game” in the title menu resumes it.',
      notStored: 'The browser did not store the saved game. Nothing was changed.',
      otherTabDeleted: 'Another tab deleted the saved game; this tab has none now either.',
      otherTabSaved: 'Another tab saved; this tab now uses its saved game.',
    },
  };
  let code = 'de';
  try {
    const kept = JSON.parse(localStorage.getItem(settingsKey) || '{}');
    if (kept && Object.prototype.hasOwnProperty.call(words, kept.language)) code = kept.language;
  } catch (error) {
    // storage switched off, or a damaged entry: German
  }
  const text = words[code];

  document.documentElement.lang = code;
  document.title = text.title;
  document.querySelector('h1').textContent = text.title;
  document.querySelector('header p').textContent = text.help;
  document.getElementById('settings').setAttribute('aria-label', text.settings);
  for (const id of Object.keys(text.labels)) {
    (document.querySelector(`label[for=${id}]`) || document.getElementById(id)).textContent = text.labels[id];
  }
  document.getElementById('choices').setAttribute('aria-label', text.answers);
  const choice = document.getElementById('language');
  choice.setAttribute('aria-label', text.language);
  choice.value = code;

  // The game reads HULGOR_LANG as it starts (emscripten's environment is
  // filled in before main).
  Module['preRun'] = [].concat(Module['preRun'] || [], () => { ENV['HULGOR_LANG'] = code; });

  return { settingsKey, code, text };
})();
