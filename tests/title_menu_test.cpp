// How the first title menu reads what is typed: the stream's own number
// rules, line by line. (The menus' screens are checked by tests/routes.)
#include "frontend/menu_flow.h"
#include "support/game_fixture.h"
#include "support/screens.h"

using namespace screens;

namespace {

class TitleMenuTest : public GameTest {};


}  // namespace

TEST_F(TitleMenuTest, InputRulesOfTheMenu) {
    struct Case {
        std::string typed;
        std::string afterFirstMenu;  // everything after the first menu screen
    };
    const std::string newGameStarts = LoadingAnimation + "\n" + NamePrompt + EndOfInput;
    const std::vector<Case> cases{
        {"1\n", newGameStarts},
        {"   1\n", newGameStarts},
        {"\n\n  \n1\n", newGameStarts},
        {"+1\n", newGameStarts},
        {"01\n", newGameStarts},
        {"1", newGameStarts},
        {"abc\n10\n", InvalidInput + entryMenu() + "{clear}\nSpiel wird beendet...\n" + Quit},
        {"abc def\n10\n", InvalidInput + entryMenu() + "{clear}\nSpiel wird beendet...\n" + Quit},
        {"7\n10\n", InvalidChoice + "\n" + entryMenu() + "{clear}\nSpiel wird beendet...\n" + Quit},
        {"0\n", InvalidChoice + "\n" + entryMenu() + EndOfInput},
        {"-1\n", InvalidChoice + "\n" + entryMenu() + EndOfInput},
        {"11\n", InvalidChoice + "\n" + entryMenu() + EndOfInput},
        {"99999999999\n", InvalidInput + entryMenu() + EndOfInput},
        {"2147483648\n", InvalidInput + entryMenu() + EndOfInput},
        {"-2147483649\n", InvalidInput + entryMenu() + EndOfInput},
        {"3 5\n", VersionScreen + "\n" + entryMenu() + CreditsScreen + "\n" + entryMenu() + EndOfInput},
        {"4x\n", AchievementsScreen + "\n" + entryMenu() + InvalidInput + entryMenu() + EndOfInput},
        {"", EndOfInput},
        {"  \n \n", EndOfInput},
        {"abc", InvalidInput + entryMenu() + EndOfInput},
    };
    for (const Case& c : cases) {
        game = GameState{};
        type(c.typed);
        screen();
        EXPECT_TRUE(endsProgram(runMenus)) << c.typed;
        EXPECT_EQ(screen(), entryMenu() + c.afterFirstMenu) << "typed: " << c.typed;
    }
}
