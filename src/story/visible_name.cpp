#include "story/visible_name.h"

#include "state/game_state.h"
#include "story/scene.h"

namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD

// The length of the well-formed UTF-8 sequence of two to four bytes at the
// start of `text`, or 0 when there is none (stray, overlong, surrogate).
std::size_t sequenceLength(std::string_view text) {
    struct Form {
        unsigned char leadLow, leadHigh, secondLow, secondHigh;
        std::size_t length;
    };
    static constexpr Form forms[] = {
        {0xC2, 0xDF, 0x80, 0xBF, 2}, {0xE0, 0xE0, 0xA0, 0xBF, 3}, {0xE1, 0xEC, 0x80, 0xBF, 3},
        {0xED, 0xED, 0x80, 0x9F, 3}, {0xEE, 0xEF, 0x80, 0xBF, 3}, {0xF0, 0xF0, 0x90, 0xBF, 4},
        {0xF1, 0xF3, 0x80, 0xBF, 4}, {0xF4, 0xF4, 0x80, 0x8F, 4}};
    auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    for (const Form& form : forms) {
        if (byte(0) < form.leadLow || byte(0) > form.leadHigh) continue;
        if (text.size() < form.length || byte(1) < form.secondLow || byte(1) > form.secondHigh) return 0;
        for (std::size_t i = 2; i < form.length; ++i) {
            if ((byte(i) & 0xC0) != 0x80) return 0;
        }
        return form.length;
    }
    return 0;
}

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
        } else if ((length = sequenceLength(name)) == 0) {
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
