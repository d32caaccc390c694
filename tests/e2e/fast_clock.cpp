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

template <typename Function>
Function real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

int clock_gettime(clockid_t clock, timespec* now) {
    static auto next = real<int (*)(clockid_t, timespec*)>("clock_gettime");
    int result = next(clock, now);
    std::int64_t shifted = std::int64_t{now->tv_sec} * 1'000'000'000 + now->tv_nsec + skippedNs.load();
    now->tv_sec = static_cast<time_t>(shifted / 1'000'000'000);
    now->tv_nsec = static_cast<long>(shifted % 1'000'000'000);
    return result;
}

int nanosleep(const timespec* length, timespec* remaining) {
    skippedNs += std::int64_t{length->tv_sec} * 1'000'000'000 + length->tv_nsec;
    if (remaining != nullptr) *remaining = timespec{};
    return 0;
}

int fsync(int fd) {
    static auto next = real<int (*)(int)>("fsync");
    if (getenv("HULGOR_SLOW_FSYNC") != nullptr) poll(nullptr, 0, 300);
    return next(fd);
}
}
