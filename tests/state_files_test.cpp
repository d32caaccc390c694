// savegame.txt, name.txt and permadeath.txt where C++ is needed to set them
// up: a locale that groups digits, hostile files, unwritable files. (The
// reading rules for damaged and foreign files are in tests/routes/files.route.)
#include <chrono>
#include <fstream>
#include <functional>
#include <locale>
#include <sys/stat.h>

#include "state/player_files.h"
#include "state/save_file.h"
#include "support/game_fixture.h"
#include "support/invariants.h"

namespace {

namespace fs = std::filesystem;

const std::string SavedMessage = "\nSpiel erfolgreich gespeichert.\n";
const std::string SaveFailedMessage = "\nFehler beim Speichern des Spiels.\n";
const char* const Files[] = {"savegame.txt", "name.txt", "permadeath.txt"};

std::string readFile(const std::string& name) { return invariants::readFile(name).value_or("(none)"); }
void writeFile(const std::string& name, const std::string& bytes) { std::ofstream(name, std::ios::binary) << bytes; }
std::string shown() { return std::exchange(scripted::script().transcript, ""); }
std::size_t filesHere() { return static_cast<std::size_t>(std::distance(fs::directory_iterator("."), {})); }

void saveAll() {
    saveGame();
    savePlayerName();
    savePermadeath();
}

// A locale that groups thousands, as the German one does.
struct GroupingPunct : std::numpunct<char> {
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

using StateFilesTest = GameTest;

}  // namespace

// Every field in its line, numbers never grouped; a load restores the fields
// it reads (not lines 9 and 10), prints nothing and writes nothing.
TEST_F(StateFilesTest, RoundTripUnderALocaleThatGroupsDigits) {
    std::locale previous = std::locale::global(std::locale(std::locale::classic(), new GroupingPunct));
    game.checkpoint = "zweiter Dialog";
    game.ragnarRelation = 1234567, game.hasSword = 1, game.health = -20000, game.ragnarStatus = 1;
    game.reservedA = 3, game.bardStatus = 2, game.bardRelation = 10, game.nameGiven = 1, game.reservedB = 4;
    game.nameEntryPending = 0, game.permadeath = 10000;
    saveGame();
    savePermadeath();
    GameState expected = game;
    expected.nameGiven = 7, expected.reservedB = 8;
    game = GameState{};
    game.nameGiven = 7, game.reservedB = 8;
    EXPECT_EQ(shown(), SavedMessage);
    EXPECT_TRUE(loadGame());
    loadPermadeath();
    std::locale::global(previous);
    EXPECT_EQ(game, expected);
    EXPECT_EQ(shown(), "");
    EXPECT_EQ(readFile("savegame.txt"), "zweiter Dialog\n1234567\n1\n-20000\n1\n3\n2\n10\n1\n4\n0\n");
    EXPECT_EQ(readFile("permadeath.txt"), "10000\n");
}

// Each of the three files replaced by something hostile: loading returns at
// once and reads only regular files, at most 1 MiB; saving replaces a link
// itself and leaves its target, a directory and a FIFO alone.
TEST_F(StateFilesTest, HostileFilesNeitherHangNorAreWrittenThrough) {
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
        game.playerName = "Alt", game.permadeath = 5;
        for (const char* file : Files) c.put(file);
        auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(loadGame(), c.checkpoint != "leer");
        loadPlayerName();
        loadPermadeath();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        EXPECT_EQ(game.checkpoint, c.checkpoint);
        EXPECT_EQ(game.playerName, c.name);
        EXPECT_EQ(game.permadeath, c.name == "Alt" ? 5 : 0);  // no number in any of them

        shown();
        saveAll();
        EXPECT_EQ(shown(), c.afterSave == fs::file_type::regular ? SavedMessage : SaveFailedMessage);
        for (const char* file : Files) {
            EXPECT_EQ(fs::symlink_status(file).type(), c.afterSave) << file;
            fs::remove_all(file);
        }
        EXPECT_EQ(readFile("elsewhere/outside.txt"), "Das Erwachen\n7\n");
    }
}

// A save that cannot be replaced keeps its content and says so (the name and
// the permadeath setting fail silently); a replaced file keeps its
// permissions; no temporary file is ever left behind.
TEST_F(StateFilesTest, UnwritableFilesKeepTheirContentAndReplacedOnesTheirPermissions) {
    const std::string oldSave = "erster Dialog\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n";
    writeFile("savegame.txt", oldSave);
    writeFile("name.txt", "Alt\n");
    chmod("savegame.txt", 0444);
    chmod("name.txt", 0444);
    fs::create_directory("permadeath.txt");
    game.checkpoint = "zweiter Dialog", game.playerName = "Neu", game.permadeath = 1;
    for (int attempt = 0; attempt < 2; ++attempt) {
        saveAll();
        EXPECT_EQ(shown(), SaveFailedMessage);
    }
    EXPECT_EQ(readFile("savegame.txt"), oldSave);
    EXPECT_EQ(readFile("name.txt"), "Alt\n");
    EXPECT_TRUE(fs::is_directory("permadeath.txt"));
    EXPECT_EQ(filesHere(), 3u);

    fs::remove("permadeath.txt");
    chmod("savegame.txt", 0600);
    writeFile("savegame.txt", std::string(500, 'z'));
    saveGame();
    EXPECT_EQ(readFile("savegame.txt"), "zweiter Dialog\n5\n0\n100\n0\n0\n0\n5\n0\n0\n1\n");
    EXPECT_EQ(fs::status("savegame.txt").permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(filesHere(), 2u);
}
