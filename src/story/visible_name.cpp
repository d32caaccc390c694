#include "story/visible_name.h"

#include "console/layout/utf8.h"
#include "state/game_state.h"
#include "story/scene.h"

namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD

}  // namespace

std::string visibleName(std::string_view name) {
    std::string shown;
    shown.reserve(name.size());
    while (!name.empty()) {
        const auto lead = static_cast<unsigned char>(name[0]);
        std::size_t length = 1;
        if (lead < 0x20 || lead == 0x7F) {
            // U+2400 plus the code, U+2421 for DEL: E2 90 80..9F, E2 90 A1.
            shown += "\xE2\x90";
            shown += static_cast<char>(0x80 + (lead == 0x7F ? 0x21 : lead));
        } else if (lead < 0x80) {
            shown += name[0];
        } else if ((length = wellFormedLength(name)) == 0) {
            shown += ReplacementCharacter;
            length = 1;
        } else if (lead == 0xC2 && static_cast<unsigned char>(name[1]) < 0xA0) {
            shown += ReplacementCharacter;  // a C1 control, U+0080 to U+009F
        } else {
            shown += name.substr(0, length);
        }
        name.remove_prefix(length);
    }
    return shown;
}

void sayName() { say(visibleName(game.playerName)); }
