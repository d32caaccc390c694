// libFuzzer target: savegame.txt, name.txt and permadeath.txt, each holding
// the same arbitrary bytes, loaded into the game. The label holds no line
// end, the name no white space, and what was read, written back by the game
// and read again is unchanged.
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "state/game_state.h"
#include "state/player_files.h"
#include "state/save_file.h"
#include "story/scene.h"
#include "support/scripted_console.h"
#include "support/work_folder.h"

namespace {

void require(bool holds, const char* what) {
    if (holds) return;
    std::cerr << "finding: " << what << "\n";
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const WorkFolder folder("hulgor-fuzz-files");
    for (const char* name : {SaveFileName, NameFileName, PermadeathFileName}) {
        std::ofstream(name, std::ios::binary) << std::string_view(reinterpret_cast<const char*>(data), size);
    }
    scripted::ScriptedSession session;
    auto loadAll = [] {
        game = GameState{};
        require(loadGame(), "savegame.txt, a regular file, was not read");
        loadPlayerName();
        loadPermadeath();
        return game;
    };
    const GameState read = loadAll();
    require(read.checkpoint.find('\n') == std::string::npos, "a line end in the label");
    require(read.playerName.find_first_of(" \t\n\v\f\r") == std::string::npos, "white space in the name");
    saveGame();
    savePlayerName();
    savePermadeath();
    GameState again = loadAll();
    if (read.checkpoint.ends_with('\r')) again.checkpoint = read.checkpoint;  // the written line end takes a CR
    require(again == read, "what was read, written back and read again differs");
    return 0;
}
