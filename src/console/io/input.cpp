#include "console/io/input.h"

#include <iomanip>
#include <iostream>
#include <limits>
#include <locale>

#include "console/console.h"
#include "console/io/console_messages.h"
#include "console/layout/utf8.h"

namespace {
constexpr std::streamsize DiscardLimit = 10000;

using Chars = std::char_traits<char>;

// Whether the next character of `in` belongs to the word being read: it is
// there and is no white space. Peeks only.
bool wordGoesOn(std::istream& in) {
    const auto next = in.rdbuf()->sgetc();
    if (next == Chars::eof()) {
        in.setstate(std::ios::eofbit);
        return false;
    }
    return !std::use_facet<std::ctype<char>>(in.getloc()).is(std::ctype_base::space, Chars::to_char_type(next));
}

// Drops the rest of a word that was cut at its bound, up to the next white
// space (which stays for the next read), a byte at a time, so that a word of
// any length costs no memory.
void discardRestOfWord(std::istream& in) {
    while (wordGoesOn(in)) in.rdbuf()->sbumpc();
}

// Hands the keyboard to standard input for the duration of one read.
struct LineInput {
    LineInput() { beginLineInput(); }
    ~LineInput() { endLineInput(); }
    LineInput(const LineInput&) = delete;
    LineInput& operator=(const LineInput&) = delete;
};
}  // namespace

void endOfInput() {
    std::cout << "\n";
    quitProgram();
}

// The keyboard goes to line mode before the prompt is shown, so that what
// the player types the moment it appears is echoed.
bool readNumber(std::int32_t& value) {
    bool ok = false;
    {
        LineInput keyboard;
        std::cout.flush();
        ok = static_cast<bool>(std::cin >> value);
    }
    if (ok) return true;
    if (std::cin.eof()) endOfInput();
    std::cout << consoleMessages().invalidInput;
    std::cin.clear();
    {
        LineInput keyboard;
        std::cin.ignore(DiscardLimit, '\n');
    }
    return false;
}

void readWord(std::string& word, std::size_t maxBytes) {
    bool ok = false;
    {
        LineInput keyboard;
        std::cout.flush();
        ok = static_cast<bool>(std::cin >> std::setw(static_cast<int>(maxBytes)) >> word);
        if (ok && word.size() == maxBytes && wordGoesOn(std::cin)) {
            word.erase(lengthWithoutCutOffEnd(word));  // a character the bound cut short
            discardRestOfWord(std::cin);
        }
    }
    if (!ok) endOfInput();
}
