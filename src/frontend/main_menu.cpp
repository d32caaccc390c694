#include "frontend/main_menu.h"
#include "frontend/version.h"


#include "console/console.h"
#include "console/io/print.h"
#include "console/io/input.h"
#include "state/game_state.h"
#include "state/player_files.h"
#include "story/scene.h"

namespace {

void printTitleLines() {
    sayLine("************************************");
    sayLine("*        Hulgor - der Barbar       *");
    sayLine("************************************");
}

void printOptions() {
    setColourInForce(TextColour::Green);
    sayLine("1. Neues Spiel");
    setColourInForce(TextColour::Normal);
    sayLine("2. Spiel laden");
    sayLine("3. Version");
    sayLine("4. Erfolge");
    sayLine("5. Credits");
    say(game.permadeath != 0 ? "6. Permadeath: an\n" : "6. Permadeath: aus\n");
    setColourInForce(TextColour::Red);
    sayLine("10. Spiel beenden");
    setColourInForce(TextColour::Normal);
}

void showVersion() {
    clearScreen();
    say("\nVersion: ");
    say(GameVersion);
    say("\n");
    lineEnds(2);
    sayLine("Dies ist ein SEHR FRÜHER Build des Spiels. Es sind noch nicht alle Inhalte verfügbar.");
    sayLine("Es kann zu Bugs und Fehlern kommen. Diese gerne an mich melden: tamlowen@example.org");
    sayLine("Im Rahmen der kommenden Updates wird das Spiel nach und nach erweitert.");
    lineEnds(2);
    PageBreak(AnyKeyPrompt);
}

void showAchievements() {
    clearScreen();
    sayLine("Erfolge sind in dieser Version noch nicht verfügbar!");
    PageBreak(AnyKeyPrompt);
}

void showCredits() {
    clearScreen();
    sayLine("Programmierung: Tamlowen");
    sayLine("Story: Tamlowen");
    PageBreak(AnyKeyPrompt);
}

void togglePermadeath() {
    game.permadeath = game.permadeath == 0 ? 1 : 0;
    savePermadeath();
}

[[noreturn]] void quitGame() {
    clearScreen();
    say("\nSpiel wird beendet...\n");
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
        default: say(InvalidChoiceMessage); break;
    }
}
