// The one place where the standard streams get their buffers: the
// platform's own at start-up, with the filters every console shares in
// front (line wrapping with the pager), and later filters stacked on them
// (the transcript).
#pragma once

#include <functional>
#include <initializer_list>
#include <streambuf>
#include <string>

#include "console/append_file.h"

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

// The filters every console shares above the platform's, installed once by
// the game before it prints: the transcript into `transcriptFile` (none when
// empty; never into one of `keptFiles`), then, in front of it, the marks of
// text shown without colours, so the transcript keeps them as shown. When
// the transcript is refused nothing is installed, and the answer says why.
AppendFile::Opened installSharedFilters(const std::string& transcriptFile,
                                        std::initializer_list<const char*> keptFiles);
