// One whole game on the scripted console from a string of bytes, as the
// session fuzz target and the random player play it. The first byte chooses
// the start: bit 0 with the intro, bit 1 permadeath on, bits 2 and 3 a save
// at one of the three checkpoints (0: none). The rest is typed line by line,
// then standard input ends. Every invariant is checked at every wait, and the
// game is stopped after `maxWaits` waits.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "support/work_folder.h"

// Returns what broke, empty for a clean game; a broken game is described on
// standard error with the end of its transcript.
std::vector<std::string> playSession(const WorkFolder& folder, std::string_view bytes, int maxWaits);
