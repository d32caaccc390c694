// The terminal console's shared internals: the terminal as the game found it
// and as the game keeps it. Plain data, because the signal handlers read it.
#pragma once

#include <atomic>
#include <cstddef>
#include <streambuf>
#include <string>
#include <string_view>
#include <termios.h>

#include "console/files/write_all.h"

class KeyReader;
class LineWrap;
class Pager;
class TerminalLineInput;

struct Terminal {
    int tty = -1;                   // the keyboard's terminal, or -1 without one
    KeyReader* keys = nullptr;      // the keys typed there
    bool outputIsTerminal = false;  // standard output: colours and wrapping only there
    termios original{};             // the mode the player's terminal had at start
    termios quiet{};                // the game's mode: keys one by one, no echo
    int inputFlags = -1;            // standard input's flags at start, when the game changed them
    std::atomic<int> colour{-1};    // the TextColour in force; -1 before the game sets one
    LineWrap* wrap = nullptr;       // wraps standard output when it is a terminal
    Pager* pager = nullptr;         // pages it when the keyboard is there too
    TerminalLineInput* lineInput = nullptr;  // typed lines, when standard input is the terminal
    int continued[2] = {-1, -1};    // a pipe that gets a byte each time the game is continued
};

// The terminal, prepared on first use; that happens before main.
Terminal& terminal();
// The same once it is fully prepared, else null: for the signal handlers.
Terminal* preparedTerminal();

// Async-signal-safe helpers for the handlers and the exit.
// Gives the player's terminal back as it was found: modes, colour, input flags.
void restoreTerminal();
// Puts the game's terminal mode and input flags back, and with them the
// colour in force.
void resumeTerminal(bool withColour);

// Every signal that ends a process by default restores the terminal, then
// ends the game (or goes to a handler installed before, such as a
// sanitizer's); Ctrl+Z restores it and stops, and continuing resumes it. A
// signal that the caller ignores stays ignored, and SIGXFSZ is ignored; a
// closed output always ends the game.
void installSignalHandlers();

// The terminal window's size now; 0 when it cannot be told.
std::size_t windowColumns();
std::size_t windowRows();

// The paging prompt: shown, a key pressed after it waited for, erased.
void showMore();

// A filter in front of `next` that keeps the text of the terminal's
// current line (the output is a terminal).
std::streambuf* keepOutputLine(std::streambuf* next);
// What standard output put on the terminal's current line since its last
// line end, in the colours it had, for drawing it again; empty when output
// goes elsewhere or the line was too long to keep.
std::string outputLineSoFar();
// The cursor is in the first column again (the player's Enter was echoed).
void outputLineStarted();

// Standard input read from the terminal through the game's own line editor,
// so that keys typed ahead show at the prompt and can be erased; null when
// standard input is not the player's terminal.
TerminalLineInput* makeTerminalLineInput(const Terminal& t);
// The buffer behind it, for the standard stream.
std::streambuf* lineInputBuffer(TerminalLineInput* input);
// Whether the last read ended with the player's Enter echoed (the cursor is
// in the first column now); asking clears it.
bool takeLineEntered(TerminalLineInput& input);
