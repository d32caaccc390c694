#include "console/terminal_keys.h"

namespace {

std::size_t utf8Length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;  // a stray continuation or invalid byte stands alone
}

// CSI: ESC [ parameters... final byte in 0x40..0x7E.
std::size_t csiLength(std::string_view bytes) {
    for (std::size_t i = 2; i < bytes.size(); ++i) {
        auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= 0x40 && byte <= 0x7E) return i + 1;
        if (byte < 0x20 || byte > 0x3F) return i;  // not a CSI byte: the key ended before it
    }
    return 0;
}

}  // namespace

std::size_t keyLength(std::string_view bytes) {
    if (bytes.empty()) return 0;
    auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead == 0x1B) {
        if (bytes.size() < 2) return 0;
        if (bytes[1] == '[') return csiLength(bytes);
        if (bytes[1] == 'O') return bytes.size() < 3 ? 0 : 3;  // SS3: ESC O x
        return 1;  // a lone Escape followed by another key
    }
    std::size_t length = utf8Length(lead);
    for (std::size_t i = 1; i < length && i < bytes.size(); ++i) {
        if ((static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80) return i;  // broken sequence
    }
    return bytes.size() < length ? 0 : length;
}
