// Wrapping console text at blanks to the window's width.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "console/line_wrap.h"

namespace {

const std::string Red = "\x1b[91m";

struct Wrapped {
    std::size_t width = 80;
    std::string shown;
    LineWrap wrap{[this] { return width; }, [this](std::string_view bytes) { shown += bytes; }};
};

std::string wrapped(const std::string& text, std::size_t width, bool byteByByte) {
    Wrapped screen;
    screen.width = width;
    if (byteByByte) {
        for (char byte : text) screen.wrap.write(std::string_view(&byte, 1));
    } else {
        screen.wrap.write(text);
    }
    screen.wrap.flush();
    return screen.shown;
}

struct Case {
    const char* what;
    std::string text;
    // What shows at widths 20, 80 and 200; empty: the text unchanged.
    std::string at20, at80, at200;
};

const std::string Paragraph =
    "Dir gegenüber sitzt ein bärtiger Mann, der dich an einen Wikinger aus einer billigen "
    "Fernsehserie erinnert. Er mustert dich.\n";
const std::string Saves = "Dieses Spiel speichert automatisch in bestimmten Abständen.";

const std::vector<Case> cases{
    {"fits", "Der Wikinger lacht.\n", "", "", ""},
    {"one long paragraph", Paragraph,
     "Dir gegenüber sitzt\nein bärtiger Mann,\nder dich an einen\nWikinger aus einer\nbilligen\n"
     "Fernsehserie\nerinnert. Er mustert\ndich.\n",
     "Dir gegenüber sitzt ein bärtiger Mann, der dich an einen Wikinger aus einer\n"
     "billigen Fernsehserie erinnert. Er mustert dich.\n",
     ""},
    {"a word longer than the line", "Ach Aaaaaaaaaaaaaaaaaaaaaaaaah! Nein.\n",
     "Ach\nAaaaaaaaaaaaaaaaaaaa\naaaaah! Nein.\n", "", ""},
    {"umlauts at the edge", "Zwölf große Bären aß Äpfel.\n", "Zwölf große Bären aß\nÄpfel.\n", "", ""},
    {"colour sequences inside", "\x1b[93mIhr seid also endlich wach,\x1b[0m sagt er mit tiefer Stimme.\n",
     "\x1b[93mIhr seid also\nendlich wach,\x1b[0m sagt\ner mit tiefer\nStimme.\n", "", ""},
    {"a centred line that fits", std::string(29, ' ') + "Ein Spiel von Tamlowen...\n",
     "Ein Spiel von\nTamlowen...\n", "", ""},
    {"a centred line re-centred", Red + std::string(39, ' ') + Saves + "\n",
     Red + "Dieses Spiel\nspeichert\nautomatisch in\nbestimmten\nAbständen.\n",
     Red + std::string(10, ' ') + Saves + "\n", ""},
    {"a centred prompt", std::string(53, ' ') + "Drücke eine beliebige Taste...\n",
     "Drücke eine\nbeliebige Taste...\n", std::string(25, ' ') + "Drücke eine beliebige Taste...\n", ""},
    {"trailing blanks", "Der Wikinger lacht spöttisch. \n", "Der Wikinger lacht\nspöttisch. \n", "", ""},
    {"a prompt without a line end", "Gib deinen Namen ein: ", "Gib deinen Namen\nein: ", "", ""},
    {"explicit blank lines", "\n\nEins\n\n\nZwei\n", "", "", ""},
};

}  // namespace

TEST(LineWrap, WrapsEachCaseAtEachWidth) {
    for (const Case& c : cases) {
        const std::pair<std::size_t, const std::string*> widths[] = {{20, &c.at20}, {80, &c.at80}, {200, &c.at200}};
        for (auto [width, expected] : widths) {
            const std::string& want = expected->empty() ? c.text : *expected;
            EXPECT_EQ(wrapped(c.text, width, false), want) << c.what << " at width " << width;
            EXPECT_EQ(wrapped(c.text, width, true), want) << c.what << " at width " << width << ", byte by byte";
        }
    }
}

TEST(LineWrap, UnknownWidthLeavesTextAlone) {
    EXPECT_EQ(wrapped(Paragraph, 0, false), Paragraph);
}

TEST(LineWrap, ColumnCarriesOverFlushesUntilTheLineStartsAgain) {
    Wrapped screen;
    screen.width = 20;
    screen.wrap.write("Bitte wähle:");
    screen.wrap.flush();
    EXPECT_EQ(screen.shown, "Bitte wähle:");
    screen.wrap.write(" zwei Worte\n");  // 12 + 11 columns: the second word moves on
    EXPECT_EQ(screen.shown, "Bitte wähle: zwei\nWorte\n");

    screen.shown.clear();
    screen.wrap.write("Gib deinen Namen: ");
    screen.wrap.flush();
    screen.wrap.lineStarted();  // the player's Enter
    screen.wrap.write("Zwölf große Bären aß\n");
    EXPECT_EQ(screen.shown, "Gib deinen Namen: Zwölf große Bären aß\n");

    screen.shown.clear();
    screen.wrap.write("0123456789 0123456789");
    screen.wrap.write("\x1b[H\x1b[2JZwölf große Bären aß\n");  // cursor home: the first column again
    EXPECT_EQ(screen.shown, "0123456789\n0123456789\x1b[H\x1b[2JZwölf große Bären aß\n");
}

TEST(LineWrap, ResizedWindowCountsFromTheNextLine) {
    Wrapped screen;
    screen.wrap.write(Paragraph);
    screen.width = 40;
    screen.wrap.write("Zwölf große Bären aß Äpfel, Birnen und Nüsse.\n");
    EXPECT_EQ(screen.shown,
              "Dir gegenüber sitzt ein bärtiger Mann, der dich an einen Wikinger aus einer\n"
              "billigen Fernsehserie erinnert. Er mustert dich.\n"
              "Zwölf große Bären aß Äpfel, Birnen und\nNüsse.\n");
}

TEST(LineWrap, StreamBufferPassesTextThroughOnFlush) {
    std::stringbuf target;
    LineWrapBuffer buffer(&target, [] { return std::size_t{20}; });
    std::ostream stream(&buffer);
    stream << "Gib deinen Namen ein: ";
    EXPECT_EQ(target.str(), "");  // held until the line ends or the stream is flushed
    stream << std::flush;
    EXPECT_EQ(target.str(), "Gib deinen Namen\nein: ");
    stream << "\nDir gegenüber sitzt ein bärtiger Mann," << std::endl;
    EXPECT_EQ(target.str(), "Gib deinen Namen\nein: \nDir gegenüber sitzt\nein bärtiger Mann,\n");
}
