// Printing the game's text, for every floor above the console: the story,
// the front end and the save messages all print through these.
#pragma once

#include <string_view>

#include "console/console.h"

// `say` prints text in the colour in force, `sayLine` adds a line end (which
// flushes), `lineEnds` prints empty line ends. `setColourInForce` sets the
// colour from here on through the console's setTextColour and records it,
// so that `colourInForce` can tell it; the game sets colours only this way.
void setColourInForce(TextColour textColour);
TextColour colourInForce();
void say(std::string_view text);
void sayLine(std::string_view text);
void lineEnds(int count);
// The last byte printed through these; a line end before anything is.
char lastByteSaid();
