// The options the game is started with, and the environment's say in them
// (TERM=dumb asks for plain text, NO_COLOR for no colours).
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "console/io/display_options.h"

struct CommandLine {
    enum class Action { Play, Help, Version, Refuse } action = Action::Play;
    DisplayOptions display;
    std::string transcript;  // the file to append the transcript to; empty: none
    std::string refusal;     // for Refuse: the German message, with its line end
};

// `term` and `noColour` are the variables' values, null when unset.
CommandLine parseCommandLine(std::span<const std::string_view> arguments, const char* term, const char* noColour);

// What --help prints.
std::string helpText();
