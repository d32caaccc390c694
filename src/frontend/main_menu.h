// The title menu's screens and the options that do not enter the story.
#pragma once

#include <cstdint>

// The title box and the option list, as the entry-point menu shows them.
// Sets menuChoice to 0 first.
void printMenuBox();

// The screen of the re-entrant title menu: cleared, title at a smaller
// font, no prompt line.
void drawMainMenuScreen();

// Options 3, 4, 5, 6 and 10 (which ends the program). Any other number is
// answered with the invalid-choice message.
void runInfoOption(std::int32_t choice);
