#include "story/scene.h"

#include "console/io/display_options.h"
#include "console/io/input.h"
#include "state/game_state.h"
#include "story/script_steps.h"

void resetHero() {
    game.reservedA = 0;
    game.ragnarStatus = Companion::NotMet;
    game.ragnarRelation = Relation::Neutral;
    game.hasSword = 0;
    game.health = Health::Unhurt;
}

namespace {
constexpr std::int32_t QuitNumber = 200;
}  // namespace

std::int32_t runChoice(std::int32_t& value, const std::function<void()>& printBlock, const DeclaredChoice& declared,
                       const std::function<void(std::int32_t)>& answer) {
    for (;;) {
        if (const DeclaredOption* current = declared.find(value); current && current->then == Then::MoveOn) {
            return value;
        }
        reportStoryEvent({StoryEvent::Kind::ChoiceShown, declared.passage, &declared});
        printBlock();
        if (displayOptions().plain) say(PlainChoicePrompt);
        if (!readNumber(value)) continue;
        if (declared.find(value) != nullptr) {
            reportStoryEvent({StoryEvent::Kind::Answered, declared.passage, &declared, value});
            answer(value);
        } else if (value == QuitNumber && declared.quitLine == QuitLine::Offered) {
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
