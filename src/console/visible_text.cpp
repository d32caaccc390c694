#include "console/visible_text.h"

#include "console/display_width.h"

namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD";  // U+FFFD

// The length of the character at the start of `text`: its whole UTF-8
// sequence when it is well-formed, else its first byte alone.
std::size_t firstCharacterLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return length <= text.size() && codePointOf(text.substr(0, length)) ? length : 1;
}

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
        const std::size_t length = firstCharacterLength(text);
        shown += visibleCharacter(text.substr(0, length));
        text.remove_prefix(length);
    }
    return shown;
}
