// Chapter "zweiter Dialog": still on the cart. The Viking turns out to be
// Ragnar, a fellow prisoner mistakes the hero for the great Hulgor, and
// before the hero can settle the matter a dragon settles it for everyone.
#include <cstdint>

#include "console/console.h"
#include "state/game_state.h"
#include "state/save_file.h"
#include "story/chapters.h"
#include "story/passages.h"
#include "story/scene.h"

namespace text = passages::second_dialog;

void secondDialogScene() {
    std::int32_t value = 0;

    resetHero();
    clearScreen();
    game.checkpoint = Checkpoint::SecondDialog;
    saveGame();

    tell(text::ragnar_and_hulgor);

    ChoicePrompt<text::claim_or_deny>(value, [] { tell(text::claim_or_deny); },
                                      {
                                          {1, [] { clearScreen(); tell(text::claim_to_be_hulgor); }},
                                          {2, [] { clearScreen(); tell(text::deny_being_hulgor); }},
                                      });

    // Whatever the hero said, nobody hears the end of it.
    playSound("Dragonattack.wav");
    tell(text::dragon_attack);
    PageBreak(AnyKeyPrompt);

    // From here on a continued game wakes up in the wreckage.
    game.checkpoint = Checkpoint::Awakening;
    saveGame();
}
