// The signals that end, stop and continue the game on a terminal. Every
// handler uses async-signal-safe calls only.
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include "console/layout/ansi.h"
#include "console/terminal/terminal.h"

namespace {

// The signals that end a process unless it catches them, but SIGXFSZ: the
// game ignores that one, so that a file grown past the size limit (ulimit -f)
// fails its write, which the game reports (a save, the transcript), instead
// of ending the game. The real-time signals end it too.
constexpr int Ending[] = {
    SIGHUP, SIGINT, SIGQUIT, SIGILL, SIGTRAP, SIGABRT, SIGBUS, SIGFPE, SIGUSR1, SIGSEGV, SIGUSR2, SIGPIPE,
    SIGALRM, SIGTERM, SIGXCPU, SIGVTALRM, SIGPROF, SIGSYS,
#ifdef __linux__
    SIGSTKFLT, SIGIO, SIGPWR,
#endif
#ifdef SIGEMT
    SIGEMT,
#endif
};

template <typename Step>
void forEachEnding(Step step) {
    for (int signalNumber : Ending) step(signalNumber);
#ifdef SIGRTMIN
    for (int signalNumber = SIGRTMIN; signalNumber <= SIGRTMAX; ++signalNumber) step(signalNumber);
#endif
}

#ifdef NSIG
constexpr int SignalCount = NSIG;
#else
constexpr int SignalCount = 65;
#endif

// What each ending signal did before the game took it: the default, or a
// handler installed earlier (a sanitizer's, reporting a crash).
struct sigaction earlier[SignalCount];

std::atomic<bool> colourReset{false};  // stopped by Ctrl+Z, with the colour reset

void setMask(int how, int signalNumber) {
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signalNumber);
    ::pthread_sigmask(how, &only, nullptr);
}

bool isHandler(const struct sigaction& action) {
    return action.sa_handler != SIG_DFL && action.sa_handler != SIG_IGN;
}

// The terminal first, then the signal takes its course: a handler installed
// before the game's gets it (and if that returns, the game goes on in its
// own mode), else the process dies of it. The other ending signals stay held
// meanwhile (a second one, or a SIGPIPE from the reset itself, cannot run
// this twice); the process then dies of the signal that came first.
extern "C" void restoreAndEnd(int signalNumber, siginfo_t* info, void* context) {
    const int savedErrno = errno;
    restoreTerminal();
    const struct sigaction& handed = earlier[signalNumber];
    if (isHandler(handed)) {
        if ((handed.sa_flags & SA_SIGINFO) != 0) handed.sa_sigaction(signalNumber, info, context);
        else handed.sa_handler(signalNumber);
        resumeTerminal(true);
        errno = savedErrno;
        return;
    }
    ::signal(signalNumber, SIG_DFL);
    setMask(SIG_UNBLOCK, signalNumber);
    ::raise(signalNumber);
}

// Ctrl+Z: the shell gets the terminal as the player had it, then the game
// stops in here. SIGCONT, held until this returns, resumes the terminal. A
// pause interrupted by the stop sleeps on for the rest of its length.
extern "C" void restoreAndStop(int) {
    const int savedErrno = errno;
    restoreTerminal();
    colourReset = true;
    struct sigaction standard {}, ours {};
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    ::sigaction(SIGTSTP, &standard, &ours);
    setMask(SIG_UNBLOCK, SIGTSTP);
    ::raise(SIGTSTP);
    setMask(SIG_BLOCK, SIGTSTP);
    ::sigaction(SIGTSTP, &ours, nullptr);
    errno = savedErrno;
}

// Continued: the game's own mode again, and the colour in force if the stop
// had reset it (a SIGSTOP from elsewhere leaves the terminal as it was). A
// line being typed is drawn again by the read that waits for its next key,
// woken up through the pipe.
extern "C" void resumeAfterStop(int) {
    const int savedErrno = errno;
    resumeTerminal(colourReset.exchange(false));
    Terminal* t = preparedTerminal();
    if (t != nullptr && t->continued[1] >= 0) writeAll(t->continued[1], std::string_view("", 1));
    errno = savedErrno;
}

bool ignoredByCaller(int signalNumber) {
    struct sigaction current {};
    return ::sigaction(signalNumber, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

// Every handler holds back the ending signals, Ctrl+Z and continuing.
sigset_t heldInHandlers() {
    sigset_t held;
    sigemptyset(&held);
    forEachEnding([&held](int signalNumber) { sigaddset(&held, signalNumber); });
    sigaddset(&held, SIGTSTP);
    sigaddset(&held, SIGCONT);
    return held;
}

void install(int signalNumber, void (*handler)(int), int flags) {
    struct sigaction action {};
    action.sa_handler = handler;
    action.sa_flags = flags;
    action.sa_mask = heldInHandlers();
    ::sigaction(signalNumber, &action, nullptr);
}

// On the alternate stack where there is one (a sanitizer sets one up), so
// that even a stack overflow gives the terminal back; restarted calls, for
// the handler installed before that returns.
void installEnding(int signalNumber) {
    struct sigaction action {};
    action.sa_sigaction = restoreAndEnd;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESTART;
    action.sa_mask = heldInHandlers();
    ::sigaction(signalNumber, &action, nullptr);
}

}  // namespace

void installSignalHandlers() {
    forEachEnding([](int signalNumber) {
        if (signalNumber >= SignalCount || ::sigaction(signalNumber, nullptr, &earlier[signalNumber]) != 0) return;
        // nohup and background jobs ignore a hang-up or an interrupt on
        // purpose, and so a caller may ignore any of these. A closed output,
        // though, must always end the game, or it would play on unseen, so
        // SIGPIPE is taken whatever the caller did.
        if (signalNumber != SIGPIPE && earlier[signalNumber].sa_handler == SIG_IGN) return;
        installEnding(signalNumber);
    });
    setMask(SIG_UNBLOCK, SIGPIPE);
    // Restarted calls: a read of piped input must not take a stop for its end.
    if (!ignoredByCaller(SIGTSTP)) install(SIGTSTP, restoreAndStop, SA_RESTART);
    install(SIGCONT, resumeAfterStop, SA_RESTART);
    ::signal(SIGXFSZ, SIG_IGN);
}

void restoreTerminal() {
    Terminal* t = preparedTerminal();
    if (t == nullptr) return;
    if (t->tty >= 0) ::tcsetattr(t->tty, TCSANOW, &t->original);
    if (t->inputFlags >= 0) ::fcntl(STDIN_FILENO, F_SETFL, t->inputFlags);
    if (t->outputIsTerminal && t->colour.load() >= 0) writeAll(STDOUT_FILENO, AnsiReset);
}

void resumeTerminal(bool withColour) {
    Terminal* t = preparedTerminal();
    if (t == nullptr) return;
    if (t->inputFlags >= 0) ::fcntl(STDIN_FILENO, F_SETFL, t->inputFlags & ~O_NONBLOCK);
    if (t->tty >= 0) ::tcsetattr(t->tty, TCSANOW, &t->quiet);
    const int colour = t->colour.load();
    if (withColour && t->outputIsTerminal && colour >= 0) {
        writeAll(STDOUT_FILENO, sgrFor(static_cast<TextColour>(colour)));
    }
}
