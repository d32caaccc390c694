// The story's prose lives in text files, one per chapter (src/story/text/,
// markup in docs/story-markup.md), built into the game. Scenes print a
// passage by its name: tell(text::greeting).
#pragma once

#include <cstdint>
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
