#include "state/player_files.h"

#include "console/working_folder.h"
#include "state/game_state.h"
#include "state/text_file.h"

void savePlayerName() { replaceFileContents(NameFileName, game.playerName + TextLineEnd); }

void loadPlayerName() {
    std::optional<std::string> content = readSmallFile(NameFileName);
    if (!content) return;
    std::string word;
    if (classicStream(std::move(*content)) >> word) game.playerName = word;
}

void savePermadeath() {
    replaceFileContents(PermadeathFileName, decimal(game.permadeath) + TextLineEnd);
}

void loadPermadeath() {
    std::optional<std::string> content = readSmallFile(PermadeathFileName);
    if (!content) return;
    std::istringstream in = classicStream(std::move(*content));
    in >> std::ws;
    if (in.eof()) return;  // empty: the setting stays as it is
    std::int32_t value = 0;
    game.permadeath = (in >> value) ? value : 0;  // anything but a number: off
}
