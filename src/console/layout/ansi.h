// Terminal escape sequences for the console operations.
#pragma once

#include <string_view>

#include "console/console.h"

// The SGR sequence that shows text in `colour` on an ANSI terminal.
std::string_view sgrFor(TextColour colour);

// Home and clear the window; the scrollback stays, for reading back.
inline constexpr std::string_view AnsiClearScreen = "\x1b[H\x1b[2J";
inline constexpr std::string_view AnsiReset = "\x1b[0m";
