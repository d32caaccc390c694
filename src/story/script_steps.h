// How the parser hands a passage to the renderer: the steps it is printed
// in. Shared by script_parser.cpp and script_render.cpp only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "console/console.h"
#include "story/language.h"

// One step of a passage: text to print, a colour from here on, the name, a
// quotation mark of the markup ({‚} {‘} {„}), which only text without
// colours shows; a placeholder the code fills in (its name in `text`); the
// start of an option line (its colour, golden or normal, set where it is not
// yet in force), the end of a golden one (marked where no colour is shown),
// the hint line.
struct Step {
    enum class Kind { Text, Colour, Name, Mark, Placeholder, Option, GoldenOptionEnds, Hint } kind;
    std::string text;
    TextColour colour = TextColour::Normal;
};

using Steps = std::vector<Step>;

// Tells the watcher of the tests, if there is one, what the story does.
void reportStoryEvent(const StoryEvent& event);

// A story file's passages as steps, in order.
std::vector<Steps> stepsOf(std::string_view file);

// Every story file's passages in a language, read once at their first use.
const std::vector<Steps>& passagesOf(std::uint16_t file, Language language = storyLanguage());
