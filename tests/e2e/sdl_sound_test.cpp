// The SDL sound back end, in a child process per case (the audio device
// belongs to the process), on SDL's dummy driver or on a driver that cannot
// be opened: sounds play without waiting, a new one replaces the old, a file
// that is missing or no WAV gives the error line, and the process quits
// cleanly while a sound plays.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sys/wait.h>

#include "support/work_folder.h"

namespace {

std::string slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

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
        {"dummy", "missing.wav junk.wav cut.wav erfolg.wav", "missing.wav: \njunk.wav: \ncut.wav: \nerfolg.wav: erfolg.wav\n", 3},
        {"no-such-driver", "intro.wav erfolg.wav", "intro.wav: \nerfolg.wav: \n", 2},
    };
    WorkFolder folder("hulgor-sdl");
    std::ofstream("intro.wav", std::ios::binary) << slurp(HULGOR_SOUNDS_DIR "/intro.wav");
    std::ofstream("erfolg.wav", std::ios::binary) << slurp(HULGOR_SOUNDS_DIR "/erfolg.wav");
    std::ofstream("junk.wav") << "not a sound at all";
    std::ofstream("cut.wav", std::ios::binary) << slurp("intro.wav").substr(0, 12) << "garbage";  // no format chunk
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.driver) + ": " + c.files);
        std::string command = "SDL_AUDIODRIVER=" + std::string(c.driver) + " '" HULGOR_SOUND_PROBE "' " + c.files + " >out.txt 2>err.txt";
        int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        EXPECT_EQ(slurp("out.txt"), c.shown + "Das Programm wird beendet...\n");
        std::string errors;
        for (int i = 0; i < c.errors; ++i) errors += error;
        EXPECT_EQ(slurp("err.txt"), errors);
    }
}
