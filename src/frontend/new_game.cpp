#include "frontend/new_game.h"

#include <array>
#include <string_view>

#include "console/console.h"
#include "console/io/print.h"
#include "console/io/input.h"
#include "state/game_state.h"
#include "state/player_files.h"
#include "story/passages.h"

namespace {

namespace text = passages::frame;

struct LoadingFrame {
    PassageId caption;
    std::string_view bar;
    std::int64_t pause;
};

constexpr std::array<LoadingFrame, 5> loadingFrames{{
    {text::loading_new_game, "|             ", 3000},
    {text::loading_still, "||||          ", 3000},
    {text::loading_question_marks, "||||||||      ", 3000},
    {text::loading_bugs, "||||||||||    ", 3000},
    {text::loading_almost, "||||||||||||||", 4000},
}};

constexpr std::string_view LegendaryName = "Hulgor";

}  // namespace

void playLoadingAnimation() {
    playSound("719.wav");
    clearScreen();
    for (std::size_t i = 0; i < loadingFrames.size(); ++i) {
        const LoadingFrame& frame = loadingFrames[i];
        sayLine(textOf(frame.caption));
        sayLine("--------------");
        sayLine(frame.bar);
        sayLine("--------------");
        pauseMs(frame.pause);
        if (i + 1 < loadingFrames.size()) clearScreen();
    }
}

void askPlayerName() {
    if (game.nameEntryPending == 1) {
        for (;;) {
            say(textOf(text::name_prompt));
            readWord(game.playerName, NameLimit);
            if (game.playerName != LegendaryName) break;
            game.nameEntryPending = 1;
            sayText(text::nice_try);
        }
        game.nameEntryPending = 0;
        game.nameGiven = 1;
    }
    savePlayerName();
}
