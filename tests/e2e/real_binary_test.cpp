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

#include "console/layout/display_width.h"
#include "support/work_folder.h"

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// What the game shows, then the keys typed once it has.
using Steps = std::vector<std::pair<std::string, std::string>>;

// How a process ended, readable in a failure: "exit 0", "signal 15".
std::string ended(int status) {
    if (WIFEXITED(status)) return "exit " + std::to_string(WEXITSTATUS(status));
    return WIFSIGNALED(status) ? "signal " + std::to_string(WTERMSIG(status)) : "status " + std::to_string(status);
}
std::string bySignal(int signalNumber) { return "signal " + std::to_string(signalNumber); }

// In a child: the game, its pauses passing at once unless on the real clock
// (see fast_clock.cpp).
// The games below speak German unless a test asks otherwise, whatever the
// environment of the test run says.
const int speaksGerman = ::unsetenv("HULGOR_LANG");

[[noreturn]] void execGame(const std::vector<std::string>& options, bool fastClock = true) {
    if (fastClock) ::setenv("LD_PRELOAD", FAST_CLOCK, 1), ::setenv("ASAN_OPTIONS", "verify_asan_link_order=0", 1);
    std::vector<char*> arguments{const_cast<char*>(HULGOR_BINARY)};
    for (const std::string& option : options) arguments.push_back(const_cast<char*>(option.c_str()));
    arguments.push_back(nullptr);
    ::execv(HULGOR_BINARY, arguments.data());
    _exit(127);
}

// How a game is started in a terminal: the window, the clock, and what the
// caller did before (job control, a session of its own, a signal ignored).
struct Start {
    unsigned short columns = 160, lines = 200;  // tall enough that nothing is paged
    std::vector<std::string> options;
    bool fastClock = true, asJob = false, ownSession = false;
    std::function<void()> inChild;

    Start& size(unsigned short width, unsigned short height) { return columns = width, lines = height, *this; }
    Start& with(std::vector<std::string> given) { return options = std::move(given), *this; }
    Start& realClock(bool real = true) { return fastClock = !real, *this; }
    Start& job() { return asJob = true, *this; }
    Start& session() { return ownSession = true, *this; }
    Start& before(std::function<void()> step) { return inChild = std::move(step), *this; }
};

// In the child of forkpty: the game forked off, this process ending as it ends.
void forkGameOff() {
    pid_t game = ::fork();
    if (game == 0) return;
    int status = 0;
    while (::waitpid(game, &status, 0) < 0 && errno == EINTR) {
    }
    _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
}

// The state letter of a process in /proc ('T': stopped, 'S': waiting).
char processState(pid_t pid) {
    std::string stat = fileBytes("/proc/" + std::to_string(pid) + "/stat");
    std::size_t after = stat.rfind(')');
    return after == std::string::npos || after + 2 >= stat.size() ? '?' : stat[after + 2];
}

// The last colour sequence in `out` before `end`, and where it is.
std::pair<std::string, std::size_t> colourBefore(const std::string& out, std::size_t end) {
    for (std::size_t at = out.rfind("\x1b[", end); at != std::string::npos && at > 0; at = out.rfind("\x1b[", at - 1)) {
        std::size_t stop = out.find_first_not_of("0123456789;", at + 2);
        if (stop < end && out[stop] == 'm') return {out.substr(at, stop + 1 - at), at};
    }
    return {"\x1b[0m", 0};
}

// Where a paging prompt in `out` is drawn in a colour other than the normal
// one, or the colour in force before it is not shown again after it.
std::string pagingPromptFault(const std::string& out) {
    for (auto at = out.find("[weiter"); at != std::string::npos; at = out.find("[weiter", at + 1)) {
        const auto [atPrompt, where] = colourBefore(out, at);
        if (atPrompt != "\x1b[0m") return "a paging prompt drawn in the colour " + atPrompt.substr(1);
        const std::string inForce = where == 0 ? atPrompt : colourBefore(out, where).first;
        const std::size_t erased = out.find('\r', out.find('\r', at) + 1);
        if (erased != std::string::npos && inForce != "\x1b[0m" && out.compare(erased + 1, inForce.size(), inForce) != 0) {
            return "the colour " + inForce.substr(1) + " is not back after a paging prompt";
        }
    }
    return "";
}

// The game in a pseudo-terminal and a working folder of its own; at its end
// each paging prompt is in the normal colour and nothing typed shows as a
// control character.
class TerminalGame {
public:
    explicit TerminalGame(const Start& start = {}) {
        winsize size{start.lines, start.columns, 0, 0};
        if ((pid_ = forkpty(&master_, nullptr, nullptr, &size)) == 0) {
            if (start.asJob) {  // in a process group of its own, in the foreground, so Ctrl+Z stops it
                forkGameOff();
                ::setpgid(0, 0);
                ::signal(SIGTTOU, SIG_IGN);
                ::tcsetpgrp(STDIN_FILENO, ::getpgrp());
                ::signal(SIGTTOU, SIG_DFL);
            }
            if (start.ownSession) forkGameOff(), ::setsid();  // the terminal, but no controlling one
            if (start.inChild) start.inChild();
            execGame(start.options, start.fastClock);
        }
        slave_ = ::open(ptsname(master_), O_RDWR | O_NOCTTY);
        ::fcntl(master_, F_SETFL, O_NONBLOCK);  // typing much reads what the game shows meanwhile
    }
    ~TerminalGame() {
        EXPECT_EQ(pagingPromptFault(output_), "");
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
        if (!readUntil([&] { return output_.find(needle, seen_) != std::string::npos; })) return false;
        seen_ = output_.find(needle, seen_) + needle.size();
        return true;
    }
    // Each step in turn; false at the first text that does not show.
    bool play(const Steps& steps) {
        for (const auto& [shown, keys] : steps) {
            if (!waitFor(shown)) {
                ADD_FAILURE() << "waiting for: " << shown;
                return false;
            }
            type(keys);
        }
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
    // The game itself: the foreground process group's leader, or in a
    // session of its own the only child of the process that waits for it.
    pid_t gamePid() const {
        pid_t group = ::tcgetpgrp(master_);
        return group > 0 ? group : pid_;
    }
    pid_t sessionGamePid() const {
        const std::string parent = std::to_string(pid_);
        pid_t child = -1;
        std::istringstream(fileBytes("/proc/" + parent + "/task/" + parent + "/children")) >> child;
        return child;
    }
    int waitForExit() {
        int status = 0;
        for (auto deadline = std::chrono::steady_clock::now() + 15s; ::wait4(pid_, &status, WNOHANG, &usage_) == 0;) {
            if (!readSome(50ms) && std::chrono::steady_clock::now() > deadline) return -1;
        }
        exited_ = true;
        drain();
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
    void drain() {
        while (readSome(50ms)) {
        }
    }
    // Ctrl+Z, then the shell's fg. Stopped, the terminal is the player's
    // again (line mode, echo, colours reset); continued, the game takes its
    // own mode back and shows the colour in force again.
    void stopAndContinue() {
        drain();
        const std::string colour = colourBefore(output_, output_.size()).first;
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

// The widest line the output draws, in columns: a line end or a cursor
// home starts a new line.
std::size_t widestLine(const std::string& shown) {
    std::istringstream lines(std::regex_replace(shown, std::regex("\x1b\\[H|\r"), "\n"));
    std::size_t widest = 0;
    for (std::string line; std::getline(lines, line);) widest = std::max(widest, displayColumns(line));
    return widest;
}

// The game with no terminal (a new session), reading `typed` from a file,
// writing to out.txt and err.txt; `inChild` done before it starts,
// `meanwhile` while it runs. Killed after 15 s.
struct Ran {
    int status;
    std::string out, err;
};
Ran runWithoutTerminal(const std::vector<std::string>& options, const std::string& typed,
                       const std::function<void()>& inChild = {},
                       const std::function<void(pid_t)>& meanwhile = {}) {
    std::ofstream("typed.txt", std::ios::binary) << typed;
    pid_t pid = ::fork();
    if (pid == 0) {
        ::setsid();
        ::dup2(::open("typed.txt", O_RDONLY), STDIN_FILENO);
        ::dup2(::open("out.txt", O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
        ::dup2(::open("err.txt", O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
        if (inChild) inChild();
        execGame(options);
    }
    int status = 0;
    for (auto deadline = std::chrono::steady_clock::now() + 15s; ::waitpid(pid, &status, WNOHANG) == 0;) {
        if (std::chrono::steady_clock::now() > deadline) ::kill(pid, SIGKILL);
        ::poll(nullptr, 0, 5);
        if (meanwhile) meanwhile(pid);
    }
    return {status, fileBytes("out.txt"), fileBytes("err.txt")};
}

const std::string FirstSave = "erster Dialog\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n";

}  // namespace

// A game in an 80-column terminal under job control: a key typed ahead, an
// arrow key, Ctrl+Z while a number is typed, at a key wait and at a read; a
// name of wide characters; no line wider than the window.
TEST(RealBinary, AGameInAnEightyColumnTerminal) {
    TerminalGame game(Start().size(80, 200).job());
    const std::string name = "\xe5\xb1\xb1\xe7\x94\xb0\xe5\xa4\xaa\xe9\x83\x8e\xe5\xb1\xb1\xe7\x94\xb0\xe5\xa4\xaa"
                             "\xe9\x83\x8e\xe5\xb1\xb1\xe7\x94\xb0\xe5\xa4\xaa\xe9\x83\x8e";  // 12 wide characters
    const std::string menu =
        "\x1b[91m10. Spiel beenden\r\n\x1b[0m\r\nBitte wähle eine Option, indem du die ZAHL dazu eingibst:";
    ASSERT_TRUE(game.play({
        {"Ein Spiel von Tamlowen...", "#"},  // typed ahead: ends the third screen's key wait
        {"\x1b[91m" + std::string(10, ' ') + "Dieses Spiel speichert automatisch in bestimmten Abständen.\r\n", ""},
        {"\x1b[H\x1b[2J\x1b[93m************************************\r\n", ""},
        {"\x1b[0m\r\n\x1b[92m1. Neues Spiel\r\n\x1b[0m2. Spiel laden", ""}, {menu, "3\n"},
        {"\x1b[91mDrücke eine beliebige Taste, um fortzufahren.\r\n\x1b[0m", "\x1b[A"},  // one key press
        {menu, "1"}, {"1", ""}})) << game.output();
    game.stopAndContinue();
    ASSERT_TRUE(game.play({{"die ZAHL dazu eingibst:1", "\n"}, {"Gib deinen Namen ein: ", name + "\n"}, {"200 - Spiel beenden", "1\n"},
                           {"Drücke eine beliebige Taste, um fortzufahren.", ""}})) << game.output();
    game.stopAndContinue();
    ASSERT_TRUE(game.play({{"", " "}, {"200 - Beenden", ""}})) << game.output();
    game.stopAndContinue();
    game.type("200\n");
    EXPECT_EQ(ended(game.waitForExit()), "exit 0");
    EXPECT_TRUE(game.inLineModeWithEcho());
    EXPECT_EQ(game.output().find('#'), std::string::npos) << "the key typed ahead was echoed";
    EXPECT_EQ(game.output().find("Ungültige"), std::string::npos) << "a key reached a number read";
    EXPECT_LE(widestLine(game.output()), 80u) << game.output();
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif

// Each ending signal, and a closed terminal (the hang-up held back or not),
// at a key wait, some also in a pause, a number read and a save: the terminal
// is given back first, the game ends at once by that signal (or the sanitizer's
// report), and leaves no file incomplete and no temporary file.
// Run in two halves, side by side: the usual three and a closed terminal at
// every moment, then every other signal.
class EndingSignals : public testing::TestWithParam<bool> {};
INSTANTIATE_TEST_SUITE_P(RealBinary, EndingSignals, testing::Bool());
TEST_P(EndingSignals, EachGivesTheTerminalBackFirst) {
    enum Moment { Pause, KeyWait, NumberRead, Save };
    constexpr int Close = -1, CloseHangUpHeld = -2;
    std::vector<std::pair<int, Moment>> cases;
    for (int event : {SIGINT, SIGTERM, SIGHUP, Close, CloseHangUpHeld}) {
        for (Moment moment : {Pause, KeyWait, NumberRead, Save}) {
            if (GetParam() && (event > 0 || moment == KeyWait || moment == NumberRead)) cases.emplace_back(event, moment);
        }
    }
    for (int signalNumber : {SIGUSR2, SIGSEGV, SIGRTMIN}) {
        if (!GetParam()) cases.emplace_back(signalNumber, NumberRead);
    }
    for (int signalNumber : {SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGXCPU, SIGIO, SIGPWR, SIGSTKFLT,
                             SIGSYS, SIGTRAP, SIGBUS, SIGFPE, SIGSEGV, SIGABRT, SIGILL, SIGRTMIN, SIGRTMAX}) {
        if (!GetParam()) cases.emplace_back(signalNumber, KeyWait);
    }
    for (const auto& [event, moment] : cases) {
        SCOPED_TRACE("event " + std::to_string(event) + ", moment " + std::to_string(moment));
        sigset_t hangUp;
        sigemptyset(&hangUp);
        sigaddset(&hangUp, SIGHUP);
        if (event == CloseHangUpHeld) ::pthread_sigmask(SIG_BLOCK, &hangUp, nullptr);  // the game inherits it
        if (moment == Save) ::setenv("HULGOR_SLOW_FSYNC", "1", 1);
        TerminalGame game(Start().realClock(moment == Pause).before([] {  // the pause is a real one
            const rlimit noCore{0, 0};
            ::setrlimit(RLIMIT_CORE, &noCore);
        }));
        ::unsetenv("HULGOR_SLOW_FSYNC");
        ::pthread_sigmask(SIG_UNBLOCK, &hangUp, nullptr);
        Steps steps{{moment == Pause ? "Ein Spiel von Tamlowen..." : "beliebige Taste...", ""}};
        if (moment >= NumberRead) steps = {{"beliebige Taste...", " "}, {"ZAHL dazu eingibst:", ""}};
        if (moment == Save) steps = {{"beliebige Taste...", " "}, {"ZAHL dazu eingibst:", "1\n"}, {"Namen ein: ", "Kai\n"}};
        ASSERT_TRUE(game.play(steps));
        for (auto deadline = std::chrono::steady_clock::now() + 5s; moment == Save && fs::is_empty(".");) {
            ASSERT_LT(std::chrono::steady_clock::now(), deadline);  // the save begins
        }
        const auto start = std::chrono::steady_clock::now();
        if (event < 0) game.hangUp();
        else game.signal(event);
        const std::string status = ended(game.waitForExit());
        const bool reported = Sanitized && (event == SIGSEGV || event == SIGBUS || event == SIGFPE || event == SIGILL);
        const std::string expected = event == CloseHangUpHeld ? "exit 0" : bySignal(event == Close ? SIGHUP : event);
        EXPECT_TRUE(status == expected || (reported && status == "exit 1")) << status;
        if (event < 0 || reported) continue;  // the terminal is gone, or shows the sanitizer's report
        EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
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

// A signal the caller ignores stays ignored: the game plays on. A hang-up
// ignored (nohup) ends it at the end of its input once the terminal is closed.
TEST(RealBinary, ASignalIgnoredByTheCallerStaysIgnored) {
    for (int signalNumber : {SIGUSR1, SIGHUP}) {
        TerminalGame game(Start().before([signalNumber] { ::signal(signalNumber, SIG_IGN); }));
        ASSERT_TRUE(game.waitFor("beliebige Taste..."));
        game.signal(signalNumber);
        game.type(" ");
        ASSERT_TRUE(game.waitFor("ZAHL dazu eingibst:")) << "the signal ended the game";
        game.hangUp();
        EXPECT_EQ(ended(game.waitForExit()), signalNumber == SIGHUP ? "exit 0" : bySignal(SIGHUP));
    }
}

// Past the file size limit a save fails, says so and leaves no temporary
// file; the game plays on.
TEST(RealBinary, PastTheFileSizeLimitTheSaveFailsAndTheGamePlaysOn) {
    TerminalGame game(Start().before([] {
        const rlimit tiny{8, 8};  // less than a save
        ::setrlimit(RLIMIT_FSIZE, &tiny);
    }));
    ASSERT_TRUE(game.play({{"beliebige Taste...", " "}, {"ZAHL dazu eingibst:", "1\n"},
                           {"Gib deinen Namen ein: ", std::string(100, 'K') + "\n"},  // more than the limit, too
                           {"Fehler beim Speichern des Spiels.", ""}, {"200 - Spiel beenden", "200\n"}}))
        << game.output();
    EXPECT_EQ(ended(game.waitForExit()), "exit 0");
    EXPECT_TRUE(fs::is_empty(".")) << "a file left behind";
}

// Ctrl+Z during a pause: once continued, the pause goes on for the rest of
// its length.
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

// With standard error closed, descriptor 2 stays the null device, so the
// sound thread's error line never lands in a file being saved.
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
    ASSERT_TRUE(game.play({{"", " "}, {"ZAHL dazu eingibst:", "1\n"}, {"Gib deinen Namen ein: ", "Kai\n"},
                           {"200 - Spiel beenden", ""}})) << game.output();
    EXPECT_EQ(fileBytes("name.txt"), "Kai\n");
    EXPECT_EQ(fileBytes("savegame.txt"), FirstSave);
}

// With no terminal: no escape sequences, a word that there is no console
// window, the end at the end of input; non-blocking input is waited for and
// its flags given back; a pipe with no reader ends the game, SIGPIPE ignored
// or held back.
TEST(RealBinary, WithoutATerminal) {
    enum Case { NoInput, NonBlockingInput, PipeSignalIgnored, PipeSignalBlocked };
    for (Case c : {NoInput, NonBlockingInput, PipeSignalIgnored, PipeSignalBlocked}) {
        SCOPED_TRACE("case " + std::to_string(c));
        WorkFolder folder("hulgor-e2e");
        int input[2];
        ASSERT_EQ(::pipe(input), 0);
        if (c == NonBlockingInput) ::fcntl(input[0], F_SETFL, O_NONBLOCK);  // one open pipe, shared with the game
        if (c >= PipeSignalIgnored) ::close(std::exchange(input[0], -1));  // a pipe with no reader
        bool typed = c != NonBlockingInput;
        const Ran ran = runWithoutTerminal({}, "", [&] {
            if (c == NonBlockingInput) ::dup2(input[0], STDIN_FILENO);
            if (c >= PipeSignalIgnored) ::dup2(input[1], STDOUT_FILENO);
            ::close(input[0]), ::close(input[1]);
            sigset_t pipeSignal;
            sigemptyset(&pipeSignal);
            sigaddset(&pipeSignal, SIGPIPE);
            if (c == PipeSignalIgnored) ::signal(SIGPIPE, SIG_IGN);
            if (c == PipeSignalBlocked) ::sigprocmask(SIG_BLOCK, &pipeSignal, nullptr);
        }, [&](pid_t game) {  // typed once the game waits in its read, so a read that does not wait is caught
            if (!typed && fileBytes("out.txt").ends_with("ZAHL dazu eingibst:") && processState(game) == 'S') {
                typed = ::write(input[1], "10\n", 3) == 3;
            }
        });
        if (c >= PipeSignalIgnored) {
            EXPECT_EQ(ended(ran.status), bySignal(SIGPIPE));
        } else {
            EXPECT_EQ(ended(ran.status), "exit 0");
            EXPECT_TRUE(ran.out.ends_with(c == NoInput ? "ZAHL dazu eingibst:\nDas Programm wird beendet...\n"
                                                       : "eingibst:\nSpiel wird beendet...\nDas Programm wird beendet...\n"))
                << ran.out;
            EXPECT_EQ(ran.out.find('\x1b'), std::string::npos);
            EXPECT_TRUE(ran.err.starts_with("Fehler: Konnte das Konsolenfenster nicht abrufen.\n"));
            EXPECT_EQ(::fcntl(input[0], F_GETFL) & O_NONBLOCK, c == NonBlockingInput ? O_NONBLOCK : 0) << "flags not back";
        }
        ::close(input[0]), ::close(input[1]);
    }
}

// At 80×24 the first dialog is held at the game's own prompt after at most a
// window's rows; an answer typed ahead is not taken as the key; the prompt
// is erased.
TEST(RealBinary, APagerHoldsWhatWouldScrollAwayUnread) {
    TerminalGame game(Start().size(80, 24));
    ASSERT_TRUE(game.play({{"beliebige Taste...", " "}, {"ZAHL dazu eingibst:", "1\n"},
                           {"Gib deinen Namen ein: ", "Kai\n3\n"}})) << game.output();
    const std::size_t named = game.output().size();
    EXPECT_EQ(game.output().find("[weiter"), std::string::npos) << "the splash and the menu fit 80x24";
    ASSERT_TRUE(game.waitFor("[weiter mit einer Taste]")) << game.output().substr(named);
    std::string held = game.output().substr(game.output().find('\n', named) + 1);  // after the name's echo
    EXPECT_EQ(held.find("Verzweifelt"), std::string::npos) << "the answer typed ahead was taken as the key";
    auto rows = std::count(held.begin(), held.end(), '\n');
    EXPECT_TRUE(rows >= 20 && rows <= 23) << rows << " rows before the prompt";
    game.type("x");
    ASSERT_TRUE(game.waitFor("Verzweifelt rufst du um Hilfe")) << game.output().substr(named);
    EXPECT_NE(game.output().find("\r" + std::string(24, ' ') + "\r", named), std::string::npos) << "not erased";
}

// At 80×25 the paging prompt cuts the first choice block; a number typed at
// it pages on and begins the answer.
TEST(RealBinary, ANumberTypedAtThePagingPromptBeginsTheAnswer) {
    TerminalGame game(Start().size(80, 25));
    EXPECT_TRUE(game.play({{"beliebige Taste...", " "}, {"ZAHL dazu eingibst:", "1\n"}, {"Gib deinen Namen ein: ", "Kai\n"},
                           {"[weiter mit einer Taste]", "1"}, {"200 - Spiel beenden\r\n1", "\n"},
                           {"Erschrocken willst du aufspringen", ""}})) << game.output();
}

// An endless escape sequence at a number read costs linear time.
TEST(RealBinary, AFloodOfKeysCostsLinearTime) {
    TerminalGame game;
    ASSERT_TRUE(game.play({{"beliebige Taste...", " "},
                           {"ZAHL dazu eingibst:", "\x1b[" + std::string(640000, '1') + "\n10\n"}}));
    EXPECT_EQ(ended(game.waitForExit()), "exit 0");
    EXPECT_LT(game.processorTime(), 5s);
}

// In a session of its own (no /dev/tty) the keys come from standard input:
// the key wait waits, a line is echoed, the terminal is given back.
TEST(RealBinary, InASessionOfItsOwnKeysComeFromStandardInput) {
    TerminalGame game(Start().session());
    ASSERT_TRUE(game.waitFor("Drücke eine beliebige Taste..."));
    ASSERT_TRUE(game.readUntil([&] { return processState(game.sessionGamePid()) == 'S'; }));
    game.drain();
    EXPECT_EQ(game.output().find("ZAHL", game.output().rfind("Taste...")), std::string::npos) << "the key wait passed";
    ASSERT_TRUE(game.play({{"", " "}, {"ZAHL dazu eingibst:", "10\n"}, {"10\r", ""}})) << game.output();
    EXPECT_EQ(ended(game.waitForExit()), "exit 0");
    EXPECT_TRUE(game.inLineModeWithEcho());
}

// Plain text and no colours as asked for in each way; output to a file is
// the game's own text, unmarked.
TEST(RealBinary, PlainTextNoColourAndOutputToAFile) {
    struct Case {
        std::vector<std::string> options;
        const char* environment;  // NAME=VALUE, or null
        std::vector<std::string> shown, notShown;
        bool toFile = false;
    };
    const std::string colour = "\x1b[9", clear = "\x1b[H\x1b[2J";
    const std::vector<Case> cases{
        {{"--plain"}, nullptr, {"\n----------\r\n", "„Ihr seid also endlich wach“, sagt er"}, {"\x1b"}},
        {{}, "TERM=dumb", {"„Ihr seid also endlich wach“,", "(führt weiter)"}, {"\x1b"}},
        {{}, "NO_COLOR=1", {clear, "„Ihr seid also endlich wach“, sagt er", "mit „(führt weiter)“ markiert"},
         {colour, "goldener", "Deine Wahl"}},
        {{"--fast"}, nullptr, {"Ihr seid also endlich wach, sagt er", "ergreifen.\n", "goldener Farbe"},
         {"\x1b", "„", "(führt weiter)", "Deine Wahl"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.environment != nullptr ? c.environment : c.options.front()) + (c.toFile ? " to a file" : ""));
        const auto environment = [&c] {
            if (c.environment != nullptr) ::putenv(const_cast<char*>(c.environment));
        };
        std::string shown;
        if (c.toFile) {
            WorkFolder folder("hulgor-e2e");
            const Ran ran = runWithoutTerminal(c.options, "1\nKai\n200\n", environment);
            EXPECT_EQ(ended(ran.status), "exit 0");
            shown = ran.out;
        } else {
            TerminalGame game(Start().with(c.options).before(environment));
            ASSERT_TRUE(game.play({{"beliebige Taste...", " "}, {"ZAHL dazu eingibst:", "1\n"},
                                   {"Gib deinen Namen ein: ", "Kai\n"}, {"200 - Spiel beenden", "200\n"}}));
            EXPECT_EQ(ended(game.waitForExit()), "exit 0");
            shown = game.output();
        }
        for (const std::string& text : c.shown) EXPECT_NE(shown.find(text), std::string::npos) << text;
        for (const std::string& text : c.notShown) EXPECT_EQ(shown.find(text), std::string::npos) << text;
    }
}

// The transcript: no escape sequences, a cleared screen as a rule, each
// typed line whole before the game's answer, from a file or through the line
// editor (Ctrl+D on an empty line ends the game, the terminal given back).
TEST(RealBinary, TheTranscriptShowsEachTypedLineWhole) {
    struct Case {
        const char* what;
        bool terminal;  // typed at the title menu in a terminal; else the whole input, from a file
        std::string typed;
        std::vector<std::string> shown;
        std::string notShown = "";
    };
    const std::string menu = "ZAHL dazu eingibst:", invalid = "\nUngültige Eingabe! Bitte eine Zahl eingeben!\n";
    const std::string kept(64 * 1024, 'x');
    const std::vector<Case> cases{
        {"a new game", true, "1\nKai\n200\n",
         {"Gib deinen Namen ein: Kai\n", "\n----------\n", "200 - Spiel beenden\n200\nDas Programm wird beendet...\n"}},
        {"letters at a number read", false, "abc\n10\n", {menu + "abc\n" + invalid}},
        {"two numbers on one line", false, "3 10\n",
         {menu + "3 10\n\nVersion: ALPHA 0.2.0\n", menu + "\nSpiel wird beendet...\n"}},
        {"a line over 64 KiB", false, "1\n" + kept + "xxxx\n200\n", {"Gib deinen Namen ein: " + kept + "\n"}, kept + "x"},
        {"the end of input without a line end", false, "abc", {menu + "abc" + invalid}},
        {"Ctrl+D after some letters", true, "abc\x04\n10\n", {menu + "abc" + invalid + "\n"}},
        {"Ctrl+D on an empty line", true, "\x04", {menu + "\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string transcript;
        if (c.terminal) {
            TerminalGame game(Start().with({"--transcript", "mitschrift.txt"}));
            ASSERT_TRUE(game.play({{"beliebige Taste...", " "}, {menu, c.typed}})) << game.output();
            EXPECT_EQ(ended(game.waitForExit()), "exit 0") << game.output();
            EXPECT_TRUE(game.inLineModeWithEcho());
            EXPECT_NE(game.output().find("\x1b[9"), std::string::npos) << "no colours beside the transcript";
            transcript = fileBytes("mitschrift.txt");
        } else {
            WorkFolder folder("hulgor-e2e");
            EXPECT_EQ(ended(runWithoutTerminal({"--transcript", "mitschrift.txt"}, c.typed).status), "exit 0");
            transcript = fileBytes("mitschrift.txt");
        }
        for (const std::string& text : c.shown) EXPECT_NE(transcript.find(text), std::string::npos) << text.substr(0, 80);
        if (!c.notShown.empty()) {
            EXPECT_EQ(transcript.find(c.notShown), std::string::npos);
        }
        EXPECT_EQ(transcript.find('\x1b'), std::string::npos);
        EXPECT_TRUE(transcript.ends_with("Das Programm wird beendet...\n")) << transcript.substr(0, 2000);
    }
}

// Where the transcript may not go, refused before the splash with exit
// status 2 and the folder left as it was: the game's own files by any name,
// and what is neither a regular file nor a terminal. A terminal is taken.
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
             std::ofstream("savegame.txt") << FirstSave;
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
        const Ran ran = runWithoutTerminal({"--transcript", path}, "10\n");
        const std::string named = "„" + (c.shown.empty() ? path : c.shown) + "“";
        const std::map<Outcome, std::string> messages{
            {Outcome::OwnFile, "In " + named + " schreibt das Spiel selbst; die Mitschrift braucht eine andere Datei."},
            {Outcome::NotAFile, "Die Mitschrift " + named + " ist weder eine gewöhnliche Datei noch ein Terminal."},
            {Outcome::CannotOpen, "Die Mitschrift " + named + " lässt sich nicht öffnen."}};
        if (c.outcome == Outcome::Plays) {
            EXPECT_EQ(ended(ran.status), "exit 0");
            pollfd readable{terminal, POLLIN, 0};
            char shown[8192];
            const ssize_t got = ::poll(&readable, 1, 1000) > 0 ? ::read(terminal, shown, sizeof shown) : 0;
            EXPECT_NE(std::string_view(shown, static_cast<std::size_t>(std::max<ssize_t>(got, 0))).find("beendet"),
                      std::string::npos);
            continue;
        }
        EXPECT_EQ(ended(ran.status), "exit 2");
        EXPECT_EQ(ran.err, "hulgor: " + messages.at(c.outcome) + "\n");
        EXPECT_EQ(ran.out, "") << "the game started";
        EXPECT_EQ(folderNow(), before);
    }
    ::close(terminal);
    ::close(terminalSide);
}

// A transcript failing mid-game, a missing sound: each error once, the
// game plays on and saves; --no-sound reports none.
TEST(RealBinary, EachErrorIsReportedOnceAndTheGamePlaysOn) {
    const std::string transcriptError =
        "Fehler: Die Mitschrift lässt sich nicht weiterschreiben; das Spiel geht ohne sie weiter.\n";
    const std::string soundError = "Fehler: Konnte Sound nicht abspielen. Prüfen Sie den Dateipfad.\n";
    const auto smallFiles = [] {
        const rlimit small{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &small);
        ::dup2(::open("/dev/null", O_WRONLY), STDOUT_FILENO);  // which the limit does not touch
    };
    const std::vector<std::tuple<std::vector<std::string>, std::function<void()>, std::string>> cases{
        {{"--no-sound", "--transcript", "mitschrift.txt"}, smallFiles, transcriptError},
        {{}, {}, soundError + soundError},  // intro.wav and 719.wav
        {{"--no-sound"}, {}, ""},
    };
    for (const auto& [options, inChild, errors] : cases) {
        WorkFolder folder("hulgor-e2e");
        const Ran ran = runWithoutTerminal(options, "1\nKai\n200\n", inChild);
        EXPECT_EQ(ended(ran.status), "exit 0");
        EXPECT_EQ(ran.err, "Fehler: Konnte das Konsolenfenster nicht abrufen.\n" + errors);
        EXPECT_EQ(fileBytes("savegame.txt"), FirstSave);
    }
}

// --help, --version and unknown options: output, errors (no control
// characters) and exit status; help names every option.
TEST(RealBinary, HelpVersionAndUnknownOptions) {
    const std::string more = "\nMit --help siehst du alle Optionen.\n", bad = "\xEF\xBF\xBD";  // U+FFFD
    const std::string help = "Hulgor – der Barbar: ein Textabenteuer";
    const std::vector<std::tuple<std::vector<std::string>, std::string, std::string, std::string>> cases{
        {{"--help"}, "exit 0", help, ""},
        {{"--version", "--help"}, "exit 0", help, ""},
        {{"--version"}, "exit 0", "Version: ALPHA 0.2.0\n", ""},
        {{"--farbe"}, "exit 2", "", "hulgor: unbekannte Option „--farbe“." + more},
        {{"--fast", "--transcript"}, "exit 2", "", "hulgor: --transcript braucht einen Dateinamen." + more},
        {{"\x1b]0;x\x07\x7f\xc2\x9b\xff"}, "exit 2", "", "hulgor: unbekannte Option „^[]0;x^G^?" + bad + bad + "“." + more},
        {{"\xfc\x80\x80\x80"}, "exit 2", "", "hulgor: unbekannte Option „" + bad + bad + bad + bad + "“." + more},
    };
    WorkFolder folder("hulgor-e2e");
    for (const auto& [options, status, out, err] : cases) {
        SCOPED_TRACE(options.front());
        const Ran ran = runWithoutTerminal(options, "");
        EXPECT_EQ(ended(ran.status), status);
        EXPECT_TRUE(ran.out.starts_with(out)) << ran.out;
        EXPECT_EQ(ran.err, err);
        EXPECT_FALSE(fs::exists("savegame.txt") || fs::exists("name.txt"));
        if (out != help) continue;
        for (const char* option : {"--plain", "--transcript DATEI", "--fast", "--no-sound", "--help", "--version"}) {
            EXPECT_NE(ran.out.find("\n  " + std::string(option) + " "), std::string::npos) << option;
        }
    }
}

// The language: --lang before HULGOR_LANG before German, never the
// system's locale; an unknown one refused in both languages.
TEST(RealBinary, TheLanguageChosen) {
    const std::string german = "Hulgor – der Barbar: ein", english = "Hulgor the Barbarian: a";
    const std::string refused = "hulgor: unbekannte Sprache „fr“; das Spiel spricht de (Deutsch) und en (Englisch).\n"
                                "hulgor: unknown language “fr”; the game speaks de (German) and en (English).\n";
    const struct {
        std::vector<std::string> options;
        const char* variable;  // HULGOR_LANG; null: unset
        std::string out, err;
    } rows[] = {
        {{"--help"}, nullptr, german, ""},
        {{"--help"}, "", german, ""},
        {{"--help", "--lang", "en"}, nullptr, english, ""},
        {{"--lang=en", "--help"}, "de", english, ""},
        {{"--help"}, "en", english, ""},
        {{"--help", "--lang", "de"}, "en", german, ""},
        {{"--help", "--lang", "de"}, "fr", german, ""},
        {{"--lang", "fr", "--help"}, nullptr, "", refused},
        {{"--version"}, "fr", "", refused},
        {{"--farbe", "--lang", "en"}, nullptr, "", "hulgor: unknown option “--farbe”.\nUse --help to see all options.\n"},
    };
    WorkFolder folder("hulgor-e2e");
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.options) + (row.variable ? row.variable : "(unset)"));
        const Ran ran = runWithoutTerminal(row.options, "", [&] {
            if (row.variable) ::setenv("HULGOR_LANG", row.variable, 1);
            ::setenv("LANG", "en_US.UTF-8", 1);  // the system's locale has no say
            ::setenv("LANGUAGE", "en", 1);
        });
        EXPECT_EQ(ended(ran.status), row.err.empty() ? "exit 0" : "exit 2");
        EXPECT_TRUE(ran.out.starts_with(row.out)) << ran.out;
        EXPECT_EQ(ran.err, row.err);
    }
}
