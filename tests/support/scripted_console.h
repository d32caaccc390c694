// A console for tests: pauses pass at once on a virtual clock, every key
// wait is answered at once, and everything the game does on screen is
// recorded, in order, in one transcript. Text appears as written; console
// events appear in braces:
//   {Golden} {Normal} {Green} {Red} {Yellow}   colour changes
//   {clear} {key} {pause 3000} {font 55} {sound intro.wav}
//   {fullscreen} {codepage} {locale}
// The locale it sets groups digits, as the German one does.
// quitProgram writes its farewell line, records {quit} and throws
// ProgramQuit, so a test sees the end of the program without ending itself.
#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "console/console.h"
#include "story/language.h"

struct ProgramQuit {};

namespace scripted {

struct ConsoleScript {
    std::string transcript;                  // standard output and console events
    std::string errors;                      // standard error
    std::string colour = "console default";  // the colour in force
    // Each colour set, and where in the transcript: what the player typed
    // can look like a colour event there, but never lands in this list.
    std::vector<std::pair<std::size_t, std::string>> colourEvents;
    std::set<std::string> missingSounds;     // sound files that fail to play
    bool hasConsoleWindow = true;
    WindowSize window;                       // columns and rows; 0: output to a file or pipe
    bool keepTranscript = true;              // false: standard output is dropped
    std::size_t transcriptLimit = 64 << 20;  // guards against run-away loops
    int lineInputDepth = 0;                  // begin/endLineInput balance
    std::function<void()> onKeyWait;         // runs at every key wait
    std::function<void()> onWrite;           // runs after each write to standard output
    // Asked for the next typed line whenever the game has read all typed so
    // far (without its line end); nothing: standard input has ended.
    std::function<std::optional<std::string>()> nextLine = [] { return std::nullopt; };
};

// The script of the console currently in use.
ConsoleScript& script();

// Routes std::cout, std::cerr and std::cin to a fresh script for its
// lifetime.
class ScriptedSession {
public:
    ScriptedSession();
    ~ScriptedSession();
    ScriptedSession(const ScriptedSession&) = delete;
    ScriptedSession& operator=(const ScriptedSession&) = delete;

private:
    std::streambuf* savedOut_;
    std::streambuf* savedErr_;
    std::streambuf* savedIn_;
};

}  // namespace scripted

// The game speaks `language` while this lives; a session started meanwhile
// takes its console lines in it too.
class StoryLanguage {
public:
    explicit StoryLanguage(Language language) : before_(storyLanguage()) { chooseStoryLanguage(language); }
    ~StoryLanguage() { chooseStoryLanguage(before_); }
    StoryLanguage(const StoryLanguage&) = delete;
    StoryLanguage& operator=(const StoryLanguage&) = delete;

private:
    Language before_;
};
