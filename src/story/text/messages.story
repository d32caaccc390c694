# What the game says around the story: Continue's and the save's messages,
# the key prompts, the banners, the hint line, the choice messages, the
# death screen, the console's own lines, --help and the refusals on
# standard error. Plain text; {file}, {folder}, {why}, {argument} and
# {version} are filled in by the code.

=== no_save_yet
Kein Speicherstand vorhanden\
=== loading_game
~
Spiel wird geladen...
=== no_save_found
~
Kein Spielstand gefunden.
=== saved
~
Spiel erfolgreich gespeichert.
=== save_failed
~
Fehler beim Speichern des Spiels.

# The key prompts; the two "beenden" prompts of the death screen differ in
# one capital, the journey's has no comma.
=== any_key
Drücke eine beliebige Taste, um fortzufahren.\
=== key
Drücke eine Taste, um fortzufahren.\
=== key_to_end
Drücke eine Taste, um zu Beenden.\
=== key_to_end_lower
Drücke eine Taste, um zu beenden.\
=== journey_key
Drücke eine beliebige Taste um fortzufahren!\

=== sword_banner
DU HAST EIN SCHWERT ERHALTEN!\
=== ragnar_better_banner
DEINE BEZIEHUNG ZU RAGNAR HAT SICH VERBESSERT.\
=== ragnar_worse_banner
DEINE BEZIEHUNG ZU RAGNAR HAT SICH VERSCHLECHTERT.\
=== bard_better_banner
DEINE BEZIEHUNG ZU Bittersport HAT SICH VERBESSERT.\

=== you_are_dead
DU BIST TOT.\

# The hint line in colour: the code prints the middle part in gold.
=== hint_before
(Dialogoptionen, welche die Handlung weiterführen, werden in{_}\
=== hint_golden
goldener{_}\
=== hint_after
Farbe angezeigt)\
# The hint line where colours are not shown.
=== plain_hint
(Dialogoptionen, welche die Handlung weiterführen, sind mit „(führt weiter)“ markiert)\
=== plain_option_mark
{_}(führt weiter)\
=== plain_choice_prompt
Deine Wahl (Zahl, dann Enter):{_}\

=== invalid_input
~
Ungültige Eingabe! Bitte eine Zahl eingeben!
=== invalid_choice
~
Ungültige Auswahl!

# The console's own lines.
=== more_prompt
[weiter mit einer Taste]\
=== short_more_prompt
[weiter]\
=== quit
Das Programm wird beendet...
=== no_console_window
Fehler: Konnte das Konsolenfenster nicht abrufen.
=== sound_failed
Fehler: Konnte Sound nicht abspielen. Prüfen Sie den Dateipfad.
=== transcript_broken
Fehler: Die Mitschrift lässt sich nicht weiterschreiben; das Spiel geht ohne sie weiter.
=== no_console_handle
Fehler: Konnte Konsolenhandle nicht abrufen.
=== no_font_info
Fehler: Konnte aktuelle Schriftartinformationen nicht abrufen.
=== no_font_size
Fehler: Konnte Schriftgröße nicht setzen.

# The command line: --version, --help and the refusals.
=== version_line
Version: {version}
=== help
Hulgor – der Barbar: ein Textabenteuer auf Deutsch für die Konsole.
~
Aufruf: hulgor [OPTIONEN]
~
  --plain             schlichter Text, etwa für Screenreader: keine Farben,
                      kein Löschen des Bildschirms, wörtliche Rede in „…“,
                      weiterführende Antworten in Worten markiert
                      (ebenso mit TERM=dumb; NO_COLOR schaltet die Farben ab
                      und markiert Rede und Antworten ebenso)
  --transcript DATEI  eine Mitschrift an DATEI anhängen: alles, was das Spiel
                      zeigt und du eingibst, ohne Steuerzeichen
  --fast              Pausen und Ladeanimation ohne Warten
  --no-sound          keine Klänge abspielen und keine Fehler dazu melden
  --lang SPRACHE      de: Deutsch (Vorgabe), en: Englisch (English);
                      ebenso HULGOR_LANG=en
  --help              diese Hilfe
  --version           die Version
~
Das Spiel schreibt in den Ordner, in dem es gestartet wird:
  savegame.txt    der Spielstand
  name.txt        der Name deines Helden
  permadeath.txt  ob Permadeath eingeschaltet ist
=== help_no_sounds
Klänge spielt diese Ausgabe des Spiels nicht ab.
=== help_sounds_beside_program
Seine Klänge (.wav) sucht es zuerst dort, dann im Ordner von hulgor.exe.
=== help_sounds_installed
Seine Klänge (.wav) sucht es zuerst dort, dann in {folder}.
=== help_sounds_here
Seine Klänge (.wav) sucht es im selben Ordner.
=== refusal
hulgor: {why}
Mit --help siehst du alle Optionen.
=== transcript_needs_file
--transcript braucht einen Dateinamen.\
=== unknown_option
unbekannte Option „{argument}“.\
=== transcript_kept_file
hulgor: In „{file}“ schreibt das Spiel selbst; die Mitschrift braucht eine andere Datei.
=== transcript_not_a_file
hulgor: Die Mitschrift „{file}“ ist weder eine gewöhnliche Datei noch ein Terminal.
=== transcript_not_opened
hulgor: Die Mitschrift „{file}“ lässt sich nicht öffnen.
=== failure
Fehler: {why}

# Where no colour is shown, speech is set in these quotation marks.
=== speech_opens
„\
=== speech_closes
“\
=== inner_speech_opens
‚\
=== inner_speech_closes
‘\

# An unknown language is refused in both: the German line, then the English.
=== unknown_language
hulgor: unbekannte Sprache „{argument}“; das Spiel spricht de (Deutsch) und en (Englisch).
