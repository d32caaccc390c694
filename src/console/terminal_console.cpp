// The console on a terminal (Linux, macOS): ANSI colours and clearing on
// standard output, keys read raw from the controlling terminal.
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <locale>
#include <poll.h>
#include <string>
#include <termios.h>
#include <thread>
#include <unistd.h>

#include "console/ansi.h"
#include "console/console.h"
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

extern "C" void restoreAndDie(int signalNumber) {
    restoreTerminal();
    ::signal(signalNumber, SIG_DFL);
    ::raise(signalNumber);
}

void setMode(const termios& mode) {
    Terminal& t = terminal();
    if (t.tty >= 0) ::tcsetattr(t.tty, TCSANOW, &mode);
}

Terminal& terminal() {
    static Terminal* instance = [] {
        auto* t = new Terminal;  // lives until the process ends, for the handlers
        t->outputIsTerminal = ::isatty(STDOUT_FILENO) == 1;
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
        for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE}) {
            struct sigaction action {};
            action.sa_handler = restoreAndDie;
            sigemptyset(&action.sa_mask);
            ::sigaction(signalNumber, &action, nullptr);
        }
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

void playSound(const std::string&) {
    // No audio back-end on the terminal yet: every sound is reported missing.
    std::cout.flush();
    std::cerr << "Fehler: Konnte Sound nicht abspielen. Prüfen Sie den Dateipfad.\n";
}

void quitProgram() {
    std::cout << "Das Programm wird beendet...\n";
    std::cout.flush();
    std::exit(0);
}

void beginLineInput() { setMode(terminal().original); }

void endLineInput() { setMode(terminal().quiet); }
