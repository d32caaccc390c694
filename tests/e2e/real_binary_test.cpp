// The real game binary, driven the way players run it: in a pseudo-terminal,
// or with no terminal at all. The game's pauses pass at once under the fast
// clock that these tests preload into it.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <poll.h>
#include <pty.h>
#include <random>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using namespace std::chrono_literals;

std::filesystem::path freshDirectory() {
    std::random_device entropy;
    auto dir = std::filesystem::temp_directory_path() /
               ("hulgor-e2e-" + std::to_string(entropy()) + std::to_string(entropy()));
    std::filesystem::create_directories(dir);
    return dir;
}

// The game's pauses pass at once: the clock jumps instead (see fast_clock.cpp).
void useFastClock() {
    ::setenv("LD_PRELOAD", FAST_CLOCK, 1);
    ::setenv("ASAN_OPTIONS", "verify_asan_link_order=0", 1);
}

// The game in a pseudo-terminal of its own. The test keeps the terminal's
// slave side open so it can look at the terminal mode after the game ended.
class TerminalGame {
public:
    explicit TerminalGame(unsigned short columns = 160, bool fastClock = true)
        : dir_(freshDirectory()) {
        winsize size{40, columns, 0, 0};
        pid_ = forkpty(&master_, nullptr, nullptr, &size);
        if (pid_ == 0) {
            if (::chdir(dir_.c_str()) != 0) _exit(127);
            if (fastClock) useFastClock();
            ::execl(HULGOR_BINARY, HULGOR_BINARY, static_cast<char*>(nullptr));
            _exit(127);
        }
        slave_ = ::open(ptsname(master_), O_RDWR | O_NOCTTY);
    }
    ~TerminalGame() {
        if (pid_ > 0 && !exited_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        ::close(master_);
        ::close(slave_);
        std::filesystem::remove_all(dir_);
    }

    // Reads output until `needle` has appeared after what was read before.
    bool waitFor(const std::string& needle, std::chrono::milliseconds timeout = 15s) {
        auto deadline = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            std::size_t found = output_.find(needle, seen_);
            if (found != std::string::npos) {
                seen_ = found + needle.size();
                return true;
            }
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left <= 0ms || !readSome(left)) return false;
        }
    }

    // Types a line once the game reads one (line mode, echo on), as a player
    // does after the prompt; typed earlier, it would be type-ahead.
    void answer(const std::string& line) {
        auto deadline = std::chrono::steady_clock::now() + 15s;
        while ((mode().c_lflag & (ICANON | ECHO)) != (ICANON | ECHO) &&
               std::chrono::steady_clock::now() < deadline) {
            readSome(5ms);
        }
        type(line);
    }

    void type(const std::string& keys) {
        ASSERT_EQ(::write(master_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    }

    int waitForExit() {
        int status = 0;
        auto deadline = std::chrono::steady_clock::now() + 15s;
        while (::waitpid(pid_, &status, WNOHANG) == 0) {
            readSome(50ms);
            if (std::chrono::steady_clock::now() > deadline) return -1;
        }
        exited_ = true;
        while (readSome(50ms)) {
        }
        return status;
    }

    termios mode() const {
        termios now{};
        ::tcgetattr(slave_, &now);
        return now;
    }

    const std::string& output() const { return output_; }
    const std::filesystem::path& dir() const { return dir_; }
    void signal(int signalNumber) const { ::kill(pid_, signalNumber); }
    void hangUp() { ::close(std::exchange(master_, -1)); }
    std::size_t seen() const { return seen_; }

private:
    bool readSome(std::chrono::milliseconds timeout) {
        pollfd readable{master_, POLLIN, 0};
        if (::poll(&readable, 1, static_cast<int>(timeout.count())) <= 0) return false;
        char buffer[4096];
        ssize_t got = ::read(master_, buffer, sizeof buffer);
        if (got <= 0) return false;
        output_.append(buffer, static_cast<std::size_t>(got));
        return true;
    }

    std::filesystem::path dir_;
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
    std::size_t widest = 0;
    std::size_t column = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        auto byte = static_cast<unsigned char>(shown[i]);
        if (byte == 0x1b && i + 1 < shown.size() && shown[i + 1] == '[') {
            for (i += 2; i < shown.size() && (shown[i] < 0x40 || shown[i] > 0x7e); ++i) {
            }
            if (i < shown.size() && shown[i] == 'H') column = 0;
        } else if (byte == '\r' || byte == '\n') {
            column = 0;
        } else if ((byte & 0xC0) != 0x80) {
            widest = std::max(widest, ++column);
        }
    }
    return widest;
}

std::string slurp(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The files in a folder, by name.
std::map<std::string, std::string> filesIn(const std::filesystem::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        files[entry.path().filename().string()] = slurp(entry.path());
    }
    return files;
}

bool inLineModeWithEcho(const termios& mode) {
    return (mode.c_lflag & ICANON) != 0 && (mode.c_lflag & ECHO) != 0;
}

}  // namespace

TEST(RealBinary, ColoursKeysTypeAheadAndQuitInATerminal) {
    TerminalGame game;
    ASSERT_TRUE(game.waitFor("Ein Spiel von Tamlowen..."));
    // Typed during the first splash screen: not echoed, and it ends the key
    // wait of the third screen by itself.
    game.type("#");
    ASSERT_TRUE(game.waitFor("\x1b[91m" + std::string(39, ' ') +
                             "Dieses Spiel speichert automatisch in bestimmten Abständen.\r\n"));
    ASSERT_TRUE(game.waitFor("\r\n\r\n\x1b[0m" + std::string(53, ' ') + "Drücke eine beliebige Taste..."));
    ASSERT_TRUE(game.waitFor("\x1b[H\x1b[2J\x1b[3J\x1b[93m************************************\r\n"));
    ASSERT_TRUE(game.waitFor("\x1b[0m\r\n\x1b[92m1. Neues Spiel\r\n\x1b[0m2. Spiel laden"));
    ASSERT_TRUE(game.waitFor("\x1b[91m10. Spiel beenden\r\n\x1b[0m\r\nBitte wähle eine Option, indem du die ZAHL dazu eingibst:"));
    EXPECT_EQ(game.output().find('#'), std::string::npos) << "the typed-ahead key was echoed";

    // A number is typed with echo; the info screen then waits for one key.
    game.answer("3\n");
    ASSERT_TRUE(game.waitFor("3\r\n"));
    ASSERT_TRUE(game.waitFor("Version: ALPHA 0.2.0"));
    ASSERT_TRUE(game.waitFor("\x1b[91mDrücke eine beliebige Taste, um fortzufahren.\r\n\x1b[0m"));
    EXPECT_FALSE(game.waitFor("Bitte wähle", 300ms)) << "the info screen did not wait for a key";
    game.type("\x1b[A");  // an arrow key is one key press, not three
    ASSERT_TRUE(game.waitFor("Bitte wähle eine Option, indem du die ZAHL dazu eingibst:"));
    EXPECT_FALSE(game.waitFor("Ungültige", 300ms)) << "part of the arrow key reached the menu";

    game.answer("10\n");
    ASSERT_TRUE(game.waitFor("\x1b[H\x1b[2J\x1b[3J\r\nSpiel wird beendet...\r\nDas Programm wird beendet...\r\n"));
    int status = game.waitForExit();
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(inLineModeWithEcho(game.mode()));
}

// Each ending signal during a pause, a key wait, a number read and a save:
// the game dies of it, gives the terminal back (line mode, echo, colours
// reset) and leaves each file complete, with no temporary file beside it.
TEST(RealBinary, EndingSignalsLeaveTheTerminalAndTheFilesWhole) {
    enum Moment { Pause, KeyWait, NumberRead, Save };
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        for (Moment moment : {Pause, KeyWait, NumberRead, Save}) {
            SCOPED_TRACE("signal " + std::to_string(signalNumber) + ", moment " + std::to_string(moment));
            if (moment == Save) ::setenv("HULGOR_SLOW_FSYNC", "1", 1);
            TerminalGame game(160, moment != Pause);  // the pause is a real one
            ::unsetenv("HULGOR_SLOW_FSYNC");
            ASSERT_TRUE(game.waitFor(moment == Pause ? "Ein Spiel von Tamlowen..." : "beliebige Taste..."));
            if (moment >= NumberRead) {
                game.type(" ");
                ASSERT_TRUE(game.waitFor("ZAHL dazu eingibst:"));
            }
            if (moment == Save) {
                game.type("1\n");
                ASSERT_TRUE(game.waitFor("Gib deinen Namen ein: "));
                game.type("Kai\n");
                auto deadline = std::chrono::steady_clock::now() + 5s;  // until the first save begins
                while (filesIn(game.dir()).empty()) ASSERT_LT(std::chrono::steady_clock::now(), deadline);
            }
            game.signal(signalNumber);
            int status = game.waitForExit();
            ASSERT_TRUE(WIFSIGNALED(status));
            EXPECT_EQ(WTERMSIG(status), signalNumber);
            EXPECT_TRUE(inLineModeWithEcho(game.mode()));
            EXPECT_TRUE(moment == Pause || game.output().ends_with("\x1b[0m"));  // no colour before the pause
            for (const auto& [name, content] : filesIn(game.dir())) {
                if (name == "name.txt") {
                    EXPECT_EQ(content, "Kai\n");
                } else if (name == "savegame.txt") {
                    EXPECT_EQ(std::count(content.begin(), content.end(), '\n'), 11);
                } else {
                    ADD_FAILURE() << "left behind: " << name;
                }
            }
        }
    }
}

// A closed terminal ends the game at once: by the hang-up signal, or, with
// that signal held back, by the end of its input; it never spins.
TEST(RealBinary, AClosedTerminalEndsTheGameAtOnce) {
    for (bool hangUpHeld : {false, true}) {
        for (bool atNumberRead : {false, true}) {
            SCOPED_TRACE(std::string(hangUpHeld ? "held" : "hang-up") + (atNumberRead ? ", read" : ", key"));
            sigset_t hangUp;
            sigemptyset(&hangUp);
            sigaddset(&hangUp, SIGHUP);
            if (hangUpHeld) ::pthread_sigmask(SIG_BLOCK, &hangUp, nullptr);  // the game inherits it
            TerminalGame game;
            ::pthread_sigmask(SIG_UNBLOCK, &hangUp, nullptr);
            ASSERT_TRUE(game.waitFor("beliebige Taste..."));
            if (atNumberRead) {
                game.type(" ");
                ASSERT_TRUE(game.waitFor("ZAHL dazu eingibst:"));
            }
            game.hangUp();
            auto start = std::chrono::steady_clock::now();
            int status = game.waitForExit();
            EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
            EXPECT_EQ(status, hangUpHeld ? 0 : SIGHUP);  // exit status 0, or death by SIGHUP
        }
    }
}

TEST(RealBinary, WithoutATerminalItWritesNoEscapesAndEndsAtEndOfInput) {
    auto dir = freshDirectory();
    auto out = dir / "out.txt";
    auto err = dir / "err.txt";
    // A new session has no controlling terminal; standard input is empty.
    useFastClock();
    std::string command = "cd '" + dir.string() + "' && setsid '" HULGOR_BINARY "' </dev/null >'" +
                          out.string() + "' 2>'" + err.string() + "'";
    int status = std::system(command.c_str());
    ::unsetenv("LD_PRELOAD");  // the fast clock is for the game, not for later tests
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    std::string shown = slurp(out);
    std::string errors = slurp(err);
    std::filesystem::remove_all(dir);

    EXPECT_EQ(shown.find('\x1b'), std::string::npos);
    EXPECT_NE(shown.find("Hulgor - der Barbar"), std::string::npos);
    EXPECT_TRUE(shown.ends_with("Bitte wähle eine Option, indem du die ZAHL dazu eingibst:\n"
                                "Das Programm wird beendet...\n"));
    EXPECT_TRUE(errors.starts_with("Fehler: Konnte das Konsolenfenster nicht abrufen.\n"));
}

// A whole game, as a player plays it in an 80-column terminal: from the
// splash through the mountain path with Ragnar and the sewers to the end of
// the story, with no screen line wider than the window.
TEST(RealBinary, AWholeGameInAnEightyColumnTerminal) {
    // Sound errors go to standard error, past the wrapping: none from the device.
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    TerminalGame game(80);
    ::unsetenv("SDL_AUDIODRIVER");
    const std::string anyKey = "Drücke eine beliebige Taste, um fortzufahren.";
    const std::string key = "Drücke eine Taste, um fortzufahren.";
    // What the game shows last before it waits, and what the player answers:
    // a line ending in a line end is typed at a number read, else a key.
    const std::vector<std::pair<std::string, std::string>> moves{
        {"Drücke eine beliebige Taste...", " "}, {"ZAHL dazu eingibst:", "1\n"},
        {"Gib deinen Namen ein: ", "Alrik\n"}, {"200 - Spiel beenden", "1\n"}, {anyKey, " "},
        {"200 - Beenden", "1\n"}, {anyKey, " "}, {"200 - Beenden", "1\n"}, {"200 - Beenden", "1\n"},
        {"DU HAST EIN SCHWERT ERHALTEN!", ""}, {"200 - Beenden", "2\n"},
        {"3 - Den ersten Angriff abwarten", "3\n"}, {key, " "}, {key, " "},
        {"2 - Dich weiter als Hulgor vorstellen", "1\n"}, {"Alrik!", ""}, {key, " "},
        {"3 - Schweigen", "1\n"}, {"Drücke eine beliebige Taste um fortzufahren!", " "},
        {"2 - Kanalisation", "2\n"}, {"Aktuell endet die Reise hier. Schau mit dem nächsten Update rein!", ""},
        {"Drücke eine beliebige Taste um fortzufahren!", " "}};
    for (const auto& [shown, move] : moves) {
        ASSERT_TRUE(game.waitFor(shown)) << "waiting for: " << shown;
        if (move.ends_with("\n")) game.answer(move);
        else if (!move.empty()) game.type(move);
    }
    ASSERT_TRUE(game.waitFor("\x1b[91m10. Spiel beenden\r\n\x1b[0m"));
    int status = game.waitForExit();
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_LE(widestLine(game.output()), 80u) << game.output();
    // The splash notice is too wide for its indentation here: centred anew.
    EXPECT_NE(game.output().find("\x1b[91m" + std::string(10, ' ') + "Dieses Spiel speichert"),
              std::string::npos);
    EXPECT_EQ(slurp(game.dir() / "savegame.txt"), "Das Erwachen\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n");
}
