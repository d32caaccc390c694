// The numbered choice and the page break that every scene is built from.
#include "story/scene.h"
#include "support/game_fixture.h"
#include "support/screens.h"

using namespace screens;

namespace {

class ChoicePromptTest : public GameTest {};

// A three-option block: 1 and 2 advance, 3 shows its outcome and asks again.
std::int32_t askOnce(QuitLine quitLine) {
    std::int32_t value = 0;
    return ChoicePrompt(
        value,
        [] {
            colour(TextColour::Golden);
            sayLine("1 - Gehen");
            sayLine("2 - Laufen");
            colour(TextColour::Normal);
            sayLine("3 - Nachdenken");
        },
        {{1, true, [] { sayLine("[gegangen]"); }},
         {2, true, [] { sayLine("[gelaufen]"); }},
         {3, false, [] { sayLine("[gedacht]"); }}},
        quitLine);
}

const std::string Block = "{Golden}1 - Gehen\n2 - Laufen\n{Normal}3 - Nachdenken\n";

}  // namespace

TEST_F(ChoicePromptTest, InputRules) {
    struct Case {
        std::string typed;
        QuitLine quitLine;
        bool quits;
        std::int32_t answer;
        std::string shown;
        std::string leftOver;  // what the next read would see
    };
    const QuitLine offered = QuitLine::Offered;
    const QuitLine notOffered = QuitLine::NotOffered;
    const std::vector<Case> cases{
        {"1\n", notOffered, false, 1, Block + "[gegangen]\n", "\n"},
        {"\n\n   2\n", notOffered, false, 2, Block + "[gelaufen]\n", "\n"},
        {"Schwert\n1\n", notOffered, false, 1, Block + InvalidInput + Block + "[gegangen]\n", "\n"},
        {"7\n2\n", notOffered, false, 2, Block + InvalidChoice + Block + "[gelaufen]\n", "\n"},
        {"0\n-2\n1\n", notOffered, false, 1, Block + InvalidChoice + Block + InvalidChoice + Block + "[gegangen]\n", "\n"},
        {"3\n3\n1\n", notOffered, false, 1, Block + "[gedacht]\n" + Block + "[gedacht]\n" + Block + "[gegangen]\n", "\n"},
        {"200\n1\n", notOffered, false, 1, Block + InvalidChoice + Block + "[gegangen]\n", "\n"},
        {"200\n1\n", offered, true, 0, Block + Quit, "\n1\n"},
        {"2abc\n", notOffered, false, 2, Block + "[gelaufen]\n", "abc\n"},
        {"1 2\n", notOffered, false, 1, Block + "[gegangen]\n", " 2\n"},
        {"+1\n", notOffered, false, 1, Block + "[gegangen]\n", "\n"},
        {"4294967297\n2\n", notOffered, false, 2, Block + InvalidInput + Block + "[gelaufen]\n", "\n"},
        {"", offered, true, 0, Block + EndOfInput, ""},
        {"3\n", notOffered, true, 0, Block + "[gedacht]\n" + Block + EndOfInput, ""},
    };
    for (const Case& c : cases) {
        type(c.typed);
        std::int32_t answer = 0;
        EXPECT_EQ(endsProgram([&] { answer = askOnce(c.quitLine); }), c.quits) << c.typed;
        EXPECT_EQ(answer, c.answer) << c.typed;
        EXPECT_EQ(screen(), c.shown) << c.typed;
        std::string rest;
        std::getline(std::cin, rest, '\0');
        EXPECT_EQ(rest, c.leftOver) << c.typed;
        std::cin.clear();
    }
}

TEST_F(ChoicePromptTest, AnswerAlreadyGivenEndsThePromptAtOnce) {
    std::int32_t value = 2;
    bool shown = false;
    EXPECT_EQ(ChoicePrompt(value, [&] { shown = true; }, {{2, true, nullptr}}, QuitLine::Offered), 2);
    EXPECT_FALSE(shown);
    EXPECT_EQ(screen(), "");
}

TEST_F(ChoicePromptTest, TwoPromptsShareOneLineOfInput) {
    type("2abc\n1\n");
    EXPECT_EQ(askOnce(QuitLine::NotOffered), 2);
    EXPECT_EQ(askOnce(QuitLine::NotOffered), 1);
    EXPECT_EQ(screen(), Block + "[gelaufen]\n" + Block + InvalidInput + Block + "[gegangen]\n");
}

TEST_F(ChoicePromptTest, PageBreakLayouts) {
    PageBreak(AnyKeyPrompt);
    EXPECT_EQ(screen(), "{Red}Drücke eine beliebige Taste, um fortzufahren.\n{Normal}{key}");
    PageBreak("Drücke eine beliebige Taste um fortzufahren!", PageBreakLayout::Spaced);
    EXPECT_EQ(screen(), "{Red}\n\nDrücke eine beliebige Taste um fortzufahren!\n{Normal}\n\n{key}");
}

TEST_F(ChoicePromptTest, StatusBannersAreGreenForGainsAndRedForLosses) {
    StatusBanner(Standing::Gain, SwordBanner);
    StatusBanner(Standing::Loss, RagnarWorseBanner);
    EXPECT_EQ(screen(),
              "{Green}DU HAST EIN SCHWERT ERHALTEN!\n{Normal}"
              "{Red}DEINE BEZIEHUNG ZU RAGNAR HAT SICH VERSCHLECHTERT.\n{Normal}");
}
