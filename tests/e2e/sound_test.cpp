// The game's sounds: the generated files, and the SDL back end that plays
// them, each program in a child process of its own.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/wait.h>

#include "console/sound/sound_file.h"
#include "support/work_folder.h"

namespace {

// `value` as `size` little-endian bytes, as a WAV header holds its numbers.
std::string little(std::uint32_t value, int size) {
    std::string bytes;
    for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xff);
    return bytes;
}

// A WAV file: a format chunk as given, then `data` bytes of silence; `before`
// goes between the two chunks.
struct Wave {
    std::uint32_t tag = 1, channels = 1, rate = 44100, bits = 16;
    std::uint32_t blockAlign = 0;  // 0: as the channels and bits say
    std::size_t data = 4410;
    std::string before;
    std::string bytes() const {
        const std::uint32_t align = blockAlign != 0 ? blockAlign : channels * bits / 8;
        std::string body = "WAVEfmt " + little(16, 4) + little(tag, 2) + little(channels, 2) + little(rate, 4) +
                           little(rate * align, 4) + little(align, 2) + little(bits, 2) + before + "data" +
                           little(static_cast<std::uint32_t>(data), 4) + std::string(data, '\0');
        return "RIFF" + little(static_cast<std::uint32_t>(body.size()), 4) + body;
    }
};

}  // namespace

// Which files the game plays: the kinds its own sounds and a player's are,
// and none whose playing would cost far more memory than the file itself.
TEST(Sounds, WaveHeadersTheGamePlays) {
    auto with = [](auto change) {
        Wave wave;
        change(wave);
        return wave.bytes();
    };
    const std::string good = Wave{}.bytes();
    const std::string huge = with([](Wave& w) { w.data = MaxSoundFileBytes; });
    const struct {
        const char* what;
        std::string bytes;
        bool playable;
    } cases[] = {
        {"16-bit mono at 44.1 kHz, as the game's own", good, true},
        {"24-bit stereo", with([](Wave& w) { w.bits = 24, w.channels = 2; }), true},
        {"32-bit float", with([](Wave& w) { w.tag = 3, w.bits = 32; }), true},
        {"an odd-sized chunk before the data, padded", with([](Wave& w) { w.before = "LIST" + little(3, 4) + std::string("abc\0", 4); }),
         true},
        {"samples cut short at the end of the file", good.substr(0, good.size() - 100), true},
        {"a rate of 1 Hz", with([](Wave& w) { w.rate = 1; }), false},
        {"a rate of 22,050 Hz", with([](Wave& w) { w.rate = 22050; }), false},
        {"a rate of 48 kHz", with([](Wave& w) { w.rate = 48000; }), false},
        {"8 bits", with([](Wave& w) { w.bits = 8; }), false},
        {"16-bit float", with([](Wave& w) { w.tag = 3; }), false},
        {"no channel", with([](Wave& w) { w.channels = 0; }), false},
        {"six channels", with([](Wave& w) { w.channels = 6; }), false},
        {"12 bits", with([](Wave& w) { w.bits = 12; }), false},
        {"a block size that does not match", with([](Wave& w) { w.blockAlign = 7; }), false},
        {"ADPCM", with([](Wave& w) { w.tag = 2; }), false},
        {"no sound in the data chunk", with([](Wave& w) { w.data = 0; }), false},
        {"a chunk longer than the file", with([](Wave& w) { w.before = "LIST" + little(0xFFFFFFF0, 4); }), false},
        {"no data chunk", good.substr(0, 36), false},
        {"data before the format", "RIFF" + little(20, 4) + "WAVEdata" + little(4, 4) + "abcd", false},
        {"no RIFF at the start", "RIFX" + good.substr(4), false},
        {"larger than the bound", huge, false},
        {"empty", "", false},
    };
    for (const auto& c : cases) EXPECT_EQ(playableWave(c.bytes), c.playable) << c.what;
}

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

// Files made to cost memory when played: a claimed rate of 1 Hz, and the
// longest file the game reads. Each costs no more than a few times its size.
TEST(SdlSound, HostileFilesCostBoundedMemory) {
    WorkFolder folder("hulgor-sdl-hostile");
    Wave slow;
    slow.rate = 1;
    slow.data = 2000;
    Wave longest;
    longest.channels = 2;
    longest.data = MaxSoundFileBytes - 100;
    std::ofstream("slow.wav", std::ios::binary) << slow.bytes();
    std::ofstream("long.wav", std::ios::binary) << longest.bytes();
    for (const auto& [file, errors] : {std::pair{"slow.wav", 1}, {"long.wav", 0}}) {
        SCOPED_TRACE(file);
        pid_t child = ::fork();
        if (child == 0) {
            ::setenv("SDL_AUDIODRIVER", "dummy", 1);
            if (!std::freopen("out.txt", "w", stdout) || !std::freopen("err.txt", "w", stderr)) _exit(126);
            ::execl(HULGOR_SOUND_PROBE, HULGOR_SOUND_PROBE, file, static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        rusage usage{};
        ASSERT_EQ(::wait4(child, &status, 0, &usage), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        const std::string reported = fileBytes("err.txt");
        EXPECT_EQ(std::count(reported.begin(), reported.end(), '\n'), errors) << reported;
#if !defined(__SANITIZE_ADDRESS__)  // the sanitizer's shadow memory would count
        const long peakBytes = usage.ru_maxrss * 1024L;
        const long fileSize = static_cast<long>(std::filesystem::file_size(file));
        EXPECT_LE(peakBytes, 6 * fileSize + (40L << 20)) << "peak " << (peakBytes >> 20) << " MB";
#endif
    }
}
#endif
