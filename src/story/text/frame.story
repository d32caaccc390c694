# The frame around the story: the splash, the menus and their screens, the
# loading animation and the name prompt. Plain text: the code sets the
# colours and the indentation; {version} is filled in by the code.

=== made_by
Ein Spiel von Tamlowen...

=== logo
Hier könnte Ihr Logo stehen...

# The disclaimer, line by line (the splash centres each on its own).
=== disclaimer_progressive
Dieses Spiel ist äußerst progressiv und enthält weibliche sowie queere Charaktere.
=== disclaimer_fear
Spieler, denen solche Themen Angst machen, sollten es nur gemeinsam mit ihren Eltern spielen.
=== disclaimer_help
Besser noch: Sie sollten sich Hilfe suchen und aufhören, Gegner solcher Themen zu sein.
=== disclaimer_fiction
Alle Charaktere sind frei erfunden. Ähnlichkeiten mit realen Personen sind rein zufällig.
=== disclaimer_warning
Warnung: Dieses Programm enthält sehr viele böse Wörter und sollte wegen seines grauenvollen Inhalts von niemandem konsumiert werden.
=== disclaimer_autosave
Dieses Spiel speichert automatisch in bestimmten Abständen.
=== disclaimer_key
Drücke eine beliebige Taste...

=== title_box
************************************
*        Hulgor - der Barbar       *
************************************

=== menu_new_game
1. Neues Spiel
=== menu_load
2. Spiel laden
3. Version
4. Erfolge
5. Credits
=== menu_permadeath_on
6. Permadeath: an
=== menu_permadeath_off
6. Permadeath: aus
=== menu_quit
10. Spiel beenden
=== menu_prompt
~
Bitte wähle eine Option, indem du die ZAHL dazu eingibst:\

=== version_number
~
Version: {version}
=== version_notes
Dies ist ein SEHR FRÜHER Build des Spiels. Es sind noch nicht alle Inhalte verfügbar.
Es kann zu Bugs und Fehlern kommen. Diese gerne an mich melden: tamlowen@example.org
Im Rahmen der kommenden Updates wird das Spiel nach und nach erweitert.

=== achievements
Erfolge sind in dieser Version noch nicht verfügbar!

=== credits
Programmierung: Tamlowen
Story: Tamlowen

=== quitting
~
Spiel wird beendet...

# The loading animation's captions, one per frame.
=== loading_new_game
Lade neues Spiel...\
=== loading_still
Es lädt immer noch...\
=== loading_question_marks
Lade Fragezeichen...\
=== loading_bugs
Lade Bugs...\
=== loading_almost
Gleich fertig...\

=== name_prompt
Gib deinen Namen ein:{_}\
=== nice_try
Netter Versuch!
