// The console operations every other part of the game uses. Exactly one
// implementation is linked into a program, each in a folder of its own:
// the terminal (Linux, macOS: terminal/), the Windows console (windows/),
// the browser page (web/), or the scripted console of the test suite
// (tests/support/scripted_console.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Text attributes in the Windows console convention (bit 0 blue, bit 1 green,
// bit 2 red, bit 3 intensity); the background always stays black.
enum class TextColour : std::uint16_t {
    Golden = 6,
    Normal = 7,
    Green = 10,
    Red = 12,
    Yellow = 14,
};

void enterFullScreen();
void setFontHeight(std::int16_t height);
void selectUtf8CodePage();
void setGermanLocale();
void setTextColour(TextColour colour);
void clearScreen();
void waitForKey();
void pauseMs(std::int64_t milliseconds);
void playSound(const std::string& fileName);
[[noreturn]] void quitProgram();

// While the game reads a number or a name from standard input the keyboard
// belongs to that stream (echo, line editing); between reads it is quiet, so
// keys typed during pauses are neither echoed nor lost.
void beginLineInput();
void endLineInput();

// The window that text is laid out in: the columns lines are wrapped to and
// the rows the pager holds. 0 where nothing is wrapped or paged (a file, a
// pipe, a page that scrolls).
struct WindowSize {
    std::size_t columns = 0;
    std::size_t rows = 0;
};
WindowSize windowSize();
