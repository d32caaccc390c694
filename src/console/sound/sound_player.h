// The sound player's end, for the console's exit.
#pragma once

// Closes the audio device at the end of the process. The terminal is given
// back before this runs, and it waits for the sound thread only briefly.
void stopSoundAtExit();
