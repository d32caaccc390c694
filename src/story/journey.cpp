// The journey to the city: a talk with Ragnar, tall tales for the bard
// Bittersport, or a quiet night walk alone, depending on who came along.
// Nothing here is saved; every passage ends in sight of the city walls.
#include <cstdint>

#include "console/console.h"
#include "state/game_state.h"
#include "story/chapters.h"
#include "story/passages.h"
#include "story/scene.h"

namespace text = passages::journey;

namespace {

// This chapter's own key prompt, without the comma of AnyKeyPrompt.
constexpr PassageId JourneyKeyPrompt = passages::messages::journey_key;

// Every passage ends the same way: the spaced page break, then a fresh screen.
void endOfPassage() {
    PageBreak(JourneyKeyPrompt, PageBreakLayout::Spaced);
    clearScreen();
}

void travelWithRagnar() {
    std::int32_t talkChoice = 0;
    // Shown afresh on a cleared screen after every wrong entry.
    auto ragnarBlock = [] {
        clearScreen();
        tell(text::with_ragnar);
    };
    ChoicePrompt<text::with_ragnar>(talkChoice, ragnarBlock,
                                    {
                                        {1, [] { tell(text::talk_about_dragon); tell(text::ragnar_picks_up_the_pace); }},
                                        {2, [] { tell(text::ask_about_oracle); tell(text::ragnar_picks_up_the_pace); }},
                                        {3, [] { tell(text::stay_silent); }},
                                    });
    // The wolf's bite from the mountain path.
    if (game.health == Health::Bitten) tell(text::wound_still_hurts);
    endOfPassage();
}

void travelWithTheBard() {
    std::int32_t taleChoice = 0;
    // Shown again below the message after a wrong entry, without clearing.
    auto bardBlock = [] { tell(text::with_the_bard); };
    ChoicePrompt<text::with_the_bard>(taleChoice, bardBlock,
                                      {
                                          {1, [] { clearScreen(); tell(text::tale_of_the_dragon); }},
                                          {2, [] { clearScreen(); tell(text::tale_of_the_troll); }},
                                          {3, [] { clearScreen(); tell(text::tale_of_the_blood_elves); }},
                                      });
    tell(text::bard_believes_you);
    endOfPassage();
}

void walkAlone() {
    tell(text::walking_alone);
    endOfPassage();
}

}  // namespace

void journeyScene() {
    clearScreen();
    // At most one companion travels along; the awakening chapter sees to that.
    if (game.ragnarStatus == Companion::Travelling) {
        travelWithRagnar();
    } else if (game.bardStatus == Companion::Travelling) {
        travelWithTheBard();
    } else {
        walkAlone();
    }
}
