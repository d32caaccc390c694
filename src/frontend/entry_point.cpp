#include "frontend/entry_point.h"

#include <string>
#include <string_view>

#include "console/console.h"
#include "console/print.h"
#include "frontend/menu_flow.h"
#include "state/leftover_files.h"
#include "state/player_files.h"
#include "story/scene.h"

namespace {
// The splash centres its lines with fixed runs of leading spaces.
void indentedLine(int spaces, std::string_view text) {
    say(std::string(static_cast<std::size_t>(spaces), ' '));
    sayLine(text);
}
}  // namespace

void runIntro() {
    playSound("intro.wav");
    lineEnds(8);
    indentedLine(29, "Ein Spiel von Tamlowen...");
    pauseMs(3000);
    clearScreen();

    lineEnds(8);
    indentedLine(26, "Hier könnte Ihr Logo stehen...");
    pauseMs(3000);
    clearScreen();

    lineEnds(11);
    setFontHeight(28);
    indentedLine(28, "Dieses Spiel ist äußerst progressiv und enthält weibliche sowie queere Charaktere.");
    indentedLine(25, "Spieler, denen solche Themen Angst machen, sollten es nur gemeinsam mit ihren Eltern spielen.");
    indentedLine(30, "Besser noch: Sie sollten sich Hilfe suchen und aufhören, Gegner solcher Themen zu sein.");
    lineEnds(1);
    indentedLine(31, "Alle Charaktere sind frei erfunden. Ähnlichkeiten mit realen Personen sind rein zufällig.");
    indentedLine(18, "Warnung: Dieses Programm enthält sehr viele böse Wörter und sollte wegen seines grauenvollen "
                     "Inhalts von niemandem konsumiert werden.");
    lineEnds(3);
    colour(TextColour::Red);
    indentedLine(39, "Dieses Spiel speichert automatisch in bestimmten Abständen.");
    lineEnds(2);
    colour(TextColour::Normal);
    indentedLine(53, "Drücke eine beliebige Taste...");
    waitForKey();
    clearScreen();
}

int runEntryPoint() {
    enterFullScreen();
    setFontHeight(45);
    selectUtf8CodePage();
    setGermanLocale();
    setFontHeight(55);
    runIntro();
    removeLeftoverFiles();
    loadPermadeath();
    runMenus();
    return 0;
}
