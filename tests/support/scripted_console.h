// A console for tests: pauses run on a virtual clock, every key wait is
// answered at once, and everything the game does on screen is recorded, in
// order, in one transcript. Text appears as written; console events appear in braces:
//   {Golden} {Normal} {Green} {Red} {Yellow}   colour changes
//   {clear} {key} {pause 3000} {font 55} {sound intro.wav}
//   {fullscreen} {codepage} {locale}
// quitProgram writes its farewell line, records {quit} and throws
// ProgramQuit, so a test sees the end of the program without ending itself.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <sstream>
#include <string>

struct ProgramQuit {};

namespace scripted {

struct ConsoleScript {
    std::string transcript;        // standard output and console events
    std::string errors;            // standard error
    std::int64_t clockMs = 0;      // virtual monotonic clock
    std::int64_t keyWaits = 0;     // key waits performed
    std::set<std::string> missingSounds; // sound files that fail to play
    bool hasConsoleWindow = true;
    int lineInputDepth = 0;        // begin/endLineInput balance
    std::int64_t transcriptLimit = 64 << 20;  // guards against run-away loops
    std::function<void()> onKeyWait;  // runs at every key wait, before it ends
    bool keepTranscript = true;    // false: standard output is dropped
};

// The script of the console currently in use.
ConsoleScript& script();

// Routes std::cout, std::cerr and std::cin to the script for its lifetime
// and resets the script. `input` is what the player types on standard input.
class ScriptedSession {
public:
    explicit ScriptedSession(std::string input = "");
    ~ScriptedSession();
    ScriptedSession(const ScriptedSession&) = delete;
    ScriptedSession& operator=(const ScriptedSession&) = delete;

    // Replaces what is left on standard input.
    void setInput(std::string input);
    // The transcript so far, then cleared.
    std::string take();

private:
    std::streambuf* savedOut;
    std::streambuf* savedErr;
    std::streambuf* savedIn;
    std::istringstream input_;
};

}  // namespace scripted
