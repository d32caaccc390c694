// Reading a sound file for the SDL player: whole, checked, bounded.
#pragma once

#include <optional>
#include <string>
#include <vector>

// The whole file, if it is a regular file the game plays (playableWave). A
// FIFO or a link to a device would block or never end, so only regular files
// are opened, and no more than the bound is ever read.
std::optional<std::vector<char>> readWave(const std::string& fileName);
