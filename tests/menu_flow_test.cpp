// Nesting without end: Continues and deaths open title menus inside title
// menus in constant memory. (The flows themselves are checked by
// tests/routes/flows.route and endings.route.)
#include "frontend/menu_flow.h"
#include "support/game_fixture.h"

namespace {

class MenuFlowTest : public GameTest {};

}  // namespace

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
