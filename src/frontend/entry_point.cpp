#include "frontend/entry_point.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "console/console.h"
#include "console/layout/line_wrap.h"
#include "console/io/print.h"
#include "frontend/menu_loop.h"
#include "state/leftover_files.h"
#include "state/player_files.h"
#include "story/scene.h"

namespace {
// The splash centres its lines with fixed runs of leading spaces.
void indentedLine(int spaces, std::string_view text) {
    say(std::string(static_cast<std::size_t>(spaces), ' '));
    sayLine(text);
}

// A line of the disclaimer screen: an empty text is an empty line; a colour
// is set before the line where one is given.
struct SplashLine {
    int spaces;
    std::string_view text;
    std::optional<TextColour> colourBefore;
};

constexpr std::array<SplashLine, 13> Disclaimer{{
    {28, "Dieses Spiel ist äußerst progressiv und enthält weibliche sowie queere Charaktere.", {}},
    {25, "Spieler, denen solche Themen Angst machen, sollten es nur gemeinsam mit ihren Eltern spielen.", {}},
    {30, "Besser noch: Sie sollten sich Hilfe suchen und aufhören, Gegner solcher Themen zu sein.", {}},
    {0, "", {}},
    {31, "Alle Charaktere sind frei erfunden. Ähnlichkeiten mit realen Personen sind rein zufällig.", {}},
    {18, "Warnung: Dieses Programm enthält sehr viele böse Wörter und sollte wegen seines grauenvollen "
         "Inhalts von niemandem konsumiert werden.", {}},
    {0, "", {}},
    {0, "", {}},
    {0, "", {}},
    {39, "Dieses Spiel speichert automatisch in bestimmten Abständen.", TextColour::Red},
    {0, "", {}},
    {0, "", {}},
    {53, "Drücke eine beliebige Taste...", TextColour::Normal},
}};

// The empty lines that set a screen's text down from the top: `wanted`, or
// fewer where the window would otherwise page before the last line below
// them is shown (the cursor then rests on the window's last row).
std::size_t topMargin(std::size_t wanted, std::span<const SplashLine> below) {
    const WindowSize window = windowSize();
    if (window.rows == 0) return wanted;
    std::size_t rows = 1;  // the cursor's row after the last line
    for (const SplashLine& line : below) {
        rows += rowsTaken(std::string(static_cast<std::size_t>(line.spaces), ' ') + std::string(line.text),
                          window.columns);
    }
    return rows >= window.rows ? 0 : std::min(wanted, window.rows - rows);
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

    lineEnds(static_cast<int>(topMargin(11, Disclaimer)));
    setFontHeight(28);
    for (const SplashLine& line : Disclaimer) {
        if (line.colourBefore) setColourInForce(*line.colourBefore);
        if (line.text.empty()) lineEnds(1);
        else indentedLine(line.spaces, line.text);
    }
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
