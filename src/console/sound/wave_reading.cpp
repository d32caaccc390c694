#include "console/sound/wave_reading.h"

#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "console/sound/sound_file.h"

std::optional<std::vector<char>> readWave(const std::string& fileName) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) return std::nullopt;
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (file == nullptr) return std::nullopt;
    std::vector<char> bytes;
    char buffer[65536];
    std::size_t got = 0;
    while (bytes.size() <= MaxSoundFileBytes && (got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    const bool readWhole = std::ferror(file) == 0;
    std::fclose(file);
    if (!readWhole || !playableWave(std::string_view(bytes.data(), bytes.size()))) return std::nullopt;
    return bytes;
}
