// Editing one typed line on a terminal that delivers keys one by one: what
// each key does to the line and what the terminal must show for it. The
// game does this itself instead of the terminal's line mode, so that keys
// typed before the prompt show at it and can be erased like the rest.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The keys the player's terminal uses for editing (0: none). Backspace and
// DEL always erase one character as the player sees it: a letter with its
// combining accents, a wide character whole.
struct EditingKeys {
    char erase = 0x7F;
    char kill = 0x15;       // Ctrl+U: the whole line
    char wordErase = 0x17;  // Ctrl+W: the last word
    char endOfFile = 0x04;  // Ctrl+D
};

class LineEditor {
public:
    enum class Outcome { Editing, Entered, EndOfInput };

    // A line never grows beyond `limit` bytes; keys past it are dropped.
    LineEditor(EditingKeys keys, std::size_t limit);

    // Takes one whole key (see keyLength) and appends to `echo` what the
    // terminal must show. Entered: the line is complete (Enter, or the end
    // of file key after some text); EndOfInput: the end of file key on an
    // empty line.
    Outcome press(std::string_view key, std::string& echo);

    // The line typed so far, with its line end once entered; starts anew.
    std::string take();
    // The line typed so far as the terminal shows it.
    std::string shown() const;

private:
    void eraseLast(std::string& echo);
    void insert(std::string_view bytes, std::string_view shown, std::string& echo);

    EditingKeys keys_;
    std::size_t limit_;
    std::string line_;
    bool rang_ = false;  // the bell for a full line sounds once
};
