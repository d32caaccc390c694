// The working folder of a program that plays many games: its own folder in
// memory where there is /dev/shm, made current, emptied and set up before
// each game, removed when the program exits normally.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "state/player_files.h"
#include "state/save_file.h"

inline void enterGameFolder(const std::string& name) {
    namespace fs = std::filesystem;
    static const fs::path folder = (fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path()) /
                                   (name + "-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    fs::current_path(folder);
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    });
}

// Empties the folder and puts the files a game starts with, chosen by bits:
// bit 0 is left to the caller (the intro), bit 1 turns permadeath on, bits 2
// and 3 put a save of one of the three checkpoints (0: no save).
inline void setUpGameFolder(unsigned bits) {
    for (const auto& entry : std::filesystem::directory_iterator(".")) std::filesystem::remove_all(entry.path());
    static const char* const labels[] = {"erster Dialog", "zweiter Dialog", "Das Erwachen"};
    if ((bits & 2) != 0) std::ofstream(PermadeathFileName) << "1\n";
    if (unsigned label = (bits >> 2) & 3; label != 0) {
        std::ofstream(SaveFileName) << labels[label - 1] << "\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n";
    }
}
