#include "support/game_fixture.h"

#include <fstream>
#include <sstream>

#include "state/game_state.h"

void GameTest::SetUp() {
    folder.emplace("hulgor-test");
    game = GameState{};
    session.emplace();
}

void GameTest::TearDown() {
    session.reset();
    folder.reset();
}

std::string GameTest::readFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void GameTest::writeFile(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary | std::ios::trunc) << bytes;
}
