// The chapters of the story, in the order the chapter run plays them.
#pragma once

#include <span>
#include <string_view>

#include "story/scene.h"

void firstDialogScene();   // "erster Dialog": waking up on the prisoner cart
void secondDialogScene();  // "zweiter Dialog": names, and the dragon
void awakeningScene();     // "Das Erwachen": the wreck, the crossroads and the ways
void journeyScene();       // the walk to the city, with Ragnar, the bard or alone
void cityGateScene();      // at the city gate with Ragnar: ambush or sewers
void endOfContentScreen(); // the story ends here for now

// Scenes inside "Das Erwachen", each the rest of the chapter from there on.
// The take...Way ones are the crossroads' answers: unarmed the wolves kill
// the hero on that way; armed its scene follows (see awakening_ways.h).
void crossroads();       // the three ways, and the search for a weapon
void takeMountainWay();  // to the mountain: mountainPathScene
void takeSouthWay();     // the south road: southRoadScene
void takeTowerWay();     // the tower: a short scene, then the chapter ends

// The chapter run: the scene routines in story order. Position 1 is the
// first chapter. Tests may point it at scenes of their own.
extern std::span<const Scene> storyChapters;

// Where Continue resumes: each checkpoint label a chapter saves, and the
// position in the chapter run it starts from. Continue tries them in this
// order; a save with any other label resumes nothing.
struct ResumePlace {
    const char* label;
    int chapter;
};
extern std::span<const ResumePlace> checkpoints;

// Plays the chapters from `position` (1-based) to the last one. A death
// leaves it early with GameOver (see death_screen.h).
void runChapters(int position);
