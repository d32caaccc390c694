# The frame around the story: the splash, the menus and their screens, the
# loading animation and the name prompt. Plain text: the code sets the
# colours and the indentation; {version} is filled in by the code.

=== made_by @357b47ae
#| Ein Spiel von Tamlowen...
A game by Tamlowen...

=== logo @f5bf1d3f
#| Hier könnte Ihr Logo stehen...
Your logo could go here...

# The disclaimer, line by line (the splash centres each on its own).
=== disclaimer_progressive @180d7594
#| Dieses Spiel ist äußerst progressiv und enthält weibliche sowie queere Charaktere.
This game is extremely progressive and contains female as well as queer characters.
=== disclaimer_fear @b4bcf491
#| Spieler, denen solche Themen Angst machen, sollten es nur gemeinsam mit ihren Eltern spielen.
Players who are frightened by such themes should only play it together with their parents.
=== disclaimer_help @62a77760
#| Besser noch: Sie sollten sich Hilfe suchen und aufhören, Gegner solcher Themen zu sein.
Better still: they should seek help and stop opposing such themes.
=== disclaimer_fiction @56ee2cb4
#| Alle Charaktere sind frei erfunden. Ähnlichkeiten mit realen Personen sind rein zufällig.
All characters are entirely fictional. Any resemblance to real persons is purely coincidental.
=== disclaimer_warning @fd1c0c1b
#| Warnung: Dieses Programm enthält sehr viele böse Wörter und sollte wegen seines grauenvollen Inhalts von niemandem konsumiert werden.
Warning: This program contains a great many bad words and, owing to its horrifying content, should not be consumed by anyone.
=== disclaimer_autosave @0970d2f9
#| Dieses Spiel speichert automatisch in bestimmten Abständen.
This game saves automatically at certain intervals.
=== disclaimer_key @41c7949b
#| Drücke eine beliebige Taste...
Press any key...

=== title_box @5c645aae
#| ************************************
#| *        Hulgor - der Barbar       *
#| ************************************
************************************
*      Hulgor - the Barbarian      *
************************************

=== menu_new_game @e125688d
#| 1. Neues Spiel
1. New Game
=== menu_load @0f2c60f2
#| 2. Spiel laden
#| 3. Version
#| 4. Erfolge
#| 5. Credits
2. Load Game
3. Version
4. Achievements
5. Credits
=== menu_permadeath_on @1bfd7ba7
#| 6. Permadeath: an
6. Permadeath: on
=== menu_permadeath_off @88ecff8b
#| 6. Permadeath: aus
6. Permadeath: off
=== menu_quit @728a9dce
#| 10. Spiel beenden
10. Quit Game
=== menu_prompt @fde5fe76
#| ~
#| Bitte wähle eine Option, indem du die ZAHL dazu eingibst:\
~
Please choose an option by entering its NUMBER:\

=== version_number @191ad2dd
#| ~
#| Version: {version}
~
Version: {version}
=== version_notes @818afce3
#| Dies ist ein SEHR FRÜHER Build des Spiels. Es sind noch nicht alle Inhalte verfügbar.
#| Es kann zu Bugs und Fehlern kommen. Diese gerne an mich melden: tamlowen@example.org
#| Im Rahmen der kommenden Updates wird das Spiel nach und nach erweitert.
This is a VERY EARLY build of the game. Not all content is available yet.
Bugs and errors may occur. Feel free to report them to me: tamlowen@example.org
The game will be expanded bit by bit in the coming updates.

=== achievements @37da093b
#| Erfolge sind in dieser Version noch nicht verfügbar!
Achievements are not available in this version yet!

=== credits @51ef48d1
#| Programmierung: Tamlowen
#| Story: Tamlowen
Programming: Tamlowen
Story: Tamlowen

=== quitting @6d700dd5
#| ~
#| Spiel wird beendet...
~
Quitting the game...

# The loading animation's captions, one per frame.
=== loading_new_game @360411d6
#| Lade neues Spiel...\
Loading new game...\
=== loading_still @62d661c4
#| Es lädt immer noch...\
Still loading...\
=== loading_question_marks @ce84c3f2
#| Lade Fragezeichen...\
Loading question marks...\
=== loading_bugs @7afcc7d8
#| Lade Bugs...\
Loading bugs...\
=== loading_almost @e674d69e
#| Gleich fertig...\
Almost done...\

=== name_prompt @25d9b8a2
#| Gib deinen Namen ein:{_}\
Enter your name:{_}\
=== nice_try @a384e982
#| Netter Versuch!
Nice try!
