#include "console/sound/sound_file.h"

#include <cstdint>
#include <optional>

std::filesystem::path soundFile(const std::string& name, const std::filesystem::path& installed) {
    std::error_code ignored;
    if (installed.empty() || std::filesystem::exists(std::filesystem::symlink_status(name, ignored))) return name;
    const std::filesystem::path beside = installed / name;
    return std::filesystem::exists(beside, ignored) ? beside : std::filesystem::path(name);
}

namespace {

std::uint32_t littleEndian(std::string_view bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

struct WaveFormat {
    std::uint32_t tag, channels, rate, blockAlign, bits;
};

}  // namespace

bool playableWave(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.size() > MaxSoundFileBytes || !bytes.starts_with("RIFF") ||
        bytes.substr(8, 4) != "WAVE") {
        return false;
    }
    std::optional<WaveFormat> format;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string_view id = bytes.substr(at, 4);
        const std::size_t size = littleEndian(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= bytes.size()) {
            format = WaveFormat{littleEndian(bytes, body, 2), littleEndian(bytes, body + 2, 2),
                                littleEndian(bytes, body + 4, 4), littleEndian(bytes, body + 12, 2),
                                littleEndian(bytes, body + 14, 2)};
        } else if (id == "data") {
            // The format comes first; samples may run to the end of a file cut short.
            if (!format || size == 0 || body >= bytes.size()) return false;
            const WaveFormat& f = *format;
            const bool pcm = (f.tag == 1 || f.tag == 0xFFFE) && (f.bits == 16 || f.bits == 24 || f.bits == 32);
            const bool floats = f.tag == 3 && f.bits == 32;
            return (pcm || floats) && f.channels >= 1 && f.channels <= 2 && f.rate == static_cast<std::uint32_t>(SoundDeviceRate) &&
                   f.blockAlign == f.channels * f.bits / 8;
        }
        if (size > bytes.size() - body) return false;
        at = body + size + (size & 1);  // chunks are padded to an even length
    }
    return false;
}
