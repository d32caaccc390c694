// The sound player's end, and what it is doing, for the tests of the sound
// back end.
#pragma once

#include <string>

// Closes the audio device at the end of the process. The terminal is given
// back before this runs, and it waits for the sound thread only briefly.
void stopSoundAtExit();

// Waits until every sound asked for so far has been taken up (or refused),
// then names the one still playing, or gives "" when none is.
std::string soundNowPlaying();
