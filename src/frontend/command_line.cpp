#include "frontend/command_line.h"

#include "console/layout/visible_text.h"
#include "console/sound/sound_player.h"

namespace {

const std::string_view HelpOptions =
    "Hulgor – der Barbar: ein Textabenteuer auf Deutsch für die Konsole.\n"
    "\n"
    "Aufruf: hulgor [OPTIONEN]\n"
    "\n"
    "  --plain             schlichter Text, etwa für Screenreader: keine Farben,\n"
    "                      kein Löschen des Bildschirms, wörtliche Rede in „…“,\n"
    "                      weiterführende Antworten in Worten markiert\n"
    "                      (ebenso mit TERM=dumb; NO_COLOR schaltet die Farben ab\n"
    "                      und markiert Rede und Antworten ebenso)\n"
    "  --transcript DATEI  eine Mitschrift an DATEI anhängen: alles, was das Spiel\n"
    "                      zeigt und du eingibst, ohne Steuerzeichen\n"
    "  --fast              Pausen und Ladeanimation ohne Warten\n"
    "  --no-sound          keine Klänge abspielen und keine Fehler dazu melden\n"
    "  --help              diese Hilfe\n"
    "  --version           die Version\n"
    "\n"
    "Das Spiel schreibt in den Ordner, in dem es gestartet wird:\n"
    "  savegame.txt    der Spielstand\n"
    "  name.txt        der Name deines Helden\n"
    "  permadeath.txt  ob Permadeath eingeschaltet ist\n";

}  // namespace

std::string helpText() {
    // Where the sounds are looked for: the working folder first, then the
    // folder this build names, if any.
    const SoundSearch search = soundSearch();
    std::string folders;
    if (!search.plays) folders = "Klänge spielt diese Ausgabe des Spiels nicht ab.\n";
    else if (search.besideProgram) folders = "Seine Klänge (.wav) sucht es zuerst dort, dann im Ordner von hulgor.exe.\n";
    else if (!search.installed.empty()) folders = "Seine Klänge (.wav) sucht es zuerst dort, dann in " + search.installed + ".\n";
    else folders = "Seine Klänge (.wav) sucht es im selben Ordner.\n";
    return std::string(HelpOptions) + folders;
}

CommandLine parseCommandLine(std::span<const std::string_view> arguments, const char* term, const char* noColour) {
    CommandLine line;
    line.display.plain = term != nullptr && std::string_view(term) == "dumb";
    line.display.colours = noColour == nullptr || *noColour == '\0';
    auto refuse = [&line](const std::string& why) {
        line.action = CommandLine::Action::Refuse;
        line.refusal = "hulgor: " + why + "\nMit --help siehst du alle Optionen.\n";
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
            if (file.empty()) return refuse("--transcript braucht einen Dateinamen.");
            line.transcript = file;
        } else {
            return refuse("unbekannte Option „" + visibleText(argument) + "“.");
        }
    }
    return line;
}
