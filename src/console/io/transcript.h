// A transcript of the game: everything it prints and everything the player
// types, appended to a file as plain text, for reading back or for a bug
// report.
#pragma once

#include <initializer_list>
#include <string>

#include "console/append_file.h"

// Appends from here on to `file`, unless it is refused (see AppendFile::open:
// never a FIFO or the like, never one of `keptFiles`) or cannot be opened.
// A transcript that fails later is reported once on standard error, and the
// game plays on without it.
AppendFile::Opened startTranscript(const std::string& file, std::initializer_list<const char*> keptFiles);

// A console that clears its screen outside the text stream says so here: the
// transcript shows a rule.
void transcribeScreenCleared();
