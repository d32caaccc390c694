// The console on a terminal (Linux, macOS): ANSI colours and clearing on
// standard output, keys read raw from the controlling terminal.
#include <atomic>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <locale>
#include <poll.h>
#include <pthread.h>
#include <sys/ioctl.h>
#include <string>
#include <termios.h>
#include <thread>
#include <unistd.h>

#include "console/ansi.h"
#include "console/console.h"
#include "console/line_wrap.h"
#include "console/pause.h"
#include "console/terminal_keys.h"

namespace {

// Everything the signal handlers need is plain data set up once.
struct Terminal {
    int tty = -1;            // the controlling terminal, or -1 without one
    bool outputIsTerminal = false;
    termios original{};      // the mode the player's terminal had at start
    termios quiet{};         // no echo, no line editing: keys wait in the queue
    std::atomic<bool> coloured{false};
    LineWrap* wrap = nullptr;  // wraps standard output when it is a terminal
    bool answerEchoed = false; // the line being read is typed, with echo
};

Terminal& terminal();

// Set once the terminal is prepared; the exit and signal handlers use it.
std::atomic<Terminal*> prepared{nullptr};

void writeRaw(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Gives the terminal back as it was found. Only async-signal-safe calls.
void restoreTerminal() {
    Terminal* t = prepared.load();
    if (t == nullptr) return;
    if (t->tty >= 0) ::tcsetattr(t->tty, TCSANOW, &t->original);
    if (t->outputIsTerminal && t->coloured.load()) writeRaw(STDOUT_FILENO, AnsiReset);
}

void restoreAtExit() {
    std::cout.flush();
    restoreTerminal();
}

// The other ending signals stay held meanwhile (a second one, or a SIGPIPE
// from the reset itself, cannot run this twice); the process then dies of
// the signal that came first.
extern "C" void restoreAndDie(int signalNumber) {
    restoreTerminal();
    ::signal(signalNumber, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signalNumber);
    ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(signalNumber);
}

void setMode(const termios& mode) {
    Terminal& t = terminal();
    if (t.tty >= 0) ::tcsetattr(t.tty, TCSANOW, &mode);
}

// The terminal window's width in columns, asked anew for every line so a
// resized window is honoured; 0 (no wrapping) when it cannot be told.
std::size_t windowWidth() {
    winsize size{};
    return ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 ? size.ws_col : 0;
}

Terminal& terminal() {
    static Terminal* instance = [] {
        auto* t = new Terminal;  // lives until the process ends, for the handlers
        t->outputIsTerminal = ::isatty(STDOUT_FILENO) == 1;
        // Only a terminal gets wrapped text; files and pipes get it unchanged.
        if (t->outputIsTerminal) t->wrap = &installLineWrap(std::cout, windowWidth);
        t->tty = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (t->tty >= 0 && ::tcgetattr(t->tty, &t->original) != 0) {
            ::close(t->tty);
            t->tty = -1;
        }
        if (t->tty >= 0) {
            t->quiet = t->original;
            t->quiet.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
            t->quiet.c_cc[VMIN] = 1;
            t->quiet.c_cc[VTIME] = 0;
        }
        prepared = t;
        std::atexit(restoreAtExit);
        constexpr int Ending[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE};
        struct sigaction action {};
        action.sa_handler = restoreAndDie;
        sigemptyset(&action.sa_mask);
        for (int signalNumber : Ending) sigaddset(&action.sa_mask, signalNumber);
        for (int signalNumber : Ending) ::sigaction(signalNumber, &action, nullptr);
        if (t->tty >= 0) ::tcsetattr(t->tty, TCSANOW, &t->quiet);
        return t;
    }();
    return *instance;
}

// Reads one byte from the terminal; false at its end or on an error.
bool readByte(int fd, char& byte) {
    for (;;) {
        ssize_t got = ::read(fd, &byte, 1);
        if (got == 1) return true;
        if (got < 0 && errno == EINTR) continue;
        return false;
    }
}

// The rest of an escape sequence or UTF-8 character arrives at once; a lone
// Escape is followed by nothing.
constexpr int RestOfKeyTimeoutMs = 50;

}  // namespace

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
    if (!t.outputIsTerminal) return;
    t.coloured = true;
    std::cout << sgrFor(colour);
}

void clearScreen() {
    if (terminal().outputIsTerminal) std::cout << AnsiClearScreen;
    std::cout.flush();
}

void waitForKey() {
    std::cout.flush();
    Terminal& t = terminal();
    if (t.tty < 0) return;
    std::string key;
    char byte = 0;
    if (!readByte(t.tty, byte)) return;
    key += byte;
    while (keyLength(key) == 0) {
        pollfd waiting{t.tty, POLLIN, 0};
        if (::poll(&waiting, 1, RestOfKeyTimeoutMs) <= 0 || !readByte(t.tty, byte)) break;
        key += byte;
    }
}

void pauseMs(std::int64_t milliseconds) {
    std::cout.flush();
    terminal();
    pauseUntilElapsed(
        milliseconds, [] { return std::chrono::steady_clock::now(); },
        [](std::chrono::milliseconds length) { std::this_thread::sleep_for(length); });
}

void quitProgram() {
    std::cout << "Das Programm wird beendet...\n";
    std::cout.flush();
    std::exit(0);
}

namespace {
// Whether the coming read is answered by input the game already has: keys
// typed during a pause wait unechoed in the terminal's queue, and a line
// with several answers leaves the rest in standard input's buffer.
bool answeredAhead() {
    int queued = 0;
    if (::ioctl(STDIN_FILENO, FIONREAD, &queued) == 0 && queued > 0) return true;
#if defined(__GLIBC__)
    const char* buffered = stdin->_IO_read_ptr;
    const char* end = stdin->_IO_read_end;
#elif defined(__APPLE__)
    const unsigned char* buffered = stdin->_p;
    const unsigned char* end = stdin->_r > 0 ? buffered + stdin->_r : buffered;
#else
    const char* buffered = nullptr;
    const char* end = nullptr;
#endif
    for (; buffered < end; ++buffered) {
        if (std::isspace(static_cast<unsigned char>(*buffered)) == 0) return true;
    }
    return false;
}
}  // namespace

void beginLineInput() {
    Terminal& t = terminal();
    setMode(t.original);
    // Asked after the switch: keys typed before it are in the queue by now.
    t.answerEchoed = ::isatty(STDIN_FILENO) == 1 && !answeredAhead();
}

void endLineInput() {
    Terminal& t = terminal();
    setMode(t.quiet);
    // The player's Enter was echoed: the cursor is back in the first column.
    // An answer typed ahead was not echoed, so the column counts on from the
    // prompt; the wrapping then errs towards shorter lines, never wider ones.
    if (t.wrap != nullptr && t.answerEchoed) t.wrap->lineStarted();
}
