#include "frontend/command_line.h"

#include <optional>

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

std::string refusalText(const CommandLine& line) {
    const std::string named = visibleText(line.refused);
    switch (line.refusal) {
        case CommandLine::Refusal::UnknownLanguage:
            // Nobody knows yet which language the player reads.
            return textOf(text::unknown_language, {{"argument", named}}, Language::German) +
                   textOf(text::unknown_language, {{"argument", named}}, Language::English);
        case CommandLine::Refusal::TranscriptNeedsFile:
            return textOf(text::refusal, {{"why", std::string(textOf(text::transcript_needs_file))}});
        default: return textOf(text::refusal, {{"why", textOf(text::unknown_option, {{"argument", named}})}});
    }
}

CommandLine parseCommandLine(std::span<const std::string_view> arguments, Environment environment) {
    CommandLine line;
    line.display.plain = environment.term != nullptr && std::string_view(environment.term) == "dumb";
    line.display.colours = environment.noColour == nullptr || *environment.noColour == '\0';
    // The first mistake is the one refused; the arguments after it are still
    // read, so that its message is in the language they ask for.
    auto refuse = [&line](CommandLine::Refusal why, std::string_view what) {
        if (line.refusal != CommandLine::Refusal::None) return;
        line.refusal = why;
        line.refused = what;
    };
    bool languageGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        // Options that take a value: "--transcript FILE" or "--transcript=FILE".
        auto value = [&](std::string_view option) -> std::optional<std::string_view> {
            if (argument == option) return i + 1 < arguments.size() ? arguments[++i] : std::string_view();
            if (argument.starts_with(option) && argument.substr(option.size()).starts_with('=')) {
                return argument.substr(option.size() + 1);
            }
            return std::nullopt;
        };
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
        } else if (auto file = value("--transcript")) {
            if (file->empty()) refuse(CommandLine::Refusal::TranscriptNeedsFile, "");
            line.transcript = *file;
        } else if (auto code = value("--lang")) {
            languageGiven = true;
            if (auto chosen = languageCalled(*code)) line.language = *chosen;
            else refuse(CommandLine::Refusal::UnknownLanguage, *code);
        } else {
            refuse(CommandLine::Refusal::UnknownOption, argument);
        }
    }
    // The option wins over the variable; an empty variable counts as unset,
    // as an empty NO_COLOR does.
    if (!languageGiven && environment.language != nullptr && *environment.language != '\0') {
        if (auto chosen = languageCalled(environment.language)) line.language = *chosen;
        else refuse(CommandLine::Refusal::UnknownLanguage, environment.language);
    }
    if (line.refusal != CommandLine::Refusal::None) line.action = CommandLine::Action::Refuse;
    return line;
}
