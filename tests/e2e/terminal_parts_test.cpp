// The terminal console's pure pieces: key boundaries, the pause loop and the
// locale. (Colour sequences are checked on the real binary.)
#include <gtest/gtest.h>

#include <chrono>
#include <locale>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/pause.h"
#include "console/terminal_keys.h"

TEST(TerminalKeys, OneKeyIsOneKeyPress) {
    struct Case {
        std::string bytes;
        std::size_t length;
    };
    const std::vector<Case> cases{
        {"", 0},
        {"a", 1},
        {"ab", 1},
        {"\n", 1},
        {"\x1b", 0},                 // Escape alone: wait briefly for more
        {"\x1b[", 0},
        {"\x1b[A", 3},               // arrow up
        {"\x1b[Ax", 3},
        {"\x1b[15~", 5},             // F5
        {"\x1b[1;5C", 6},            // Ctrl+Right
        {"\x1bOP", 3},               // F1 (SS3)
        {"\x1bO", 0},
        {"\x1bx", 1},                // Escape, then another key
        {"\xc3\xa4", 2},             // ä
        {"\xc3", 0},
        {"\xe2\x82\xac", 3},         // €
        {"\xe2\x82", 0},
        {"\xf0\x9f\x90\xba", 4},     // wolf emoji
        {"\xc3" "a", 1},             // broken sequence: the lead byte alone
        {"\x80", 1},                 // stray continuation byte
    };
    for (const Case& c : cases) {
        EXPECT_EQ(keyLength(c.bytes), c.length) << "bytes of length " << c.bytes.size();
    }
}

TEST(TerminalPause, NeverShorterThanAskedEvenWhenSleepsReturnEarly) {
    using namespace std::chrono;
    steady_clock::time_point fake{};
    std::vector<milliseconds> sleeps;
    auto now = [&] { return fake; };
    // Every sleep wakes up after only half of what it asked for.
    auto sleepFor = [&](milliseconds length) {
        sleeps.push_back(length);
        fake += duration_cast<steady_clock::duration>(length) / 2;
    };
    pauseUntilElapsed(3000, now, sleepFor);
    EXPECT_GE(fake - steady_clock::time_point{}, milliseconds(3000));
    ASSERT_GE(sleeps.size(), 2u);
    EXPECT_EQ(sleeps.front(), milliseconds(3000));
    EXPECT_EQ(sleeps[1], milliseconds(1500));

    sleeps.clear();
    fake = {};
    pauseUntilElapsed(0, now, sleepFor);
    EXPECT_TRUE(sleeps.empty());
}

TEST(TerminalPause, RoundsTheRemainderUpToWholeMilliseconds) {
    using namespace std::chrono;
    steady_clock::time_point fake{};
    std::vector<milliseconds> sleeps;
    bool first = true;
    pauseUntilElapsed(
        10, [&] { return fake; },
        [&](milliseconds length) {
            sleeps.push_back(length);
            // The first sleep ends 0.3 ms early.
            fake += first ? duration_cast<steady_clock::duration>(length - microseconds(300)) : length;
            first = false;
        });
    ASSERT_EQ(sleeps.size(), 2u);
    EXPECT_EQ(sleeps[1], milliseconds(1));
}

TEST(TerminalLocale, GermanLocaleFallsBackQuietlyWhenMissing) {
    std::locale before = std::locale::global(std::locale::classic());
    EXPECT_NO_THROW(setGermanLocale());
    std::string chosen = std::locale().name();
    std::locale::global(before);
    // de_DE.UTF-8 where it is installed, else a UTF-8 or the classic locale.
    EXPECT_TRUE(chosen == "de_DE.UTF-8" || chosen.find("UTF-8") != std::string::npos ||
                chosen.find("utf8") != std::string::npos || chosen == "C")
        << chosen;
}
