// The generated sounds: two runs of the generator give the same bytes, and
// every file is a plain PCM WAV of the right shape and level.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

std::string slurp(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t little(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::filesystem::path generate(const std::string& name) {
    auto dir = std::filesystem::temp_directory_path() /
               ("hulgor-sounds-" + name + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    EXPECT_EQ(std::system(("'" MAKE_SOUNDS "' '" + dir.string() + "'").c_str()), 0);
    return dir;
}

}  // namespace

TEST(Sounds, EightDeterministicCleanPcmFiles) {
    const auto first = generate("a"), second = generate("b");
    const double minusOneDb = 32768.0 * std::pow(10.0, -1.0 / 20.0);
    for (const char* name : {"intro.wav", "719.wav", "Dragonattack.wav", "erfolg.wav", "wolves.wav",
                             "bard.wav", "gore.wav", "death.wav"}) {
        SCOPED_TRACE(name);
        const std::string wav = slurp(first / name);
        ASSERT_GT(wav.size(), 44u);
        EXPECT_EQ(wav, slurp(second / name));
        EXPECT_EQ(wav.substr(0, 4), "RIFF");
        EXPECT_EQ(little(wav, 4, 4), wav.size() - 8);
        EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(little(wav, 16, 4), 16u);      // format chunk size
        EXPECT_EQ(little(wav, 20, 2), 1u);       // PCM
        EXPECT_EQ(little(wav, 22, 2), 1u);       // mono
        EXPECT_EQ(little(wav, 24, 4), 44100u);   // sample rate
        EXPECT_EQ(little(wav, 28, 4), 88200u);   // bytes per second
        EXPECT_EQ(little(wav, 32, 2), 2u);       // bytes per frame
        EXPECT_EQ(little(wav, 34, 2), 16u);      // bits per sample
        EXPECT_EQ(wav.substr(36, 4), "data");
        ASSERT_EQ(little(wav, 40, 4), wav.size() - 44);

        const std::size_t count = (wav.size() - 44) / 2;
        auto sample = [&](std::size_t i) { return static_cast<std::int16_t>(little(wav, 44 + 2 * i, 2)); };
        const double seconds = static_cast<double>(count) / 44100.0;
        EXPECT_GE(seconds, 0.5);
        EXPECT_LE(seconds, 4.0);
        int peak = 0;
        for (std::size_t i = 0; i < count; ++i) peak = std::max(peak, std::abs(int{sample(i)}));
        EXPECT_LE(peak, minusOneDb);
        EXPECT_GT(peak, minusOneDb / 2) << "too quiet";
        // Fades: silent at both ends, and still quiet 1 ms in from each end.
        EXPECT_EQ(sample(0), 0);
        EXPECT_EQ(sample(count - 1), 0);
        EXPECT_LE(std::abs(int{sample(44)}), peak / 4);
        EXPECT_LE(std::abs(int{sample(count - 45)}), peak / 4);
    }
    std::filesystem::remove_all(first);
    std::filesystem::remove_all(second);
}
