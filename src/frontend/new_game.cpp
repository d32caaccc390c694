#include "frontend/new_game.h"

#include <array>
#include <string_view>

#include "console/console.h"
#include "console/io/print.h"
#include "console/io/input.h"
#include "state/game_state.h"
#include "state/player_files.h"

namespace {

struct LoadingFrame {
    std::string_view caption;
    std::string_view bar;
    std::int64_t pause;
};

constexpr std::array<LoadingFrame, 5> loadingFrames{{
    {"Lade neues Spiel...", "|             ", 3000},
    {"Es lädt immer noch...", "||||          ", 3000},
    {"Lade Fragezeichen...", "||||||||      ", 3000},
    {"Lade Bugs...", "||||||||||    ", 3000},
    {"Gleich fertig...", "||||||||||||||", 4000},
}};

constexpr std::string_view LegendaryName = "Hulgor";

}  // namespace

void playLoadingAnimation() {
    playSound("719.wav");
    clearScreen();
    for (std::size_t i = 0; i < loadingFrames.size(); ++i) {
        const LoadingFrame& frame = loadingFrames[i];
        sayLine(frame.caption);
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
            say("Gib deinen Namen ein: ");
            readWord(game.playerName, NameLimit);
            if (game.playerName != LegendaryName) break;
            game.nameEntryPending = 1;
            sayLine("Netter Versuch!");
        }
        game.nameEntryPending = 0;
        game.nameGiven = 1;
    }
    savePlayerName();
}
