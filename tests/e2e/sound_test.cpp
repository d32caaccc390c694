// The game's sounds: the generated files, and the SDL back end that plays
// them, each program in a child process of its own.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sys/wait.h>

#include "support/work_folder.h"

namespace {

// `value` as `size` little-endian bytes, as a WAV header holds its numbers.
std::string little(std::uint32_t value, int size) {
    std::string bytes;
    for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xff);
    return bytes;
}

}  // namespace

// Two runs of the generator give the same bytes, and every file is a plain
// PCM WAV (44.1 kHz, 16 bits, mono) of the right length and level, silent at
// both ends.
TEST(Sounds, EightDeterministicCleanPcmFiles) {
    WorkFolder folder("hulgor-sounds");
    ASSERT_EQ(std::system("'" MAKE_SOUNDS "' a && '" MAKE_SOUNDS "' b"), 0);
    const double minusOneDb = 32768.0 * std::pow(10.0, -1.0 / 20.0);
    for (const std::string name : {"intro.wav", "719.wav", "Dragonattack.wav", "erfolg.wav", "wolves.wav",
                                   "bard.wav", "gore.wav", "death.wav"}) {
        SCOPED_TRACE(name);
        const std::string wav = fileBytes("a/" + name);
        ASSERT_GT(wav.size(), 44u);
        EXPECT_EQ(wav, fileBytes("b/" + name));
        const auto dataSize = static_cast<std::uint32_t>(wav.size() - 44);
        EXPECT_EQ(wav.substr(0, 44), "RIFF" + little(dataSize + 36, 4) + "WAVEfmt " + little(16, 4) + little(1, 2) +
                                         little(1, 2) + little(44100, 4) + little(88200, 4) + little(2, 2) +
                                         little(16, 2) + "data" + little(dataSize, 4));
        std::vector<int> samples;
        for (std::size_t at = 44; at + 1 < wav.size(); at += 2) {
            auto low = static_cast<unsigned char>(wav[at]), high = static_cast<unsigned char>(wav[at + 1]);
            samples.push_back(static_cast<std::int16_t>(static_cast<std::uint16_t>(low | high << 8)));
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

// The SDL back end on SDL's dummy driver or on a driver that cannot be
// opened (the audio device belongs to the process, so each case runs the
// probe anew): sounds play without waiting, a new one replaces the old, a
// file that is missing or no WAV gives the error line, and the process quits
// cleanly while a sound plays.
#ifdef HULGOR_SOUND_PROBE
TEST(SdlSound, PlaysReplacesReportsAndQuitsCleanly) {
    const std::string error = "Fehler: Konnte Sound nicht abspielen. Prüfen Sie den Dateipfad.\n";
    struct Case {
        const char *driver, *files;
        std::string shown;  // after each call: the file, then the sound playing
        int errors;         // error lines expected on standard error
    };
    const Case cases[] = {
        {"dummy", "intro.wav", "intro.wav: intro.wav\n", 0},
        {"dummy", "intro.wav erfolg.wav", "intro.wav: intro.wav\nerfolg.wav: erfolg.wav\n", 0},
        {"dummy", "missing.wav junk.wav cut.wav erfolg.wav",
         "missing.wav: \njunk.wav: \ncut.wav: \nerfolg.wav: erfolg.wav\n", 3},
        {"no-such-driver", "intro.wav erfolg.wav", "intro.wav: \nerfolg.wav: \n", 2},
    };
    WorkFolder folder("hulgor-sdl");
    std::ofstream("intro.wav", std::ios::binary) << fileBytes(HULGOR_SOUNDS_DIR "/intro.wav");
    std::ofstream("erfolg.wav", std::ios::binary) << fileBytes(HULGOR_SOUNDS_DIR "/erfolg.wav");
    std::ofstream("junk.wav") << "not a sound at all";
    std::ofstream("cut.wav", std::ios::binary) << fileBytes("intro.wav").substr(0, 12) << "garbage";  // no format chunk
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.driver) + ": " + c.files);
        std::string command =
            "SDL_AUDIODRIVER=" + std::string(c.driver) + " '" HULGOR_SOUND_PROBE "' " + c.files + " >out.txt 2>err.txt";
        int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        EXPECT_EQ(fileBytes("out.txt"), c.shown + "Das Programm wird beendet...\n");
        std::string errors;
        for (int i = 0; i < c.errors; ++i) errors += error;
        EXPECT_EQ(fileBytes("err.txt"), errors);
    }
}
#endif
