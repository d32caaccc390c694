#include "console/io/console_streams.h"

#include <iostream>

#include "console/io/plain_marks.h"
#include "console/io/transcript.h"
#include "console/layout/line_wrap.h"

OutputLayout installConsoleStreams(const PlatformStreams& platform) {
    if (platform.output != nullptr) std::cout.rdbuf(platform.output);
    if (platform.errors != nullptr) std::cerr.rdbuf(platform.errors);
    if (platform.input != nullptr) std::cin.rdbuf(platform.input);
    if (!platform.outputIsWindow) return {};
    // Lives until the process ends.
    auto* wrapped = platform.showMore ? new WrappedPagedOutput(std::cout.rdbuf(), platform.columns, platform.rows,
                                                               platform.showMore)
                                      : new WrappedPagedOutput(std::cout.rdbuf(), platform.columns);
    std::cout.rdbuf(wrapped);
    return {&wrapped->wrap(), wrapped->pager()};
}

void stackStreamFilters(const StreamFilter& output, const StreamFilter& input) {
    if (output) std::cout.rdbuf(output(std::cout.rdbuf()));
    if (input) std::cin.rdbuf(input(std::cin.rdbuf()));
}

AppendFile::Opened installSharedFilters(const std::string& transcriptFile,
                                        std::initializer_list<const char*> keptFiles) {
    if (!transcriptFile.empty()) {
        const AppendFile::Opened opened = startTranscript(transcriptFile, keptFiles);
        if (opened != AppendFile::Opened::Yes) return opened;
    }
    installPlainMarks(std::cout);
    return AppendFile::Opened::Yes;
}
