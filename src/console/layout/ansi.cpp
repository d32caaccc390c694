#include "console/layout/ansi.h"

std::string_view sgrFor(TextColour colour) {
    switch (colour) {
        case TextColour::Golden: return "\x1b[33m";
        case TextColour::Normal: return "\x1b[0m";
        case TextColour::Green: return "\x1b[92m";
        case TextColour::Red: return "\x1b[91m";
        case TextColour::Yellow: return "\x1b[93m";
    }
    return AnsiReset;
}
