// Decoding one UTF-8 character, the one way every part of the console reads
// UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

struct Utf8Decoded {
    enum class Status {
        Valid,       // a well-formed character: not overlong, no surrogate, at most U+10FFFF
        Invalid,     // no character: a stray or impossible byte, a broken or ill-formed sequence
        Incomplete,  // the bytes end before the sequence their lead byte begins
    };
    Status status;
    // Valid: the character's bytes. Invalid: the lead byte and the
    // continuation bytes after it that its sequence takes (at least 1).
    // Incomplete: all the bytes given.
    std::size_t length;
    char32_t codePoint;  // Valid only
};

// The character at the start of `bytes` (not empty). A lead byte C0 to DF
// begins a sequence of two bytes, E0 to EF of three, F0 to F7 of four; any
// other byte stands alone.
Utf8Decoded decodeUtf8(std::string_view bytes);

// The length of the well-formed character at the start of `text`, or 0
// where it begins with none (a stray byte, a broken or cut-off sequence).
std::size_t wellFormedLength(std::string_view text);

// Whether `byte` continues a UTF-8 sequence (10xxxxxx) rather than begins one.
constexpr bool isUtf8Continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Where the last character of `bytes` begins: its lead byte, found within
// the last four bytes; npos when those are all continuation bytes.
std::size_t lastLeadByte(std::string_view bytes);

// The length of `bytes` without a character cut off at its end (a lead byte
// announcing more bytes than follow it), so that the rest can wait for them.
std::size_t lengthWithoutCutOffEnd(std::string_view bytes);

// The code point of `sequence` when it is exactly one well-formed UTF-8
// character; else nothing.
std::optional<char32_t> codePointOf(std::string_view sequence);
