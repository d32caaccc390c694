// The one saved game: savegame.txt, eleven lines in the working directory.
#pragma once

inline constexpr const char* SaveFileName = "savegame.txt";

// Writes the save file from `game`; false where that failed (saveGame in
// story/scene.h says which).
bool writeSave();

// Reads the save file into `game`. Without a readable file it sets the
// checkpoint "leer" and returns false; it prints nothing either way.
bool loadGame();

// Deletes the save file. Anything else of that name (a directory, say) is
// not the game's to delete and stays.
void deleteSave();
