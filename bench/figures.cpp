// Measures the real game binary and prints figures; asserts nothing.
//
//   figures startup <game> <folder> [runs]  exec to the first byte of the splash
//   figures screens <game> <folder> [runs]  overshoot of the splash's 3000 ms
//                                           pauses, in a pseudo-terminal, and
//                                           the CPU time of 10 s at the menu
//   figures game <game> <folder>            peak memory and CPU time of a
//                                           game fed this program's standard
//                                           input (a pipe in bench/run.sh)
//
// The game runs with the real clock in <folder>, which holds the sounds
// when the figures should include them. Linux only (/proc, forkpty).
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <pty.h>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Runs the game without a terminal (a new session): standard input from
// `input`, standard output into `output`, standard error discarded.
pid_t startPiped(const char* game, const char* folder, int input, int output) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setsid();
        int null = ::open("/dev/null", O_RDWR);
        ::dup2(input >= 0 ? input : null, STDIN_FILENO);
        ::dup2(output >= 0 ? output : null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        if (::chdir(folder) != 0) _exit(127);
        ::execl(game, game, static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

void send(int fd, std::string_view bytes) {
    if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::perror("write");
}

void printSpread(const char* what, std::vector<double> values, const char* unit) {
    std::sort(values.begin(), values.end());
    std::printf("%s: median %.2f %s, worst %.2f %s (%zu samples)\n", what, values[values.size() / 2], unit,
                values.back(), unit, values.size());
}

int startup(const char* game, const char* folder, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        int out[2];
        if (::pipe(out) != 0) return 1;
        const auto start = Clock::now();
        const pid_t pid = startPiped(game, folder, -1, out[1]);
        ::close(out[1]);
        char byte = 0;
        const bool wrote = ::read(out[0], &byte, 1) == 1;
        times.push_back(millisecondsBetween(start, Clock::now()));
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
        ::close(out[0]);
        if (!wrote) {
            std::fprintf(stderr, "the game wrote nothing\n");
            return 1;
        }
    }
    printSpread("exec to the first byte of the splash", times, "ms");
    return 0;
}

// The game in a pseudo-terminal, its output read as it comes with the time
// each piece arrived.
struct TerminalRun {
    pid_t pid = -1;
    int master = -1;
    std::string seen;

    // Reads until `text` has arrived; returns when the piece holding its end
    // came, or the zero time when the game fell silent for 30 s or ended.
    Clock::time_point waitFor(const std::string& text) {
        for (;;) {
            if (std::size_t at = seen.find(text); at != std::string::npos) {
                seen.erase(0, at + text.size());
                return lastArrival;
            }
            if (!readSome(30000)) return Clock::time_point{};
        }
    }
    // When the next byte came: at once if it came with the text before.
    Clock::time_point nextByte() {
        if (!seen.empty()) return lastArrival;
        return readSome(30000) ? lastArrival : Clock::time_point{};
    }
    bool readSome(int timeoutMs) {
        pollfd readable{master, POLLIN, 0};
        if (::poll(&readable, 1, timeoutMs) <= 0) return false;
        char buffer[4096];
        ssize_t got = ::read(master, buffer, sizeof buffer);
        lastArrival = Clock::now();
        if (got <= 0) return false;
        seen.append(buffer, static_cast<std::size_t>(got));
        return true;
    }
    Clock::time_point lastArrival;
};

// User plus system time of a running process, from /proc.
double cpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string all((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(all.substr(all.rfind(')') + 2));
    std::string field;
    unsigned long long ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i >= 14) ticks += std::stoull(field);  // fields 14 and 15: utime, stime
    }
    return static_cast<double>(ticks) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

int stuck(const TerminalRun& t, const char* waitedFor) {
    std::fprintf(stderr, "the game did not show %s\n", waitedFor);
    ::kill(t.pid, SIGKILL);
    ::waitpid(t.pid, nullptr, 0);
    return 1;
}

int screens(const char* game, const char* folder, int runs) {
    std::vector<double> overshoots;
    double idleCpu = -1;
    for (int run = 0; run < runs; ++run) {
        TerminalRun t;
        winsize size{40, 160, 0, 0};
        t.pid = ::forkpty(&t.master, nullptr, nullptr, &size);
        if (t.pid == 0) {
            if (::chdir(folder) != 0) _exit(127);
            ::execl(game, game, static_cast<char*>(nullptr));
            _exit(127);
        }
        // Each splash line is flushed, then the 3000 ms pause, then the clear.
        for (const char* line : {"Ein Spiel von Tamlowen...\r\n", "Hier könnte Ihr Logo stehen...\r\n"}) {
            const auto printed = t.waitFor(line);
            const auto cleared = t.nextByte();
            if (printed == Clock::time_point{} || cleared == Clock::time_point{}) return stuck(t, line);
            overshoots.push_back(millisecondsBetween(printed, cleared) - 3000.0);
        }
        if (t.waitFor("Taste...") == Clock::time_point{}) return stuck(t, "the key prompt");
        send(t.master, " ");
        if (t.waitFor("ZAHL dazu eingibst:") == Clock::time_point{}) return stuck(t, "the menu");
        if (run == 0) {
            const double before = cpuSeconds(t.pid);
            const auto end = Clock::now() + std::chrono::seconds(10);
            while (Clock::now() < end) {
                t.readSome(static_cast<int>(millisecondsBetween(Clock::now(), end)) + 1);
            }
            idleCpu = cpuSeconds(t.pid) - before;
        }
        send(t.master, "10\n");
        ::waitpid(t.pid, nullptr, 0);
        ::close(t.master);
    }
    printSpread("overshoot of a 3000 ms pause", overshoots, "ms");
    std::printf("CPU time during 10 s at the menu prompt: %.2f s\n", idleCpu);
    return 0;
}

int wholeGame(const char* game, const char* folder) {
    const auto start = Clock::now();
    const pid_t pid = startPiped(game, folder, STDIN_FILENO, -1);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::printf("peak memory %.1f MB, CPU %.2f s, %.1f s wall, exit status %d\n",
                static_cast<double>(usage.ru_maxrss) / 1024.0, cpu,
                millisecondsBetween(start, Clock::now()) / 1000.0, WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: figures startup|screens <game> <folder> [runs]\n"
                             "       figures game <game> <folder> < input\n");
        return 2;
    }
    const std::string what = argv[1];
    // The game starts in the folder, so its path must not be relative.
    char* game = ::realpath(argv[2], nullptr);
    if (game == nullptr) {
        std::perror(argv[2]);
        return 2;
    }
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 30;
    int result = 2;
    if (what == "startup") result = startup(game, argv[3], runs);
    if (what == "screens") result = screens(game, argv[3], runs);
    if (what == "game") result = wholeGame(game, argv[3]);
    std::free(game);
    return result;
}
