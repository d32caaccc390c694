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
        displayOptions() = line.display;
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
