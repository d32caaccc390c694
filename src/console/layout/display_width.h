// How many columns of a terminal text takes: East Asian wide characters and
// emoji take two, combining marks and other zero-width characters none,
// control characters and escape sequences none, everything else one.
#pragma once

#include <cstddef>
#include <string_view>

#include "console/layout/utf8.h"

// The columns one character takes: 0, 1 or 2, as glibc's wcwidth counts them
// (a control character takes 0 where wcwidth says -1; an unassigned code
// point, a surrogate or a value beyond U+10FFFF takes 1).
std::size_t displayWidth(char32_t codePoint);

// The columns a UTF-8 text takes. Escape sequences and control bytes take
// none; a malformed sequence takes one column, a stray continuation byte none.
std::size_t displayColumns(std::string_view utf8);

// One piece of text: a character (its UTF-8 sequence), or something shown as
// nothing (an escape sequence, a control byte, a stray continuation byte).
struct TextPiece {
    std::size_t length;   // in bytes, at least 1
    std::size_t columns;  // 0, 1 or 2
    bool character;       // false: an escape sequence, a control byte or a stray byte
};

// The piece that starts at `at` (< utf8.size()).
TextPiece textPieceAt(std::string_view utf8, std::size_t at);
