// Chapter "erster Dialog": the hero wakes up bound on a prisoner cart in the
// snow, opposite a bearded fellow who looks like a television Viking. One
// question, three answers, and every one of them ends in the same silence.
#include <cstdint>

#include "state/game_state.h"
#include "state/save_file.h"
#include "story/chapters.h"
#include "story/passages.h"
#include "story/scene.h"

namespace text = passages::first_dialog;

void firstDialogScene() {
    std::int32_t value = 0;

    clearScreen();
    game.checkpoint = Checkpoint::FirstDialog;
    saveGame();
    lineEnds(2);

    tell(text::opening);

    // Shown again, greeting and all, after every wrong entry.
    auto greetingBlock = [] {
        tell(text::greeting);
        tell(text::options);
    };
    ChoicePrompt<text::options>(value, greetingBlock,
                                {
                                    {1, [] { tell(text::flee); }},
                                    {2, [] { tell(text::where_am_i); }},
                                    {3, [] { tell(text::call_for_help); }},
                                });

    tell(text::closing);
    PageBreak(AnyKeyPrompt);
}
