// What the SDL sound player is doing, for the tests of the sound back end.
#pragma once

#include <string>

// Waits until every sound asked for so far has been taken up (or refused),
// then names the one still playing, or gives "" when none is.
std::string soundNowPlaying();
