// The armed way south: on the road to the smoke the hero meets Bittersport,
// a bard with a lute and a name that is better not laughed at.
#include <cstdint>

#include "console/console.h"
#include "state/game_state.h"
#include "story/awakening_ways.h"
#include "story/death_screen.h"
#include "story/passages.h"
#include "story/scene.h"

namespace text = passages::south_road;

namespace {

// The bard takes the hero for the legend and comes along.
void claimToBeHulgor() {
    tell(text::claim_hulgor);
    game.bardRelation += Relation::Step;
    game.bardStatus = Companion::Travelling;
    StatusBanner(Standing::Gain, BardBetterBanner);
    tell(text::after_better_banner);
    PageBreak(KeyPrompt);
    clearScreen();
}

void tellRealName() {
    tell(text::real_name);
    PageBreak(KeyPrompt);
}

[[noreturn]] void mockTheName() {
    tell(text::mock_the_name);
    DeathScreen({.blankLinesBefore = 2,
                 .leadSound = LeadSound::Gore,
                 .keyPrompt = KeyPrompt,
                 .sword = Sword::Kept});
}

}  // namespace

void southRoadScene() {
    std::int32_t bardChoice = 0;

    playSound("bard.wav");
    clearScreen();
    tell(text::walk_south);
    tell(text::bard_song);
    ChoicePrompt<text::bard_question>(bardChoice, [] { tell(text::bard_question); },
                                      {
                                          {1, claimToBeHulgor},
                                          {2, tellRealName},
                                          {3, mockTheName},
                                      });
}
