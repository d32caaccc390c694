#include "state/save_file.h"

#include <array>
#include <filesystem>

#include "console/working_folder.h"
#include "state/game_state.h"
#include "state/text_file.h"

namespace {

std::string saveFileContent() {
    std::string content = game.checkpoint + TextLineEnd;
    for (std::int32_t value : {game.ragnarRelation, game.hasSword, game.health, game.ragnarStatus,
                               game.reservedA, game.bardStatus, game.bardRelation, game.nameGiven,
                               game.reservedB, game.nameEntryPending}) {
        content += decimal(value) + TextLineEnd;
    }
    return content;
}

}  // namespace

bool writeSave() { return replaceFileContents(SaveFileName, saveFileContent()); }

void deleteSave() {
    std::error_code error;
    auto kind = std::filesystem::symlink_status(SaveFileName, error).type();
    if (kind == std::filesystem::file_type::regular || kind == std::filesystem::file_type::symlink) {
        removeFile(SaveFileName);
    }
}

bool loadGame() {
    // What another copy of the game sharing the folder saved since counts.
    refreshWorkingFolder();
    std::optional<std::string> content = readSmallFile(SaveFileName);
    if (!content) {
        game.checkpoint = Checkpoint::Empty;
        return false;
    }

    // Line 1 is the label, without its line end (LF or CR LF).
    std::size_t labelEnd = content->find('\n');
    std::string label = content->substr(0, labelEnd);
    if (!label.empty() && label.back() == '\r') label.pop_back();
    game.checkpoint = label;
    if (labelEnd == std::string::npos) return true;

    // Lines 2 to 11; a damaged line stops the reading and leaves the fields
    // from there on as they were. Lines 9 and 10 are read past.
    std::array<std::int32_t*, 10> targets{&game.ragnarRelation, &game.hasSword,  &game.health,
                                          &game.ragnarStatus,   &game.reservedA, &game.bardStatus,
                                          &game.bardRelation,   nullptr,         nullptr,
                                          &game.nameEntryPending};
    std::istringstream numbers = classicStream(content->substr(labelEnd + 1));
    for (std::int32_t* target : targets) {
        std::int32_t value = 0;
        if (!(numbers >> value)) break;
        if (target) *target = value;
    }
    return true;
}
