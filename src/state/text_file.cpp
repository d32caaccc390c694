#include "state/text_file.h"

#include <filesystem>
#include <fstream>
#include <locale>

std::optional<std::string> readSmallFile(const std::string& path, std::size_t limit) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content(limit, '\0');
    in.read(content.data(), static_cast<std::streamsize>(limit));
    if (in.bad()) return std::nullopt;
    content.resize(static_cast<std::size_t>(in.gcount()));
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
