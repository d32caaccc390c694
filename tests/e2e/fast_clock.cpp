// Preloaded into the real game binary by the end-to-end tests: sleeps return
// at once and the clocks jump ahead by the time slept, so the game's pauses
// keep their length as the game measures it, while the tests do not wait.
// With HULGOR_SLOW_FSYNC set, every fsync takes 300 ms of real time, so a
// test can catch the game in the middle of a save.
#include <dlfcn.h>
#include <poll.h>
#include <stdlib.h>
#include <time.h>

#include <atomic>
#include <cstdint>

namespace {

std::atomic<std::int64_t> skippedNs{0};

using ClockGettime = int (*)(clockid_t, timespec*);

std::int64_t toNs(const timespec& t) { return std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec; }

}  // namespace

extern "C" {

int clock_gettime(clockid_t clock, timespec* now) {
    static auto real = reinterpret_cast<ClockGettime>(dlsym(RTLD_NEXT, "clock_gettime"));
    int result = real(clock, now);
    if (result == 0) {
        std::int64_t shifted = toNs(*now) + skippedNs.load();
        now->tv_sec = static_cast<time_t>(shifted / 1'000'000'000);
        now->tv_nsec = static_cast<long>(shifted % 1'000'000'000);
    }
    return result;
}

int nanosleep(const timespec* length, timespec* remaining) {
    if (length != nullptr) skippedNs += toNs(*length);
    if (remaining != nullptr) *remaining = timespec{};
    return 0;
}

int clock_nanosleep(clockid_t clock, int flags, const timespec* length, timespec* remaining) {
    if (length == nullptr) return 0;
    if ((flags & TIMER_ABSTIME) != 0) {
        timespec now{};
        clock_gettime(clock, &now);
        if (toNs(*length) > toNs(now)) skippedNs += toNs(*length) - toNs(now);
    } else {
        skippedNs += toNs(*length);
    }
    if (remaining != nullptr) *remaining = timespec{};
    return 0;
}

int fsync(int fd) {
    static auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    if (getenv("HULGOR_SLOW_FSYNC") != nullptr) poll(nullptr, 0, 300);
    return real(fd);
}
}
