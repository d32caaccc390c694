#include "frontend/menu_flow.h"

#include <limits>
#include <stdexcept>

#include "console/io/display_options.h"
#include "console/console.h"
#include "console/io/print.h"
#include "console/io/input.h"
#include "frontend/main_menu.h"
#include "frontend/missing_save_screen.h"
#include "frontend/new_game.h"
#include "state/game_state.h"
#include "state/player_files.h"
#include "state/save_file.h"
#include "story/chapters.h"
#include "story/death_screen.h"

void MenuNesting::push(const ResumePoint& point) {
    if (!runs_.empty() && runs_.back().point == point &&
        runs_.back().count < std::numeric_limits<std::uint32_t>::max()) {
        ++runs_.back().count;
    } else {
        runs_.push_back({point, 1});
    }
    ++depth_;
}

ResumePoint MenuNesting::pop() {
    if (runs_.empty()) throw std::logic_error("no nested menu to return from");
    ResumePoint point = runs_.back().point;
    if (--runs_.back().count == 0) runs_.pop_back();
    --depth_;
    return point;
}

namespace {

MenuNesting nesting;

// What the menu loop does next. The innermost open menu is the re-entrant
// one while anything is nested, and the entry-point menu otherwise.
enum class Next : std::uint8_t { Menu, EndProcess };

// Continue tests the checkpoint places in order (tests 1 to N), then
// whether there is no save at all (test N + 1).
constexpr std::uint8_t NewGameRun = 0;
int emptySaveTest() { return static_cast<int>(checkpoints.size()) + 1; }
std::uint8_t afterLastTest() { return static_cast<std::uint8_t>(emptySaveTest() + 1); }

Next continueTests(MenuCopy copy, int fromTest);

// Opens the re-entrant title menu; it starts with menuChoice 0 and, once it
// returns, `caller` goes on.
Next runMainMenu(const ResumePoint& caller) {
    nesting.push(caller);
    game.menuChoice = 0;
    return Next::Menu;
}

// What follows a chapter run that came back, or whose game ended in a death
// and whose title menu has now returned.
Next chapterRunReturned(MenuCopy copy, std::uint8_t test) {
    if (test == NewGameRun) {
        if (copy == MenuCopy::EntryPoint) {
            printMenuBox();
            return Next::EndProcess;
        }
        say("\n");
        return Next::Menu;  // menuChoice is still 1: this menu returns
    }
    game.menuChoice = 0;
    if (copy == MenuCopy::EntryPoint) {
        printMenuBox();
        return continueTests(copy, test + 1);
    }
    return runMainMenu({ResumePoint::Kind::ContinueTests, copy, static_cast<std::uint8_t>(test + 1)});
}

// Plays `story` (the chapter run from some point) for the menu `copy`.
template <typename Story>
Next playStory(Story story, MenuCopy copy, std::uint8_t test) {
    try {
        story();
    } catch (const GameOver&) {
        return runMainMenu({ResumePoint::Kind::ChapterRunEnded, copy, test});
    }
    return chapterRunReturned(copy, test);
}

Next playChapters(int position, MenuCopy copy, std::uint8_t test) {
    return playStory([position] { runChapters(position); }, copy, test);
}

// The tests, each on the checkpoint as it stands at that moment: a game
// that ended in a death comes back here and goes on with the next test.
Next continueTests(MenuCopy copy, int fromTest) {
    for (int test = fromTest; test <= emptySaveTest(); ++test) {
        if (test < emptySaveTest()) {
            const ResumePlace& place = checkpoints[static_cast<std::size_t>(test - 1)];
            if (game.checkpoint == place.label) {
                clearScreen();
                return playChapters(place.chapter, copy, static_cast<std::uint8_t>(test));
            }
        } else if (game.checkpoint == Checkpoint::Empty) {
            sayLine("Kein Speicherstand vorhanden");
            game.menuChoice = 0;
            return runMainMenu({ResumePoint::Kind::ContinueTests, copy, afterLastTest()});
        }
    }
    say("\n");
    return Next::Menu;
}

Next continueFromCheckpoint(MenuCopy copy) {
    say("\nSpiel wird geladen...\n");
    if (!loadGame()) showMissingSaveScreen();
    loadPlayerName();
    return continueTests(copy, 1);
}

Next resume(const ResumePoint& point) {
    switch (point.kind) {
        case ResumePoint::Kind::ContinueTests: return continueTests(point.copy, point.test);
        case ResumePoint::Kind::ChapterRunEnded: return chapterRunReturned(point.copy, point.test);
    }
    throw std::logic_error("unknown resume point");
}

// Name entry and the story, after the entry-point menu's loop has ended.
Next entryPointNewGameTail() {
    game.menuChoice = 0;
    askPlayerName();
    return playChapters(1, MenuCopy::EntryPoint, NewGameRun);
}

Next nestedNewGame() {
    playLoadingAnimation();
    game.checkpoint = Checkpoint::FirstDialog;
    clearScreen();
    saveGame();
    askPlayerName();
    return playChapters(1, MenuCopy::Nested, NewGameRun);
}

Next entryPointMenuPass() {
    if (game.menuChoice == 1) return entryPointNewGameTail();
    clearScreen();
    printMenuBox();
    say("\nBitte wähle eine Option, indem du die ZAHL dazu eingibst:");
    if (!readNumber(game.menuChoice)) return Next::Menu;
    switch (game.menuChoice) {
        case 1:
            playLoadingAnimation();
            say("\n");
            return Next::Menu;  // the loop test now leaves the menu for the story
        case 2: return continueFromCheckpoint(MenuCopy::EntryPoint);
        default:
            runInfoOption(game.menuChoice);
            say("\n");
            return Next::Menu;
    }
}

Next nestedMenuPass() {
    if (game.menuChoice == 1) return resume(nesting.pop());
    drawMainMenuScreen();
    if (displayOptions().plain) say(PlainChoicePrompt);
    if (!readNumber(game.menuChoice)) return Next::Menu;
    switch (game.menuChoice) {
        case 1: return nestedNewGame();
        case 2: return continueFromCheckpoint(MenuCopy::Nested);
        default:
            runInfoOption(game.menuChoice);
            say("\n");
            return Next::Menu;
    }
}

}  // namespace

namespace {
void runMenusFrom(Next next) {
    while (next != Next::EndProcess) next = nesting.empty() ? entryPointMenuPass() : nestedMenuPass();
}
}  // namespace

void runMenus() {
    nesting = MenuNesting{};
    runMenusFrom(Next::Menu);
}

void runMenusFromScene(const NamedScene& scene) {
    nesting = MenuNesting{};
    runMenusFrom(playStory([&scene] { runFromScene(scene); }, MenuCopy::EntryPoint, NewGameRun));
}

const MenuNesting& menuNesting() { return nesting; }
