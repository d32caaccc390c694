// savegame.txt, name.txt and permadeath.txt as files of gigabytes. (The
// reading rules for damaged and foreign files are in tests/routes/files.route,
// hostile working folders in tests/routes/hostile.route.)
#include <chrono>
#include <fstream>
#include <sys/stat.h>

#include "state/player_files.h"
#include "state/save_file.h"
#include "support/game_fixture.h"

namespace {

namespace fs = std::filesystem;

const std::string SavedMessage = "\nSpiel erfolgreich gespeichert.\n";
const char* const Files[] = {"savegame.txt", "name.txt", "permadeath.txt"};

void writeFile(const std::string& name, const std::string& bytes) { std::ofstream(name, std::ios::binary) << bytes; }
std::string shown() { return std::exchange(scripted::script().transcript, ""); }

void saveAll() {
    saveGame();
    savePlayerName();
    savePermadeath();
}

using StateFilesTest = GameTest;

}  // namespace

// A file of gigabytes with no line end is read only to its first MiB, at
// once; a replaced file keeps its permissions, and no temporary file is left.
TEST_F(StateFilesTest, AHugeFileIsReadToItsFirstMebibyteAndReplacedWhole) {
    for (const char* file : Files) writeFile(file, "x"), fs::resize_file(file, 3ull << 30), chmod(file, 0600);
    auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(loadGame());
    loadPlayerName();
    loadPermadeath();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    const std::string mebibyte = "x" + std::string((1 << 20) - 1, '\0');
    EXPECT_EQ(game.checkpoint, mebibyte);
    EXPECT_EQ(game.playerName, mebibyte);
    EXPECT_EQ(game.permadeath, 0);
    game.checkpoint = "zweiter Dialog", game.playerName = "Neu", game.permadeath = 1;
    saveAll();
    EXPECT_EQ(shown(), SavedMessage);
    EXPECT_EQ(fileBytes("savegame.txt"), "zweiter Dialog\n5\n0\n100\n0\n0\n0\n5\n0\n0\n1\n");
    EXPECT_EQ(fileBytes("name.txt"), "Neu\n");
    EXPECT_EQ(fileBytes("permadeath.txt"), "1\n");
    for (const char* file : Files) {
        EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write) << file;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), 3);
}
