// The console on a terminal (Linux, macOS): ANSI colours and clearing on
// standard output, keys read one by one from the player's terminal.
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

#include "console/console.h"
#include "console/io/console_messages.h"
#include "console/io/console_steps.h"
#include "console/io/display_options.h"
#include "console/layout/ansi.h"
#include "console/io/plain_marks.h"
#include "console/layout/line_wrap.h"
#include "console/layout/pager.h"
#include "console/terminal/terminal.h"
#include "console/terminal/terminal_keys.h"

void enterFullScreen() {
    // A terminal window has no full-screen switch of its own to ask for.
    if (terminal().tty < 0) std::cerr << consoleMessages().noConsoleWindow;
}

void setFontHeight(std::int16_t) {
    // The terminal's font belongs to the player's terminal program.
    terminal();
}

void selectUtf8CodePage() {
    // Terminals take the game's UTF-8 bytes as they are.
    terminal();
}

void setGermanLocale() { useGermanLocaleWhereKnown(); }

void setTextColour(TextColour colour) {
    Terminal& t = terminal();
    if (!t.outputIsTerminal || !coloursShown()) return;
    t.colour = static_cast<int>(colour);
    std::cout << sgrFor(colour);
}

void clearScreen() {
    if (!clearShownAsRule() && terminal().outputIsTerminal) std::cout << AnsiClearScreen;
    std::cout.flush();
}

void waitForKey() {
    std::cout.flush();
    Terminal& t = terminal();
    std::string key;
    if (t.keys != nullptr) t.keys->read(key, KeyReader::Purpose::KeyWait);
    if (t.pager != nullptr) t.pager->seen();
}

void pauseMs(std::int64_t milliseconds) {
    terminal();
    pauseOnSteadyClock(milliseconds, [](std::chrono::milliseconds length) { std::this_thread::sleep_for(length); });
}

void quitProgram() {
    std::cout << consoleMessages().quit;
    std::cout.flush();
    std::exit(0);
}

WindowSize windowSize() {
    const Terminal& t = terminal();
    return {t.wrap != nullptr ? t.wrap->width() : 0, t.pager != nullptr ? t.pager->height() : 0};
}

// The terminal stays in the game's own mode while a line is read: the line
// editor echoes, so nothing needs switching here.
void beginLineInput() { std::cout.flush(); }

void endLineInput() {
    // The player's Enter was echoed: the cursor is back in the first column.
    // An answer typed ahead on an earlier line was not echoed now, so the
    // column counts on from the prompt.
    Terminal& t = terminal();
    if (t.wrap != nullptr && t.lineInput != nullptr && takeLineEntered(*t.lineInput)) {
        t.wrap->lineStarted();
        outputLineStarted();
    }
    if (t.pager != nullptr) t.pager->seen();
}
