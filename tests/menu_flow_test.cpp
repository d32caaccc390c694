// The name entry's reading rules, and nesting without end: Continues and
// deaths open title menus inside title menus in constant memory. (The flows
// themselves are checked by tests/routes/flows.route and endings.route.)
#include "frontend/menu_flow.h"
#include "support/game_fixture.h"

namespace {

class MenuFlowTest : public GameTest {};

}  // namespace

TEST_F(MenuFlowTest, NameEntryRules) {
    struct Case {
        std::string typed;
        int refusals;
        std::string name;
    };
    const std::vector<Case> cases{
        {"1\nhulgor\n", 0, "hulgor"},
        {"1\nHulgor!\n", 0, "Hulgor!"},
        {"1\n\n\n   Jörg\n", 0, "Jörg"},
        {"1\nHulgor Hulgor\nKai\n", 2, "Kai"},
        {"1 Ada\n", 0, "Ada"},
        {"1\nHulgor\n", 1, ""},  // end of input while the name is still refused
    };
    for (const Case& c : cases) {
        game = GameState{};
        std::filesystem::remove("name.txt");
        type(c.typed);
        screen();
        EXPECT_TRUE(endsProgram(runMenus)) << c.typed;  // input ends in chapter 1 or at the name
        std::string shown = screen();
        std::size_t refusals = 0;
        for (auto at = shown.find("Netter Versuch!\n"); at != std::string::npos;
             at = shown.find("Netter Versuch!\n", at + 1)) {
            ++refusals;
        }
        EXPECT_EQ(refusals, static_cast<std::size_t>(c.refusals)) << c.typed;
        if (c.name.empty()) {
            EXPECT_FALSE(fileExists("name.txt"));
            EXPECT_EQ(game.nameEntryPending, 1);
        } else {
            EXPECT_EQ(readFile("name.txt"), c.name + "\n") << c.typed;
            EXPECT_EQ(game.nameEntryPending, 0);
            EXPECT_EQ(game.nameGiven, 1);
            EXPECT_NE(shown.find("Langsam öffnest du die Augen."), std::string::npos) << c.typed;
        }
    }
}

TEST_F(MenuFlowTest, EndlessContinuesAndDeathsNestInConstantMemory) {
    std::string input;
    for (int i = 0; i < 1000; ++i) input += "2\n";
    type(input + "10\n");
    scripted::script().keepTranscript = false;
    std::uint64_t depth = 0;
    std::size_t stored = 0;
    scripted::script().onKeyWait = [&] {
        depth = menuNesting().depth();
        stored = menuNesting().storedRuns();
    };
    EXPECT_TRUE(endsProgram(runMenus));
    EXPECT_EQ(depth, 999u);  // measured at the last no-save key wait
    EXPECT_LE(stored, 2u);

    // 300 deaths at the tower, each in a game continued from the menu that
    // the death before it opened.
    game = GameState{};
    writeFile("savegame.txt", "Das Erwachen\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n");
    input.clear();
    for (int i = 0; i < 300; ++i) input += "2\n1\n4\n";
    type(input + "10\n");
    EXPECT_TRUE(endsProgram(runMenus));
    EXPECT_EQ(depth, 299u);  // at the last death's key: the menus of the 299 before it
    EXPECT_LE(stored, 2u);
}
