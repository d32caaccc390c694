// The story's prose lives in text files, one per chapter (src/story/text/,
// markup in docs/story-markup.md), built into the game. Scenes print a
// passage by its name: tell(text::greeting).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A passage: which story file, and which of its passages in order. The
// constants for every passage are generated into story/passages.h.
struct PassageId {
    std::uint16_t file;
    std::uint16_t passage;
};

struct StoryFile {
    std::string_view name;  // e.g. "first_dialog.story"
    std::string_view text;
};

// The story files built into the game, in chapter order.
extern const std::span<const StoryFile> storyFiles;

// Prints a passage: its text, colour changes and the hero's name.
void tell(PassageId passage);

// The frame around the story (menus, prompts, messages) takes its texts
// from the script files too, as plain text without colours. A placeholder
// such as {file} stands for a value the code fills in.
struct Fill {
    std::string_view placeholder;  // without braces: "file"
    std::string_view value;
};

// A passage of plain text as it is written; it lives as long as the game.
std::string_view textOf(PassageId passage);
// A passage with its placeholders filled in.
std::string textOf(PassageId passage, std::initializer_list<Fill> fills);
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
    };
    std::vector<Passage> passages;
    std::vector<std::string> mistakes;  // "LINE: what is wrong"
};
