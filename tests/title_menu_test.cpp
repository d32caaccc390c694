// Start-up, the intro splash, the entry-point title menu, the info screens,
// the permadeath switch and quitting, screen by screen.
#include "frontend/entry_point.h"
#include "frontend/menu_flow.h"
#include "support/game_fixture.h"
#include "support/screens.h"

using namespace screens;

namespace {

class TitleMenuTest : public GameTest {};

std::string spaces(int count) { return std::string(static_cast<std::size_t>(count), ' '); }
std::string emptyLines(int count) { return std::string(static_cast<std::size_t>(count), '\n'); }

}  // namespace

TEST_F(TitleMenuTest, StartUpIntroAndFirstMenu) {
    writeFile("permadeath.txt", "1\n");
    type("10\n");
    EXPECT_TRUE(endsProgram(runEntryPoint));
    const std::string expected =
        "{fullscreen}{font 45}{codepage}{locale}{font 55}"
        "{sound intro.wav}" + emptyLines(8) + spaces(29) + "Ein Spiel von Tamlowen...\n{pause 3000}{clear}" +
        emptyLines(8) + spaces(26) + "Hier könnte Ihr Logo stehen...\n{pause 3000}{clear}" +
        emptyLines(11) + "{font 28}" +
        spaces(28) + "Dieses Spiel ist äußerst progressiv und enthält weibliche sowie queere Charaktere.\n" +
        spaces(25) + "Spieler, denen solche Themen Angst machen, sollten es nur gemeinsam mit ihren Eltern spielen.\n" +
        spaces(30) + "Besser noch: Sie sollten sich Hilfe suchen und aufhören, Gegner solcher Themen zu sein.\n" +
        "\n" +
        spaces(31) + "Alle Charaktere sind frei erfunden. Ähnlichkeiten mit realen Personen sind rein zufällig.\n" +
        spaces(18) + "Warnung: Dieses Programm enthält sehr viele böse Wörter und sollte wegen seines grauenvollen "
                     "Inhalts von niemandem konsumiert werden.\n" +
        emptyLines(3) + "{Red}" + spaces(39) + "Dieses Spiel speichert automatisch in bestimmten Abständen.\n" +
        emptyLines(2) + "{Normal}" + spaces(53) + "Drücke eine beliebige Taste...\n{key}{clear}" +
        entryMenu(true) +
        "{clear}\nSpiel wird beendet...\n" + Quit;
    EXPECT_EQ(screen(), expected);
    EXPECT_EQ(scripted::script().clockMs, 6000);
    EXPECT_EQ(scripted::script().errors, "");
}

TEST_F(TitleMenuTest, StartUpWithoutConsoleWindowOrSoundsGoesOn) {
    scripted::script().hasConsoleWindow = false;
    scripted::script().missingSounds = {"intro.wav"};
    type("");
    EXPECT_TRUE(endsProgram(runEntryPoint));
    EXPECT_EQ(scripted::script().errors,
              "Fehler: Konnte das Konsolenfenster nicht abrufen.\n"
              "Fehler: Konnte Sound nicht abspielen. Prüfen Sie den Dateipfad.\n");
    std::string shown = screen();
    EXPECT_TRUE(shown.starts_with("{font 45}{codepage}{locale}{font 55}{sound intro.wav}\n"));
    EXPECT_TRUE(shown.ends_with(entryMenu() + EndOfInput));
}

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

TEST_F(TitleMenuTest, InfoScreensEachWaitForOneKey) {
    type("3\n4\n5\n");
    EXPECT_TRUE(endsProgram(runMenus));
    EXPECT_EQ(screen(), entryMenu() + VersionScreen + "\n" + entryMenu() + AchievementsScreen + "\n" +
                            entryMenu() + CreditsScreen + "\n" + entryMenu() + EndOfInput);
    EXPECT_EQ(scripted::script().keyWaits, 3);
    EXPECT_FALSE(fileExists("savegame.txt"));
}

TEST_F(TitleMenuTest, PermadeathToggleWritesItsFile) {
    struct Case {
        std::string before;  // permadeath.txt at start ("" = none)
        bool firstShownOn;
        std::string afterOneToggle;
    };
    const std::vector<Case> cases{{"", false, "1\n"}, {"1\n", true, "0\n"}, {"2\n", true, "0\n"}, {"0\n", false, "1\n"}};
    for (const Case& c : cases) {
        std::filesystem::remove("permadeath.txt");
        if (!c.before.empty()) writeFile("permadeath.txt", c.before);
        game = GameState{};
        type("10\n");
        screen();
        EXPECT_TRUE(endsProgram(runEntryPoint));
        EXPECT_NE(screen().find(entryMenu(c.firstShownOn)), std::string::npos) << c.before;

        type("6\n");
        EXPECT_TRUE(endsProgram(runMenus));
        EXPECT_EQ(screen(), entryMenu(c.firstShownOn) + "\n" + entryMenu(!c.firstShownOn) + EndOfInput);
        EXPECT_EQ(readFile("permadeath.txt"), c.afterOneToggle);

        type("6\n");
        EXPECT_TRUE(endsProgram(runMenus));
        screen();
        EXPECT_EQ(readFile("permadeath.txt"), c.afterOneToggle == "1\n" ? "0\n" : "1\n");
    }
}

TEST_F(TitleMenuTest, QuitLeavesEveryFileAsItWas) {
    writeFile("savegame.txt", "Das Erwachen\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n");
    writeFile("name.txt", "Kai\n");
    type("10\n");
    EXPECT_TRUE(endsProgram(runMenus));
    EXPECT_EQ(screen(), entryMenu() + "{clear}\nSpiel wird beendet...\n" + Quit);
    EXPECT_EQ(readFile("savegame.txt"), "Das Erwachen\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n");
    EXPECT_EQ(readFile("name.txt"), "Kai\n");
    EXPECT_FALSE(fileExists("permadeath.txt"));
}
