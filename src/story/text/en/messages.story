# What the game says around the story: Continue's and the save's messages,
# the key prompts, the banners, the hint line, the choice messages, the
# death screen, the console's own lines, --help and the refusals on
# standard error. Plain text; {file}, {folder}, {why}, {argument} and
# {version} are filled in by the code.

=== no_save_yet
No saved game available\
=== loading_game
~
Loading game...
=== no_save_found
~
No saved game found.
=== saved
~
Game saved successfully.
=== save_failed
~
Error while saving the game.

# The key prompts; the two "end" prompts of the death screen differ in
# one capital, the journey's ends in "!".
=== any_key
Press any key to continue.\
=== key
Press a key to continue.\
=== key_to_end
Press a key to End.\
=== key_to_end_lower
Press a key to end.\
=== journey_key
Press any key to continue!\

=== sword_banner
YOU HAVE RECEIVED A SWORD!\
=== ragnar_better_banner
YOUR RELATIONSHIP WITH RAGNAR HAS IMPROVED.\
=== ragnar_worse_banner
YOUR RELATIONSHIP WITH RAGNAR HAS WORSENED.\
=== bard_better_banner
YOUR RELATIONSHIP WITH Bittersport HAS IMPROVED.\

=== you_are_dead
YOU ARE DEAD.\

# The hint line in colour: the code prints the middle part in gold.
=== hint_before
(Dialogue options that move the story on are shown in{_}\
=== hint_golden
gold{_}\
=== hint_after
color)\
# The hint line where colours are not shown.
=== plain_hint
(Dialogue options that move the story on are marked “(moves on)”)\
=== plain_option_mark
{_}(moves on)\
=== plain_choice_prompt
Your choice (number, then Enter):{_}\

=== invalid_input
~
Invalid input! Please enter a number!
=== invalid_choice
~
Invalid choice!

# The console's own lines.
=== more_prompt
[press a key for more]\
=== short_more_prompt
[more]\
=== quit
Exiting the program...
=== no_console_window
Error: Could not get the console window.
=== sound_failed
Error: Could not play sound. Please check the file path.
=== transcript_broken
Error: The transcript can no longer be written; the game goes on without it.
=== no_console_handle
Error: Could not get the console handle.
=== no_font_info
Error: Could not get the current font information.
=== no_font_size
Error: Could not set the font size.

# The command line: --version, --help and the refusals.
=== version_line
Version: {version}
=== help
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
=== help_no_sounds
This edition of the game plays no sounds.
=== help_sounds_beside_program
It looks for its sounds (.wav) there first, then in the folder of hulgor.exe.
=== help_sounds_installed
It looks for its sounds (.wav) there first, then in {folder}.
=== help_sounds_here
It looks for its sounds (.wav) in the same folder.
=== refusal
hulgor: {why}
Use --help to see all options.
=== transcript_needs_file
--transcript needs a file name.\
=== unknown_option
unknown option “{argument}”.\
=== transcript_kept_file
hulgor: The game writes to “{file}” itself; the transcript needs a different file.
=== transcript_not_a_file
hulgor: The transcript “{file}” is neither a regular file nor a terminal.
=== transcript_not_opened
hulgor: The transcript “{file}” cannot be opened.
=== failure
Error: {why}

# Where no colour is shown, speech is set in these quotation marks.
=== speech_opens
“\
=== speech_closes
”\
=== inner_speech_opens
‘\
=== inner_speech_closes
’\

# An unknown language is refused in both: the German line, then the English.
=== unknown_language
hulgor: unknown language “{argument}”; the game speaks de (German) and en (English).
