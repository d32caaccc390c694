// The terminal console's pure pieces: where a key press ends, and the pause
// loop. (Colour sequences and key waits are checked on the real binary.)
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "console/pause.h"
#include "console/terminal_keys.h"

TEST(TerminalKeys, OneKeyIsOneKeyPress) {
    // The bytes waiting, and how many of them are the first key (0: wait for more).
    const std::vector<std::pair<std::string, std::size_t>> cases{
        {"", 0}, {"a", 1}, {"ab", 1}, {"\n", 1}, {"\x1b", 0}, {"\x1b[", 0},
        {"\x1b[A", 3}, {"\x1b[Ax", 3}, {"\x1b[15~", 5}, {"\x1b[1;5C", 6},  // arrow up, F5, Ctrl+Right
        {"\x1bOP", 3}, {"\x1bO", 0}, {"\x1bx", 1},                         // F1 (SS3); Escape, then a key
        {"\xc3\xa4", 2}, {"\xc3", 0}, {"\xe2\x82\xac", 3}, {"\xe2\x82", 0},  // ä, €
        {"\xf0\x9f\x90\xba", 4}, {"\xc3" "a", 1}, {"\x80", 1},             // an emoji, broken UTF-8
    };
    for (const auto& [bytes, length] : cases) EXPECT_EQ(keyLength(bytes), length) << "bytes of length " << bytes.size();
}

// The pause never ends early: a sleep that wakes up after half of what it
// asked for is followed by another for the rest, rounded up to whole
// milliseconds.
TEST(TerminalPause, NeverShorterThanAskedEvenWhenSleepsReturnEarly) {
    using namespace std::chrono;
    steady_clock::time_point fake{};
    std::vector<milliseconds> sleeps;
    pauseUntilElapsed(3000, [&] { return fake; }, [&](milliseconds length) {
        sleeps.push_back(length);
        fake += duration_cast<nanoseconds>(length) / 2;
    });
    EXPECT_GE(fake - steady_clock::time_point{}, 3000ms);
    EXPECT_EQ(sleeps, (std::vector<milliseconds>{3000ms, 1500ms, 750ms, 375ms, 188ms, 94ms, 47ms, 23ms, 12ms, 6ms, 3ms, 1ms, 1ms}));
}
