// Chapter "Das Erwachen": the hero comes to in the wreckage of the cart,
// frees his hands and has to choose a way before nightfall. Without a weapon
// every way ends with the wolves; with the sword, the mountain and the south
// road go on in their own files, and the tower holds a small surprise.
#include <cstdint>

#include "console/console.h"
#include "state/game_state.h"
#include "story/awakening_ways.h"
#include "story/chapters.h"
#include "story/death_screen.h"
#include "story/passages.h"
#include "story/scene.h"

namespace text = passages::awakening;

namespace {

// Whatever a save held, the chapter starts with the hero as he fell.
void resetChapterState() {
    resetHero();
    game.bardStatus = Companion::NotMet;
    game.bardRelation = Relation::Neutral;
}

void cutTheBonds() {
    clearScreen();
    tell(text::cut_the_bonds);
}

void callForSurvivors() {
    clearScreen();
    tell(text::call_for_survivors);
}

// Option 1 disappears once the sword is found.
void printWayBlock() {
    tell(text::normal_colour);
    if (game.hasSword == 0) tell(text::search_option);
    tell(text::way_options);
}

void searchForWeapon() {
    if (game.hasSword != 0) {
        tell(text::already_searched);
        return;
    }
    playSound("erfolg.wav");
    clearScreen();
    tell(text::sword_found);
    StatusBanner(Standing::Gain, SwordBanner);
    tell(text::after_sword_banner);
    game.hasSword = 1;
}

// Without a weapon the wolves come out of the forest as soon as the hero sets
// off to the south or to the tower.
[[noreturn]] void ambushedByWolves(PassageId ambush) {
    clearScreen();
    tell(ambush);
    tell(text::wolf_food);
    DeathScreen({.blankLinesBefore = 2,
                 .leadSound = LeadSound::None,
                 .keyPrompt = KeyPrompt,
                 .sword = Sword::Lost});
}

// The tower with the sword: below the prompt, without clearing.
void towerScene() {
    tell(text::tower);
    PageBreak(KeyPrompt);
    tell(text::normal_colour);
    clearScreen();
}

}  // namespace

// The three ways from the crossroads. Without a weapon each ends with the
// wolves: on the way to the mountain after dark, on the others at once.
void takeMountainWay() {
    if (game.hasSword == 0) {
        clearScreen();
        tell(text::mountain_death);
        DeathScreen({.blankLinesBefore = 2,
                     .leadSound = LeadSound::None,
                     .keyPrompt = DeathEndPrompt,
                     .sword = Sword::Lost});
    }
    mountainPathScene();
}

void takeSouthWay() {
    if (game.hasSword == 0) ambushedByWolves(text::south_wolves);
    southRoadScene();
}

void takeTowerWay() {
    if (game.hasSword == 0) ambushedByWolves(text::tower_wolves);
    towerScene();
}

void crossroads() {
    std::int32_t wayChoice = 0;
    tell(text::crossroads);
    ChoicePrompt<text::search_option + text::way_options>(wayChoice, printWayBlock,
                                                          {
                                                              {1, searchForWeapon},
                                                              {2, takeMountainWay},
                                                              {3, takeSouthWay},
                                                              {4, takeTowerWay},
                                                          });
}

void awakeningScene() {
    std::int32_t wreckChoice = 0;

    resetChapterState();
    tell(text::normal_colour);
    clearScreen();

    // Shown again after every answer that stays.
    ChoicePrompt<text::wreck>(wreckChoice, [] { tell(text::wreck); },
                              {
                                  {1, cutTheBonds},
                                  {2, callForSurvivors},
                              });

    crossroads();
}
