# What the game says around the story: Continue's and the save's messages,
# the key prompts, the banners, the hint line, the choice messages, the
# death screen, the console's own lines, --help and the refusals on
# standard error. Plain text; {file}, {folder}, {why}, {argument} and
# {version} are filled in by the code.

=== no_save_yet @bc9b354a
#| Kein Speicherstand vorhanden\
No saved game available\
=== loading_game @044d84c4
#| ~
#| Spiel wird geladen...
~
Loading game...
=== no_save_found @13bf0a01
#| ~
#| Kein Spielstand gefunden.
~
No saved game found.
=== saved @0d056c7f
#| ~
#| Spiel erfolgreich gespeichert.
~
Game saved successfully.
=== save_failed @56649a25
#| ~
#| Fehler beim Speichern des Spiels.
~
Error while saving the game.

# The key prompts; the two "end" prompts of the death screen differ in
# one capital, the journey's ends in "!".
=== any_key @47bae6c9
#| Drücke eine beliebige Taste, um fortzufahren.\
Press any key to continue.\
=== key @c7bffff5
#| Drücke eine Taste, um fortzufahren.\
Press a key to continue.\
=== key_to_end @1bd2f7e1
#| Drücke eine Taste, um zu Beenden.\
Press a key to End.\
=== key_to_end_lower @0f5771c1
#| Drücke eine Taste, um zu beenden.\
Press a key to end.\
=== journey_key @f578d22e
#| Drücke eine beliebige Taste um fortzufahren!\
Press any key to continue!\

=== sword_banner @8096dcf2
#| DU HAST EIN SCHWERT ERHALTEN!\
YOU HAVE RECEIVED A SWORD!\
=== ragnar_better_banner @d1e2d9e8
#| DEINE BEZIEHUNG ZU RAGNAR HAT SICH VERBESSERT.\
YOUR RELATIONSHIP WITH RAGNAR HAS IMPROVED.\
=== ragnar_worse_banner @4b7f4b3d
#| DEINE BEZIEHUNG ZU RAGNAR HAT SICH VERSCHLECHTERT.\
YOUR RELATIONSHIP WITH RAGNAR HAS WORSENED.\
=== bard_better_banner @c623b3a9
#| DEINE BEZIEHUNG ZU Bittersport HAT SICH VERBESSERT.\
YOUR RELATIONSHIP WITH Bittersport HAS IMPROVED.\

=== you_are_dead @0e5e128d
#| DU BIST TOT.\
YOU ARE DEAD.\

# The hint line in colour: the code prints the middle part in gold.
=== hint_before @a82bb1ef
#| (Dialogoptionen, welche die Handlung weiterführen, werden in{_}\
(Dialogue options that move the story on are shown in{_}\
=== hint_golden @66d19c02
#| goldener{_}\
gold{_}\
=== hint_after @c4b40cf6
#| Farbe angezeigt)\
color)\
# The hint line where colours are not shown.
=== plain_hint @4a04593c
#| (Dialogoptionen, welche die Handlung weiterführen, sind mit „(führt weiter)“ markiert)\
(Dialogue options that move the story on are marked “(moves on)”)\
=== plain_option_mark @aeabb6f4
#| {_}(führt weiter)\
{_}(moves on)\
=== plain_choice_prompt @8d10903a
#| Deine Wahl (Zahl, dann Enter):{_}\
Your choice (number, then Enter):{_}\

=== invalid_input @73a63b9d
#| ~
#| Ungültige Eingabe! Bitte eine Zahl eingeben!
~
Invalid input! Please enter a number!
=== invalid_choice @0cddcf0b
#| ~
#| Ungültige Auswahl!
~
Invalid choice!

# The console's own lines.
=== more_prompt @ae32428f
#| [weiter mit einer Taste]\
[press a key for more]\
=== short_more_prompt @8c485069
#| [weiter]\
[more]\
=== quit @978c3e2b
#| Das Programm wird beendet...
Exiting the program...
=== no_console_window @8882402f
#| Fehler: Konnte das Konsolenfenster nicht abrufen.
Error: Could not get the console window.
=== sound_failed @dadf8920
#| Fehler: Konnte Sound nicht abspielen. Prüfen Sie den Dateipfad.
Error: Could not play sound. Please check the file path.
=== transcript_broken @05bc64b2
#| Fehler: Die Mitschrift lässt sich nicht weiterschreiben; das Spiel geht ohne sie weiter.
Error: The transcript can no longer be written; the game goes on without it.
=== no_console_handle @ee9758f2
#| Fehler: Konnte Konsolenhandle nicht abrufen.
Error: Could not get the console handle.
=== no_font_info @72b43363
#| Fehler: Konnte aktuelle Schriftartinformationen nicht abrufen.
Error: Could not get the current font information.
=== no_font_size @20b02865
#| Fehler: Konnte Schriftgröße nicht setzen.
Error: Could not set the font size.

# The command line: --version, --help and the refusals.
=== version_line @52db6641
#| Version: {version}
Version: {version}
=== help @6fa6ded7
#| Hulgor – der Barbar: ein Textabenteuer auf Deutsch für die Konsole.
#| ~
#| Aufruf: hulgor [OPTIONEN]
#| ~
#|   --plain             schlichter Text, etwa für Screenreader: keine Farben,
#|                       kein Löschen des Bildschirms, wörtliche Rede in „…“,
#|                       weiterführende Antworten in Worten markiert
#|                       (ebenso mit TERM=dumb; NO_COLOR schaltet die Farben ab
#|                       und markiert Rede und Antworten ebenso)
#|   --transcript DATEI  eine Mitschrift an DATEI anhängen: alles, was das Spiel
#|                       zeigt und du eingibst, ohne Steuerzeichen
#|   --fast              Pausen und Ladeanimation ohne Warten
#|   --no-sound          keine Klänge abspielen und keine Fehler dazu melden
#|   --lang SPRACHE      de: Deutsch (Vorgabe), en: Englisch (English);
#|                       ebenso HULGOR_LANG=en
#|   --help              diese Hilfe
#|   --version           die Version
#| ~
#| Das Spiel schreibt in den Ordner, in dem es gestartet wird:
#|   savegame.txt    der Spielstand
#|   name.txt        der Name deines Helden
#|   permadeath.txt  ob Permadeath eingeschaltet ist
Hulgor the Barbarian: a text adventure in English for the console.
~
Usage: hulgor [OPTIONS]
~
  --plain             plain text, e.g. for screen readers: no colors,
                      no clearing of the screen, speech in “…”,
                      answers that move the story on marked in words
                      (likewise with TERM=dumb; NO_COLOR turns the colors
                      off and marks speech and answers the same way)
  --transcript FILE   append a transcript to FILE: everything the game
                      shows and you type, without control characters
  --fast              pauses and loading animation without waiting
  --no-sound          play no sounds and report no errors about them
  --lang LANGUAGE     de: German (the default), en: English;
                      likewise HULGOR_LANG=en
  --help              this help
  --version           the version
~
The game writes to the folder it is started in:
  savegame.txt    the saved game
  name.txt        your hero's name
  permadeath.txt  whether Permadeath is on
=== help_no_sounds @7150e90b
#| Klänge spielt diese Ausgabe des Spiels nicht ab.
This edition of the game plays no sounds.
=== help_sounds_beside_program @ab520058
#| Seine Klänge (.wav) sucht es zuerst dort, dann im Ordner von hulgor.exe.
It looks for its sounds (.wav) there first, then in the folder of hulgor.exe.
=== help_sounds_installed @308522a3
#| Seine Klänge (.wav) sucht es zuerst dort, dann in {folder}.
It looks for its sounds (.wav) there first, then in {folder}.
=== help_sounds_here @8aa35686
#| Seine Klänge (.wav) sucht es im selben Ordner.
It looks for its sounds (.wav) in the same folder.
=== refusal @1d981b00
#| hulgor: {why}
#| Mit --help siehst du alle Optionen.
hulgor: {why}
Use --help to see all options.
=== transcript_needs_file @a47870ef
#| --transcript braucht einen Dateinamen.\
--transcript needs a file name.\
=== unknown_option @e234cf32
#| unbekannte Option „{argument}“.\
unknown option “{argument}”.\
=== transcript_kept_file @c85768d3
#| hulgor: In „{file}“ schreibt das Spiel selbst; die Mitschrift braucht eine andere Datei.
hulgor: The game writes to “{file}” itself; the transcript needs a different file.
=== transcript_not_a_file @49635347
#| hulgor: Die Mitschrift „{file}“ ist weder eine gewöhnliche Datei noch ein Terminal.
hulgor: The transcript “{file}” is neither a regular file nor a terminal.
=== transcript_not_opened @265e2de5
#| hulgor: Die Mitschrift „{file}“ lässt sich nicht öffnen.
hulgor: The transcript “{file}” cannot be opened.
=== failure @2edb83d3
#| Fehler: {why}
Error: {why}

# Where no colour is shown, speech is set in these quotation marks.
=== speech_opens @83d75815
#| „\
“\
=== speech_closes @9c3fdd4f
#| “\
”\
=== inner_speech_opens @edf976e9
#| ‚\
‘\
=== inner_speech_closes @897aff63
#| ‘\
’\

# An unknown language is refused in both: the German line, then the English.
=== unknown_language @d2aabfc3
#| hulgor: unbekannte Sprache „{argument}“; das Spiel spricht de (Deutsch) und en (Englisch).
hulgor: unknown language “{argument}”; the game speaks de (German) and en (English).
