// Whole routes through the title menus, new games, Continue and deaths, with
// short stand-in chapters so that the routes read clearly: chapter 1 and 2
// record and save their checkpoints like the real ones, chapter 3 can die.
#include <deque>

#include "frontend/menu_flow.h"
#include "state/save_file.h"
#include "story/chapters.h"
#include "story/death_screen.h"
#include "support/game_fixture.h"
#include "support/screens.h"

using namespace screens;

namespace {

std::deque<bool> chapterThreeDies;  // one entry per run of chapter 3

void standInOne() {
    game.checkpoint = Checkpoint::FirstDialog;
    clearScreen();
    saveGame();
    sayLine("[1]");
}

void standInTwo() {
    game.checkpoint = Checkpoint::SecondDialog;
    clearScreen();
    saveGame();
    sayLine("[2]");
    game.checkpoint = Checkpoint::Awakening;
    saveGame();
}

void standInThree() {
    clearScreen();
    game.hasSword = 1;
    sayLine("[3]");
    bool dies = !chapterThreeDies.empty() && chapterThreeDies.front();
    if (!chapterThreeDies.empty()) chapterThreeDies.pop_front();
    if (dies) DeathScreen(2, LeadSound::None, "Drücke eine Taste, um zu Beenden.", true);
    sayLine("[3 überlebt]");
}

void standInFour() { sayLine("[4]"); }

constexpr Scene standInStory[] = {standInOne, standInTwo, standInThree, standInFour};

const std::string ChapterOne = "{clear}" + Saved + "[1]\n";
const std::string ChapterTwo = "{clear}" + Saved + "[2]\n" + Saved;
const std::string ChapterThree = "{clear}[3]\n[3 überlebt]\n";
const std::string ChapterFour = "[4]\n";
const std::string WholeStory = ChapterOne + ChapterTwo + ChapterThree + ChapterFour;
const std::string FromTwo = ChapterTwo + ChapterThree + ChapterFour;
const std::string FromThree = ChapterThree + ChapterFour;
const std::string Death = "{clear}[3]\n{Red}\n\n{sound death.wav}DU BIST TOT.\n\n\n{Normal}"
                          "{Red}Drücke eine Taste, um zu Beenden.\n{Normal}{key}";
const std::string Loading = "\nSpiel wird geladen...\n";
const std::string NoSaveFallback = Loading + NoSave + "Kein Speicherstand vorhanden\n";
const std::string Farewell = "{clear}\nSpiel wird beendet...\n" + Quit;

std::string save(const std::string& label, int nameGiven = 1, int pending = 0) {
    return label + "\n5\n0\n100\n0\n0\n0\n5\n" + std::to_string(nameGiven) + "\n0\n" +
           std::to_string(pending) + "\n";
}

class MenuFlowTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        storyChapters = standInStory;
        chapterThreeDies.clear();
    }
    void TearDown() override {
        storyChapters = savedChapters;
        GameTest::TearDown();
    }
    std::span<const Scene> savedChapters = storyChapters;
};

}  // namespace

TEST_F(MenuFlowTest, NewGameFromTheFirstMenuRunsTheStoryAndEndsTheProgram) {
    type("1\nHulgor\nHeld\n");
    EXPECT_FALSE(endsProgram(runMenus));  // returns: the entry point ends with 0
    EXPECT_EQ(screen(), entryMenu() + LoadingAnimation + "\n" + NamePrompt + "Netter Versuch!\n" + NamePrompt +
                            WholeStory + menuBox());
    EXPECT_EQ(readFile("name.txt"), "Held\n");
    EXPECT_EQ(readFile("savegame.txt"), save("Das Erwachen"));
    EXPECT_EQ(game.menuChoice, 0);
    EXPECT_EQ(scripted::script().clockMs, 16000);
}

TEST_F(MenuFlowTest, NameEntryRules) {
    struct Case {
        std::string typed;
        std::string prompts;
        std::string name;
    };
    const std::vector<Case> cases{
        {"1\nhulgor\n", NamePrompt, "hulgor"},
        {"1\nHulgor!\n", NamePrompt, "Hulgor!"},
        {"1\n\n\n   Jörg\n", NamePrompt, "Jörg"},
        {"1\nHulgor Hulgor\nKai\n", NamePrompt + "Netter Versuch!\n" + NamePrompt + "Netter Versuch!\n" + NamePrompt, "Kai"},
        {"1 Ada\n", NamePrompt, "Ada"},
    };
    for (const Case& c : cases) {
        game = GameState{};
        type(c.typed);
        screen();
        EXPECT_FALSE(endsProgram(runMenus));
        EXPECT_EQ(screen(), entryMenu() + LoadingAnimation + "\n" + c.prompts + WholeStory + menuBox()) << c.typed;
        EXPECT_EQ(readFile("name.txt"), c.name + "\n");
        EXPECT_EQ(game.nameEntryPending, 0);
        EXPECT_EQ(game.nameGiven, 1);
    }
}

TEST_F(MenuFlowTest, EndOfInputAtTheNamePromptEndsTheGame) {
    type("1\nHulgor\n");
    EXPECT_TRUE(endsProgram(runMenus));
    EXPECT_EQ(screen(), entryMenu() + LoadingAnimation + "\n" + NamePrompt + "Netter Versuch!\n" + NamePrompt +
                            EndOfInput);
    EXPECT_FALSE(fileExists("name.txt"));
}

TEST_F(MenuFlowTest, ContinueFromTheFirstMenuAtEachLabel) {
    struct Case {
        std::string label;
        std::string shown;  // after "Spiel wird geladen..."
    };
    const std::vector<Case> cases{
        {"erster Dialog", WholeStory + menuBox() + "{clear}" + FromThree + menuBox() + "\n"},
        {"zweiter Dialog", FromTwo + menuBox() + "{clear}" + FromThree + menuBox() + "\n"},
        {"Das Erwachen", "{clear}" + FromThree + menuBox() + "\n"},
        {"Spielstart", "\n"},
        {"das erwachen", "\n"},
        {"Das Erwachen ", "\n"},
    };
    for (const Case& c : cases) {
        game = GameState{};
        writeFile("savegame.txt", save(c.label));
        writeFile("name.txt", "Kai\n");
        type("2\n");
        screen();
        EXPECT_TRUE(endsProgram(runMenus));
        std::string fromFirst = c.label == "erster Dialog" ? "{clear}" : "";
        if (c.label == "zweiter Dialog") fromFirst = "{clear}";
        EXPECT_EQ(screen(), entryMenu() + Loading + fromFirst + c.shown + entryMenu() + EndOfInput) << c.label;
        EXPECT_EQ(game.playerName, "Kai");
        EXPECT_EQ(game.menuChoice, 0);
    }
}

TEST_F(MenuFlowTest, ContinueWithoutSaveOpensTheNestedMenuAndTheEntryTailFollowsItsGame) {
    writeFile("name.txt", "Kai\n");
    type("2\n3\n1\n");  // no name asked: the loaded default asks, but "Kai" was...
    game.nameEntryPending = 0;  // a name was accepted earlier in this run
    game.playerName = "Kai";
    EXPECT_FALSE(endsProgram(runMenus));
    EXPECT_EQ(screen(), entryMenu() + NoSaveFallback + nestedMenu() + VersionScreen + "\n" + nestedMenu() +
                            LoadingAnimation + "{clear}" + Saved + WholeStory + "\n" +  // the nested new game
                            "\n" +                                                      // Continue returns
                            WholeStory + menuBox());  // the entry point's tail: chapters once more, then the end
    EXPECT_EQ(game.checkpoint, "Das Erwachen");
}

TEST_F(MenuFlowTest, ContinueWithoutSaveAskedForTheNameInTheNestedGame) {
    type("2\n1\nHeld\n");
    EXPECT_FALSE(endsProgram(runMenus));
    EXPECT_EQ(screen(), entryMenu() + NoSaveFallback + nestedMenu() + LoadingAnimation + "{clear}" + Saved +
                            NamePrompt + WholeStory + "\n\n" + WholeStory + menuBox());
    EXPECT_EQ(readFile("name.txt"), "Held\n");
}

TEST_F(MenuFlowTest, DeathScreensWithEachPermadeathSetting) {
    struct Case {
        std::int32_t permadeath;
        bool saveKept;
        std::string checkpoint;
    };
    const std::vector<Case> cases{{0, true, "Das Erwachen"}, {1, false, "leer"}, {2, true, "Das Erwachen"}};
    for (const Case& c : cases) {
        game = GameState{};
        game.permadeath = c.permadeath;
        std::filesystem::remove("savegame.txt");
        chapterThreeDies = {true};
        std::string saveAtDeath;
        scripted::script().onKeyWait = [&] { saveAtDeath = readFile("savegame.txt"); };
        type("1\nHeld\n10\n");
        screen();
        EXPECT_TRUE(endsProgram(runMenus));
        EXPECT_EQ(screen(), entryMenu(c.permadeath != 0) + LoadingAnimation + "\n" + NamePrompt + ChapterOne +
                                ChapterTwo + Death + nestedMenu(c.permadeath != 0) + Farewell);
        EXPECT_EQ(fileExists("savegame.txt"), c.saveKept) << c.permadeath;
        EXPECT_EQ(saveAtDeath, c.saveKept ? save("Das Erwachen") : "") << c.permadeath;
        EXPECT_EQ(game.checkpoint, c.checkpoint);
        EXPECT_EQ(game.hasSword, 0);
        scripted::script().onKeyWait = nullptr;
    }
}

TEST_F(MenuFlowTest, AfterAPermadeathContinueFindsNoSave) {
    game.permadeath = 1;
    chapterThreeDies = {true};
    type("1\nHeld\n2\n10\n");
    EXPECT_TRUE(endsProgram(runMenus));
    EXPECT_EQ(screen(), entryMenu(true) + LoadingAnimation + "\n" + NamePrompt + ChapterOne + ChapterTwo + Death +
                            nestedMenu(true) + NoSaveFallback + nestedMenu(true) + Farewell);
    EXPECT_EQ(menuNesting().depth(), 2u);
}

TEST_F(MenuFlowTest, NewGameAfterADeathSkipsTheNameAndTheDeadGameIsNeverResumed) {
    chapterThreeDies = {true, true, false};
    type("1\nHeld\n1\n1\n10\n");
    EXPECT_FALSE(endsProgram(runMenus));
    const std::string nestedGame = LoadingAnimation + "{clear}" + Saved + ChapterOne + ChapterTwo;
    // Two deaths, then a nested game that survives: its menu returns, the
    // death before it returns, and the first game (from the entry point)
    // finishes by printing the box and ending, without its chapter 4.
    EXPECT_EQ(screen(), entryMenu() + LoadingAnimation + "\n" + NamePrompt + ChapterOne + ChapterTwo + Death +
                            nestedMenu() + nestedGame + Death + nestedMenu() + nestedGame + FromThree + "\n" +
                            "\n" + menuBox());
    EXPECT_EQ(readFile("name.txt"), "Held\n");
    EXPECT_EQ(menuNesting().depth(), 0u);
}

TEST_F(MenuFlowTest, ContinueInTheNestedMenuResumesAfterItsOwnNestedMenu) {
    // First game dies in chapter 3; from the death menu the player continues
    // at "Das Erwachen", plays chapters 3 and 4, and lands in a nested menu.
    // A new game there runs to its end; then Continue's last test runs and
    // the death menu, whose game is over, hands back to the entry point.
    chapterThreeDies = {true, false, false};
    type("1\nHeld\n2\n1\n");
    EXPECT_FALSE(endsProgram(runMenus));
    EXPECT_EQ(screen(), entryMenu() + LoadingAnimation + "\n" + NamePrompt + ChapterOne + ChapterTwo + Death +
                            nestedMenu() + Loading + "{clear}" + FromThree + nestedMenu() + LoadingAnimation +
                            "{clear}" + Saved + WholeStory + "\n" +  // nested new game ends, its menu returns
                            "\n" +                                   // Continue's test 4 finds nothing: it returns
                            menuBox());  // the death menu returns, and the entry point's dead game ends
}

TEST_F(MenuFlowTest, DeathInAGameContinuedFromTheFirstMenu) {
    writeFile("savegame.txt", save("Das Erwachen"));
    chapterThreeDies = {true};
    type("2\n1\n");
    game.nameEntryPending = 0;
    EXPECT_TRUE(endsProgram(runMenus));
    EXPECT_EQ(screen(), entryMenu() + Loading + "{clear}" + Death + nestedMenu() + LoadingAnimation + "{clear}" + Saved +
                            WholeStory + "\n" + menuBox() + "\n" + entryMenu() + EndOfInput);
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

    game = GameState{};
    chapterThreeDies.assign(300, true);
    input = "1\nHeld\n";
    for (int i = 0; i < 299; ++i) input += "1\n";
    type(input + "10\n");
    EXPECT_TRUE(endsProgram(runMenus));
    EXPECT_EQ(depth, 299u);
    EXPECT_LE(stored, 2u);
}

TEST_F(MenuFlowTest, ContinueFromTheNestedMenuAtEachLabel) {
    struct Case {
        std::string label;
        std::string shown;  // after "Spiel wird geladen..." in the nested menu
    };
    const std::vector<Case> cases{
        {"erster Dialog", "{clear}" + WholeStory + nestedMenu()},
        {"zweiter Dialog", "{clear}" + FromTwo + nestedMenu()},
        {"Das Erwachen", "{clear}" + FromThree + nestedMenu()},
        {"Spielstart", "\n" + nestedMenu()},
        {"DAS ERWACHEN", "\n" + nestedMenu()},
    };
    for (const Case& c : cases) {
        game = GameState{};
        std::filesystem::remove("savegame.txt");
        // The save appears while the player reads "Kein Spielstand gefunden".
        scripted::script().onKeyWait = [&] {
            if (!fileExists("savegame.txt")) writeFile("savegame.txt", save(c.label));
        };
        type("2\n2\n10\n");
        screen();
        EXPECT_TRUE(endsProgram(runMenus));
        EXPECT_EQ(screen(), entryMenu() + NoSaveFallback + nestedMenu() + Loading + c.shown + Farewell) << c.label;
        scripted::script().onKeyWait = nullptr;
    }
}
