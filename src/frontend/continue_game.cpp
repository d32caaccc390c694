#include "frontend/continue_game.h"

#include <cstddef>

#include "console/console.h"
#include "console/io/print.h"
#include "frontend/missing_save_screen.h"
#include "state/game_state.h"
#include "state/player_files.h"
#include "state/save_file.h"
#include "story/chapters.h"
#include "story/passages.h"

namespace {
int emptySaveTest() { return static_cast<int>(checkpoints.size()) + 1; }
std::uint8_t afterLastTest() { return static_cast<std::uint8_t>(emptySaveTest() + 1); }
}  // namespace

Next continueTests(MenuCopy copy, int fromTest) {
    for (int test = fromTest; test <= emptySaveTest(); ++test) {
        if (test < emptySaveTest()) {
            const ResumePlace& place = checkpoints[static_cast<std::size_t>(test - 1)];
            if (game.checkpoint == place.label) {
                clearScreen();
                return playChapters(place.chapter, copy, static_cast<std::uint8_t>(test));
            }
        } else if (game.checkpoint == Checkpoint::Empty) {
            sayLine(textOf(passages::messages::no_save_yet));
            game.menuChoice = 0;
            return openNestedMenu({ResumePoint::Kind::ContinueTests, copy, afterLastTest()});
        }
    }
    say("\n");
    return Next::Menu;
}

Next continueFromCheckpoint(MenuCopy copy) {
    say(textOf(passages::messages::loading_game));
    if (!loadGame()) showMissingSaveScreen();
    loadPlayerName();
    return continueTests(copy, 1);
}
