// The real game binary, driven the way players run it: in a pseudo-terminal,
// or with no terminal at all. Its pauses pass at once under the fast clock
// that these tests preload into it.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <map>
#include <regex>
#include <sstream>
#include <pty.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include "support/work_folder.h"

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// The game's pauses pass at once: the clock jumps instead (see fast_clock.cpp).
void useFastClock() {
    ::setenv("LD_PRELOAD", FAST_CLOCK, 1);
    ::setenv("ASAN_OPTIONS", "verify_asan_link_order=0", 1);
}

// How a game is started: the window's width, the fast clock, and what the
// caller did before: a shell with job control around it, a descriptor
// closed, a signal ignored.
struct Start {
    unsigned short columns = 160, lines = 200;  // tall enough that nothing is paged
    std::vector<std::string> options;
    bool fastClock = true;
    bool asJob = false;
    bool ownSession = false;
    std::function<void()> inChild;

    Start& width(unsigned short value) { return columns = value, *this; }
    Start& size(unsigned short width, unsigned short height) { return columns = width, lines = height, *this; }
    Start& with(std::vector<std::string> given) { return options = std::move(given), *this; }
    Start& realClock(bool real = true) { return fastClock = !real, *this; }
    Start& job() { return asJob = true, *this; }
    Start& session() { return ownSession = true, *this; }
    Start& before(std::function<void()> step) { return inChild = std::move(step), *this; }
};

// Waits for the game forked off in the child of forkpty and ends as it ended.
[[noreturn]] void endAs(pid_t game) {
    int status = 0;
    while (::waitpid(game, &status, 0) < 0 && errno == EINTR) {
    }
    _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
}

// In the child of forkpty: a shell with job control. The game runs in a
// process group of its own, in the terminal's foreground, so Ctrl+Z stops
// it; the shell ends as the game ends.
void runAsJob() {
    pid_t job = ::fork();
    if (job != 0) endAs(job);
    ::setpgid(0, 0);
    ::signal(SIGTTOU, SIG_IGN);
    ::tcsetpgrp(STDIN_FILENO, ::getpgrp());
    ::signal(SIGTTOU, SIG_DFL);
}

// In the child of forkpty: the game in a session of its own (setsid, as some
// launchers start programs), the terminal on its standard descriptors but no
// controlling terminal.
void runInOwnSession() {
    pid_t game = ::fork();
    if (game != 0) endAs(game);
    ::setsid();
}

// The state letter of a process in /proc ('T': stopped).
char processState(pid_t pid) {
    std::string stat = fileBytes("/proc/" + std::to_string(pid) + "/stat");
    std::size_t after = stat.rfind(')');
    return after == std::string::npos || after + 2 >= stat.size() ? '?' : stat[after + 2];
}

// Where a paging prompt in `out` is drawn in a colour other than the normal
// one, or the colour in force before it is not shown again after it.
std::string pagingPromptFault(const std::string& out) {
    auto colourBefore = [&](std::size_t end) {
        for (std::size_t at = out.rfind("\x1b[", end); at != std::string::npos && at > 0; at = out.rfind("\x1b[", at - 1)) {
            std::size_t stop = out.find_first_not_of("0123456789;", at + 2);
            if (stop < end && out[stop] == 'm') return std::pair{out.substr(at, stop + 1 - at), at};
        }
        return std::pair{std::string("\x1b[0m"), std::size_t{0}};
    };
    for (auto at = out.find("[weiter"); at != std::string::npos; at = out.find("[weiter", at + 1)) {
        const auto [atPrompt, where] = colourBefore(at);
        if (atPrompt != "\x1b[0m") return "a paging prompt drawn in the colour " + atPrompt.substr(1);
        const std::string inForce = where == 0 ? atPrompt : colourBefore(where).first;
        const std::size_t erased = out.find('\r', out.find('\r', at) + 1);
        if (erased != std::string::npos && inForce != "\x1b[0m" && out.compare(erased + 1, inForce.size(), inForce) != 0) {
            return "the colour " + inForce.substr(1) + " is not back after a paging prompt";
        }
    }
    return "";
}

// The game in a pseudo-terminal of its own, in a working folder of its own.
// The test keeps the terminal's slave side open to look at its mode later.
class TerminalGame {
public:
    explicit TerminalGame(const Start& start = {}) {
        winsize size{start.lines, start.columns, 0, 0};
        if ((pid_ = forkpty(&master_, nullptr, nullptr, &size)) == 0) {
            if (start.fastClock) useFastClock();
            if (start.asJob) runAsJob();
            if (start.ownSession) runInOwnSession();
            if (start.inChild) start.inChild();
            std::vector<char*> arguments{const_cast<char*>(HULGOR_BINARY)};
            for (const std::string& option : start.options) arguments.push_back(const_cast<char*>(option.c_str()));
            arguments.push_back(nullptr);
            ::execv(HULGOR_BINARY, arguments.data());
            _exit(127);
        }
        slave_ = ::open(ptsname(master_), O_RDWR | O_NOCTTY);
        ::fcntl(master_, F_SETFL, O_NONBLOCK);  // typing much reads what the game shows meanwhile
    }
    ~TerminalGame() {
        EXPECT_EQ(pagingPromptFault(output_), "");
        // Nothing typed reaches the terminal as a control character: only
        // line ends, backspaces, the bell and the game's own escape sequences.
        const auto control = std::ranges::find_if(output_, [](unsigned char byte) {
            return (byte < 0x20 && std::string_view("\r\n\b\a\x1b").find(static_cast<char>(byte)) == std::string_view::npos) ||
                   byte == 0x7f;
        });
        EXPECT_EQ(control, output_.end()) << "control character " << int{*control};
        if (!exited_) ::kill(gamePid(), SIGKILL), ::kill(pid_, SIGKILL), ::waitpid(pid_, nullptr, 0);
        ::close(master_);
        ::close(slave_);
    }

    // Reads output until `needle` has appeared after what was found before.
    bool waitFor(const std::string& needle) {
        auto deadline = std::chrono::steady_clock::now() + 15s;
        while (output_.find(needle, seen_) == std::string::npos) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            readSome(100ms);
        }
        seen_ = output_.find(needle, seen_) + needle.size();
        return true;
    }
    // Types keys at once, as a player may: keys typed before the game reads
    // them wait for it. More than the terminal holds goes in as the game
    // takes it, with what it shows meanwhile read.
    void type(const std::string& keys) {
        auto deadline = std::chrono::steady_clock::now() + 15s;
        for (std::string_view left = keys; !left.empty();) {
            ssize_t written = ::write(master_, left.data(), left.size());
            if (written > 0) left.remove_prefix(static_cast<std::size_t>(written));
            else ASSERT_TRUE(errno == EAGAIN && std::chrono::steady_clock::now() < deadline) << left.size() << " left";
            if (!left.empty()) readSome(1ms);
        }
    }
    // Reads output until `done` holds; false after 15 s.
    template <typename Condition>
    bool readUntil(Condition done) {
        for (auto deadline = std::chrono::steady_clock::now() + 15s; !done();) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            readSome(5ms);
        }
        return true;
    }
    // The game itself: the foreground process group's leader.
    pid_t gamePid() const {
        pid_t group = ::tcgetpgrp(master_);
        return group > 0 ? group : pid_;
    }
    int waitForExit() {
        int status = 0;
        for (auto deadline = std::chrono::steady_clock::now() + 15s; ::wait4(pid_, &status, WNOHANG, &usage_) == 0;) {
            if (!readSome(50ms) && std::chrono::steady_clock::now() > deadline) return -1;
        }
        exited_ = true;
        while (readSome(50ms)) {
        }
        return status;
    }
    bool inLineModeWithEcho() const {
        termios mode{};
        ::tcgetattr(slave_, &mode);
        return (mode.c_lflag & (ICANON | ECHO)) == (ICANON | ECHO);
    }
    const std::string& output() const { return output_; }
    // The processor time the game took, once it has exited.
    std::chrono::microseconds processorTime() const {
        auto microseconds = [](timeval t) { return std::chrono::seconds(t.tv_sec) + std::chrono::microseconds(t.tv_usec); };
        return microseconds(usage_.ru_utime) + microseconds(usage_.ru_stime);
    }
    // Reads what the game has written so far.
    void drain() {
        while (readSome(50ms)) {
        }
    }
    // The game started in a session of its own: the only child of the
    // process that waits for it.
    pid_t sessionGamePid() const {
        const std::string parent = std::to_string(pid_);
        std::istringstream children(fileBytes("/proc/" + parent + "/task/" + parent + "/children"));
        pid_t child = -1;
        children >> child;
        return child;
    }
    // Ctrl+Z, then the shell's fg. Stopped, the terminal is the player's
    // again (line mode, echo, colours reset); continued, the game takes its
    // own mode back and shows the colour that was in force again (and a line
    // being typed).
    void stopAndContinue() {
        drain();
        std::string colour;  // the last colour sequence shown
        for (std::size_t at = output_.rfind("\x1b["); at != std::string::npos && colour.empty();
             at = at == 0 ? std::string::npos : output_.rfind("\x1b[", at - 1)) {
            std::size_t end = output_.find_first_not_of("0123456789;", at + 2);
            if (end != std::string::npos && output_[end] == 'm') colour = output_.substr(at, end + 1 - at);
        }
        std::size_t mark = output_.size();
        type("\x1a");
        ASSERT_TRUE(readUntil([&] { return processState(gamePid()) == 'T'; })) << "Ctrl+Z did not stop the game";
        EXPECT_TRUE(inLineModeWithEcho());
        EXPECT_TRUE(readUntil([&] { return output_.substr(mark) == "\x1b[0m"; })) << "colour left in force";
        mark = output_.size();
        ::kill(gamePid(), SIGCONT);
        ASSERT_TRUE(readUntil([&] { return !inLineModeWithEcho() && output_.size() >= mark + colour.size(); }));
        EXPECT_TRUE(output_.substr(mark).starts_with(colour)) << "the colour in force is not back";
    }
    void signal(int signalNumber) const { ::kill(gamePid(), signalNumber); }
    void hangUp() { ::close(std::exchange(master_, -1)); }

private:
    bool readSome(std::chrono::milliseconds timeout) {
        pollfd readable{master_, POLLIN, 0};
        char buffer[4096];
        bool ready = ::poll(&readable, 1, static_cast<int>(timeout.count())) > 0;
        ssize_t got = ready ? ::read(master_, buffer, sizeof buffer) : 0;
        if (got > 0) output_.append(buffer, static_cast<std::size_t>(got));
        return got > 0;
    }

    WorkFolder folder_{"hulgor-e2e"};  // made current before the game starts in it
    pid_t pid_ = -1;
    int master_ = -1;
    int slave_ = -1;
    bool exited_ = false;
    rusage usage_{};
    std::string output_;
    std::size_t seen_ = 0;
};

// The widest line the output draws, in columns: escape sequences take none,
// a line end or a cursor home starts a new line, and a character of the CJK
// blocks (U+3000 to U+9FFF, lead bytes E3 to E9) takes two.
std::size_t widestLine(const std::string& shown) {
    std::string plain = std::regex_replace(shown, std::regex("\x1b\\[H"), "\n");
    plain = std::regex_replace(plain, std::regex("\x1b\\[[0-?]*[ -/]*[@-~]"), "");
    std::size_t widest = 0, column = 0;
    for (char byte : plain) {
        auto code = static_cast<unsigned char>(byte);
        if (byte == '\n' || byte == '\r') column = 0;
        else if ((code & 0xC0) != 0x80) column += code >= 0xE3 && code <= 0xE9 ? 2 : 1;
        widest = std::max(widest, column);
    }
    return widest;
}

// The game with no terminal (a new session), standard input read from a file
// holding `typed`, standard output and error written to out.txt and
// err.txt in the current folder, `inChild` done last before it starts;
// gives the exit status. A game still running after 15 s is killed.
int runWithoutTerminal(const std::vector<std::string>& options, const std::string& typed,
                       const std::function<void()>& inChild = {}) {
    std::ofstream("typed.txt", std::ios::binary) << typed;
    pid_t pid = ::fork();
    if (pid == 0) {
        ::setsid();
        useFastClock();
        ::dup2(::open("typed.txt", O_RDONLY), STDIN_FILENO);
        ::dup2(::open("out.txt", O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
        ::dup2(::open("err.txt", O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
        if (inChild) inChild();
        std::vector<char*> arguments{const_cast<char*>(HULGOR_BINARY)};
        for (const std::string& option : options) arguments.push_back(const_cast<char*>(option.c_str()));
        arguments.push_back(nullptr);
        ::execv(HULGOR_BINARY, arguments.data());
        _exit(127);
    }
    int status = 0;
    for (auto deadline = std::chrono::steady_clock::now() + 15s; ::waitpid(pid, &status, WNOHANG) == 0;) {
        if (std::chrono::steady_clock::now() > deadline) ::kill(pid, SIGKILL);
        ::poll(nullptr, 0, 5);
    }
    return status;
}

}  // namespace

// A whole game, as a player plays it in an 80-column terminal: the splash
// with a key typed ahead, the info screen left with an arrow key, then from
// a new game through the mountain path with Ragnar and the sewers to the end
// of the story with a name of wide characters, stopped with Ctrl+Z and continued at a key wait and at a
// read in the options' colour; colours as escape sequences, no line wider
// than the window, and the terminal given back in line mode with echo.
TEST(RealBinary, AWholeGameInAnEightyColumnTerminal) {
    TerminalGame game(Start().width(80).job());
    const std::string stop = "\x1a";
    const std::string name = "\xe5\xb1\xb1\xe7\x94\xb0\xe5\xa4\xaa\xe9\x83\x8e\xe5\xb1\xb1\xe7\x94\xb0\xe5\xa4\xaa"
                             "\xe9\x83\x8e\xe5\xb1\xb1\xe7\x94\xb0\xe5\xa4\xaa\xe9\x83\x8e";  // 12 wide characters
    const std::string anyKey = "Drücke eine beliebige Taste, um fortzufahren.";
    const std::string key = "Drücke eine Taste, um fortzufahren.";
    const std::string menu =
        "\x1b[91m10. Spiel beenden\r\n\x1b[0m\r\nBitte wähle eine Option, indem du die ZAHL dazu eingibst:";
    // What the game shows last before it waits, and what the player does: a
    // line ending in a line end is typed at a number read, anything else at once.
    const std::vector<std::pair<std::string, std::string>> moves{
        {"Ein Spiel von Tamlowen...", "#"},  // typed ahead: ends the third screen's key wait
        {"\x1b[91m" + std::string(10, ' ') + "Dieses Spiel speichert automatisch in bestimmten Abständen.\r\n", ""},
        {"\x1b[H\x1b[2J\x1b[93m************************************\r\n", ""},
        {"\x1b[0m\r\n\x1b[92m1. Neues Spiel\r\n\x1b[0m2. Spiel laden", ""}, {menu, "3\n"},
        {"\x1b[91m" + anyKey + "\r\n\x1b[0m", "\x1b[A"},  // an arrow key is one key press
        {menu, "1\n"}, {"Gib deinen Namen ein: ", name + "\n"}, {"200 - Spiel beenden", "1\n"},
        {anyKey, stop}, {"", " "},
        {"200 - Beenden", "1\n"}, {anyKey, " "}, {"200 - Beenden", "1\n"}, {"200 - Beenden", "1\n"},
        {"DU HAST EIN SCHWERT ERHALTEN!", ""}, {"200 - Beenden", "2\n"},
        {"3 - Den ersten Angriff abwarten", "3\n"}, {key, " "}, {key, " "},
        {"2 - Dich weiter als Hulgor vorstellen", "1\n"}, {name + "!", ""}, {key, " "},
        {"3 - Schweigen", stop}, {"", "1\n"}, {"Drücke eine beliebige Taste um fortzufahren!", " "},
        {"2 - Kanalisation", "2\n"}, {"Aktuell endet die Reise hier. Schau mit dem nächsten Update rein!", ""},
        {"Drücke eine beliebige Taste um fortzufahren!", " "}, {"\x1b[91m10. Spiel beenden\r\n\x1b[0m", ""}};
    for (const auto& [shown, move] : moves) {
        ASSERT_TRUE(game.waitFor(shown)) << "waiting for: " << shown << "\n" << game.output();
        if (move == stop) game.stopAndContinue();
        else game.type(move);
    }
    int status = game.waitForExit();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_TRUE(game.inLineModeWithEcho());
    EXPECT_EQ(game.output().find('#'), std::string::npos) << "the key typed ahead was echoed";
    EXPECT_EQ(game.output().find("Ungültige"), std::string::npos) << "a key reached a number read";
    EXPECT_LE(widestLine(game.output()), 80u) << game.output();
    EXPECT_EQ(fileBytes("savegame.txt"), "Das Erwachen\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n");
}

// Each ending signal, and a closed terminal (with the hang-up signal held
// back or not), during a pause, a key wait, a number read and a save: the
// game ends at once, by the signal or by the end of its input, and never
// spins; it gives the terminal back (line mode, echo, colours reset) and
// leaves each file complete, with no temporary file beside it.
TEST(RealBinary, SignalsAndAClosedTerminalEndTheGameCleanly) {
    enum Moment { Pause, KeyWait, NumberRead, Save };
    enum Event { Interrupt = SIGINT, Terminate = SIGTERM, HangUp = SIGHUP, Close = 100, CloseHangUpHeld };
    for (Event event : {Interrupt, Terminate, HangUp, Close, CloseHangUpHeld}) {
        for (Moment moment : {Pause, KeyWait, NumberRead, Save}) {
            SCOPED_TRACE("event " + std::to_string(event) + ", moment " + std::to_string(moment));
            if (event >= Close && (moment == Pause || moment == Save)) continue;
            sigset_t hangUp;
            sigemptyset(&hangUp);
            sigaddset(&hangUp, SIGHUP);
            if (event == CloseHangUpHeld) ::pthread_sigmask(SIG_BLOCK, &hangUp, nullptr);  // the game inherits it
            if (moment == Save) ::setenv("HULGOR_SLOW_FSYNC", "1", 1);
            TerminalGame game(Start().realClock(moment == Pause));  // the pause is a real one
            ::unsetenv("HULGOR_SLOW_FSYNC");
            ::pthread_sigmask(SIG_UNBLOCK, &hangUp, nullptr);
            ASSERT_TRUE(game.waitFor(moment == Pause ? "Ein Spiel von Tamlowen..." : "beliebige Taste..."));
            if (moment >= NumberRead) {
                game.type(" ");
                ASSERT_TRUE(game.waitFor("ZAHL dazu eingibst:"));
            }
            if (moment == Save) {
                game.type("1\n");
                ASSERT_TRUE(game.waitFor("Gib deinen Namen ein: "));
                game.type("Kai\n");
                auto deadline = std::chrono::steady_clock::now() + 5s;
                while (fs::is_empty(".")) ASSERT_LT(std::chrono::steady_clock::now(), deadline);  // the save begins
            }
            auto start = std::chrono::steady_clock::now();
            if (event >= Close) game.hangUp();
            else game.signal(event);
            int status = game.waitForExit();
            EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
            if (event == CloseHangUpHeld) EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
            else EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == (event == Close ? SIGHUP : event)) << status;
            if (event >= Close) continue;  // the terminal is gone
            EXPECT_TRUE(game.inLineModeWithEcho());
            EXPECT_TRUE(moment == Pause || game.output().ends_with("\x1b[0m"));  // no colour before the pause
            for (const auto& entry : fs::directory_iterator(".")) {
                std::string name = entry.path().filename(), content = fileBytes(entry.path());
                if (name == "name.txt") EXPECT_EQ(content, "Kai\n");
                else if (name == "savegame.txt") EXPECT_EQ(std::count(content.begin(), content.end(), '\n'), 11);
                else ADD_FAILURE() << "left behind: " << name;
            }
        }
    }
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif
#else
constexpr bool Sanitized = false;
#endif

// Every other signal that ends a process by default, sent at a key wait
// (some at a number read): the game gives the terminal back (line mode,
// echo) and then ends by that very signal; under AddressSanitizer, which
// reports SEGV, BUS and FPE itself, it may end with the sanitizer's exit
// status instead. A signal the caller ignores stays ignored: the game plays
// on. (SIGXFSZ, ignored by the game, is seen at the file size limit below.)
TEST(RealBinary, EverySignalThatEndsTheGameGivesTheTerminalBackFirst) {
    struct Case {
        int signalNumber;
        bool atNumberRead = false;
        bool ignoredByCaller = false;
    };
    std::vector<Case> cases;
    for (int signalNumber : {SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGXCPU, SIGIO, SIGPWR, SIGSTKFLT,
                             SIGSYS, SIGTRAP, SIGBUS, SIGFPE, SIGSEGV, SIGABRT, SIGILL, SIGRTMIN, SIGRTMAX}) {
        cases.push_back({signalNumber});
    }
    for (int signalNumber : {SIGUSR2, SIGSEGV, SIGRTMIN}) cases.push_back({signalNumber, true});
    cases.push_back({SIGUSR1, false, true});
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(::strsignal(c.signalNumber)) + (c.atNumberRead ? " at a number read" : "") +
                     (c.ignoredByCaller ? ", ignored by the caller" : ""));
        TerminalGame game(Start().before([&c] {
            const rlimit noCore{0, 0};
            ::setrlimit(RLIMIT_CORE, &noCore);
            if (c.ignoredByCaller) ::signal(c.signalNumber, SIG_IGN);
        }));
        ASSERT_TRUE(game.waitFor("beliebige Taste..."));
        if (c.atNumberRead) {
            game.type(" ");
            ASSERT_TRUE(game.waitFor("ZAHL dazu eingibst:"));
        }
        game.signal(c.signalNumber);
        if (c.ignoredByCaller) {
            game.type(" ");
            EXPECT_TRUE(game.waitFor("ZAHL dazu eingibst:")) << "the signal ended the game";
            continue;
        }
        const int status = game.waitForExit();
        const bool reported = Sanitized && (c.signalNumber == SIGSEGV || c.signalNumber == SIGBUS ||
                                            c.signalNumber == SIGFPE || c.signalNumber == SIGILL);
        EXPECT_TRUE((WIFSIGNALED(status) && WTERMSIG(status) == c.signalNumber) ||
                    (reported && WIFEXITED(status) && WEXITSTATUS(status) == 1)) << status;
        EXPECT_TRUE(game.inLineModeWithEcho());
    }
}

// Past the file size limit (ulimit -f) a write fails instead of ending the
// game: the save says so and leaves no temporary file, a long name is not
// stored, and the game plays on.
TEST(RealBinary, PastTheFileSizeLimitTheSaveFailsAndTheGamePlaysOn) {
    TerminalGame game(Start().before([] {
        const rlimit tiny{8, 8};  // less than a save
        ::setrlimit(RLIMIT_FSIZE, &tiny);
    }));
    const std::string longName(100, 'K');  // more than the limit, too
    for (auto [shown, keys] : {std::pair<std::string, std::string>{"beliebige Taste...", " "},
                               {"ZAHL dazu eingibst:", "1\n"}, {"Gib deinen Namen ein: ", longName + "\n"},
                               {"Fehler beim Speichern des Spiels.", ""}, {"200 - Spiel beenden", "200\n"}}) {
        ASSERT_TRUE(game.waitFor(shown)) << game.output();
        game.type(keys);
    }
    const int status = game.waitForExit();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_TRUE(fs::is_empty(".")) << "a file left behind";
}

// Ctrl+Z during a pause, stopped for a while: once continued, the pause
// goes on for the rest of its length instead of ending at once.
TEST(RealBinary, APauseGoesOnAfterCtrlZ) {
    TerminalGame game(Start().realClock().job());
    ASSERT_TRUE(game.waitFor("Ein Spiel von Tamlowen..."));
    auto shown = std::chrono::steady_clock::now();
    game.type("\x1a");
    ASSERT_TRUE(game.readUntil([&] { return processState(game.gamePid()) == 'T'; }));
    auto stopped = std::chrono::steady_clock::now();
    game.readUntil([&] { return std::chrono::steady_clock::now() - stopped > 700ms; });
    game.signal(SIGCONT);
    ASSERT_TRUE(game.waitFor("Hier könnte Ihr Logo stehen..."));
    EXPECT_GT(std::chrono::steady_clock::now() - shown, 3000ms + 700ms - 200ms);
}

// Ctrl+Z while a number is typed: continued, the game shows the prompt's
// line and what was typed again, and Enter takes it.
TEST(RealBinary, AfterCtrlZTheLineBeingTypedIsShownAgain) {
    TerminalGame game(Start().job());
    for (auto [shown, keys] : {std::pair{"beliebige Taste...", " "}, {"ZAHL dazu eingibst:", "12"}}) {
        ASSERT_TRUE(game.waitFor(shown)) << game.output();
        game.type(keys);
    }
    ASSERT_TRUE(game.waitFor("12"));
    game.stopAndContinue();
    EXPECT_TRUE(game.waitFor("Bitte wähle eine Option, indem du die ZAHL dazu eingibst:12")) << game.output();
    game.type("\n");
    EXPECT_TRUE(game.waitFor("Ungültige Auswahl!")) << game.output();
}

// A hang-up that the caller ignores (nohup) stays ignored: the game plays
// on, and ends at the end of its input once the terminal is closed.
TEST(RealBinary, AHangUpIgnoredByTheCallerStaysIgnored) {
    TerminalGame game(Start().before([] { ::signal(SIGHUP, SIG_IGN); }));
    ASSERT_TRUE(game.waitFor("beliebige Taste..."));
    game.signal(SIGHUP);
    game.type(" ");
    ASSERT_TRUE(game.waitFor("ZAHL dazu eingibst:")) << "the hang-up ended the game";
    game.hangUp();
    int status = game.waitForExit();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// Started with standard error closed, the game keeps descriptor 2 for the
// null device: the sound thread's error line, written while a slow save is
// under way, never lands in a saved file.
TEST(RealBinary, WithStandardErrorClosedNoErrorLandsInAFile) {
    TerminalGame game(Start().before([] {
        ::close(STDERR_FILENO);
        ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);  // every sound fails on the sound thread
        ::setenv("HULGOR_SLOW_FSYNC", "1", 1);
#ifdef HULGOR_SOUNDS_DIR
        for (const auto& sound : fs::directory_iterator(HULGOR_SOUNDS_DIR)) fs::copy(sound.path(), ".");
#endif
    }));
    ASSERT_TRUE(game.waitFor("beliebige Taste..."));
    EXPECT_EQ(fs::read_symlink("/proc/" + std::to_string(game.gamePid()) + "/fd/2"), "/dev/null");
    for (auto [shown, keys] : {std::pair{"ZAHL dazu eingibst:", " "}, {"Gib deinen Namen ein: ", "1\n"},
                               {"200 - Spiel beenden", "Kai\n"}}) {
        game.type(keys);
        ASSERT_TRUE(game.waitFor(shown)) << game.output();
    }
    EXPECT_EQ(fileBytes("name.txt"), "Kai\n");
    EXPECT_EQ(fileBytes("savegame.txt"), "erster Dialog\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n");
}

// With no terminal (a new session): standard input and output are pipes,
// standard error a file. Without input the game writes no escape sequences,
// says that it has no console window and ends at the end of its input.
// Input left non-blocking is waited for, and its flags are given back. A
// closed output ends the game at once, whether the caller ignored SIGPIPE or
// held it back.
TEST(RealBinary, WithoutATerminal) {
    enum class Pipe { Default, Ignored, Blocked };
    struct Case {
        const char* what;
        bool nonBlocking;
        Pipe pipeSignal;
        std::string typed;  // once the menu asks; nothing: the input ends at once
        std::string ending;  // of standard output; empty: the reader is gone and the game dies of SIGPIPE
    };
    const std::vector<Case> cases{
        {"no input", false, Pipe::Default, "", "ZAHL dazu eingibst:\nDas Programm wird beendet...\n"},
        {"non-blocking input", true, Pipe::Default, "10\n",
         "ZAHL dazu eingibst:\nSpiel wird beendet...\nDas Programm wird beendet...\n"},
        {"SIGPIPE ignored", false, Pipe::Ignored, "", ""},
        {"SIGPIPE blocked", false, Pipe::Blocked, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WorkFolder folder("hulgor-e2e");
        int input[2], output[2];
        ASSERT_EQ(::pipe(input), 0);
        ASSERT_EQ(::pipe(output), 0);
        if (c.nonBlocking) ::fcntl(input[0], F_SETFL, O_NONBLOCK);  // one open pipe, shared with the game
        pid_t pid = ::fork();
        if (pid == 0) {
            ::setsid();
            useFastClock();
            sigset_t pipeSignal;
            sigemptyset(&pipeSignal);
            sigaddset(&pipeSignal, SIGPIPE);
            if (c.pipeSignal == Pipe::Ignored) ::signal(SIGPIPE, SIG_IGN);
            if (c.pipeSignal == Pipe::Blocked) ::sigprocmask(SIG_BLOCK, &pipeSignal, nullptr);
            ::dup2(input[0], STDIN_FILENO);
            ::dup2(output[1], STDOUT_FILENO);
            ::dup2(::open("err.txt", O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
            for (int fd : {input[0], input[1], output[0], output[1]}) ::close(fd);
            ::execl(HULGOR_BINARY, HULGOR_BINARY, static_cast<char*>(nullptr));
            _exit(127);
        }
        ::close(output[1]);
        std::string shown;
        if (c.ending.empty()) ::close(std::exchange(output[0], -1));  // the reader is gone; the input stays open
        if (c.typed.empty() && !c.ending.empty()) ::close(std::exchange(input[1], -1));
        auto readSome = [&](int timeoutMs) {
            pollfd readable{output[0], POLLIN, 0};
            char buffer[4096];
            ssize_t got = ::poll(&readable, 1, timeoutMs) > 0 ? ::read(output[0], buffer, sizeof buffer) : 0;
            shown.append(buffer, static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
            return got > 0;
        };
        int status = 0;
        bool typed = c.typed.empty();
        for (auto deadline = std::chrono::steady_clock::now() + 10s; ::waitpid(pid, &status, WNOHANG) == 0;) {
            if (std::chrono::steady_clock::now() > deadline) ::kill(pid, SIGKILL);
            readSome(5);
            // Typed once the game waits in its read, so a read that does not wait is caught.
            if (!typed && shown.ends_with("ZAHL dazu eingibst:") && processState(pid) == 'S') {
                typed = ::write(input[1], c.typed.data(), c.typed.size()) == ssize_t(c.typed.size());
            }
        }
        if (c.ending.empty()) {
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGPIPE) << status;
        } else {
            while (readSome(0)) {
            }
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
            EXPECT_TRUE(shown.ends_with(c.ending)) << shown;
            EXPECT_EQ(shown.find('\x1b'), std::string::npos);
            EXPECT_TRUE(fileBytes("err.txt").starts_with("Fehler: Konnte das Konsolenfenster nicht abrufen.\n"));
            EXPECT_EQ(::fcntl(input[0], F_GETFL) & O_NONBLOCK, c.nonBlocking ? O_NONBLOCK : 0) << "flags not back";
        }
        for (int fd : {input[0], input[1], output[0]}) {
            if (fd >= 0) ::close(fd);
        }
    }
}

// At 80×24 the splash and the menu fit, the first dialog does not: the
// game holds it at its own prompt with no more than a window's rows since
// the name was entered, then waits for a key pressed after the prompt appeared. The answer typed ahead
// with the name stays for the choice; the prompt is erased.
TEST(RealBinary, APagerHoldsWhatWouldScrollAwayUnread) {
    TerminalGame game(Start().size(80, 24));
    for (auto [shown, keys] : {std::pair{"beliebige Taste...", " "}, {"ZAHL dazu eingibst:", "1\n"},
                               {"Gib deinen Namen ein: ", "Kai\n3\n"}}) {
        ASSERT_TRUE(game.waitFor(shown)) << game.output();
        EXPECT_EQ(game.output().find("[weiter"), std::string::npos) << "the splash and the menu fit 80x24";
        game.type(keys);
    }
    std::size_t named = game.output().size();
    ASSERT_TRUE(game.waitFor("[weiter mit einer Taste]")) << game.output().substr(named);
    std::string held = game.output().substr(game.output().find('\n', named) + 1);  // after the name's echo
    EXPECT_EQ(held.find("Verzweifelt"), std::string::npos) << "the answer typed ahead was taken as the key";
    auto rows = std::count(held.begin(), held.end(), '\n');
    EXPECT_TRUE(rows >= 20 && rows <= 23) << rows << " rows before the prompt";
    game.type("x");
    ASSERT_TRUE(game.waitFor("Verzweifelt rufst du um Hilfe")) << game.output().substr(named);
    EXPECT_NE(game.output().find("\r" + std::string(24, ' ') + "\r", named), std::string::npos) << "not erased";
}

// A byte that breaks an unfinished key (a Latin-1 "é", an Escape) is not
// taken with it: the Enter after it still ends the line.
TEST(RealBinary, TheKeyAfterABrokenSequenceIsKept) {
    TerminalGame game;
    for (auto [shown, keys] : {std::pair{"beliebige Taste...", " "}, {"ZAHL dazu eingibst:", "\xe9\n"},
                               {"Ungültige Eingabe!", "3\x1b\n"}}) {
        ASSERT_TRUE(game.waitFor(shown)) << game.output();
        game.type(keys);
    }
    EXPECT_TRUE(game.waitFor("Version: ")) << game.output();
}

// An escape sequence that never ends (640,000 digits after ESC [) at a
// number read costs time in proportion to its length: the game takes far
// less than the 5 s of processor time allowed here, then reads on.
TEST(RealBinary, AFloodOfKeysCostsLinearTime) {
    TerminalGame game;
    ASSERT_TRUE(game.waitFor("beliebige Taste..."));
    game.type(" ");
    ASSERT_TRUE(game.waitFor("ZAHL dazu eingibst:"));
    game.type("\x1b[" + std::string(640000, '1') + "\n10\n");
    int status = game.waitForExit();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_LT(game.processorTime(), 5s);
}

// Started in a session of its own, the game has no /dev/tty: it takes the
// keys from standard input, the terminal it is. The splash waits for its
// key, a typed line is echoed, and the terminal is given back at the end.
TEST(RealBinary, InASessionOfItsOwnKeysComeFromStandardInput) {
    TerminalGame game(Start().session());
    ASSERT_TRUE(game.waitFor("Drücke eine beliebige Taste..."));
    ASSERT_TRUE(game.readUntil([&] { return processState(game.sessionGamePid()) == 'S'; }));
    game.drain();
    std::size_t waiting = game.output().size();
    EXPECT_EQ(game.output().find("ZAHL", game.output().rfind("Taste...")), std::string::npos) << "the key wait passed";
    game.type(" ");
    ASSERT_TRUE(game.waitFor("ZAHL dazu eingibst:")) << game.output().substr(waiting);
    game.type("10\n");
    EXPECT_TRUE(game.waitFor("10\r")) << "not echoed: " << game.output().substr(waiting);
    int status = game.waitForExit();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_TRUE(game.inLineModeWithEcho());
}

// At 80×25 the paging prompt cuts the first choice block. A number typed
// there pages on and begins the answer: it shows at the read, and Enter
// takes it.
TEST(RealBinary, ANumberTypedAtThePagingPromptBeginsTheAnswer) {
    TerminalGame game(Start().size(80, 25));
    for (auto [shown, keys] : {std::pair{"beliebige Taste...", " "}, {"ZAHL dazu eingibst:", "1\n"},
                               {"Gib deinen Namen ein: ", "Kai\n"}, {"[weiter mit einer Taste]", "1"},
                               {"200 - Spiel beenden\r\n1", "\n"}}) {
        ASSERT_TRUE(game.waitFor(shown)) << game.output();
        game.type(keys);
    }
    EXPECT_TRUE(game.waitFor("Erschrocken willst du aufspringen")) << game.output();
}

// Each way to ask for plain text or no colours, and the transcript, through a
// new game to the first choice; then 200 ends the game. Without colours
// speech and options are marked in words.
TEST(RealBinary, PlainTextNoColourAndTheTranscript) {
    struct Case {
        std::vector<std::string> options;
        const char* environment;  // NAME=VALUE, or null
        std::vector<std::string> shown, notShown;
    };
    const std::string colour = "\x1b[9", clear = "\x1b[H\x1b[2J";
    const std::vector<Case> cases{
        {{"--plain"}, nullptr, {"\n----------\r\n", "„Ihr seid also endlich wach“, sagt er"}, {"\x1b"}},
        {{}, "TERM=dumb", {"„Ihr seid also endlich wach“,", "(führt weiter)"}, {"\x1b"}},
        {{}, "NO_COLOR=1", {clear, "„Ihr seid also endlich wach“, sagt er", "mit „(führt weiter)“ markiert"},
         {colour, "goldener", "Deine Wahl"}},
        {{"--transcript", "mitschrift.txt"}, nullptr, {colour, clear, "Ihr seid also"}, {"„"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.environment != nullptr ? c.environment : c.options.front());
        TerminalGame game(Start().with(c.options).before([&c] {
            if (c.environment != nullptr) ::putenv(const_cast<char*>(c.environment));
        }));
        for (auto [shown, keys] : {std::pair{"beliebige Taste...", " "}, {"ZAHL dazu eingibst:", "1\n"},
                                   {"Gib deinen Namen ein: ", "Kai\n"}, {"200 - Spiel beenden", "200\n"}}) {
            ASSERT_TRUE(game.waitFor(shown)) << game.output();
            game.type(keys);
        }
        EXPECT_EQ(game.waitForExit(), 0);
        for (const std::string& text : c.shown) EXPECT_NE(game.output().find(text), std::string::npos) << text;
        for (const std::string& text : c.notShown) EXPECT_EQ(game.output().find(text), std::string::npos) << text;
        if (c.options.empty() || c.options[0] != "--transcript") continue;
        std::string transcript = fileBytes("mitschrift.txt");
        EXPECT_NE(transcript.find("Gib deinen Namen ein: Kai\n"), std::string::npos) << transcript;
        EXPECT_NE(transcript.find("\n----------\n"), std::string::npos) << "a cleared screen shows as a rule";
        EXPECT_TRUE(transcript.ends_with("200 - Spiel beenden\n200\nDas Programm wird beendet...\n")) << transcript;
        EXPECT_EQ(transcript.find('\x1b'), std::string::npos);
    }
}

// What the transcript makes of typed lines: each whole, where it was typed,
// before what the game answers, however much of it the game reads at once;
// from a file or through the terminal's line editor (where Ctrl+D sends a
// line without its end).
TEST(RealBinary, TheTranscriptShowsEachTypedLineWhole) {
    struct Case {
        const char* what;
        bool terminal;  // typed at the title menu in a terminal; else the whole input, from a file
        std::string typed;
        std::vector<std::string> shown;
        std::string notShown;
    };
    const std::string menu = "ZAHL dazu eingibst:", invalid = "\nUngültige Eingabe! Bitte eine Zahl eingeben!\n";
    const std::string longName(70000, 'x'), kept(64 * 1024, 'x');
    const std::vector<Case> cases{
        {"letters at a number read", false, "abc\n10\n", {menu + "abc\n" + invalid}, ""},
        {"two numbers on one line", false, "3 10\n",
         {menu + "3 10\n\nVersion: ALPHA 0.2.0\n", menu + "\nSpiel wird beendet...\n"}, ""},
        {"a line over 64 KiB", false, "1\n" + longName + "\n200\n", {"Gib deinen Namen ein: " + kept + "\n"},
         kept + "x"},
        {"the end of input without a line end", false, "abc", {menu + "abc" + invalid}, ""},
        {"Ctrl+D after some letters", true, "abc\x04\n10\n", {menu + "abc" + invalid + "\n"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string transcript;
        if (c.terminal) {
            TerminalGame game(Start().with({"--transcript", "mitschrift.txt"}));
            ASSERT_TRUE(game.waitFor("beliebige Taste...")) << game.output();
            game.type(" ");
            ASSERT_TRUE(game.waitFor(menu)) << game.output();
            game.type(c.typed);
            EXPECT_EQ(game.waitForExit(), 0) << game.output();
            transcript = fileBytes("mitschrift.txt");
        } else {
            WorkFolder folder("hulgor-e2e");
            EXPECT_EQ(runWithoutTerminal({"--transcript", "mitschrift.txt"}, c.typed), 0);
            transcript = fileBytes("mitschrift.txt");
        }
        for (const std::string& text : c.shown) {
            EXPECT_NE(transcript.find(text), std::string::npos) << text.substr(0, 80);
        }
        if (!c.notShown.empty()) {
            EXPECT_EQ(transcript.find(c.notShown), std::string::npos);
        }
        EXPECT_TRUE(transcript.ends_with("Das Programm wird beendet...\n")) << transcript.substr(0, 2000);
    }
}

// Where the transcript may not go, found out before the splash: the game's
// own files however they are named (also before they exist), and anything
// that is neither a regular file nor a terminal, never waited on. Each is
// refused with a German message and exit status 2, and the folder stays as
// it was. A terminal is taken.
TEST(RealBinary, WhereTheTranscriptMayGo) {
    enum class Outcome { Plays, OwnFile, NotAFile, CannotOpen };
    struct Case {
        const char* what;
        std::function<std::string()> setUp;  // in the empty folder; gives the path
        Outcome outcome;
        std::string shown = "";  // the path as the message shows it, when not as given
    };
    int terminal = -1, terminalSide = -1;
    const std::vector<Case> cases{
        {"the save, in an empty folder", [] { return "savegame.txt"; }, Outcome::OwnFile},
        {"the name file by another name", [] { return "./name.txt"; }, Outcome::OwnFile},
        {"through another folder", [] { return fs::create_directory("sub"), "sub/../permadeath.txt"; },
         Outcome::OwnFile},
        {"the full path", [] { return (fs::current_path() / "savegame.txt").string(); }, Outcome::OwnFile},
        {"a link to the save that is not there yet",
         [] { return fs::create_symlink("savegame.txt", "link"), "link"; }, Outcome::OwnFile},
        {"a hard link of the save",
         [] {
             std::ofstream("savegame.txt") << "erster Dialog\n";
             return fs::create_hard_link("savegame.txt", "hard"), "hard";
         },
         Outcome::OwnFile},
        {"a temporary file of the save", [] { return "savegame.txt.k3Xq9Z"; }, Outcome::OwnFile},
        {"a FIFO with no reader", [] { return ::mkfifo("fifo", 0600), "fifo"; }, Outcome::NotAFile},
        {"a folder", [] { return fs::create_directory("folder"), "folder"; }, Outcome::NotAFile},
        {"a device", [] { return "/dev/null"; }, Outcome::NotAFile},
        {"escape sequences in the name", [] { return "nowhere/\x1b[2J\x9b"; }, Outcome::CannotOpen,
         "nowhere/^[[2J\xEF\xBF\xBD"},
        {"a terminal",
         [&] { return ::openpty(&terminal, &terminalSide, nullptr, nullptr, nullptr), ::ttyname(terminalSide); },
         Outcome::Plays},
    };
    // Every entry of the folder but the run's own files, with the content of each file.
    auto folderNow = [] {
        std::map<std::string, std::string> entries;
        for (const auto& entry : fs::directory_iterator(".")) {
            const std::string name = entry.path().filename();
            if (name == "typed.txt" || name == "out.txt" || name == "err.txt") continue;
            entries[name] = fs::is_regular_file(entry.symlink_status()) ? fileBytes(name) : "(no file)";
        }
        return entries;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WorkFolder folder("hulgor-e2e");
        const std::string path = c.setUp();
        const auto before = folderNow();
        const int status = runWithoutTerminal({"--transcript", path}, "10\n");
        const std::string named = "„" + (c.shown.empty() ? path : c.shown) + "“";
        const std::map<Outcome, std::string> messages{
            {Outcome::OwnFile, "In " + named + " schreibt das Spiel selbst; die Mitschrift braucht eine andere Datei."},
            {Outcome::NotAFile, "Die Mitschrift " + named + " ist weder eine gewöhnliche Datei noch ein Terminal."},
            {Outcome::CannotOpen, "Die Mitschrift " + named + " lässt sich nicht öffnen."}};
        if (c.outcome == Outcome::Plays) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
            pollfd readable{terminal, POLLIN, 0};
            char shown[8192];
            const ssize_t got = ::poll(&readable, 1, 1000) > 0 ? ::read(terminal, shown, sizeof shown) : 0;
            EXPECT_NE(std::string_view(shown, static_cast<std::size_t>(std::max<ssize_t>(got, 0))).find("beendet"),
                      std::string::npos);
            continue;
        }
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << status;
        EXPECT_EQ(fileBytes("err.txt"), "hulgor: " + messages.at(c.outcome) + "\n");
        EXPECT_EQ(fileBytes("out.txt").size(), 0u) << "the game started";
        EXPECT_EQ(folderNow(), before);
    }
    for (int fd : {terminal, terminalSide}) {
        if (fd >= 0) ::close(fd);
    }
}

// A transcript that fails mid-game (here at the file size limit, as on a
// full disk) is reported once; the game plays on and saves.
TEST(RealBinary, ATranscriptThatFailsIsGivenUp) {
    WorkFolder folder("hulgor-e2e");
    const int status = runWithoutTerminal({"--transcript", "mitschrift.txt"}, "1\nKai\n200\n", [] {
        const rlimit small{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &small);
        ::dup2(::open("/dev/null", O_WRONLY), STDOUT_FILENO);  // which the limit does not touch
    });
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    const std::string errors = fileBytes("err.txt");
    const std::string report =
        "Fehler: Die Mitschrift lässt sich nicht weiterschreiben; das Spiel geht ohne sie weiter.\n";
    EXPECT_EQ(errors.find(report), errors.rfind(report)) << errors;
    EXPECT_NE(errors.find(report), std::string::npos) << errors;
    EXPECT_EQ(fileBytes("savegame.txt"), "erster Dialog\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n");
}

// With every sound file missing, each sound gives its error line on
// standard error; --no-sound plays none and reports none, and saves the same.
TEST(RealBinary, NoSoundReportsNoMissingSound) {
    const std::string soundError = "Fehler: Konnte Sound nicht abspielen. Prüfen Sie den Dateipfad.\n";
    for (bool silent : {false, true}) {
        SCOPED_TRACE(silent ? "--no-sound" : "with sound");
        WorkFolder folder("hulgor-e2e");
        EXPECT_EQ(runWithoutTerminal(silent ? std::vector<std::string>{"--no-sound"} : std::vector<std::string>{},
                                     "1\nKai\n200\n"),
                  0);
        const std::string errors = fileBytes("err.txt");
        std::size_t lines = 0;
        for (std::size_t at = errors.find(soundError); at != std::string::npos; at = errors.find(soundError, at + 1)) {
            ++lines;
        }
        EXPECT_EQ(lines, silent ? 0u : 2u) << errors;  // intro.wav and 719.wav
        EXPECT_EQ(fileBytes("savegame.txt"), "erster Dialog\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n");
    }
}

// Output to a file is the game's own text: no escape sequences, and speech
// and options as the game writes them, without the marks of plain text.
TEST(RealBinary, ToAFileTheTextIsTheGamesOwn) {
    WorkFolder folder("hulgor-e2e");
    std::string command = "printf '1\\nKai\\n200\\n' | setsid -w " + std::string(HULGOR_BINARY) +
                          " --fast >out.txt 2>/dev/null";
    int result = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(result) && WEXITSTATUS(result) == 0) << result;
    const std::string shown = fileBytes("out.txt");
    for (std::string text : {"Ihr seid also endlich wach, sagt er", "ergreifen.\n", "goldener Farbe"}) {
        EXPECT_NE(shown.find(text), std::string::npos) << text << " in:\n" << shown;
    }
    for (std::string text : {"\x1b", "„", "(führt weiter)", "Deine Wahl"}) {
        EXPECT_EQ(shown.find(text), std::string::npos) << text;
    }
}

// --help, --version and options it does not know, with no terminal: what
// each prints where, and the exit status. Nothing of an unknown option
// reaches the terminal as a control character.
TEST(RealBinary, HelpVersionAndUnknownOptions) {
    const std::string more = "\nMit --help siehst du alle Optionen.\n", bad = "\xEF\xBF\xBD";  // U+FFFD
    const std::vector<std::tuple<std::string, int, std::string, std::string>> cases{
        {"--help", 0, "Hulgor – der Barbar: ein Textabenteuer", ""},
        {"--version --help", 0, "Hulgor – der Barbar: ein Textabenteuer", ""},
        {"--version", 0, "Version: ALPHA 0.2.0\n", ""},
        {"--farbe", 2, "", "hulgor: unbekannte Option „--farbe“." + more},
        {"--fast --transcript", 2, "", "hulgor: --transcript braucht einen Dateinamen." + more},
        {"$'\\x1b]0;x\\x07\\x7f\\xc2\\x9b\\xff'", 2, "",
         "hulgor: unbekannte Option „^[]0;x^G^?" + bad + bad + "“." + more},
        {"$'\\xfc\\x80\\x80\\x80'", 2, "", "hulgor: unbekannte Option „" + bad + bad + bad + bad + "“." + more},
    };
    WorkFolder folder("hulgor-e2e");
    for (const auto& [option, status, out, err] : cases) {
        std::string command = "bash -c \"'" + std::string(HULGOR_BINARY) + "' " + option + " >out.txt 2>err.txt </dev/null\"";
        int result = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(result) && WEXITSTATUS(result) == status) << option;
        EXPECT_TRUE(fileBytes("out.txt").starts_with(out)) << fileBytes("out.txt");
        EXPECT_EQ(fileBytes("err.txt"), err) << option;
        EXPECT_FALSE(fs::exists("savegame.txt") || fs::exists("name.txt"));
    }
}
