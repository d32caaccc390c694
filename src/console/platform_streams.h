// What a platform tells the portable part (io/console_streams.h) about its
// standard streams at start-up; the portable part puts the filters every
// console shares in front of them.
#pragma once

#include <cstddef>
#include <functional>
#include <streambuf>

struct PlatformStreams {
    // The platform's own buffers behind standard output, error and input;
    // null keeps the C runtime's. They live until the process ends.
    std::streambuf* output = nullptr;
    std::streambuf* errors = nullptr;
    std::streambuf* input = nullptr;
    // Standard output shows in a window: its text is wrapped to `columns`,
    // and paged to `rows` when `showMore` is given as well. Both are asked
    // anew for every line, so a resized window is honoured; 0: unknown.
    bool outputIsWindow = false;
    std::function<std::size_t()> columns;
    std::function<std::size_t()> rows;
    // Shows the paging prompt on the empty row the cursor is on, waits for
    // a key pressed after it appeared and leaves the row empty again.
    std::function<void()> showMore;
};
