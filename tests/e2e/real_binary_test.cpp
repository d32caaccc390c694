// The real game binary, driven the way players run it: in a pseudo-terminal,
// or with no terminal at all. These tests sit through the intro's two real
// three-second pauses, so there are only a few of them.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <pty.h>
#include <random>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

std::filesystem::path freshDirectory() {
    std::random_device entropy;
    auto dir = std::filesystem::temp_directory_path() /
               ("hulgor-e2e-" + std::to_string(entropy()) + std::to_string(entropy()));
    std::filesystem::create_directories(dir);
    return dir;
}

// The game in a pseudo-terminal of its own. The test keeps the terminal's
// slave side open so it can look at the terminal mode after the game ended.
class TerminalGame {
public:
    TerminalGame() : dir_(freshDirectory()) {
        winsize size{40, 160, 0, 0};
        pid_ = forkpty(&master_, nullptr, nullptr, &size);
        if (pid_ == 0) {
            if (::chdir(dir_.c_str()) != 0) _exit(127);
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
    game.type("3\n");
    ASSERT_TRUE(game.waitFor("3\r\n"));
    ASSERT_TRUE(game.waitFor("Version: ALPHA 0.2.0"));
    ASSERT_TRUE(game.waitFor("\x1b[91mDrücke eine beliebige Taste, um fortzufahren.\r\n\x1b[0m"));
    EXPECT_FALSE(game.waitFor("Bitte wähle", 300ms)) << "the info screen did not wait for a key";
    game.type("\x1b[A");  // an arrow key is one key press, not three
    ASSERT_TRUE(game.waitFor("Bitte wähle eine Option, indem du die ZAHL dazu eingibst:"));
    EXPECT_FALSE(game.waitFor("Ungültige", 300ms)) << "part of the arrow key reached the menu";

    game.type("10\n");
    ASSERT_TRUE(game.waitFor("\x1b[H\x1b[2J\x1b[3J\r\nSpiel wird beendet...\r\nDas Programm wird beendet...\r\n"));
    int status = game.waitForExit();
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(inLineModeWithEcho(game.mode()));
}

TEST(RealBinary, InterruptAtAKeyWaitGivesTheTerminalBack) {
    TerminalGame game;
    ASSERT_TRUE(game.waitFor("Drücke eine beliebige Taste..."));
    EXPECT_FALSE(inLineModeWithEcho(game.mode())) << "keys would be echoed during the splash";
    game.type("\x03");  // Ctrl+C
    int status = game.waitForExit();
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGINT);
    EXPECT_TRUE(inLineModeWithEcho(game.mode()));
}

TEST(RealBinary, WithoutATerminalItWritesNoEscapesAndEndsAtEndOfInput) {
    auto dir = freshDirectory();
    auto out = dir / "out.txt";
    auto err = dir / "err.txt";
    // A new session has no controlling terminal; standard input is empty.
    std::string command = "cd '" + dir.string() + "' && setsid '" HULGOR_BINARY "' </dev/null >'" +
                          out.string() + "' 2>'" + err.string() + "'";
    int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    auto slurp = [](const std::filesystem::path& path) {
        std::string text;
        if (FILE* file = std::fopen(path.c_str(), "rb")) {
            char buffer[4096];
            std::size_t got;
            while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
            std::fclose(file);
        }
        return text;
    };
    std::string shown = slurp(out);
    std::string errors = slurp(err);
    std::filesystem::remove_all(dir);

    EXPECT_EQ(shown.find('\x1b'), std::string::npos);
    EXPECT_NE(shown.find("Hulgor - der Barbar"), std::string::npos);
    EXPECT_TRUE(shown.ends_with("Bitte wähle eine Option, indem du die ZAHL dazu eingibst:\n"
                                "Das Programm wird beendet...\n"));
    EXPECT_TRUE(errors.starts_with("Fehler: Konnte das Konsolenfenster nicht abrufen.\n"));
}
