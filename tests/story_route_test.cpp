// A new game with the real chapters, from the title menu to the end of
// chapter "zweiter Dialog", with the save file checked at every page break.
#include "frontend/menu_flow.h"
#include "support/game_fixture.h"
#include "support/screens.h"

using namespace screens;

namespace {

class StoryRouteTest : public GameTest {};

std::size_t count(const std::string& text, const std::string& piece) {
    std::size_t found = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++found;
    return found;
}

}  // namespace

TEST_F(StoryRouteTest, NewGameToTheEndOfChapterTwo) {
    std::vector<std::string> savesAtKeys;
    scripted::script().onKeyWait = [&] { savesAtKeys.push_back(readFile("savegame.txt")); };
    // The second word of the name meets chapter 1's prompt as a wrong entry.
    type("1\nAnna Maria\n3\n2\n");
    EXPECT_FALSE(endsProgram(runMenus));
    std::string shown = screen();

    EXPECT_EQ(readFile("name.txt"), "Anna\n");
    ASSERT_EQ(savesAtKeys.size(), 2u);
    EXPECT_EQ(savesAtKeys[0], "erster Dialog\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n");
    EXPECT_EQ(savesAtKeys[1], "zweiter Dialog\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n");
    EXPECT_EQ(readFile("savegame.txt"), "Das Erwachen\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n");

    EXPECT_TRUE(shown.starts_with(entryMenu() + LoadingAnimation + "\n" + NamePrompt + "{clear}" + Saved + "\n\n"));
    EXPECT_EQ(count(shown, InvalidInput), 1u);
    EXPECT_EQ(count(shown, "(Dialogoptionen, welche die Handlung weiterführen, werden in {Golden}goldener "
                           "{Normal}Farbe angezeigt)"),
              2u);
    EXPECT_EQ(count(shown, "{sound Dragonattack.wav}"), 1u);
    EXPECT_EQ(count(shown, "{Red}Drücke eine beliebige Taste, um fortzufahren.\n{Normal}{key}"), 2u);
    // The last save's message stands below the page break; then the box ends the program.
    EXPECT_TRUE(shown.ends_with("{Red}Drücke eine beliebige Taste, um fortzufahren.\n{Normal}{key}" + Saved +
                                menuBox()));
    EXPECT_EQ(game.nameEntryPending, 0);
    EXPECT_EQ(game.menuChoice, 0);
}

TEST_F(StoryRouteTest, QuitInChapterOneThenContinueReplaysIt) {
    type("1\nKai\n200\n");
    EXPECT_TRUE(endsProgram(runMenus));
    EXPECT_TRUE(screen().ends_with("200 - Spiel beenden\n" + Quit));
    EXPECT_EQ(readFile("savegame.txt"), "erster Dialog\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n");

    // A new run of the program: Continue resumes at the start of chapter 1.
    game = GameState{};
    type("2\n200\n");
    EXPECT_TRUE(endsProgram(runMenus));
    EXPECT_TRUE(screen().starts_with(entryMenu() + "\nSpiel wird geladen...\n{clear}{clear}" + Saved));
    EXPECT_EQ(game.playerName, "Kai");
    EXPECT_EQ(game.nameEntryPending, 0);
}
