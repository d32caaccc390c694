#include <cstdlib>
#include <exception>
#include <iostream>
#include <vector>

#include "console/io/console_streams.h"
#include "console/layout/visible_text.h"
#include "frontend/command_line.h"
#include "frontend/entry_point.h"
#include "frontend/version.h"
#include "state/player_files.h"
#include "state/save_file.h"
#include "story/passages.h"

namespace {

// The message for a transcript that does not start, with its line end.
std::string transcriptRefusal(AppendFile::Opened why, const std::string& file) {
    namespace text = passages::messages;
    const std::string named = visibleText(file);
    switch (why) {
        case AppendFile::Opened::KeptFile: return textOf(text::transcript_kept_file, {{"file", named}});
        case AppendFile::Opened::NotAFile: return textOf(text::transcript_not_a_file, {{"file", named}});
        default: return textOf(text::transcript_not_opened, {{"file", named}});
    }
}

}  // namespace

int main(int argc, char** argv) {
    try {
        std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
        CommandLine line = parseCommandLine(
            arguments, {std::getenv("TERM"), std::getenv("NO_COLOR"), std::getenv("HULGOR_LANG")});
        chooseStoryLanguage(line.language);
        fillConsoleMessages();
        switch (line.action) {
            case CommandLine::Action::Help: std::cout << helpText(); return 0;
            case CommandLine::Action::Version:
                std::cout << textOf(passages::messages::version_line, {{"version", GameVersion}});
                return 0;
            case CommandLine::Action::Refuse: std::cerr << refusalText(line); return 2;
            case CommandLine::Action::Play: break;
        }
        // A console may have chosen already (the browser page's settings);
        // the options add to that.
        DisplayOptions& shown = displayOptions();
        shown.plain = shown.plain || line.display.plain;
        shown.colours = shown.colours && line.display.colours;
        shown.fast = shown.fast || line.display.fast;
        shown.sound = shown.sound && line.display.sound;
        const AppendFile::Opened opened =
            installSharedFilters(line.transcript, {SaveFileName, NameFileName, PermadeathFileName});
        if (opened != AppendFile::Opened::Yes) {
            std::cerr << transcriptRefusal(opened, line.transcript);
            return 2;
        }
        return runEntryPoint();
    } catch (const std::exception& error) {
        try {
            std::cerr << textOf(passages::messages::failure, {{"why", error.what()}});
        } catch (const std::exception&) {
            std::cerr << error.what() << '\n';  // the script itself failed
        }
        return 1;
    }
}
