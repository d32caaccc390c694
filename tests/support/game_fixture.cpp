#include "support/game_fixture.h"

#include <fstream>
#include <random>
#include <sstream>

void GameTest::SetUp() {
    previousDir = std::filesystem::current_path();
    std::random_device entropy;
    // Saves are flushed to disk; in memory that costs nothing, so the tests
    // work in /dev/shm where there is one.
    std::error_code noShm;
    std::filesystem::path base = std::filesystem::is_directory("/dev/shm", noShm)
                                     ? std::filesystem::path("/dev/shm")
                                     : std::filesystem::temp_directory_path();
    workDir = base / ("hulgor-test-" + std::to_string(entropy()) + "-" + std::to_string(entropy()));
    std::filesystem::create_directories(workDir);
    std::filesystem::current_path(workDir);
    game = GameState{};
    session = std::make_unique<scripted::ScriptedSession>();
}

void GameTest::TearDown() {
    session.reset();
    std::filesystem::current_path(previousDir);
    std::error_code ignored;
    std::filesystem::permissions(workDir, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(workDir, ignored);
}

void GameTest::type(std::string input) { session->setInput(std::move(input)); }

bool GameTest::endsProgram(const std::function<void()>& part) {
    try {
        part();
    } catch (const ProgramQuit&) {
        return true;
    }
    return false;
}

std::string GameTest::screen() { return session->take(); }

std::string GameTest::readFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void GameTest::writeFile(const std::string& name, const std::string& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool GameTest::fileExists(const std::string& name) { return std::filesystem::exists(name); }
