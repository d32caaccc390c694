#include "state/text_file.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <locale>

std::optional<std::string> readSmallFile(const std::string& path, std::size_t limit) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    // Read in pieces, so that a small file costs a small buffer.
    std::string content;
    std::array<char, 4096> piece{};
    while (content.size() < limit) {
        in.read(piece.data(), static_cast<std::streamsize>(std::min(piece.size(), limit - content.size())));
        content.append(piece.data(), static_cast<std::size_t>(in.gcount()));
        if (!in) break;
    }
    if (in.bad()) return std::nullopt;
    return content;
}

std::istringstream classicStream(std::string content) {
    std::istringstream stream(std::move(content));
    stream.imbue(std::locale::classic());
    return stream;
}

std::string decimal(std::int32_t value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    return out.str();
}
