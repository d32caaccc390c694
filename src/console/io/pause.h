// A pause that is never shorter than asked, even when a sleep returns early.
#pragma once

#include <chrono>
#include <cstdint>

template <typename Clock, typename Sleep>
void pauseUntilElapsed(std::int64_t duration, Clock now, Sleep sleepFor) {
    auto deadline = now() + std::chrono::milliseconds(duration < 0 ? 0 : duration);
    for (auto current = now(); current < deadline; current = now()) {
        sleepFor(std::chrono::ceil<std::chrono::milliseconds>(deadline - current));
    }
}
