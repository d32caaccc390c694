// The armed way to the mountains: four wolves, a clumsy hero, and Ragnar with
// his spears just in time. A night in his cave, and in the morning the
// question of who the hero really is decides whether Ragnar comes along.
#include <cstdint>

#include "console/console.h"
#include "state/game_state.h"
#include "story/awakening_ways.h"
#include "story/death_screen.h"
#include "story/passages.h"
#include "story/scene.h"

namespace text = passages::mountain_path;

namespace {

// The howling starts anew with every showing of the fight.
void fightWolves() {
    game.wolfChoice = 0;
    ChoicePrompt<text::wolves_attack>(
        game.wolfChoice,
        [] {
            playSound("wolves.wav");
            tell(text::wolves_attack);
        },
        {
            {1,
             [] {
                 clearScreen();
                 tell(text::attack_wolf);
                 DeathScreen({.blankLinesBefore = 2,
                              .leadSound = LeadSound::None,
                              .keyPrompt = DeathEndPromptLower,
                              .sword = Sword::Lost});
             }},
            {2,
             [] {
                 clearScreen();
                 tell(text::roar_at_wolves);
                 game.health = Health::Bitten;
             }},
            {3,
             [] {
                 clearScreen();
                 tell(text::await_attack);
             }},
        });
}

// After waiting for the attack one wolf already lies dead, so Ragnar's spear
// kills "another" one; after the roar all four are still alive.
void ragnarToTheRescue() {
    const bool aWolfIsDead = game.wolfChoice == 3;
    game.wolfChoice = 0;
    tell(aWolfIsDead ? text::spear_kills_another_wolf : text::spear_kills_a_wolf);
    game.ragnarStatus = Companion::Met;
    tell(text::ragnar_rescue);
    PageBreak(KeyPrompt);
    clearScreen();
}

void tellTrueName() {
    tell(text::true_name);
    game.ragnarRelation += Relation::Step;
    StatusBanner(Standing::Gain, RagnarBetterBanner);
}

void keepClaimingHulgor() {
    tell(text::still_hulgor);
    game.ragnarRelation -= Relation::Step;
    StatusBanner(Standing::Loss, RagnarWorseBanner);
    tell(text::after_worse_banner);
}

}  // namespace

void mountainPathScene() {
    fightWolves();
    ragnarToTheRescue();

    tell(text::cave_night);
    PageBreak(KeyPrompt);
    clearScreen();

    mountainMorningScene();
}

void mountainMorningScene() {
    std::int32_t ragnarChoice = 0;

    tell(text::morning);
    // Only a wolf's claw leaves something to bind.
    if (game.health == Health::Bitten) tell(text::bind_wound);
    tell(text::lets_talk);
    ChoicePrompt<text::name_question>(ragnarChoice, [] { tell(text::name_question); },
                                      {
                                          {1, tellTrueName},
                                          {2, keepClaimingHulgor},
                                      });

    tell(text::the_talk);
    if (game.ragnarRelation >= Relation::Neutral) {
        tell(text::ragnar_comes_along);
        PageBreak(KeyPrompt);
        game.ragnarStatus = Companion::Travelling;
    } else {
        tell(text::go_on_alone);
        PageBreak(KeyPrompt);
    }
}
