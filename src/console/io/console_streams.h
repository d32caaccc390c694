// The one place where the standard streams get their buffers: the
// platform's own at start-up, with the filters every console shares in
// front (line wrapping with the pager), and later filters stacked on them
// (the transcript).
#pragma once

#include <functional>
#include <streambuf>

#include "console/platform_streams.h"

class LineWrap;
class Pager;

// The filters installed for a window; null where output is not one (no
// wrapping), or no key can be waited for (no paging).
struct OutputLayout {
    LineWrap* wrap = nullptr;
    Pager* pager = nullptr;
};

// Called once by the platform, before the game prints anything.
OutputLayout installConsoleStreams(const PlatformStreams& platform);

// Makes a filter in front of the buffer it is given.
using StreamFilter = std::function<std::streambuf*(std::streambuf* next)>;

// Puts `output` in front of standard output and `input` in front of
// standard input (an empty one leaves that stream alone). The filters live
// until the process ends, so the streams can be flushed at exit.
void stackStreamFilters(const StreamFilter& output, const StreamFilter& input);
