// Drives the title menus through deep nesting on the scripted console and
// prints how deep they went, how much was stored and how much memory the
// process used at its peak. Not a test: it asserts nothing, it measures.
//
//   stress_nesting continues 1000000   Continue without a save, again and again
//   stress_nesting deaths 100000       die in a nested new game, again and again
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

#include "frontend/menu_loop.h"
#include "state/game_state.h"
#include "story/chapters.h"
#include "story/death_screen.h"
#include "story/scene.h"
#include "support/scripted_console.h"
#include "test_seam.h"

namespace {

void dieAtOnce() {
    DeathScreen({.blankLinesBefore = 0, .leadSound = LeadSound::None, .keyPrompt = DeathEndPrompt, .sword = Sword::Lost});
}
constexpr Scene deadlyStory[] = {dieAtOnce};

long peakMemoryKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

std::string repeated(const std::string& piece, long times) {
    std::string all;
    all.reserve(piece.size() * static_cast<std::size_t>(times));
    for (long i = 0; i < times; ++i) all += piece;
    return all;
}

}  // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "continues";
    long count = argc > 2 ? std::atol(argv[2]) : 1000000;
    if ((mode != "continues" && mode != "deaths") || count <= 0) {
        std::cerr << "usage: stress_nesting continues|deaths COUNT\n";
        return 2;
    }

    // Each death's new game saves (and flushes) the save file: a memory-backed
    // folder keeps the figures about the game, not about the disk.
    std::filesystem::path base = std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                                           : std::filesystem::temp_directory_path();
    auto workDir = base / ("hulgor-stress-" + std::to_string(::getpid()));
    std::filesystem::remove_all(workDir);
    std::filesystem::create_directories(workDir);
    std::filesystem::current_path(workDir);

    // Continues: option 2 in every menu, never a save file. Deaths: the first
    // new game dies at once, then each death menu starts a new game that dies.
    std::string input = mode == "continues" ? repeated("2\n", count) : "1\nHeld\n" + repeated("1\n", count - 1);
    input += "10\n";
    storyChapters = deadlyStory;

    std::uint64_t deepest = 0;
    std::size_t mostRuns = 0;
    auto started = std::chrono::steady_clock::now();
    {
        scripted::ScriptedSession session;
        scripted::script().keepTranscript = false;
        std::istringstream typed(input);
        scripted::script().nextLine = [&]() -> std::optional<std::string> {
            std::string line;
            return std::getline(typed, line) ? std::optional(line) : std::nullopt;
        };
        try {
            runMenus();
        } catch (const ProgramQuit&) {
        }
        deepest = testSeam::menuDepth();
        mostRuns = testSeam::menuStoredRuns();
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    std::printf("%s: %ld\n", mode.c_str(), count);
    std::printf("nested menus open at the end: %llu (stored as %zu entries)\n",
                static_cast<unsigned long long>(deepest), mostRuns);
    std::printf("peak memory: %.1f MB\n", peakMemoryKiB() / 1024.0);
    std::printf("time: %.2f s\n", seconds);
    std::filesystem::current_path("/");
    std::filesystem::remove_all(workDir);
    return 0;
}
