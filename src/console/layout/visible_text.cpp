#include "console/layout/visible_text.h"

#include <algorithm>
#include <iterator>

#include "console/layout/display_width.h"

namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD";  // U+FFFD

}  // namespace

std::string visibleCharacter(std::string_view character) {
    std::optional<char32_t> code = codePointOf(character);
    if (code && (*code < 0x20 || *code == 0x7F)) return {'^', static_cast<char>(*code ^ 0x40)};
    if (!code || (*code >= 0x80 && *code < 0xA0)) return std::string(Replacement);
    return std::string(character);
}

std::string visibleText(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = std::max<std::size_t>(1, wellFormedLength(text));  // a stray byte alone
        shown += visibleCharacter(text.substr(0, length));
        text.remove_prefix(length);
    }
    return shown;
}

bool beginsAnswer(char32_t code) {
    if (code <= 0x20 || (code >= 0x7F && code <= 0xA0) || displayWidth(code) == 0) return false;
    constexpr char32_t Blanks[] = {0x1680, 0x2028, 0x2029, 0x202F, 0x205F, 0x3000};
    if (code >= 0x2000 && code <= 0x200A) return false;
    return std::find(std::begin(Blanks), std::end(Blanks), code) == std::end(Blanks);
}
