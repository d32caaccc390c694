#include "console/layout/utf8.h"

namespace {

std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;  // a continuation byte or F8 to FF
}

}  // namespace

Utf8Decoded decodeUtf8(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    const std::size_t length = sequenceLength(lead);
    std::size_t got = 1;
    while (got < length && got < bytes.size() && (static_cast<unsigned char>(bytes[got]) & 0xC0) == 0x80) ++got;
    if (got < length) {
        return {got == bytes.size() ? Utf8Decoded::Status::Incomplete : Utf8Decoded::Status::Invalid, got, 0};
    }
    if (length == 1) {
        return lead < 0x80 ? Utf8Decoded{Utf8Decoded::Status::Valid, 1, lead}
                           : Utf8Decoded{Utf8Decoded::Status::Invalid, 1, 0};
    }
    char32_t codePoint = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) codePoint = (codePoint << 6) | (static_cast<unsigned char>(bytes[i]) & 0x3F);
    constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < smallest[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return {Utf8Decoded::Status::Invalid, length, 0};
    }
    return {Utf8Decoded::Status::Valid, length, codePoint};
}

std::optional<char32_t> codePointOf(std::string_view sequence) {
    if (sequence.empty()) return std::nullopt;
    const Utf8Decoded decoded = decodeUtf8(sequence);
    if (decoded.status != Utf8Decoded::Status::Valid || decoded.length != sequence.size()) return std::nullopt;
    return decoded.codePoint;
}

std::size_t lastLeadByte(std::string_view bytes) {
    for (std::size_t back = 1; back <= 4 && back <= bytes.size(); ++back) {
        if (!isUtf8Continuation(static_cast<unsigned char>(bytes[bytes.size() - back]))) return bytes.size() - back;
    }
    return std::string_view::npos;
}

std::size_t lengthWithoutCutOffEnd(std::string_view bytes) {
    const std::size_t start = lastLeadByte(bytes);
    if (start == std::string_view::npos) return bytes.size();
    return decodeUtf8(bytes.substr(start)).status == Utf8Decoded::Status::Incomplete ? start : bytes.size();
}

std::size_t wellFormedLength(std::string_view text) {
    if (text.empty()) return 0;
    const Utf8Decoded character = decodeUtf8(text);
    return character.status == Utf8Decoded::Status::Valid ? character.length : 0;
}
