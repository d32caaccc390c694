// The signals that end, stop and continue the game on a terminal. Every
// handler uses async-signal-safe calls only.
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include "console/ansi.h"
#include "console/terminal.h"

namespace {

constexpr int Ending[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE};

std::atomic<bool> colourReset{false};  // stopped by Ctrl+Z, with the colour reset

void setMask(int how, int signalNumber) {
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signalNumber);
    ::pthread_sigmask(how, &only, nullptr);
}

// The other ending signals stay held meanwhile (a second one, or a SIGPIPE
// from the reset itself, cannot run this twice); the process then dies of
// the signal that came first.
extern "C" void restoreAndDie(int signalNumber) {
    restoreTerminal();
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

void install(int signalNumber, void (*handler)(int), int flags) {
    struct sigaction action {};
    action.sa_handler = handler;
    action.sa_flags = flags;
    sigemptyset(&action.sa_mask);
    for (int ending : Ending) sigaddset(&action.sa_mask, ending);
    sigaddset(&action.sa_mask, SIGTSTP);
    sigaddset(&action.sa_mask, SIGCONT);
    ::sigaction(signalNumber, &action, nullptr);
}

}  // namespace

void installSignalHandlers() {
    for (int signalNumber : Ending) {
        // nohup and background jobs ignore a hang-up or an interrupt on
        // purpose. A closed output, though, must always end the game, or it
        // would play on unseen, so SIGPIPE is taken whatever the caller did.
        if (signalNumber != SIGPIPE && ignoredByCaller(signalNumber)) continue;
        install(signalNumber, restoreAndDie, 0);
    }
    setMask(SIG_UNBLOCK, SIGPIPE);
    // Restarted calls: a read of piped input must not take a stop for its end.
    if (!ignoredByCaller(SIGTSTP)) install(SIGTSTP, restoreAndStop, SA_RESTART);
    install(SIGCONT, resumeAfterStop, SA_RESTART);
    // A file grown past the size limit (ulimit -f) fails its write, which the
    // game reports (a save, the transcript), instead of ending the game.
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
