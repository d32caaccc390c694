#include "frontend/main_menu.h"

#include <iostream>

#include "console/console.h"
#include "console/input.h"
#include "state/game_state.h"
#include "state/player_files.h"
#include "story/scene.h"

namespace {

void printTitleLines() {
    std::cout << "************************************" << std::endl;
    std::cout << "*        Hulgor - der Barbar       *" << std::endl;
    std::cout << "************************************" << std::endl;
}

void printOptions() {
    setTextColour(TextColour::Green);
    std::cout << "1. Neues Spiel" << std::endl;
    setTextColour(TextColour::Normal);
    std::cout << "2. Spiel laden" << std::endl;
    std::cout << "3. Version" << std::endl;
    std::cout << "4. Erfolge" << std::endl;
    std::cout << "5. Credits" << std::endl;
    std::cout << (game.permadeath != 0 ? "6. Permadeath: an\n" : "6. Permadeath: aus\n");
    setTextColour(TextColour::Red);
    std::cout << "10. Spiel beenden" << std::endl;
    setTextColour(TextColour::Normal);
}

void showVersion() {
    clearScreen();
    std::cout << "\nVersion: ALPHA 0.2.0\n";
    lineEnds(2);
    std::cout << "Dies ist ein SEHR FRÜHER Build des Spiels. Es sind noch nicht alle Inhalte verfügbar."
              << std::endl;
    std::cout << "Es kann zu Bugs und Fehlern kommen. Diese gerne an mich melden: tamlowen@example.org"
              << std::endl;
    std::cout << "Im Rahmen der kommenden Updates wird das Spiel nach und nach erweitert." << std::endl;
    lineEnds(2);
    PageBreak(AnyKeyPrompt);
}

void showAchievements() {
    clearScreen();
    std::cout << "Erfolge sind in dieser Version noch nicht verfügbar!" << std::endl;
    PageBreak(AnyKeyPrompt);
}

void showCredits() {
    clearScreen();
    std::cout << "Programmierung: Tamlowen" << std::endl;
    std::cout << "Story: Tamlowen" << std::endl;
    PageBreak(AnyKeyPrompt);
}

void togglePermadeath() {
    game.permadeath = game.permadeath == 0 ? 1 : 0;
    savePermadeath();
}

[[noreturn]] void quitGame() {
    clearScreen();
    std::cout << "\nSpiel wird beendet...\n";
    quitProgram();
}

}  // namespace

void printMenuBox() {
    game.menuChoice = 0;
    setFontHeight(75);
    setTextColour(TextColour::Yellow);
    printTitleLines();
    setTextColour(TextColour::Normal);
    setFontHeight(28);
    std::cout << std::endl;
    printOptions();
}

void drawMainMenuScreen() {
    clearScreen();
    setFontHeight(55);
    setTextColour(TextColour::Yellow);
    printTitleLines();
    setFontHeight(28);
    setTextColour(TextColour::Normal);
    std::cout << std::endl;
    printOptions();
}

void runInfoOption(std::int32_t choice) {
    switch (choice) {
        case 3: showVersion(); break;
        case 4: showAchievements(); break;
        case 5: showCredits(); break;
        case 6: togglePermadeath(); break;
        case 10: quitGame();
        default: std::cout << InvalidChoiceMessage; break;
    }
}
