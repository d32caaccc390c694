// The hero's name (name.txt) and the permadeath setting (permadeath.txt),
// kept apart from the save so they survive deaths and new games. All four
// operations are silent, whether they work or not.
#pragma once

inline constexpr const char* NameFileName = "name.txt";
inline constexpr const char* PermadeathFileName = "permadeath.txt";

void savePlayerName();
void loadPlayerName();
void savePermadeath();
void loadPermadeath();
