// The shared death sequence with its per-death settings.
#include "state/save_file.h"
#include "story/death_screen.h"
#include "support/game_fixture.h"

namespace {

class DeathScreenTest : public GameTest {};

const std::string SaveBytes = "Das Erwachen\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n";

}  // namespace

TEST_F(DeathScreenTest, SettingsAndPermadeath) {
    struct Case {
        int leadInLines;
        LeadSound leadSound;
        std::string keyPrompt;
        bool clearSword;
        std::int32_t permadeath;
        std::string shown;
        bool saveKept;
    };
    const std::string banner = "{sound death.wav}DU BIST TOT.\n\n\n{Normal}";
    const std::vector<Case> cases{
        {2, LeadSound::None, "Drücke eine Taste, um zu Beenden.", true, 0,
         "{Red}\n\n" + banner + "{Red}Drücke eine Taste, um zu Beenden.\n{Normal}{key}", true},
        {0, LeadSound::None, "Drücke eine Taste, um zu Beenden.", true, 1,
         "{Red}" + banner + "{Red}Drücke eine Taste, um zu Beenden.\n{Normal}{key}", false},
        {2, LeadSound::Gore, "Drücke eine Taste, um fortzufahren.", false, 2,
         "{Red}\n\n{sound gore.wav}{pause 1000}" + banner + "{Red}Drücke eine Taste, um fortzufahren.\n{Normal}{key}",
         true},
        {2, LeadSound::None, "Drücke eine Taste, um zu beenden.", true, -1,
         "{Red}\n\n" + banner + "{Red}Drücke eine Taste, um zu beenden.\n{Normal}{key}", true},
    };
    for (const Case& c : cases) {
        writeFile("savegame.txt", SaveBytes);
        game = GameState{};
        game.checkpoint = "Das Erwachen";
        game.hasSword = 1;
        game.health = 75;
        game.permadeath = c.permadeath;
        bool savePresentAtKey = false;
        scripted::script().onKeyWait = [&] { savePresentAtKey = fileExists("savegame.txt"); };
        EXPECT_THROW(DeathScreen(c.leadInLines, c.leadSound, c.keyPrompt, c.clearSword), GameOver);
        EXPECT_EQ(screen(), c.shown) << c.keyPrompt;
        EXPECT_EQ(savePresentAtKey, c.saveKept);
        EXPECT_EQ(fileExists("savegame.txt"), c.saveKept);
        if (c.saveKept) {
            EXPECT_EQ(readFile("savegame.txt"), SaveBytes);
        }
        EXPECT_EQ(game.checkpoint, c.saveKept ? "Das Erwachen" : "leer");
        EXPECT_EQ(game.hasSword, c.clearSword ? 0 : 1);
        EXPECT_EQ(game.health, 75);
        EXPECT_EQ(game.permadeath, c.permadeath);
    }
}

TEST_F(DeathScreenTest, PermadeathWithoutASaveFileIsSilent) {
    game.permadeath = 1;
    EXPECT_THROW(DeathScreen(2, LeadSound::None, "Drücke eine Taste, um fortzufahren.", true), GameOver);
    EXPECT_EQ(game.checkpoint, "leer");
    EXPECT_EQ(scripted::script().errors, "");
    EXPECT_FALSE(fileExists("savegame.txt"));
}
