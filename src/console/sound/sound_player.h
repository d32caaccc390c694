// What the sound player of this build tells the rest of the game: where it
// looks for sounds, and its end, for the console's exit.
#pragma once

#include <string>

// Where this build looks for the sounds it plays, for --help.
struct SoundSearch {
    bool plays = true;          // false: a build that plays no sound at all
    bool besideProgram = false; // after the working folder, the program's own folder
    std::string installed;      // after the working folder, this one; empty: none
};
SoundSearch soundSearch();

// Closes the audio device at the end of the process. The terminal is given
// back before this runs, and it waits for the sound thread only briefly.
void stopSoundAtExit();
