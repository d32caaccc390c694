// Plays each file named on the command line through the game's playSound and
// prints after each call which sound is playing; then ends the way the game
// does, through quitProgram, with the last sound still playing.
#include <iostream>

#include "console/console.h"
#include "story/script.h"
#include "test_seam.h"

int main(int argc, char** argv) {
    fillConsoleMessages();  // as the game does first
    for (int i = 1; i < argc; ++i) {
        playSound(argv[i]);
        std::cout << argv[i] << ": " << testSeam::soundNowPlaying() << std::endl;
    }
    quitProgram();
}
