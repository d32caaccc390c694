// The SDL sound back end, in a child process per case (the audio device is
// opened once per process), on SDL's dummy driver or on a driver that
// cannot be opened.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string SoundError = "Fehler: Konnte Sound nicht abspielen. Prüfen Sie den Dateipfad.\n";

std::string slurp(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct Case {
    const char* driver;
    const char* files;
    std::string shown;  // after each call: the file, then the sound playing
    int errors;         // error lines expected on standard error
};

}  // namespace

TEST(SdlSound, PlaysReplacesReportsAndQuitsCleanly) {
    const Case cases[] = {
        // Returns while the sound plays, and the process quits during it.
        {"dummy", "intro.wav", "intro.wav: intro.wav\n", 0},
        {"dummy", "intro.wav erfolg.wav", "intro.wav: intro.wav\nerfolg.wav: erfolg.wav\n", 0},
        {"dummy", "missing.wav junk.wav cut.wav erfolg.wav",
         "missing.wav: \njunk.wav: \ncut.wav: \nerfolg.wav: erfolg.wav\n", 3},
        {"no-such-driver", "intro.wav erfolg.wav", "intro.wav: \nerfolg.wav: \n", 2},
    };
    const auto dir = std::filesystem::temp_directory_path() / ("hulgor-sdl-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    for (const char* name : {"intro.wav", "erfolg.wav"}) {
        std::filesystem::copy_file(std::filesystem::path(HULGOR_SOUNDS_DIR) / name, dir / name,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    std::ofstream(dir / "junk.wav") << "not a sound at all";
    // A RIFF/WAVE header with no format chunk behind it.
    std::ofstream(dir / "cut.wav", std::ios::binary) << slurp(dir / "intro.wav").substr(0, 12) << "garbage";

    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.driver) + ": " + c.files);
        const std::string command = "cd '" + dir.string() + "' && SDL_AUDIODRIVER=" + c.driver + " '" +
                                    HULGOR_SOUND_PROBE + "' " + c.files + " >out.txt 2>err.txt";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
        EXPECT_EQ(slurp(dir / "out.txt"), c.shown + "Das Programm wird beendet...\n");
        std::string errors;
        for (int i = 0; i < c.errors; ++i) errors += SoundError;
        EXPECT_EQ(slurp(dir / "err.txt"), errors);
    }
    std::filesystem::remove_all(dir);
}
