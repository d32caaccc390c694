// The options the game is started with, and the environment's say in them
// (TERM=dumb asks for plain text, NO_COLOR for no colours, HULGOR_LANG for
// the language).
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "console/io/display_options.h"
#include "story/language.h"

// The environment variables the game reads; null where unset.
struct Environment {
    const char* term = nullptr;
    const char* noColour = nullptr;  // NO_COLOR
    const char* language = nullptr;  // HULGOR_LANG
};

struct CommandLine {
    enum class Action { Play, Help, Version, Refuse } action = Action::Play;
    // --lang, else HULGOR_LANG, else German: never the system's locale.
    Language language = Language::German;
    DisplayOptions display;
    std::string transcript;  // the file to append the transcript to; empty: none
    // For Refuse: what was wrong, and the argument or value that was.
    enum class Refusal { None, TranscriptNeedsFile, UnknownOption, UnknownLanguage } refusal = Refusal::None;
    std::string refused;
};

CommandLine parseCommandLine(std::span<const std::string_view> arguments, Environment environment);

// What --help prints, and the message for a refused command line with its
// line end, in the language the game speaks (an unknown language is
// refused in both).
std::string helpText();
std::string refusalText(const CommandLine& line);
