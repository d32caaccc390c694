#include "story/scene.h"

#include <algorithm>

#include "console/io/display_options.h"
#include "console/io/input.h"
#include "state/game_state.h"
#include "state/save_file.h"

void resetHero() {
    game.reservedA = 0;
    game.ragnarStatus = Companion::NotMet;
    game.ragnarRelation = Relation::Neutral;
    game.hasSword = 0;
    game.health = Health::Unhurt;
}

namespace text = passages::messages;

namespace {
constexpr std::int32_t QuitNumber = 200;

const Choice* findChoice(const std::vector<Choice>& choices, std::int32_t number) {
    auto found = std::find_if(choices.begin(), choices.end(),
                              [number](const Choice& c) { return c.number == number; });
    return found == choices.end() ? nullptr : &*found;
}
}  // namespace

std::int32_t ChoicePrompt(std::int32_t& value, const std::function<void()>& printBlock,
                          const std::vector<Choice>& choices, QuitLine quitLine) {
    for (;;) {
        if (const Choice* current = findChoice(choices, value); current && current->then == Then::MoveOn) {
            return value;
        }
        printBlock();
        if (displayOptions().plain) say(textOf(text::plain_choice_prompt));
        if (!readNumber(value)) continue;
        if (const Choice* chosen = findChoice(choices, value)) {
            if (chosen->handler) chosen->handler();
        } else if (value == QuitNumber && quitLine == QuitLine::Offered) {
            quitProgram();
        } else {
            say(textOf(text::invalid_choice));
        }
    }
}

void PageBreak(PassageId prompt, PageBreakLayout layout) {
    setColourInForce(TextColour::Red);
    if (layout == PageBreakLayout::Spaced) lineEnds(2);
    sayLine(textOf(prompt));
    setColourInForce(TextColour::Normal);
    if (layout == PageBreakLayout::Spaced) lineEnds(2);
    waitForKey();
}

void StatusBanner(Standing standing, PassageId banner) {
    setColourInForce(standing == Standing::Gain ? TextColour::Green : TextColour::Red);
    sayLine(textOf(banner));
    setColourInForce(TextColour::Normal);
}

void HintLine() {
    if (marksInWords()) {
        sayLine(textOf(text::plain_hint));
        lineEnds(2);
        return;
    }
    // Printed in the normal colour that the line before it leaves in force.
    say(textOf(text::hint_before));
    setColourInForce(TextColour::Golden);
    say(textOf(text::hint_golden));
    setColourInForce(TextColour::Normal);
    say(textOf(text::hint_after));
    lineEnds(3);
}

void saveGame() { say(textOf(writeSave() ? text::saved : text::save_failed)); }
