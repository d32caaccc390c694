#include "support/scripted_console.h"

#include <iostream>
#include <locale>
#include <map>
#include <stdexcept>

#include "console/console.h"
#include "console/io/console_messages.h"
#include "console/io/plain_marks.h"
#include "console/sound/sound_player.h"
#include "story/script.h"

namespace scripted {
namespace {

ConsoleScript current;

// Unbuffered sink that appends straight to the script, so text and console
// events keep their order in the transcript.
class AppendBuffer : public std::streambuf {
public:
    explicit AppendBuffer(std::string ConsoleScript::*target) : target_(target) {}

protected:
    int_type overflow(int_type ch) override {
        char byte = static_cast<char>(ch);
        if (ch != traits_type::eof()) xsputn(&byte, 1);
        return traits_type::not_eof(ch);
    }
    std::streamsize xsputn(const char* text, std::streamsize size) override {
        if (target_ == &ConsoleScript::errors || current.keepTranscript) {
            (current.*target_).append(text, static_cast<std::size_t>(size));
        }
        if (target_ == &ConsoleScript::transcript && current.onWrite) current.onWrite();
        return size;
    }

private:
    std::string ConsoleScript::*target_;
};

// Standard input, a line from the script's nextLine at a time.
class LineInput : public std::streambuf {
public:
    void restart() {
        setg(nullptr, nullptr, nullptr);
        ended_ = false;
    }

protected:
    int_type underflow() override {
        std::optional<std::string> line = ended_ ? std::nullopt : current.nextLine();
        if ((ended_ = !line)) return traits_type::eof();
        line_ = *line + "\n";
        setg(line_.data(), line_.data(), line_.data() + line_.size());
        return traits_type::to_int_type(line_[0]);
    }

private:
    std::string line_;
    bool ended_ = false;
};

AppendBuffer outBuffer(&ConsoleScript::transcript);
AppendBuffer errBuffer(&ConsoleScript::errors);
LineInput inBuffer;

// Console events bypass the stream so that the run-away guard can throw
// without the stream swallowing the exception.
void event(const std::string& text) {
    if (!current.keepTranscript) return;
    current.transcript += "{" + text + "}";
    if (current.transcript.size() > current.transcriptLimit) {
        throw std::runtime_error("transcript limit exceeded: the game seems to loop");
    }
}

}  // namespace

ConsoleScript& script() { return current; }

ScriptedSession::ScriptedSession()
    : savedOut_(std::cout.rdbuf(&outBuffer)),
      savedErr_(std::cerr.rdbuf(&errBuffer)),
      savedIn_(std::cin.rdbuf(&inBuffer)) {
    current = ConsoleScript{};
    fillConsoleMessages();
    installPlainMarks(std::cout);
    inBuffer.restart();
    std::cin.clear();
}

ScriptedSession::~ScriptedSession() {
    std::locale::global(std::locale::classic());
    std::cout.rdbuf(savedOut_);
    std::cerr.rdbuf(savedErr_);
    std::cin.rdbuf(savedIn_);
    std::cin.clear();
}

}  // namespace scripted

using scripted::current;
using scripted::event;

void enterFullScreen() {
    if (current.hasConsoleWindow) event("fullscreen");
    else std::cerr << consoleMessages().noConsoleWindow;
}

void setFontHeight(std::int16_t height) { event("font " + std::to_string(height)); }
void selectUtf8CodePage() { event("codepage"); }
// The German locale groups digits ("1.234.567"); the game must never let
// that reach its files.
void setGermanLocale() {
    struct GermanNumbers : std::numpunct<char> {
        char do_thousands_sep() const override { return '.'; }
        char do_decimal_point() const override { return ','; }
        std::string do_grouping() const override { return "\3"; }
    };
    std::locale::global(std::locale(std::locale::classic(), new GermanNumbers));
    event("locale");
}
void clearScreen() { event("clear"); }
void pauseMs(std::int64_t milliseconds) { event("pause " + std::to_string(milliseconds)); }
WindowSize windowSize() { return current.window; }

void beginLineInput() { ++current.lineInputDepth; }
void endLineInput() { --current.lineInputDepth; }

void setTextColour(TextColour colour) {
    static const std::map<TextColour, std::string> names{{TextColour::Golden, "Golden"}, {TextColour::Normal, "Normal"},
        {TextColour::Green, "Green"}, {TextColour::Red, "Red"}, {TextColour::Yellow, "Yellow"}};
    current.colour = names.at(colour);
    if (current.keepTranscript) current.colourEvents.emplace_back(current.transcript.size(), current.colour);
    event(current.colour);
}

void waitForKey() {
    if (current.lineInputDepth != 0) throw std::logic_error("key wait during a line read");
    event("key");
    if (current.onKeyWait) current.onKeyWait();
}

SoundSearch soundSearch() { return {}; }

void playSound(const std::string& fileName) {
    event("sound " + fileName);
    if (current.missingSounds.count(fileName) != 0) {
        std::cerr << consoleMessages().soundFailed;
    }
}

void quitProgram() {
    std::cout << consoleMessages().quit;
    event("quit");
    throw ProgramQuit{};
}
