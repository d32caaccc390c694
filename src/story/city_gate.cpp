// The city gate, where Ragnar has two ideas for getting past the guards, and
// the screen that tells the player the story ends here for now.
#include <cstdint>

#include "console/console.h"
#include "state/game_state.h"
#include "story/chapters.h"
#include "story/death_screen.h"
#include "story/passages.h"
#include "story/scene.h"

namespace text = passages::city_gate;

namespace {

[[noreturn]] void ambush() {
    clearScreen();
    tell(text::ambush);
    DeathScreen({.blankLinesBefore = 0,
                 .leadSound = LeadSound::None,
                 .keyPrompt = DeathEndPrompt,
                 .sword = Sword::Lost});
}

// Nothing is told about the sewers yet: the end-of-content screen follows.
void takeTheSewers() { clearScreen(); }

}  // namespace

void cityGateScene() {
    if (game.ragnarStatus != Companion::Travelling) return;  // alone or with the bard: no gate scene

    std::int32_t gateChoice = 0;
    tell(text::arrival);
    ChoicePrompt<text::ragnars_plan>(gateChoice, [] { tell(text::ragnars_plan); },
                                     {
                                         {1, ambush},
                                         {2, takeTheSewers},
                                     });
}

void endOfContentScreen() {
    clearScreen();
    tell(text::end_of_content);
    waitForKey();
}
