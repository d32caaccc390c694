#include <gtest/gtest.h>

#include <vector>

#include "frontend/command_line.h"

// Options and environment: what the game does, how it shows itself, and the
// German message for what it does not know.
TEST(CommandLine, OptionsAndEnvironment) {
    using Action = CommandLine::Action;
    struct Case {
        std::vector<std::string_view> arguments;
        const char *term, *noColour;
        Action action;
        bool plain, colours, fast, sound;
        std::string transcript, refusal;
    };
    const std::string more = "\nMit --help siehst du alle Optionen.\n";
    const std::vector<Case> cases{
        {{}, "xterm-256color", nullptr, Action::Play, false, true, false, true, "", ""},
        {{"--plain", "--fast"}, nullptr, nullptr, Action::Play, true, true, true, true, "", ""},
        {{"--no-sound"}, nullptr, nullptr, Action::Play, false, true, false, false, "", ""},
        {{}, "dumb", nullptr, Action::Play, true, true, false, true, "", ""},
        {{}, "xterm", "1", Action::Play, false, false, false, true, "", ""},
        {{}, "xterm", "", Action::Play, false, true, false, true, "", ""},  // empty: not set
        {{"--transcript", "mit schrift.txt"}, nullptr, nullptr, Action::Play, false, true, false, true,
         "mit schrift.txt", ""},
        {{"--transcript=log.txt"}, nullptr, nullptr, Action::Play, false, true, false, true, "log.txt", ""},
        {{"--version", "--help"}, nullptr, nullptr, Action::Help, false, true, false, true, "", ""},
        {{"--version"}, nullptr, nullptr, Action::Version, false, true, false, true, "", ""},
        {{"--transcript"}, nullptr, nullptr, Action::Refuse, false, true, false, true, "",
         "hulgor: --transcript braucht einen Dateinamen." + more},
        {{"--fast", "-x"}, nullptr, nullptr, Action::Refuse, false, true, true, true, "",
         "hulgor: unbekannte Option „-x“." + more},
        {{"\x1b]0;x\x07\x7f\xc2\x9b\xff"}, nullptr, nullptr, Action::Refuse, false, true, false, true, "",
         "hulgor: unbekannte Option „^[]0;x^G^?\xEF\xBF\xBD\xEF\xBF\xBD“." + more},  // nothing reaches the terminal
        {{"\xfc\x80\x80\x80"}, nullptr, nullptr, Action::Refuse, false, true, false, true, "",  // no lead byte of UTF-8
         "hulgor: unbekannte Option „\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD“." + more},
    };
    for (const Case& c : cases) {
        CommandLine line = parseCommandLine(c.arguments, c.term, c.noColour);
        SCOPED_TRACE(c.arguments.empty() ? "no options" : std::string(c.arguments[0]));
        EXPECT_EQ(line.action, c.action);
        EXPECT_EQ(line.display.plain, c.plain);
        EXPECT_EQ(line.display.colours, c.colours);
        EXPECT_EQ(line.display.fast, c.fast);
        EXPECT_EQ(line.display.sound, c.sound);
        EXPECT_EQ(line.transcript, c.transcript);
        EXPECT_EQ(line.refusal, c.refusal);
    }
}
