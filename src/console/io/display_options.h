// How the game shows itself, as the player chose at start: plain text for
// screen readers, colours off, pauses skipped, no sound. Every console
// honours these.
#pragma once

#include <string_view>

struct DisplayOptions {
    // No escape sequences and no clearing (a blank line and a rule instead);
    // speech in quotation marks, options that move the story on marked in
    // words, a prompt line before every read.
    bool plain = false;
    bool colours = true;  // off alone (NO_COLOR): marks in words, clearing stays
    bool fast = false;    // pauses and the loading animation pass at once
    bool sound = true;    // off (--no-sound): no sound is played, and none reported as failed
};

DisplayOptions& displayOptions();

inline bool coloursShown() { return displayOptions().colours && !displayOptions().plain; }

// Where no colours are shown, what they mean is said in words: speech in
// quotation marks, options that move the story on marked, the hint line
// telling so.
inline bool marksInWords() { return !coloursShown(); }

// What a cleared screen becomes in plain mode.
inline constexpr std::string_view PlainScreenBreak = "\n----------\n";

