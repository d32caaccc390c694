#include "frontend/entry_point.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "console/console.h"
#include "console/layout/display_width.h"
#include "console/layout/line_wrap.h"
#include "console/io/print.h"
#include "frontend/menu_loop.h"
#include "state/leftover_files.h"
#include "state/player_files.h"
#include "story/passages.h"
#include "story/scene.h"

namespace {
namespace text = passages::frame;

// The splash centres its lines with fixed runs of leading spaces, made for
// the German lines. A line in another language keeps the German one's
// middle.
int spacesBefore(int spaces, PassageId line) {
    if (storyLanguage() == Language::German) return spaces;
    const auto german = static_cast<int>(displayColumns(textOf(line, Language::German)));
    const auto shown = static_cast<int>(displayColumns(textOf(line)));
    return std::max(0, spaces + (german - shown) / 2);
}

void indentedLine(int spaces, PassageId line) {
    say(std::string(static_cast<std::size_t>(spacesBefore(spaces, line)), ' '));
    sayText(line);
}

// A line of the splash as it takes rows: its spaces and text, without the
// line end.
std::string splashRow(int spaces, std::optional<PassageId> line) {
    std::string row(static_cast<std::size_t>(line ? spacesBefore(spaces, *line) : spaces), ' ');
    if (line) row += textOf(*line);
    if (row.ends_with('\n')) row.pop_back();
    return row;
}

// A line of the disclaimer screen: no text is an empty line; a colour is
// set before the line where one is given.
struct SplashLine {
    int spaces;
    std::optional<PassageId> text;
    std::optional<TextColour> colourBefore;
};

constexpr std::array<SplashLine, 13> Disclaimer{{
    {28, text::disclaimer_progressive, {}},
    {25, text::disclaimer_fear, {}},
    {30, text::disclaimer_help, {}},
    {0, {}, {}},
    {31, text::disclaimer_fiction, {}},
    {18, text::disclaimer_warning, {}},
    {0, {}, {}},
    {0, {}, {}},
    {0, {}, {}},
    {39, text::disclaimer_autosave, TextColour::Red},
    {0, {}, {}},
    {0, {}, {}},
    {53, text::disclaimer_key, TextColour::Normal},
}};

// The empty lines that set a screen's text down from the top: `wanted`, or
// fewer where the window would otherwise page before the last line below
// them is shown (the cursor then rests on the window's last row).
std::size_t topMargin(std::size_t wanted, std::span<const SplashLine> below) {
    const WindowSize window = windowSize();
    if (window.rows == 0) return wanted;
    std::size_t rows = 1;  // the cursor's row after the last line
    for (const SplashLine& line : below) {
        rows += rowsTaken(splashRow(line.spaces, line.text), window.columns);
    }
    return rows >= window.rows ? 0 : std::min(wanted, window.rows - rows);
}
}  // namespace

void runIntro() {
    playSound("intro.wav");
    lineEnds(8);
    indentedLine(29, text::made_by);
    pauseMs(3000);
    clearScreen();

    lineEnds(8);
    indentedLine(26, text::logo);
    pauseMs(3000);
    clearScreen();

    lineEnds(static_cast<int>(topMargin(11, Disclaimer)));
    setFontHeight(28);
    for (const SplashLine& line : Disclaimer) {
        if (line.colourBefore) setColourInForce(*line.colourBefore);
        if (!line.text) lineEnds(1);
        else indentedLine(line.spaces, *line.text);
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
