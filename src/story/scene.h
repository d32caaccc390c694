// The building blocks every scene is written with: printing beats in colour,
// the numbered choice, the page break.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "console/io/print.h"
#include "story/passages.h"
#include "story/script.h"

// A chapter routine of the story.
using Scene = void (*)();

// The hero as the chapters from the cart on start him, whatever a save held:
// unarmed, unhurt, Ragnar not yet met.
void resetHero();

// After an answer the same choice is asked again, the story moves on, or
// the hero is dead (the handler ends in the death screen and never returns).
enum class Then : std::uint8_t { AskAgain, MoveOn, Dies };

// One offered answer of a choice: its number, what happens then to the
// prompt, and what it prints and changes.
struct Choice {
    std::int32_t number;
    Then then;
    std::function<void()> handler;
};

enum class QuitLine : bool { NotOffered, Offered };

// Runs one numbered choice: prints the block, reads a number, rejects what is
// not offered, runs the handler of an offered answer and repeats until an
// advancing answer was given (which it returns). `value` is the scene's
// choice value; a value that already holds an advancing answer ends the
// prompt before anything is shown. 200 quits the game where the quit line is
// offered.
std::int32_t ChoicePrompt(std::int32_t& value, const std::function<void()>& printBlock,
                          const std::vector<Choice>& choices, QuitLine quitLine);

// The prompt-and-key-wait between screens, the death screen and the
// missing-save notice. Tight: red prompt, line end, normal colour, key.
// Spaced: two line ends before and after the prompt.
enum class PageBreakLayout : bool { Tight, Spaced };
void PageBreak(PassageId prompt, PageBreakLayout layout = PageBreakLayout::Tight);

// The line that explains golden options, with its three line ends. It
// belongs to the first choice of the story and is shown with every showing
// of that choice.
void HintLine();

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
