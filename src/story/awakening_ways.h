// The two armed ways out of the crossroads of chapter "Das Erwachen". Each
// returns to the crossroads when played to its end, or leaves the game
// through the death screen.
#pragma once

void mountainPath();     // wolves, Ragnar's rescue and the night in his cave
void mountainMorning();  // the morning in the cave: who the hero is, and whether Ragnar comes
void southRoad();        // the bard Bittersport on the road to the town
