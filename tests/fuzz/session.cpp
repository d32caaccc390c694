#include "fuzz/session.h"

#include <fstream>
#include <iostream>
#include <sstream>

#include "state/game_state.h"
#include "state/player_files.h"
#include "state/save_file.h"
#include "support/invariants.h"
#include "support/scripted_console.h"

std::vector<std::string> playSession(const WorkFolder& folder, std::string_view bytes, int maxWaits) {
    if (bytes.empty()) return {};
    folder.empty();
    const unsigned start = static_cast<unsigned char>(bytes[0]);
    static const char* const labels[] = {"erster Dialog", "zweiter Dialog", "Das Erwachen"};
    if ((start & 2) != 0) std::ofstream(PermadeathFileName) << "1\n";
    if (unsigned label = (start >> 2) & 3; label != 0) {
        std::ofstream(SaveFileName) << labels[label - 1] << "\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n";
    }
    std::istringstream typed{std::string(bytes.substr(1))};
    game = GameState{};
    invariants::Outcome outcome;
    std::string shown;
    {
        scripted::ScriptedSession session;
        scripted::script().transcriptLimit = 16 << 20;
        int waits = 0;
        outcome = invariants::play((start & 1) != 0, [&](invariants::Wait, const std::string&) -> std::optional<std::string> {
            if (++waits > maxWaits) throw invariants::Stop{};
            std::string line;
            return std::getline(typed, line) ? std::optional(line) : std::nullopt;
        });
        shown = scripted::script().transcript;
    }
    if (!outcome.broken.empty()) {
        std::cerr << "transcript, last part:\n" << shown.substr(shown.size() - std::min<std::size_t>(shown.size(), 3000)) << "\n";
        for (const std::string& what : outcome.broken) std::cerr << "finding: " << what << "\n";
    }
    return outcome.broken;
}
