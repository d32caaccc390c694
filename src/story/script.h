// The story's prose lives in text files, one per chapter (src/story/text/,
// markup in docs/story-markup.md), built into the game. Scenes print a
// passage by its name: tell(text::greeting).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "story/language.h"

// A passage: which story file, and which of its passages in order. The
// constants for every passage are generated into story/passages.h.
struct PassageId {
    std::uint16_t file;
    std::uint16_t passage;
};

// What an answer does to its choice, as its option line declares it: the
// same choice is asked again, the story moves on, or the hero dies (the
// handler ends in the death screen and never returns).
enum class Then : std::uint8_t { AskAgain, MoveOn, Dies };

enum class QuitLine : bool { NotOffered, Offered };

// One option line of a choice block: "{option 2 >}" in the story file.
// A golden option is shown as moving the story on.
struct DeclaredOption {
    std::int32_t number = 0;
    Then then = Then::AskAgain;
    bool golden = false;
};

inline constexpr std::size_t MaxOptions = 6;

// The options a choice block declares, in order, and whether it offers the
// quit line ("{quit}"). Generated for every passage with option lines.
struct DeclaredChoice {
    std::array<DeclaredOption, MaxOptions> options{};
    std::size_t count = 0;
    QuitLine quitLine = QuitLine::NotOffered;
    PassageId passage{};  // where the option lines stand (of two joined: the second)

    // Compile-time checks ask this: a pointer compared there trips the
    // sanitizers' checks in constant evaluation.
    constexpr bool offers(std::int32_t number) const {
        for (std::size_t i = 0; i < count; ++i) {
            if (options[i].number == number) return true;
        }
        return false;
    }

    constexpr const DeclaredOption* find(std::int32_t number) const {
        for (std::size_t i = 0; i < count; ++i) {
            if (options[i].number == number) return &options[i];
        }
        return nullptr;
    }
};

// A passage that holds option lines: tell() prints it like any other, and
// ChoicePrompt takes the options it declares.
struct ChoicePassage : PassageId {
    DeclaredChoice choice;
};

constexpr DeclaredChoice declaredChoice(const ChoicePassage& passage) { return passage.choice; }
constexpr DeclaredChoice declaredChoice(const DeclaredChoice& choice) { return choice; }

// Never defined as constexpr: a compile-time check that calls it fails.
inline void optionLinesOverlap() {}

// One choice printed from two passages (an option shown only sometimes):
// the options of both.
consteval DeclaredChoice operator+(const ChoicePassage& first, const ChoicePassage& second) {
    DeclaredChoice both = first.choice;
    for (std::size_t i = 0; i < second.choice.count; ++i) {
        if (both.offers(second.choice.options[i].number) || both.count == MaxOptions) optionLinesOverlap();
        both.options[both.count++] = second.choice.options[i];
    }
    if (second.choice.quitLine == QuitLine::Offered) both.quitLine = QuitLine::Offered;
    both.passage = second.choice.passage;
    return both;
}

// What the story does, as a watcher in the tests sees it (see watchStory in
// test_seam.h): a passage told, a choice's number about to be read (its
// block and prompt on screen), an answer taken.
struct StoryEvent {
    enum class Kind : std::uint8_t { Told, NumberAsked, Answered } kind;
    PassageId passage;
    const DeclaredChoice* choice = nullptr;  // NumberAsked, Answered
    std::int32_t number = 0;                 // Answered
};

struct StoryFile {
    std::string_view name;  // e.g. "first_dialog.story"
    std::string_view text;
};

// The story files built into the game, in chapter order, and their English
// editions in the same order.
extern const std::span<const StoryFile> storyFiles;
extern const std::span<const StoryFile> translatedStoryFiles;

// Prints a passage: its text, colour changes and the hero's name.
void tell(PassageId passage);

// The frame around the story (menus, prompts, messages) takes its texts
// from the script files too, as plain text without colours. A placeholder
// such as {file} stands for a value the code fills in.
struct Fill {
    std::string_view placeholder;  // without braces: "file"
    std::string_view value;
};

// A passage of plain text as it is written, in the language the game speaks
// or in the one named; it lives as long as the game.
std::string_view textOf(PassageId passage);
std::string_view textOf(PassageId passage, Language language);
// A passage with its placeholders filled in.
std::string textOf(PassageId passage, std::initializer_list<Fill> fills, Language language = storyLanguage());
// Prints a passage of plain text as tell does, each line end flushing.
void sayText(PassageId passage);
void sayText(PassageId passage, std::initializer_list<Fill> fills);

// Gives the console floor its own lines (console/io/console_messages.h)
// from the script; called once as the program starts.
void fillConsoleMessages();

// What a story file holds, as the game reads it: its passages in order,
// and every mistake in the markup with its line (see readStory in
// test_seam.h).
struct ReadStory {
    struct Passage {
        std::string name;
        int line;  // of its "===" header
        struct Option {
            DeclaredOption declared;
            std::string text;  // as written after the tag
        };
        std::vector<Option> options;  // its option lines, in order
        bool quitLine = false;        // it holds "{quit}"
    };
    std::vector<Passage> passages;
    std::vector<std::string> mistakes;  // "LINE: what is wrong"
};
