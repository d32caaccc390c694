// The scenes of the armed ways out of the crossroads of chapter "Das
// Erwachen" that have files of their own: the mountain path (two scenes)
// and the south road. The tower is a short scene inside awakening.cpp.
// Played to its end, each returns and the chapter ends with it; a death
// leaves the game through the death screen.
#pragma once

void mountainPathScene();     // wolves, Ragnar's rescue and the night in his cave
void mountainMorningScene();  // the morning in the cave: who the hero is, and whether Ragnar comes
void southRoadScene();        // the bard Bittersport on the road to the town
