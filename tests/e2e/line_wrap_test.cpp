// Wrapping console text at blanks to the window's width.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/line_wrap.h"

namespace {

struct Screen {
    std::size_t width = 80;
    std::string shown;
    LineWrap wrap{[this] { return width; }, [this](std::string_view bytes) { shown += bytes; }};
};

const std::string Red = "\x1b[91m";
const std::string Paragraph =
    "Dir gegenüber sitzt ein bärtiger Mann, der dich an einen Wikinger aus einer billigen "
    "Fernsehserie erinnert. Er mustert dich.\n";
const std::string Saves = "Dieses Spiel speichert automatisch in bestimmten Abständen.";

struct Case {
    const char* what;
    std::string text;
    std::string at20, at80, at200;  // what shows at these widths; empty: the text unchanged
};

const std::vector<Case> cases{
    {"fits", "Der Wikinger lacht.\n", "", "", ""},
    {"one long paragraph", Paragraph,
     "Dir gegenüber sitzt\nein bärtiger Mann,\nder dich an einen\nWikinger aus einer\nbilligen\n"
     "Fernsehserie\nerinnert. Er mustert\ndich.\n",
     "Dir gegenüber sitzt ein bärtiger Mann, der dich an einen Wikinger aus einer\n"
     "billigen Fernsehserie erinnert. Er mustert dich.\n", ""},
    {"a word longer than the line", "Ach Aaaaaaaaaaaaaaaaaaaaaaaaah! Nein.\n",
     "Ach\nAaaaaaaaaaaaaaaaaaaa\naaaaah! Nein.\n", "", ""},
    {"umlauts at the edge", "Zwölf große Bären aß Äpfel.\n", "Zwölf große Bären aß\nÄpfel.\n", "", ""},
    {"colour sequences inside", "\x1b[93mIhr seid also endlich wach,\x1b[0m sagt er mit tiefer Stimme.\n",
     "\x1b[93mIhr seid also\nendlich wach,\x1b[0m sagt\ner mit tiefer\nStimme.\n", "", ""},
    {"a centred line that fits", std::string(29, ' ') + "Ein Spiel von Tamlowen...\n",
     "Ein Spiel von\nTamlowen...\n", "", ""},
    {"a centred line re-centred", Red + std::string(39, ' ') + Saves + "\n",
     Red + "Dieses Spiel\nspeichert\nautomatisch in\nbestimmten\nAbständen.\n", Red + std::string(10, ' ') + Saves + "\n", ""},
    {"a centred prompt", std::string(53, ' ') + "Drücke eine beliebige Taste...\n",
     "Drücke eine\nbeliebige Taste...\n", std::string(25, ' ') + "Drücke eine beliebige Taste...\n", ""},
    {"trailing blanks", "Der Wikinger lacht spöttisch. \n", "Der Wikinger lacht\nspöttisch. \n", "", ""},
    {"a prompt without a line end", "Gib deinen Namen ein: ", "Gib deinen Namen\nein: ", "", ""},
    {"explicit blank lines", "\n\nEins\n\n\nZwei\n", "", "", ""},
};

}  // namespace

// Each case at widths 20, 80, 200 and unknown (0: left alone), written at
// once and byte by byte.
TEST(LineWrap, WrapsEachCaseAtEachWidth) {
    for (const Case& c : cases) {
        for (auto [width, expected] : {std::pair{20, c.at20}, {80, c.at80}, {200, c.at200}, {0, std::string()}}) {
            for (bool byteByByte : {false, true}) {
                Screen screen;
                screen.width = static_cast<std::size_t>(width);
                if (!byteByByte) screen.wrap.write(c.text);
                for (char byte : byteByByte ? c.text : "") screen.wrap.write(std::string_view(&byte, 1));
                screen.wrap.flush();
                EXPECT_EQ(screen.shown, expected.empty() ? c.text : expected) << c.what << " at " << width << byteByByte;
            }
        }
    }
}

// The column carries over writes and flushes until the line starts again: by
// a line end, the player's Enter, a cursor home; a new width counts from the
// next line.
TEST(LineWrap, ColumnCarriesOverUntilTheLineStartsAgain) {
    Screen screen;
    screen.width = 20;
    screen.wrap.write("Bitte wähle:");
    screen.wrap.flush();
    EXPECT_EQ(screen.shown, "Bitte wähle:");
    screen.wrap.write(" zwei Worte\n");  // 12 + 11 columns: the second word moves on
    screen.wrap.write("Gib deinen Namen: ");
    screen.wrap.flush();
    screen.wrap.lineStarted();  // the player's Enter
    screen.wrap.write("Zwölf große Bären aß\n0123456789 0123456789");
    screen.wrap.write("\x1b[H\x1b[2JZwölf große Bären aß\n");  // cursor home: the first column again
    EXPECT_EQ(screen.shown, "Bitte wähle: zwei\nWorte\nGib deinen Namen: Zwölf große Bären aß\n"
                            "0123456789\n0123456789\x1b[H\x1b[2JZwölf große Bären aß\n");
    screen.shown.clear();
    screen.width = 80;
    screen.wrap.write(Paragraph);
    screen.width = 40;
    screen.wrap.write("Zwölf große Bären aß Äpfel, Birnen und Nüsse.\n");
    EXPECT_EQ(screen.shown, "Dir gegenüber sitzt ein bärtiger Mann, der dich an einen Wikinger aus einer\n"
                            "billigen Fernsehserie erinnert. Er mustert dich.\nZwölf große Bären aß Äpfel, Birnen und\nNüsse.\n");
}
