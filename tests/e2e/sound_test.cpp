// The game's sounds: the generated files, and the SDL back end that plays
// them, each program in a child process of its own.
#include <gtest/gtest.h>

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

// A WAV file of 16-bit samples: `data` bytes of silence.
std::string wave(std::uint32_t channels, std::uint32_t rate, std::size_t data) {
    const std::uint32_t align = channels * 2;
    std::string body = "WAVEfmt " + little(16, 4) + little(1, 2) + little(channels, 2) + little(rate, 4) +
                       little(rate * align, 4) + little(align, 2) + little(16, 2) + "data" +
                       little(static_cast<std::uint32_t>(data), 4) + std::string(data, '\0');
    return "RIFF" + little(static_cast<std::uint32_t>(body.size()), 4) + body;
}

}  // namespace

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
    std::ofstream("slow.wav", std::ios::binary) << wave(1, 1, 2000);
    std::ofstream("long.wav", std::ios::binary) << wave(2, 44100, MaxSoundFileBytes - 100);
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
