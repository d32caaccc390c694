#include "story/scene.h"

#include "console/io/display_options.h"
#include "console/io/input.h"
#include "state/game_state.h"
#include "state/save_file.h"
#include "story/script_steps.h"

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
}  // namespace

std::int32_t runChoice(std::int32_t& value, const std::function<void()>& printBlock, const DeclaredChoice& declared,
                       const std::function<void(std::int32_t)>& answer) {
    for (;;) {
        if (const DeclaredOption* current = declared.find(value); current && current->then == Then::MoveOn) {
            return value;
        }
        printBlock();
        if (displayOptions().plain) say(textOf(text::plain_choice_prompt));
        reportStoryEvent({StoryEvent::Kind::NumberAsked, declared.passage, &declared});
        if (!readNumber(value)) continue;
        if (declared.find(value) != nullptr) {
            reportStoryEvent({StoryEvent::Kind::Answered, declared.passage, &declared, value});
            answer(value);
        } else if (value == QuitNumber && declared.quitLine == QuitLine::Offered) {
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

void saveGame() { say(textOf(writeSave() ? text::saved : text::save_failed)); }
