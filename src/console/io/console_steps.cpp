#include "console/io/console_steps.h"

#include <iostream>
#include <locale>
#include <exception>

#include "console/io/display_options.h"
#include "console/io/pause.h"

void pauseOnSteadyClock(std::int64_t milliseconds, const std::function<void(std::chrono::milliseconds)>& sleep) {
    std::cout.flush();
    if (displayOptions().fast) return;
    pauseUntilElapsed(milliseconds, [] { return std::chrono::steady_clock::now(); }, sleep);
}

void useGermanLocaleWhereKnown() {
    // ".UTF-8": the Windows runtime's name for the user's own UTF-8 locale.
    for (const char* name : {"de_DE.UTF-8", "C.UTF-8", ".UTF-8", ""}) {
        try {
            std::locale::global(std::locale(name));
            return;
        } catch (const std::exception&) {
            // not installed here: try the next one
        }
    }
    std::locale::global(std::locale::classic());
}
