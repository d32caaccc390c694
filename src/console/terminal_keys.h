// Telling where one key press ends in the bytes a terminal delivers: an
// escape sequence (arrow keys, function keys) or a UTF-8 character is one key.
#pragma once

#include <cstddef>
#include <string_view>

// How many bytes of `bytes` belong to the first key, or 0 when the key is
// not complete yet and more bytes may follow.
std::size_t keyLength(std::string_view bytes);
