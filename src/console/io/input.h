// Reading numbers and words from standard input with the stream's own rules:
// leading white space skipped, the rest of the line left for the next read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Reads one integer into `value`. On input that is no 32-bit number it prints
// the invalid-input message, clears the error, drops the rest of the line and
// returns false. At the end of input the game ends in an orderly way.
bool readNumber(std::int32_t& value);

// Reads one white-space delimited word of at most `maxBytes` bytes into
// `word`; ends the game at the end of input. What a longer word holds beyond
// the bound is read past and dropped, never kept in memory, and a UTF-8
// character the bound would cut in two is dropped whole.
void readWord(std::string& word, std::size_t maxBytes);

// Ends the game because standard input is exhausted: nothing could ever be
// read again, so waiting or redrawing would only spin.
[[noreturn]] void endOfInput();
