// Printing the game's text, for every floor above the console: the story,
// the front end and the save messages all print through these.
#pragma once

#include <string_view>

#include "console/console.h"

// `say` prints text in the colour in force, `sayLine` adds a line end (which
// flushes), `lineEnds` prints empty line ends, `colour` sets the colour from
// here on.
void colour(TextColour textColour);
// The colour last set through `colour`.
TextColour colourInForce();
void say(std::string_view text);
void sayLine(std::string_view text);
void lineEnds(int count);
// The last byte printed through these; a line end before anything is.
char lastByteSaid();
