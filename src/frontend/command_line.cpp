#include "frontend/command_line.h"

#include "console/layout/visible_text.h"
#include "console/sound/sound_player.h"
#include "story/passages.h"

namespace text = passages::messages;

std::string helpText() {
    // Where the sounds are looked for: the working folder first, then the
    // folder this build names, if any.
    const SoundSearch search = soundSearch();
    std::string folders;
    if (!search.plays) folders = textOf(text::help_no_sounds);
    else if (search.besideProgram) folders = textOf(text::help_sounds_beside_program);
    else if (!search.installed.empty()) folders = textOf(text::help_sounds_installed, {{"folder", search.installed}});
    else folders = textOf(text::help_sounds_here);
    return std::string(textOf(text::help)) + folders;
}

CommandLine parseCommandLine(std::span<const std::string_view> arguments, const char* term, const char* noColour) {
    CommandLine line;
    line.display.plain = term != nullptr && std::string_view(term) == "dumb";
    line.display.colours = noColour == nullptr || *noColour == '\0';
    auto refuse = [&line](const std::string& why) {
        line.action = CommandLine::Action::Refuse;
        line.refusal = textOf(text::refusal, {{"why", why}});
        return line;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        if (argument == "--plain") {
            line.display.plain = true;
        } else if (argument == "--fast") {
            line.display.fast = true;
        } else if (argument == "--no-sound") {
            line.display.sound = false;
        } else if (argument == "--help" || argument == "-h") {
            line.action = CommandLine::Action::Help;
        } else if (argument == "--version") {
            if (line.action != CommandLine::Action::Help) line.action = CommandLine::Action::Version;
        } else if (argument == "--transcript" || argument.starts_with("--transcript=")) {
            std::string_view file = argument.substr(std::min(argument.size(), std::size_t{13}));
            if (argument == "--transcript") file = i + 1 < arguments.size() ? arguments[++i] : "";
            if (file.empty()) return refuse(std::string(textOf(text::transcript_needs_file)));
            line.transcript = file;
        } else {
            return refuse(textOf(text::unknown_option, {{"argument", visibleText(argument)}}));
        }
    }
    return line;
}
