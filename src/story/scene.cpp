#include "story/scene.h"

#include <algorithm>

#include "console/io/display_options.h"
#include "console/io/input.h"
#include "state/game_state.h"
#include "test_seam.h"

void resetHero() {
    game.reservedA = 0;
    game.ragnarStatus = Companion::NotMet;
    game.ragnarRelation = Relation::Neutral;
    game.hasSword = 0;
    game.health = Health::Unhurt;
}

std::function<void(const testSeam::ChoiceAsked&)> testSeam::onChoiceAsked;

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
        if (displayOptions().plain) say(PlainChoicePrompt);
        if (testSeam::onChoiceAsked) {
            testSeam::ChoiceAsked asked{&value, {}, quitLine == QuitLine::Offered};
            for (const Choice& c : choices) asked.offered.emplace_back(c.number, static_cast<testSeam::Leads>(c.then));
            testSeam::onChoiceAsked(asked);
        }
        if (!readNumber(value)) continue;
        if (const Choice* chosen = findChoice(choices, value)) {
            if (chosen->handler) chosen->handler();
        } else if (value == QuitNumber && quitLine == QuitLine::Offered) {
            quitProgram();
        } else {
            say(InvalidChoiceMessage);
        }
    }
}

void PageBreak(std::string_view prompt, PageBreakLayout layout) {
    setColourInForce(TextColour::Red);
    if (layout == PageBreakLayout::Spaced) lineEnds(2);
    sayLine(prompt);
    setColourInForce(TextColour::Normal);
    if (layout == PageBreakLayout::Spaced) lineEnds(2);
    waitForKey();
}

void StatusBanner(Standing standing, std::string_view text) {
    setColourInForce(standing == Standing::Gain ? TextColour::Green : TextColour::Red);
    sayLine(text);
    setColourInForce(TextColour::Normal);
}

void HintLine() {
    if (marksInWords()) {
        sayLine(PlainHintLine);
        lineEnds(2);
        return;
    }
    // Printed in the normal colour that the line before it leaves in force.
    say("(Dialogoptionen, welche die Handlung weiterführen, werden in ");
    setColourInForce(TextColour::Golden);
    say("goldener ");
    setColourInForce(TextColour::Normal);
    say("Farbe angezeigt)");
    lineEnds(3);
}
