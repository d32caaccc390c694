# The frame around the story: the splash, the menus and their screens, the
# loading animation and the name prompt. Plain text: the code sets the
# colours and the indentation; {version} is filled in by the code.

=== made_by
A game by Tamlowen...

=== logo
Your logo could go here...

# The disclaimer, line by line (the splash centres each on its own).
=== disclaimer_progressive
This game is extremely progressive and contains female as well as queer characters.
=== disclaimer_fear
Players who are frightened by such themes should only play it together with their parents.
=== disclaimer_help
Better still: they should seek help and stop being opponents of such themes.
=== disclaimer_fiction
All characters are entirely fictional. Any resemblance to real persons is purely coincidental.
=== disclaimer_warning
Warning: This program contains a great many bad words and, owing to its horrifying content, should not be consumed by anyone.
=== disclaimer_autosave
This game saves automatically at certain intervals.
=== disclaimer_key
Press any key...

=== title_box
************************************
*      Hulgor - the Barbarian      *
************************************

=== menu_new_game
1. New Game
=== menu_load
2. Load Game
3. Version
4. Achievements
5. Credits
=== menu_permadeath_on
6. Permadeath: on
=== menu_permadeath_off
6. Permadeath: off
=== menu_quit
10. Quit Game
=== menu_prompt
~
Please choose an option by entering its NUMBER:\

=== version_number
~
Version: {version}
=== version_notes
This is a VERY EARLY build of the game. Not all content is available yet.
Bugs and errors may occur. Feel free to report them to me: tamlowen@example.org
The game will be expanded bit by bit in the coming updates.

=== achievements
Achievements are not available in this version yet!

=== credits
Programming: Tamlowen
Story: Tamlowen

=== quitting
~
Quitting the game...

# The loading animation's captions, one per frame.
=== loading_new_game
Loading new game...\
=== loading_still
Still loading...\
=== loading_question_marks
Loading question marks...\
=== loading_bugs
Loading bugs...\
=== loading_almost
Almost done...\

=== name_prompt
Enter your name:{_}\
=== nice_try
Nice try!
