// Where a sound file is found: in the folder the game runs in first, so
// that a player's own .wav files there win, then in the folder the game's
// sounds were installed to.
#pragma once

#include <filesystem>
#include <string>

// `installed` is empty where the game has no such folder.
std::filesystem::path soundFile(const std::string& name, const std::filesystem::path& installed);
