// Text from outside the game (a typed line, a command-line argument) shown so
// that nothing in it can drive the terminal.
#pragma once

#include <string>
#include <string_view>

// One character (a whole UTF-8 sequence, or one stray byte) as it is shown:
// a control character (C0 or DEL) as ^X, a C1 control or a byte that is not
// well-formed UTF-8 as U+FFFD, anything else as it is.
std::string visibleCharacter(std::string_view character);

// A whole text shown that way, character by character.
std::string visibleText(std::string_view text);

// Whether a key of this character can begin a typed answer (a digit, a
// letter, a sign): printable, no blank, no control, not a combining mark.
bool beginsAnswer(char32_t code);
