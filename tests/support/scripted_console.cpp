#include "support/scripted_console.h"

#include <iostream>
#include <stdexcept>

#include "console/console.h"

namespace scripted {
namespace {

ConsoleScript currentScript;

std::string& transcriptTarget() { return currentScript.transcript; }
std::string& errorTarget() { return currentScript.errors; }

// Unbuffered sink that appends straight to a string, so text and console
// events keep their order in the transcript.
class AppendBuffer : public std::streambuf {
public:
    explicit AppendBuffer(std::string& (*target)()) : target_(target) {}

protected:
    int_type overflow(int_type ch) override {
        if (ch != traits_type::eof()) append(std::string(1, static_cast<char>(ch)));
        return traits_type::not_eof(ch);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        append(std::string(s, static_cast<std::size_t>(n)));
        return n;
    }

private:
    void append(const std::string& text) {
        if (target_ == transcriptTarget && !currentScript.keepTranscript) return;
        target_() += text;
    }
    std::string& (*target_)();
};

}  // namespace

namespace {

AppendBuffer outBuffer(transcriptTarget);
AppendBuffer errBuffer(errorTarget);

// Console events bypass the stream so that the run-away guard can throw
// without the stream swallowing the exception.
void event(const std::string& text) {
    if (!currentScript.keepTranscript) return;
    currentScript.transcript += "{" + text + "}";
    if (static_cast<std::int64_t>(currentScript.transcript.size()) > currentScript.transcriptLimit) {
        throw std::runtime_error("transcript limit exceeded: the game seems to loop");
    }
}

const char* colourName(TextColour colour) {
    switch (colour) {
        case TextColour::Golden: return "Golden";
        case TextColour::Normal: return "Normal";
        case TextColour::Green: return "Green";
        case TextColour::Red: return "Red";
        case TextColour::Yellow: return "Yellow";
    }
    return "?";
}

}  // namespace

ConsoleScript& script() { return currentScript; }

ScriptedSession::ScriptedSession(std::string input)
    : savedOut(std::cout.rdbuf(&outBuffer)),
      savedErr(std::cerr.rdbuf(&errBuffer)),
      savedIn(std::cin.rdbuf()),
      input_(std::move(input)) {
    currentScript = ConsoleScript{};
    std::cin.rdbuf(input_.rdbuf());
    std::cin.clear();
}

ScriptedSession::~ScriptedSession() {
    std::cout.rdbuf(savedOut);
    std::cerr.rdbuf(savedErr);
    std::cin.rdbuf(savedIn);
    std::cin.clear();
}

void ScriptedSession::setInput(std::string input) {
    input_.str(std::move(input));
    input_.clear();
    std::cin.clear();
}

std::string ScriptedSession::take() {
    std::string out;
    out.swap(currentScript.transcript);
    return out;
}

}  // namespace scripted

using scripted::currentScript;
using scripted::event;

void enterFullScreen() {
    if (!currentScript.hasConsoleWindow) {
        std::cerr << "Fehler: Konnte das Konsolenfenster nicht abrufen.\n";
        return;
    }
    event("fullscreen");
}

void setFontHeight(std::int16_t height) { event("font " + std::to_string(height)); }
void selectUtf8CodePage() { event("codepage"); }
void setGermanLocale() { event("locale"); }
void setTextColour(TextColour colour) { event(scripted::colourName(colour)); }
void clearScreen() { event("clear"); }

void waitForKey() {
    if (currentScript.lineInputDepth != 0) throw std::logic_error("key wait during a line read");
    ++currentScript.keyWaits;
    event("key");
    if (currentScript.onKeyWait) currentScript.onKeyWait();
}

void pauseMs(std::int64_t milliseconds) {
    currentScript.clockMs += milliseconds;
    event("pause " + std::to_string(milliseconds));
}

void playSound(const std::string& fileName) {
    event("sound " + fileName);
    if (currentScript.missingSounds.count(fileName) != 0) {
        std::cerr << "Fehler: Konnte Sound nicht abspielen. Prüfen Sie den Dateipfad.\n";
    }
}

void quitProgram() {
    std::cout << "Das Programm wird beendet...\n";
    event("quit");
    throw ProgramQuit{};
}

void beginLineInput() { ++currentScript.lineInputDepth; }
void endLineInput() { --currentScript.lineInputDepth; }
