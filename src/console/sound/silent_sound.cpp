// Sound for a build without SDL2_mixer: every sound is reported as not
// playable, and the game goes on silently.
#include <iostream>
#include <string>

#include "console/console.h"
#include "console/io/console_messages.h"
#include "console/io/display_options.h"
#include "console/sound/sound_player.h"

void playSound(const std::string&) {
    if (!displayOptions().sound) return;
    std::cout.flush();
    std::cerr << consoleMessages().soundFailed;
}

SoundSearch soundSearch() { return {.plays = false, .besideProgram = false, .installed = {}}; }

void stopSoundAtExit() {}
