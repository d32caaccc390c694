// The building blocks every scene is written with: printing beats in colour,
// the numbered choice, the page break.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string_view>

#include "console/console.h"
#include "console/io/print.h"
#include "story/passages.h"
#include "story/script.h"

// A chapter routine of the story.
using Scene = void (*)();

// The hero as the chapters from the cart on start him, whatever a save held:
// unarmed, unhurt, Ragnar not yet met.
void resetHero();

// The handler of one option: what the answer prints and changes.
struct Answer {
    std::int32_t number;
    void (*handler)();
};

// Never constexpr: a compile-time check that calls it fails, and names the
// disagreement.
inline void theTableAnswersAnOptionTheScriptLacks() {}
inline void theScriptOffersAnOptionTheTableLacks() {}
inline void theTableAnswersAnOptionTwice() {}

// A scene's handlers for the options a choice block declares in its story
// file, one per option number. Checked while compiling: a number in the
// table and not in the script, or the other way round, does not compile.
template <DeclaredChoice Declared>
class Answers {
public:
    consteval Answers(std::initializer_list<Answer> answers) {
        for (const Answer& answer : answers) {
            if (!Declared.offers(answer.number)) theTableAnswersAnOptionTheScriptLacks();
            if (hasAnswer(answer.number)) theTableAnswersAnOptionTwice();
            answers_[count_++] = answer;
        }
        for (std::size_t i = 0; i < Declared.count; ++i) {
            if (!hasAnswer(Declared.options[i].number)) theScriptOffersAnOptionTheTableLacks();
        }
    }

    constexpr bool hasAnswer(std::int32_t number) const {
        for (std::size_t i = 0; i < count_; ++i) {
            if (answers_[i].number == number) return true;
        }
        return false;
    }

    constexpr const Answer* find(std::int32_t number) const {
        for (std::size_t i = 0; i < count_; ++i) {
            if (answers_[i].number == number) return &answers_[i];
        }
        return nullptr;
    }

private:
    std::array<Answer, MaxOptions> answers_{};
    std::size_t count_ = 0;
};

// Runs one numbered choice: prints the block, reads a number, rejects what is
// not offered, runs the handler of an offered answer and repeats until an
// advancing answer was given (which it returns). `value` is the scene's
// choice value; a value that already holds an advancing answer ends the
// prompt before anything is shown. 200 quits the game where the quit line is
// offered. What each number does to the prompt, and the quit line, come
// from the option lines of `Block` (a choice passage, or two joined by +).
std::int32_t runChoice(std::int32_t& value, const std::function<void()>& printBlock, const DeclaredChoice& declared,
                       const std::function<void(std::int32_t)>& answer);

template <auto Block>
std::int32_t ChoicePrompt(std::int32_t& value, const std::function<void()>& printBlock,
                          Answers<declaredChoice(Block)> answers) {
    return runChoice(value, printBlock, declaredChoice(Block), [&answers](std::int32_t number) {
        if (const Answer* chosen = answers.find(number); chosen->handler != nullptr) chosen->handler();
    });
}

// The prompt-and-key-wait between screens, the death screen and the
// missing-save notice. Tight: red prompt, line end, normal colour, key.
// Spaced: two line ends before and after the prompt.
enum class PageBreakLayout : bool { Tight, Spaced };
void PageBreak(PassageId prompt, PageBreakLayout layout = PageBreakLayout::Tight);

// A change of the hero's standing, announced in capitals: green for a gain,
// red for a loss, normal colour again afterwards. Blank lines around it are
// the scene's own.
enum class Standing : bool { Gain, Loss };
void StatusBanner(Standing standing, PassageId banner);

// The banners and key prompts, in src/story/text/messages.story.
inline constexpr PassageId SwordBanner = passages::messages::sword_banner;
inline constexpr PassageId RagnarBetterBanner = passages::messages::ragnar_better_banner;
inline constexpr PassageId RagnarWorseBanner = passages::messages::ragnar_worse_banner;
inline constexpr PassageId BardBetterBanner = passages::messages::bard_better_banner;

inline constexpr PassageId AnyKeyPrompt = passages::messages::any_key;
inline constexpr PassageId KeyPrompt = passages::messages::key;

// Key prompts of the death screen; the two "beenden" texts differ in one capital.
inline constexpr PassageId DeathEndPrompt = passages::messages::key_to_end;
inline constexpr PassageId DeathEndPromptLower = passages::messages::key_to_end_lower;

// Writes the save file and says whether that worked.
void saveGame();
