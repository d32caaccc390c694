// The generated sounds: two runs of the generator give the same bytes, and
// every file is a plain PCM WAV (44.1 kHz, 16 bits, mono) of the right
// length and level, silent at both ends.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>

#include "support/work_folder.h"

namespace {

std::string slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string little(std::uint32_t value, int size) {
    std::string bytes;
    for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xff);
    return bytes;
}

}  // namespace

TEST(Sounds, EightDeterministicCleanPcmFiles) {
    WorkFolder folder("hulgor-sounds");
    ASSERT_EQ(std::system("'" MAKE_SOUNDS "' a && '" MAKE_SOUNDS "' b"), 0);
    const double minusOneDb = 32768.0 * std::pow(10.0, -1.0 / 20.0);
    for (const std::string name : {"intro.wav", "719.wav", "Dragonattack.wav", "erfolg.wav", "wolves.wav",
                                   "bard.wav", "gore.wav", "death.wav"}) {
        SCOPED_TRACE(name);
        const std::string wav = slurp("a/" + name);
        ASSERT_GT(wav.size(), 44u);
        EXPECT_EQ(wav, slurp("b/" + name));
        const auto dataSize = static_cast<std::uint32_t>(wav.size() - 44);
        EXPECT_EQ(wav.substr(0, 44), "RIFF" + little(dataSize + 36, 4) + "WAVEfmt " + little(16, 4) + little(1, 2) +
                                         little(1, 2) + little(44100, 4) + little(88200, 4) + little(2, 2) +
                                         little(16, 2) + "data" + little(dataSize, 4));
        std::vector<int> samples;
        for (std::size_t at = 44; at + 1 < wav.size(); at += 2) {
            auto bits = static_cast<std::uint16_t>(static_cast<unsigned char>(wav[at]) | static_cast<unsigned char>(wav[at + 1]) << 8);
            samples.push_back(static_cast<std::int16_t>(bits));
        }
        EXPECT_GE(samples.size(), 44100u / 2);
        EXPECT_LE(samples.size(), 44100u * 4);
        int peak = 0;
        for (int sample : samples) peak = std::max(peak, std::abs(sample));
        EXPECT_LE(peak, minusOneDb);
        EXPECT_GT(peak, minusOneDb / 2) << "too quiet";
        // Fades: silent at both ends, and still quiet 1 ms in from each end.
        EXPECT_EQ(samples.front(), 0);
        EXPECT_EQ(samples.back(), 0);
        EXPECT_LE(std::abs(samples[44]), peak / 4);
        EXPECT_LE(std::abs(samples[samples.size() - 45]), peak / 4);
    }
}
