// Nesting without end: Continues and deaths open title menus inside title
// menus in constant memory, every invariant holding all the way. (The flows
// themselves are routes: tests/routes/flows.route and endings.route.)
#include <fstream>

#include "frontend/menu_flow.h"
#include "support/game_fixture.h"
#include "support/invariants.h"

namespace {

class MenuFlowTest : public GameTest {};

}  // namespace

TEST_F(MenuFlowTest, EndlessContinuesAndDeathsNestInConstantMemory) {
    struct Case {
        std::string save;
        std::vector<std::string> round;  // typed again and again, then 10
        int rounds;
        std::uint64_t depth;             // nested menus at the last key wait
    };
    const Case cases[] = {
        // Continue without a save: each opens a menu inside the one before.
        {"", {"2"}, 1000, 999},
        // Deaths at the tower, each in a game continued from the menu that
        // the death before it opened; at the last death's key, the menus of
        // the 299 before it are open.
        {"Das Erwachen\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n", {"2", "1", "4"}, 300, 299},
    };
    for (const Case& c : cases) {
        if (!c.save.empty()) std::ofstream("savegame.txt") << c.save;
        std::size_t typed = 0;
        std::uint64_t depth = 0;
        std::size_t stored = 0;
        auto outcome = invariants::play(false, [&](invariants::Wait wait, const std::string&) -> std::optional<std::string> {
            stored = std::max(stored, menuNesting().storedRuns());
            if (wait == invariants::Wait::Key) {
                depth = menuNesting().depth();
                return std::nullopt;
            }
            return typed < c.round.size() * c.rounds ? c.round[typed++ % c.round.size()] : "10";
        });
        EXPECT_EQ(outcome.ending, invariants::Ending::Quit);
        EXPECT_EQ(outcome.broken, std::vector<std::string>{});
        EXPECT_EQ(depth, c.depth);
        EXPECT_LE(stored, 2u);
    }
}
