// What interrupted writes of the game's files left behind.
#pragma once

// Removes the temporary files that a save, a name or a permadeath setting
// left beside savegame.txt, name.txt and permadeath.txt when the game was
// killed while writing them. Called once at start-up; silent.
void removeLeftoverFiles();
