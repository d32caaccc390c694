#include <cstdlib>
#include <exception>
#include <iostream>
#include <vector>

#include "console/transcript.h"
#include "frontend/command_line.h"
#include "frontend/entry_point.h"
#include "frontend/version.h"

int main(int argc, char** argv) {
    try {
        std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
        CommandLine line = parseCommandLine(arguments, std::getenv("TERM"), std::getenv("NO_COLOR"));
        switch (line.action) {
            case CommandLine::Action::Help: std::cout << HelpText; return 0;
            case CommandLine::Action::Version: std::cout << "Version: " << GameVersion << '\n'; return 0;
            case CommandLine::Action::Refuse: std::cerr << line.refusal; return 2;
            case CommandLine::Action::Play: break;
        }
        // A console may have chosen already (the browser page's settings);
        // the options add to that.
        DisplayOptions& shown = displayOptions();
        shown.plain = shown.plain || line.display.plain;
        shown.colours = shown.colours && line.display.colours;
        shown.fast = shown.fast || line.display.fast;
        shown.sound = shown.sound && line.display.sound;
        if (!line.transcript.empty() && !startTranscript(line.transcript)) {
            std::cerr << "hulgor: Die Mitschrift „" << line.transcript << "“ lässt sich nicht öffnen.\n";
            return 2;
        }
        return runEntryPoint();
    } catch (const std::exception& error) {
        std::cerr << "Fehler: " << error.what() << '\n';
        return 1;
    }
}
