// The terminal as the game prepares it before main: standard descriptors
// that a launcher left closed, input left non-blocking, the player's
// keyboard, the streams, the signal handlers and the exit.
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <sys/ioctl.h>
#include <unistd.h>

#include "console/io/console_streams.h"
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

// Set up before main, so that no file can take a closed standard descriptor.
const bool terminalReady = (terminal(), true);

}  // namespace

std::size_t windowColumns() { return terminalWindow().ws_col; }
std::size_t windowRows() { return terminalWindow().ws_row; }

Terminal* preparedTerminal() { return prepared.load(); }

Terminal& terminal() {
    static Terminal* instance = [] {
        openClosedStandardDescriptors();
        auto* t = new Terminal;  // lives until the process ends, for the handlers
        makeInputBlocking(*t);
        t->outputIsTerminal = ::isatty(STDOUT_FILENO) == 1;
        t->tty = openKeyboard(t->original);
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
            t->lineInput = makeTerminalLineInput(*t);
        }
        // Only a terminal gets wrapped text; files and pipes get it
        // unchanged. It is paged where the keyboard is there too.
        PlatformStreams streams;
        streams.input = lineInputBuffer(t->lineInput);
        if (t->outputIsTerminal) {
            streams.output = keepOutputLine(std::cout.rdbuf());
            streams.outputIsWindow = true;
            streams.columns = windowColumns;
            if (t->tty >= 0) {
                streams.rows = windowRows;
                streams.showMore = showMore;
            }
        }
        const OutputLayout layout = installConsoleStreams(streams);
        t->wrap = layout.wrap;
        t->pager = layout.pager;
        prepared = t;
        std::atexit(restoreAtExit);
        installSignalHandlers();
        if (t->tty >= 0) ::tcsetattr(t->tty, TCSANOW, &t->quiet);
        return t;
    }();
    return *instance;
}
