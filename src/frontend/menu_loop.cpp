#include "frontend/menu_loop.h"

#include <functional>
#include <stdexcept>

#include "console/io/display_options.h"
#include "console/console.h"
#include "console/io/print.h"
#include "console/io/input.h"
#include "frontend/continue_game.h"
#include "frontend/main_menu.h"
#include "frontend/new_game.h"
#include "state/game_state.h"
#include "state/save_file.h"
#include "story/chapters.h"
#include "story/death_screen.h"
#include "story/passages.h"

namespace {

MenuNesting nesting;

// The `test` of a chapter run that a new game started.
constexpr std::uint8_t NewGameRun = 0;

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
    return openNestedMenu({ResumePoint::Kind::ContinueTests, copy, static_cast<std::uint8_t>(test + 1)});
}

// Plays `story` (the chapter run from some point) for the menu `copy`.
Next playStory(const std::function<void()>& story, MenuCopy copy, std::uint8_t test) {
    try {
        story();
    } catch (const GameOver&) {
        return openNestedMenu({ResumePoint::Kind::ChapterRunEnded, copy, test});
    }
    return chapterRunReturned(copy, test);
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
    say(textOf(passages::frame::menu_prompt));
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
    if (displayOptions().plain) say(textOf(passages::messages::plain_choice_prompt));
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

void runMenusFrom(Next next) {
    while (next != Next::EndProcess) next = nesting.empty() ? entryPointMenuPass() : nestedMenuPass();
}

}  // namespace

Next openNestedMenu(const ResumePoint& caller) {
    nesting.push(caller);
    game.menuChoice = 0;
    return Next::Menu;
}

Next playChapters(int position, MenuCopy copy, std::uint8_t test) {
    return playStory([position] { runChapters(position); }, copy, test);
}

void runMenus() {
    nesting = MenuNesting{};
    runMenusFrom(Next::Menu);
}

void testSeam::runMenusAfter(const std::function<void()>& story) {
    nesting = MenuNesting{};
    runMenusFrom(playStory(story, MenuCopy::EntryPoint, NewGameRun));
}

std::uint64_t testSeam::menuDepth() {
    std::uint64_t depth = 0;
    for (const MenuNesting::Run& run : nesting.runs_) depth += run.count;
    return depth;
}

std::size_t testSeam::menuStoredRuns() { return nesting.runs_.size(); }
