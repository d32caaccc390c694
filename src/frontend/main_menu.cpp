#include "frontend/main_menu.h"
#include "frontend/version.h"


#include "console/console.h"
#include "console/io/print.h"
#include "console/io/input.h"
#include "state/game_state.h"
#include "state/player_files.h"
#include "story/passages.h"
#include "story/scene.h"

namespace {

namespace text = passages::frame;

void printTitleLines() {
    sayText(text::title_box);
}

void printOptions() {
    setColourInForce(TextColour::Green);
    sayText(text::menu_new_game);
    setColourInForce(TextColour::Normal);
    sayText(text::menu_load);
    say(textOf(game.permadeath != 0 ? text::menu_permadeath_on : text::menu_permadeath_off));
    setColourInForce(TextColour::Red);
    sayText(text::menu_quit);
    setColourInForce(TextColour::Normal);
}

void showVersion() {
    clearScreen();
    say(textOf(text::version_number, {{"version", GameVersion}}));
    lineEnds(2);
    sayText(text::version_notes);
    lineEnds(2);
    PageBreak(AnyKeyPrompt);
}

void showAchievements() {
    clearScreen();
    sayText(text::achievements);
    PageBreak(AnyKeyPrompt);
}

void showCredits() {
    clearScreen();
    sayText(text::credits);
    PageBreak(AnyKeyPrompt);
}

void togglePermadeath() {
    game.permadeath = game.permadeath == 0 ? 1 : 0;
    savePermadeath();
}

[[noreturn]] void quitGame() {
    clearScreen();
    say(textOf(text::quitting));
    quitProgram();
}

}  // namespace

void printMenuBox() {
    game.menuChoice = 0;
    setFontHeight(75);
    setColourInForce(TextColour::Yellow);
    printTitleLines();
    setColourInForce(TextColour::Normal);
    setFontHeight(28);
    lineEnds(1);
    printOptions();
}

void drawMainMenuScreen() {
    clearScreen();
    setFontHeight(55);
    setColourInForce(TextColour::Yellow);
    printTitleLines();
    setFontHeight(28);
    setColourInForce(TextColour::Normal);
    lineEnds(1);
    printOptions();
}

void runInfoOption(std::int32_t choice) {
    switch (choice) {
        case 3: showVersion(); break;
        case 4: showAchievements(); break;
        case 5: showCredits(); break;
        case 6: togglePermadeath(); break;
        case 10: quitGame();
        default: say(textOf(passages::messages::invalid_choice)); break;
    }
}
