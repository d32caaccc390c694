// What the consoles' own operations share: the platform supplies only what
// differs (how to sleep).
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

// Flushes standard output, then waits at least `milliseconds` on the
// monotonic clock, sleeping with `sleep` as often as it takes; at once when
// pauses are skipped.
void pauseOnSteadyClock(std::int64_t milliseconds, const std::function<void(std::chrono::milliseconds)>& sleep);

// Makes the German locale the global one where the runtime knows it, or
// else the most general UTF-8 or default locale it knows: the game works
// in any of them, so start-up never stops over it.
void useGermanLocaleWhereKnown();
