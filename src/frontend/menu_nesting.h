// How the title menus nest.
//
// Continue and every death open the re-entrant title menu, which hands
// control back only after a new game started from it has run to its end.
// Those nested menus are not kept on the call stack: each one is a resume
// point on an explicit stack, and one loop runs whichever menu is innermost
// (menu_loop.h). A death first unwinds the dead game (GameOver) and then
// opens the menu in its place, so nothing of that game is ever taken up again.
#pragma once

#include <cstdint>
#include <vector>

#include "test_seam.h"

// Which copy of the title menu started a new game or a Continue.
enum class MenuCopy : std::uint8_t { EntryPoint, Nested };

// What to do when a nested title menu returns.
struct ResumePoint {
    enum class Kind : std::uint8_t {
        ContinueTests,    // go on with Continue's checkpoint tests from `test`
        ChapterRunEnded,  // a chapter run ended in a death; finish as if it returned
    };
    Kind kind;
    MenuCopy copy;
    std::uint8_t test;  // ContinueTests: next test (from 2); ChapterRunEnded: the
                        // Continue test that started the run, 0 for a new game
    bool operator==(const ResumePoint&) const = default;
};

// The open nested menus, innermost last. Equal neighbours are counted, not
// repeated, so endless Continues or deaths in one run need constant memory.
class MenuNesting {
public:
    void push(const ResumePoint& point);
    ResumePoint pop();
    bool empty() const { return runs_.empty(); }

private:
    struct Run {
        ResumePoint point;
        std::uint32_t count;
    };
    std::vector<Run> runs_;

    friend std::uint64_t testSeam::menuDepth();
    friend std::size_t testSeam::menuStoredRuns();
};
