// savegame.txt, name.txt and permadeath.txt: formats byte for byte, damaged
// files, foreign line ends, unwritable files.
#include <chrono>
#include <filesystem>
#include <functional>
#include <locale>
#include <sys/stat.h>

#include "state/player_files.h"
#include "state/save_file.h"
#include "support/game_fixture.h"

namespace {

class SaveFileTest : public GameTest {};
class PlayerFilesTest : public GameTest {};

const std::string SavedMessage = "\nSpiel erfolgreich gespeichert.\n";
const std::string SaveFailedMessage = "\nFehler beim Speichern des Spiels.\n";

// A locale that groups thousands, as the German one does.
struct GroupingPunct : std::numpunct<char> {
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

}  // namespace

TEST_F(SaveFileTest, NumbersNeverGetDigitGroupingFromTheGlobalLocale) {
    std::locale previous = std::locale::global(std::locale(std::locale::classic(), new GroupingPunct));
    game.checkpoint = "erster Dialog";
    game.ragnarRelation = 1234567;
    game.health = -20000;
    game.permadeath = 10000;
    saveGame();
    savePermadeath();
    game.ragnarRelation = 0;
    game.health = 0;
    game.permadeath = 0;
    EXPECT_TRUE(loadGame());
    loadPermadeath();
    std::locale::global(previous);
    EXPECT_EQ(readFile("savegame.txt"), "erster Dialog\n1234567\n0\n-20000\n0\n0\n0\n5\n0\n0\n1\n");
    EXPECT_EQ(readFile("permadeath.txt"), "10000\n");
    EXPECT_EQ(game.ragnarRelation, 1234567);
    EXPECT_EQ(game.health, -20000);
    EXPECT_EQ(game.permadeath, 10000);
}

TEST_F(SaveFileTest, RoundTripRestoresTheLoadedFieldsOnly) {
    game.checkpoint = "zweiter Dialog";
    game.ragnarRelation = -15;
    game.hasSword = 1;
    game.health = 75;
    game.ragnarStatus = 1;
    game.reservedA = 3;
    game.bardStatus = 2;
    game.bardRelation = 10;
    game.nameGiven = 1;
    game.reservedB = 4;
    game.nameEntryPending = 0;
    saveGame();
    EXPECT_EQ(screen(), SavedMessage);
    GameState saved = game;
    std::string bytes = readFile("savegame.txt");
    EXPECT_EQ(bytes, "zweiter Dialog\n-15\n1\n75\n1\n3\n2\n10\n1\n4\n0\n");

    game = GameState{};
    game.nameGiven = 7;  // not read back: keeps its value in memory
    game.reservedB = 8;
    screen();
    EXPECT_TRUE(loadGame());
    EXPECT_EQ(screen(), "");  // a load prints nothing
    GameState expected = saved;
    expected.nameGiven = 7;
    expected.reservedB = 8;
    EXPECT_EQ(game, expected);
    EXPECT_EQ(readFile("savegame.txt"), bytes);  // loading never writes
}

TEST_F(SaveFileTest, DamagedAndForeignFilesLoadWithoutFailing) {
    struct Case {
        std::string bytes;
        std::string checkpoint;
        std::int32_t ragnarRelation;
        std::int32_t health;
        std::int32_t nameEntryPending;
    };
    // Fields after the damage keep what they had (5, 100, 1 in a fresh state).
    const std::vector<Case> cases{
        {"zweiter Dialog\r\n10\r\n0\r\n75\r\n0\r\n0\r\n0\r\n5\r\n1\r\n0\r\n0\r\n", "zweiter Dialog", 10, 75, 0},
        {"Das Erwachen\n20\n1\n50\n", "Das Erwachen", 20, 50, 1},
        {"Das Erwachen", "Das Erwachen", 5, 100, 1},
        {"", "", 5, 100, 1},
        {"\n", "", 5, 100, 1},
        {"erster Dialog\nzehn\n1\n50\n", "erster Dialog", 5, 100, 1},
        {"erster Dialog\n7\n1\nfünfzig\n", "erster Dialog", 7, 100, 1},
        {"erster Dialog\n99999999999\n1\n50\n", "erster Dialog", 5, 100, 1},
        {"das erwachen\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n", "das erwachen", 5, 100, 0},
        {std::string("erster\0Dialog\n3", 15), std::string("erster\0Dialog", 13), 3, 100, 1},
        {"Spielstart\n  +8\n\n\n0\n100\n0\n0\n0\n5\n1\n0\n0\n", "Spielstart", 8, 100, 0},
    };
    for (const Case& c : cases) {
        game = GameState{};
        writeFile("savegame.txt", c.bytes);
        EXPECT_TRUE(loadGame());
        EXPECT_EQ(screen(), "");
        EXPECT_EQ(game.checkpoint, c.checkpoint);
        EXPECT_EQ(game.ragnarRelation, c.ragnarRelation) << c.checkpoint;
        EXPECT_EQ(game.health, c.health) << c.checkpoint;
        EXPECT_EQ(game.nameEntryPending, c.nameEntryPending) << c.checkpoint;
    }
}

// Each of the three files replaced by something hostile: loading returns at
// once and reads only regular files, at most 1 MiB; saving replaces a link
// itself and leaves its target, a directory and a FIFO alone.
TEST_F(SaveFileTest, HostileFilesNeitherHangNorAreWrittenThrough) {
    namespace fs = std::filesystem;
    fs::create_directory("elsewhere");
    writeFile("elsewhere/outside.txt", "Das Erwachen\n7\n");
    const std::string megabyte = "x" + std::string((1 << 20) - 1, '\0');
    struct Case {
        std::function<void(const std::string&)> put;
        std::string checkpoint, name;  // as loaded; "leer" and "Alt": not read
        fs::file_type afterSave;
    };
    const std::vector<Case> cases{
        {[](const std::string& f) { fs::create_directory(f); }, "leer", "Alt", fs::file_type::directory},
        {[](const std::string& f) { mkfifo(f.c_str(), 0600); }, "leer", "Alt", fs::file_type::fifo},
        {[](const std::string& f) { fs::create_symlink("/dev/zero", f); }, "leer", "Alt", fs::file_type::regular},
        {[](const std::string& f) { fs::create_symlink("elsewhere/outside.txt", f); }, "Das Erwachen", "Das",
         fs::file_type::regular},
        {[](const std::string& f) { writeFile(f, "x"), fs::resize_file(f, 3ull << 30); }, megabyte, megabyte,
         fs::file_type::regular},
        {[](const std::string& f) { writeFile(f, "\xff\xfe\x80 7\n"); }, "\xff\xfe\x80 7", "\xff\xfe\x80",
         fs::file_type::regular},
    };
    for (const Case& c : cases) {
        game = GameState{};
        game.playerName = "Alt";
        game.permadeath = 5;
        for (const char* file : {"savegame.txt", "name.txt", "permadeath.txt"}) c.put(file);
        auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(loadGame(), c.checkpoint != "leer");
        loadPlayerName();
        loadPermadeath();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        EXPECT_EQ(game.checkpoint, c.checkpoint);
        EXPECT_EQ(game.playerName, c.name);
        EXPECT_EQ(game.permadeath, c.name == "Alt" ? 5 : 0);  // no number in any of them

        screen();
        saveGame();
        savePlayerName();
        savePermadeath();
        bool replaced = c.afterSave == fs::file_type::regular;
        EXPECT_EQ(screen(), replaced ? SavedMessage : SaveFailedMessage);
        for (const char* file : {"savegame.txt", "name.txt", "permadeath.txt"}) {
            EXPECT_EQ(fs::symlink_status(file).type(), c.afterSave) << file;
            fs::remove_all(file);
        }
        EXPECT_EQ(readFile("elsewhere/outside.txt"), "Das Erwachen\n7\n");
    }
}

TEST_F(SaveFileTest, ReadOnlySaveKeepsItsContentAndReportsFailure) {
    writeFile("savegame.txt", "erster Dialog\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n");
    std::filesystem::permissions("savegame.txt", std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::group_read |
                                                     std::filesystem::perms::others_read);
    game.checkpoint = "zweiter Dialog";
    for (int attempt = 0; attempt < 2; ++attempt) {
        saveGame();
        EXPECT_EQ(screen(), SaveFailedMessage);
    }
    EXPECT_EQ(readFile("savegame.txt"), "erster Dialog\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1) << "a temporary file was left";
}

TEST_F(SaveFileTest, SavingReplacesTheFileWholeAndKeepsItsPermissions) {
    writeFile("savegame.txt", std::string(500, 'z'));
    std::filesystem::permissions("savegame.txt", std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_write);
    game.checkpoint = "erster Dialog";
    saveGame();
    EXPECT_EQ(readFile("savegame.txt"), "erster Dialog\n5\n0\n100\n0\n0\n0\n5\n0\n0\n1\n");
    EXPECT_EQ(std::filesystem::status("savegame.txt").permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
}

TEST_F(PlayerFilesTest, NameIsWrittenAsOneLineAndReadAsOneWord) {
    game.playerName = "Jörg";
    savePlayerName();
    EXPECT_EQ(readFile("name.txt"), "Jörg\n");

    struct Case {
        std::string bytes;
        std::string before;
        std::string after;
    };
    const std::vector<Case> cases{
        {"Jörg\n", "", "Jörg"},
        {"Anna Maria\n", "", "Anna"},
        {"  \n\t Kai\r\n", "", "Kai"},
        {"Bo", "", "Bo"},
        {"", "Alt", "Alt"},
        {" \r\n\n", "Alt", "Alt"},
    };
    for (const Case& c : cases) {
        writeFile("name.txt", c.bytes);
        game.playerName = c.before;
        loadPlayerName();
        EXPECT_EQ(game.playerName, c.after);
    }
    std::filesystem::remove("name.txt");
    game.playerName = "Unverändert";
    loadPlayerName();
    EXPECT_EQ(game.playerName, "Unverändert");

    game.playerName = "";
    savePlayerName();
    EXPECT_EQ(readFile("name.txt"), "\n");
    EXPECT_EQ(screen(), "");  // silent
}

TEST_F(PlayerFilesTest, PermadeathFileReadingRules) {
    struct Case {
        std::string bytes;
        std::int32_t before;
        std::int32_t after;
    };
    const std::vector<Case> cases{
        {"1\n", 0, 1}, {"0\n", 1, 0},   {"2\n", 0, 2},     {"1\r\n", 0, 1},
        {" -3", 0, -3}, {"ja\n", 1, 0}, {"", 1, 1},        {"\n \n", 1, 1},
        {"99999999999\n", 1, 0},
    };
    for (const Case& c : cases) {
        writeFile("permadeath.txt", c.bytes);
        game.permadeath = c.before;
        loadPermadeath();
        EXPECT_EQ(game.permadeath, c.after) << c.bytes;
    }
    std::filesystem::remove("permadeath.txt");
    game.permadeath = 0;
    loadPermadeath();
    EXPECT_EQ(game.permadeath, 0);
}

TEST_F(PlayerFilesTest, UnwritableFilesAreLeftAloneSilently) {
    writeFile("name.txt", "Alt\n");
    chmod("name.txt", 0444);
    game.playerName = "Neu";
    savePlayerName();
    EXPECT_EQ(readFile("name.txt"), "Alt\n");
    std::filesystem::create_directory("permadeath.txt");
    game.permadeath = 1;
    savePermadeath();
    EXPECT_TRUE(std::filesystem::is_directory("permadeath.txt"));
    EXPECT_EQ(game.permadeath, 1);
    EXPECT_EQ(screen(), "");
}
