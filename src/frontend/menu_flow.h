// The title menus, new game and Continue, and how they nest.
//
// Continue and every death open the re-entrant title menu, which hands
// control back only after a new game started from it has run to its end.
// Those nested menus are not kept on the call stack: each one is a resume
// point on an explicit stack, and one loop runs whichever menu is innermost.
// A death first unwinds the dead game (GameOver) and then opens the menu in
// its place, so nothing of that game is ever taken up again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "story/chapters.h"

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
    std::uint64_t depth() const { return depth_; }
    std::size_t storedRuns() const { return runs_.size(); }

private:
    struct Run {
        ResumePoint point;
        std::uint32_t count;
    };
    std::vector<Run> runs_;
    std::uint64_t depth_ = 0;
};

// The title menus from their first showing until the program ends by
// returning (after a new game started from the entry-point menu).
void runMenus();

// For tests and tools: the game as if a new game from the entry-point menu
// had reached `scene`, with the state as it stands; then the menus as ever.
void runMenusFromScene(const NamedScene& scene);

// The nesting of the menus running now, for tests and the stress tool.
const MenuNesting& menuNesting();
