// The real game binary, driven the way players run it: in a pseudo-terminal,
// or with no terminal at all. Its pauses pass at once under the fast clock
// that these tests preload into it.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <regex>
#include <pty.h>
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

// The game in a pseudo-terminal of its own, in a working folder of its own.
// The test keeps the terminal's slave side open to look at its mode later.
class TerminalGame {
public:
    explicit TerminalGame(unsigned short columns = 160, bool fastClock = true) {
        winsize size{40, columns, 0, 0};
        if ((pid_ = forkpty(&master_, nullptr, nullptr, &size)) == 0) {
            if (fastClock) useFastClock();
            ::execl(HULGOR_BINARY, HULGOR_BINARY, static_cast<char*>(nullptr));
            _exit(127);
        }
        slave_ = ::open(ptsname(master_), O_RDWR | O_NOCTTY);
    }
    ~TerminalGame() {
        if (!exited_) ::kill(pid_, SIGKILL), ::waitpid(pid_, nullptr, 0);
        ::close(master_);
        ::close(slave_);
    }

    // Reads output until `needle` has appeared after what was found before.
    bool waitFor(const std::string& needle) {
        auto deadline = std::chrono::steady_clock::now() + 15s;
        while (output_.find(needle, seen_) == std::string::npos) {
            if (std::chrono::steady_clock::now() > deadline || !readSome(100ms)) return false;
        }
        seen_ = output_.find(needle, seen_) + needle.size();
        return true;
    }
    // Types keys at once; a line (keys ending in a line end) only once the
    // game reads one (line mode, echo on), as a player does after the prompt.
    void type(const std::string& keys) {
        for (auto deadline = std::chrono::steady_clock::now() + 15s;
             keys.ends_with("\n") && !inLineModeWithEcho() && std::chrono::steady_clock::now() < deadline;) {
            readSome(5ms);
        }
        ASSERT_EQ(::write(master_, keys.data(), keys.size()), ssize_t(keys.size()));
    }
    int waitForExit() {
        int status = 0;
        for (auto deadline = std::chrono::steady_clock::now() + 15s; ::waitpid(pid_, &status, WNOHANG) == 0;) {
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
    void signal(int signalNumber) const { ::kill(pid_, signalNumber); }
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
    std::string output_;
    std::size_t seen_ = 0;
};

// The widest line the output draws, in characters: escape sequences take no
// room, and a line end or a cursor home starts a new line.
std::size_t widestLine(const std::string& shown) {
    std::string plain = std::regex_replace(shown, std::regex("\x1b\\[H"), "\n");
    plain = std::regex_replace(plain, std::regex("\x1b\\[[0-?]*[ -/]*[@-~]"), "");
    std::size_t widest = 0, column = 0;
    for (char byte : plain) {
        column = byte == '\n' || byte == '\r' ? 0 : column + ((byte & 0xC0) != 0x80);
        widest = std::max(widest, column);
    }
    return widest;
}

}  // namespace

// A whole game, as a player plays it in an 80-column terminal: the splash
// with a key typed ahead, the info screen left with an arrow key, then from
// a new game through the mountain path with Ragnar and the sewers to the end
// of the story; colours as escape sequences, no line wider than the window,
// and the terminal given back in line mode with echo.
TEST(RealBinary, AWholeGameInAnEightyColumnTerminal) {
    TerminalGame game(80);
    const std::string anyKey = "Drücke eine beliebige Taste, um fortzufahren.";
    const std::string key = "Drücke eine Taste, um fortzufahren.";
    const std::string menu =
        "\x1b[91m10. Spiel beenden\r\n\x1b[0m\r\nBitte wähle eine Option, indem du die ZAHL dazu eingibst:";
    // What the game shows last before it waits, and what the player does: a
    // line ending in a line end is typed at a number read, anything else at once.
    const std::vector<std::pair<std::string, std::string>> moves{
        {"Ein Spiel von Tamlowen...", "#"},  // typed ahead: ends the third screen's key wait
        {"\x1b[91m" + std::string(10, ' ') + "Dieses Spiel speichert automatisch in bestimmten Abständen.\r\n", ""},
        {"\x1b[H\x1b[2J\x1b[3J\x1b[93m************************************\r\n", ""},
        {"\x1b[0m\r\n\x1b[92m1. Neues Spiel\r\n\x1b[0m2. Spiel laden", ""}, {menu, "3\n"},
        {"\x1b[91m" + anyKey + "\r\n\x1b[0m", "\x1b[A"},  // an arrow key is one key press
        {menu, "1\n"}, {"Gib deinen Namen ein: ", "Alrik\n"}, {"200 - Spiel beenden", "1\n"}, {anyKey, " "},
        {"200 - Beenden", "1\n"}, {anyKey, " "}, {"200 - Beenden", "1\n"}, {"200 - Beenden", "1\n"},
        {"DU HAST EIN SCHWERT ERHALTEN!", ""}, {"200 - Beenden", "2\n"},
        {"3 - Den ersten Angriff abwarten", "3\n"}, {key, " "}, {key, " "},
        {"2 - Dich weiter als Hulgor vorstellen", "1\n"}, {"Alrik!", ""}, {key, " "},
        {"3 - Schweigen", "1\n"}, {"Drücke eine beliebige Taste um fortzufahren!", " "},
        {"2 - Kanalisation", "2\n"}, {"Aktuell endet die Reise hier. Schau mit dem nächsten Update rein!", ""},
        {"Drücke eine beliebige Taste um fortzufahren!", " "}, {"\x1b[91m10. Spiel beenden\r\n\x1b[0m", ""}};
    for (const auto& [shown, move] : moves) {
        ASSERT_TRUE(game.waitFor(shown)) << "waiting for: " << shown << "\n" << game.output();
        game.type(move);
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
            TerminalGame game(160, moment != Pause);  // the pause is a real one
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

// With no terminal (a new session, standard input empty) the game writes no
// escape sequences, says that it has no console window and ends at the end
// of its input.
TEST(RealBinary, WithoutATerminalItWritesNoEscapesAndEndsAtEndOfInput) {
    WorkFolder folder("hulgor-e2e");
    useFastClock();
    int status = std::system("setsid '" HULGOR_BINARY "' </dev/null >out.txt 2>err.txt");
    ::unsetenv("LD_PRELOAD");  // the fast clock is for the game, not for later tests
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    std::string shown = fileBytes("out.txt");
    EXPECT_EQ(shown.find('\x1b'), std::string::npos);
    EXPECT_TRUE(shown.ends_with("ZAHL dazu eingibst:\nDas Programm wird beendet...\n"));
    EXPECT_TRUE(fileBytes("err.txt").starts_with("Fehler: Konnte das Konsolenfenster nicht abrufen.\n"));
}
