// The console on a terminal (Linux, macOS): ANSI colours and clearing on
// standard output, keys read one by one from the player's terminal.
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <locale>
#include <streambuf>
#include <string>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

#include "console/layout/ansi.h"
#include "console/console.h"
#include "console/io/display_options.h"
#include "console/io/plain_marks.h"
#include "console/layout/line_wrap.h"
#include "console/layout/pager.h"
#include "console/layout/output_watch.h"
#include "console/layout/pause.h"
#include "console/sound/sound_player.h"
#include "console/terminal/terminal.h"
#include "console/terminal/terminal_keys.h"

namespace {

std::atomic<Terminal*> prepared{nullptr};

// A launcher may start the game with standard input, output or error
// closed. The next file the game opens would then take that descriptor, and
// an error line meant for standard error could land in a save file: so each
// closed one is opened on the null device first.
void openClosedStandardDescriptors() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        int opened = ::open("/dev/null", O_RDWR);  // the lowest free descriptor: this one
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
}

// Input left non-blocking (by a program that crashed on a shared terminal,
// say) would make every read fail at once, which reads as the end of
// input. The game waits instead, and gives the flags back when it ends.
void makeInputBlocking(Terminal& t) {
    int flags = ::fcntl(STDIN_FILENO, F_GETFL);
    if (flags < 0 || (flags & O_NONBLOCK) == 0) return;
    t.inputFlags = flags;
    ::fcntl(STDIN_FILENO, F_SETFL, flags & ~O_NONBLOCK);
}

// The terminal first: nothing the sound thread does may keep it raw.
void restoreAtExit() {
    std::cout.flush();
    restoreTerminal();
    stopSoundAtExit();
}

// The terminal window's size, asked anew for every line so a resized window
// is honoured; 0 columns and rows (no wrapping, no paging) when it cannot be
// told.
winsize terminalWindow() {
    winsize size{};
    return ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 ? size : winsize{};
}
std::size_t windowWidth() { return terminalWindow().ws_col; }
std::size_t windowHeight() { return terminalWindow().ws_row; }

// Standard output on its way to the terminal, passed on as it comes, with
// the text of the current line kept: colours stay in it, other escape
// sequences do not, and a cursor home starts the line anew.
class OutputLine : public OutputWatch {
public:
    using OutputWatch::OutputWatch;
    std::string soFar() const { return tooLong_ ? std::string() : start_ + line_; }
    void lineStarted() {
        start_ = colour_;
        line_.clear();
        tooLong_ = false;
    }

protected:
    void watch(std::string_view bytes) override {
        for (char byte : bytes) keep(byte);
    }

private:
    static constexpr std::size_t Limit = 4096;

    void keep(char byte) {
        if (!sequence_.empty()) {
            sequence_ += byte;
            const auto code = static_cast<unsigned char>(byte);
            if (sequence_.size() == 2 ? byte == '[' : code < 0x40 || code > 0x7E) return;
            if (byte == 'm') {
                colour_ = sequence_;
                add(sequence_);
            }
            if (byte == 'H') lineStarted();
            sequence_.clear();
        } else if (byte == '\x1b') {
            sequence_ = byte;
        } else if (byte == '\n' || byte == '\r') {
            lineStarted();
        } else {
            add(std::string_view(&byte, 1));
        }
    }
    void add(std::string_view bytes) {
        if (line_.size() + bytes.size() > Limit) tooLong_ = true;
        else if (!tooLong_) line_ += bytes;
    }

    std::string sequence_;  // an escape sequence under way
    std::string colour_;    // the last colour sequence
    std::string start_;     // the colour in force where the line began
    std::string line_;
    bool tooLong_ = false;
};
OutputLine* outputLine = nullptr;

// Keys typed before the paging prompt appeared belong to the story's next
// reads: they are set aside, up to this much.
constexpr std::size_t TypedAheadLimit = std::size_t{4} << 20;

// The player's keyboard: the controlling terminal, or else the terminal that
// standard input is (a game started in a session of its own, as some
// launchers do, has no /dev/tty). Opened anew, for reading and writing.
int openKeyboard(termios& mode) {
    int tty = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (tty < 0 && ::isatty(STDIN_FILENO) == 1) {
        const char* name = ::ttyname(STDIN_FILENO);
        tty = name != nullptr ? ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC) : -1;
        if (tty < 0) tty = ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    }
    if (tty >= 0 && ::tcgetattr(tty, &mode) != 0) {
        ::close(tty);
        tty = -1;
    }
    return tty;
}

// Sets aside what is typed already, shows the paging prompt, waits for a
// key pressed after it and erases the prompt again; the colour in force is
// shown anew.
void showMore() {
    Terminal& t = terminal();
    t.keys->setAside(TypedAheadLimit);
    const int colour = t.colour.load();
    if (colour >= 0) writeAll(STDOUT_FILENO, AnsiReset);
    const std::string_view prompt = morePromptFor(windowWidth());
    writeAll(STDOUT_FILENO, prompt);
    std::string key;
    t.keys->readNew(key, t.lineInput != nullptr);
    writeAll(STDOUT_FILENO, promptEraser(prompt));
    if (colour >= 0) writeAll(STDOUT_FILENO, sgrFor(static_cast<TextColour>(colour)));
}

// Set up before main, so that no file can take a closed standard descriptor.
const bool terminalReady = (terminal(), true);

}  // namespace

Terminal* preparedTerminal() { return prepared.load(); }

std::string outputLineSoFar() { return outputLine != nullptr ? outputLine->soFar() : std::string(); }

void writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

Terminal& terminal() {
    static Terminal* instance = [] {
        openClosedStandardDescriptors();
        auto* t = new Terminal;  // lives until the process ends, for the handlers
        makeInputBlocking(*t);
        t->outputIsTerminal = ::isatty(STDOUT_FILENO) == 1;
        // Only a terminal gets wrapped text; files and pipes get it unchanged.
        t->tty = openKeyboard(t->original);
        if (t->outputIsTerminal) {
            outputLine = new OutputLine(std::cout.rdbuf());  // lives until the process ends
            std::cout.rdbuf(outputLine);
            LineWrapBuffer& wrapped = t->tty >= 0 ? installLineWrap(std::cout, windowWidth, windowHeight, showMore)
                                                  : installLineWrap(std::cout, windowWidth);
            t->wrap = &wrapped.wrap();
            t->pager = wrapped.pager();
        }
        if (t->tty >= 0) {
            t->quiet = t->original;
            t->quiet.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
            t->quiet.c_cc[VMIN] = 1;
            t->quiet.c_cc[VTIME] = 0;
            if (::pipe(t->continued) == 0) {
                for (int end : t->continued) {
                    ::fcntl(end, F_SETFD, FD_CLOEXEC);
                    ::fcntl(end, F_SETFL, O_NONBLOCK);
                }
            }
            t->keys = new KeyReader(t->tty, t->continued[0]);
            t->lineInput = installTerminalLineInput(*t);
        }
        prepared = t;
        std::atexit(restoreAtExit);
        installSignalHandlers();
        if (t->tty >= 0) ::tcsetattr(t->tty, TCSANOW, &t->quiet);
        return t;
    }();
    return *instance;
}

void enterFullScreen() {
    // A terminal window has no full-screen switch of its own to ask for.
    if (terminal().tty < 0) std::cerr << "Fehler: Konnte das Konsolenfenster nicht abrufen.\n";
}

void setFontHeight(std::int16_t) {
    // The terminal's font belongs to the player's terminal program.
    terminal();
}

void selectUtf8CodePage() {
    // Terminals take the game's UTF-8 bytes as they are.
    terminal();
}

void setGermanLocale() {
    for (const char* name : {"de_DE.UTF-8", "C.UTF-8", ""}) {
        try {
            std::locale::global(std::locale(name));
            return;
        } catch (const std::runtime_error&) {
            // not installed here: try the next one
        }
    }
    std::locale::global(std::locale::classic());
}

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
    std::cout.flush();
    terminal();
    if (displayOptions().fast) return;
    pauseUntilElapsed(
        milliseconds, [] { return std::chrono::steady_clock::now(); },
        [](std::chrono::milliseconds length) { std::this_thread::sleep_for(length); });
}

void quitProgram() {
    std::cout << "Das Programm wird beendet...\n";
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
        outputLine->lineStarted();
    }
    if (t.pager != nullptr) t.pager->seen();
}
