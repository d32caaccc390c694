// The hero's name (name.txt) and the permadeath setting (permadeath.txt),
// kept apart from the save so they survive deaths and new games. All four
// operations are silent, whether they work or not.
#pragma once

#include <cstddef>
#include <string_view>

#include "state/text_file.h"

inline constexpr const char* NameFileName = "name.txt";

// The longest name name.txt gives back whole: the name and its line end fit
// in what the file's reader takes, so a Continue shows exactly the name that
// was stored, and storing it again writes the same bytes.
inline const std::size_t NameLimit = SmallFileLimit - std::string_view(TextLineEnd).size();
inline constexpr const char* PermadeathFileName = "permadeath.txt";

void savePlayerName();
void loadPlayerName();
void savePermadeath();
void loadPermadeath();
