#include "console/sound_file.h"

std::filesystem::path soundFile(const std::string& name, const std::filesystem::path& installed) {
    std::error_code ignored;
    if (installed.empty() || std::filesystem::exists(std::filesystem::symlink_status(name, ignored))) return name;
    const std::filesystem::path beside = installed / name;
    return std::filesystem::exists(beside, ignored) ? beside : std::filesystem::path(name);
}
