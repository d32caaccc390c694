// Where no colours are shown, what they mean is said in the text itself:
// speech in German quotation marks, an option that moves the story on
// marked " (führt weiter)", and in plain mode a cleared screen shown as a
// rule. A filter in front of standard output does it. It sees the text,
// every colour change (print.h's `colour` passes them through it), the
// clears the console reports, and what the story's markup says that no
// colour can, told by the signals below. With colours shown it passes
// everything on unchanged.
#pragma once

#include <ostream>

#include "console/console.h"

// What the story tells the filter beside its text and colours.
enum class StorySignal {
    PassageBegins,     // a passage of a story file is printed from here
    PassageEnds,       // ... to here: speech is marked passage by passage
    NameBegins,        // the hero's name, printed between these two: one
    NameEnds,          // piece, whatever its bytes look like
    InnerQuoteOpens,   // {‚}: speech quoted inside speech begins
    InnerQuoteCloses,  // {‘}: and ends
    NewQuotation,      // {„}: another speaker goes on in the same colour
    GoldenOptionEnds,  // the line end of an option that moves the story on
};

// Puts the filter in front of `out`'s buffer. Install it last, in front of
// the transcript and the line wrap, so that both see the marks. A later
// call moves it in front of that stream's buffer then (the scripted console
// of the tests installs it for every session).
void installPlainMarks(std::ostream& out);

// Tells the installed filter a signal; without one it changes nothing.
void storySignal(StorySignal signal);

// A colour change on its way to the console's setTextColour, kept in order
// with the text the filter may still hold.
void passColour(TextColour colour);

// For a console's clearScreen: in plain mode the filter writes a rule into
// the text instead, and true says the console clears nothing itself.
bool clearShownAsRule();
