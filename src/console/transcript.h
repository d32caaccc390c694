// A transcript of the game: everything it prints and everything the player
// types, appended to a file as plain text, for reading back or for a bug
// report.
#pragma once

#include <string>

// Appends from here on to `file`; false when it cannot be opened.
bool startTranscript(const std::string& file);

// A console that clears its screen outside the text stream says so here: the
// transcript shows a rule.
void transcribeScreenCleared();
