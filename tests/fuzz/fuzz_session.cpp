// libFuzzer target: a whole game on the scripted console. The first byte
// chooses the start (bit 0: with the intro; the other bits: setUpGameFolder);
// the rest is typed line by line, then standard input ends. Every invariant
// is checked at every wait; a game is stopped after 400 waits.
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "fuzz/game_folder.h"
#include "state/game_state.h"
#include "support/invariants.h"
#include "support/scripted_console.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterGameFolder("hulgor-fuzz-session");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    setUpGameFolder(data[0]);
    std::istringstream typed(std::string(reinterpret_cast<const char*>(data) + 1, std::min<std::size_t>(size - 1, 4096)));
    game = GameState{};
    std::vector<std::string> broken;
    {
        scripted::ScriptedSession session;
        scripted::script().transcriptLimit = 16 << 20;
        broken = invariants::playChecked((data[0] & 1) != 0, [&]() -> std::optional<std::string> {
            std::string line;
            return std::getline(typed, line) ? std::optional(line) : std::nullopt;
        }, 400);
    }
    if (broken.empty()) return 0;
    const std::string& shown = scripted::script().transcript;
    std::fprintf(stderr, "transcript, last part:\n%s\n", shown.substr(shown.size() - std::min<std::size_t>(shown.size(), 3000)).c_str());
    for (const std::string& what : broken) std::fprintf(stderr, "finding: %s\n", what.c_str());
    std::abort();
    return 0;
}
