#include "frontend/input.h"

#include <iostream>
#include <limits>

#include "console/console.h"

namespace {
constexpr std::streamsize DiscardLimit = 10000;

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
    std::cout << InvalidInputMessage;
    std::cin.clear();
    {
        LineInput keyboard;
        std::cin.ignore(DiscardLimit, '\n');
    }
    return false;
}

void readWord(std::string& word) {
    bool ok = false;
    {
        LineInput keyboard;
        std::cout.flush();
        ok = static_cast<bool>(std::cin >> word);
    }
    if (!ok) endOfInput();
}
