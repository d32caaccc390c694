// Printing a passage: its text and colours as written, the hero's name, and
// what only text without colours shows told to the output's plain marks
// (console/io/plain_marks.h), which set speech in quotation marks there.
#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>

#include "console/io/display_options.h"
#include "console/io/plain_marks.h"
#include "console/io/print.h"
#include "story/passages.h"
#include "story/script.h"
#include "story/script_steps.h"
#include "story/visible_name.h"
#include "test_seam.h"

namespace {

StorySignal markSignal(const std::string& mark) {
    if (mark == "‚") return StorySignal::InnerQuoteOpens;
    if (mark == "‘") return StorySignal::InnerQuoteCloses;
    return StorySignal::NewQuotation;
}

// Prints text as a passage's lines: every line end flushes.
void sayLines(std::string_view text) {
    for (std::size_t end; (end = text.find('\n')) != std::string_view::npos; text.remove_prefix(end + 1)) {
        sayLine(text.substr(0, end));
    }
    say(text);
}

// The line that explains golden options, with its three line ends. Printed
// in the normal colour that the line before it leaves in force.
void hintLine() {
    namespace text = passages::messages;
    if (marksInWords()) {
        sayLine(textOf(text::plain_hint));
        lineEnds(2);
        return;
    }
    say(textOf(text::hint_before));
    setColourInForce(TextColour::Golden);
    say(textOf(text::hint_golden));
    setColourInForce(TextColour::Normal);
    say(textOf(text::hint_after));
    lineEnds(3);
}

std::function<void(const StoryEvent&)>& watcher() {
    static std::function<void(const StoryEvent&)> watch;
    return watch;
}

}  // namespace

const std::vector<Steps>& passagesOf(std::uint16_t file, Language language) {
    static const auto readAll = [](std::span<const StoryFile> files) {
        std::vector<std::vector<Steps>> all;
        for (const StoryFile& story : files) all.push_back(stepsOf(story.text));
        return all;
    };
    if (language == Language::English) {
        static const std::vector<std::vector<Steps>> translated = readAll(translatedStoryFiles);
        return translated.at(file);
    }
    static const std::vector<std::vector<Steps>> passages = readAll(storyFiles);
    return passages.at(file);
}

void reportStoryEvent(const StoryEvent& event) {
    if (watcher()) watcher()(event);
}

void testSeam::watchStory(std::function<void(const StoryEvent&)> watch) { watcher() = std::move(watch); }

void tell(PassageId passage) {
    reportStoryEvent({StoryEvent::Kind::Told, passage});
    storySignal(StorySignal::PassageBegins);
    for (const Step& step : passagesOf(passage.file).at(passage.passage)) {
        switch (step.kind) {
            case Step::Kind::Mark:
                storySignal(markSignal(step.text));
                break;
            case Step::Kind::Colour:
                setColourInForce(step.colour);
                break;
            case Step::Kind::Option:
                if (colourInForce() != step.colour) setColourInForce(step.colour);
                break;
            case Step::Kind::GoldenOptionEnds:
                storySignal(StorySignal::GoldenOptionEnds);
                break;
            case Step::Kind::Hint:
                hintLine();
                break;
            case Step::Kind::Name:
                storySignal(StorySignal::NameBegins);
                sayName();
                storySignal(StorySignal::NameEnds);
                break;
            case Step::Kind::Text: sayLines(step.text); break;
            case Step::Kind::Placeholder: throw std::logic_error("a story passage holds a placeholder");
        }
    }
    storySignal(StorySignal::PassageEnds);
}

std::string_view textOf(PassageId passage) { return textOf(passage, storyLanguage()); }

std::string_view textOf(PassageId passage, Language language) {
    const Steps& steps = passagesOf(passage.file, language).at(passage.passage);
    if (steps.size() != 1 || steps[0].kind != Step::Kind::Text) {
        throw std::logic_error("a passage of the frame holds more than plain text");
    }
    return steps[0].text;
}

std::string textOf(PassageId passage, std::initializer_list<Fill> fills, Language language) {
    std::string text;
    for (const Step& step : passagesOf(passage.file, language).at(passage.passage)) {
        if (step.kind == Step::Kind::Text) {
            text += step.text;
        } else if (step.kind == Step::Kind::Placeholder) {
            const Fill* fill = std::find_if(fills.begin(), fills.end(),
                                            [&](const Fill& f) { return f.placeholder == step.text; });
            if (fill == fills.end()) throw std::logic_error("no value for {" + step.text + "}");
            text += fill->value;
        } else {
            throw std::logic_error("a passage of the frame holds more than plain text");
        }
    }
    return text;
}

void sayText(PassageId passage) { sayLines(textOf(passage)); }

void sayText(PassageId passage, std::initializer_list<Fill> fills) { sayLines(textOf(passage, fills)); }
