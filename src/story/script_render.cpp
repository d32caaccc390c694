// Printing a passage: its text and colours as written, the hero's name, and
// what only text without colours shows told to the output's plain marks
// (console/io/plain_marks.h), which set speech in quotation marks there.
#include <algorithm>
#include <stdexcept>
#include <string>

#include "console/io/plain_marks.h"
#include "console/io/print.h"
#include "story/script.h"
#include "story/script_steps.h"
#include "story/visible_name.h"

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

}  // namespace

void tell(PassageId passage) {
    storySignal(StorySignal::PassageBegins);
    for (const Step& step : passagesOf(passage.file).at(passage.passage)) {
        switch (step.kind) {
            case Step::Kind::Mark:
                storySignal(markSignal(step.text));
                break;
            case Step::Kind::Colour:
                setColourInForce(step.colour);
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

std::string_view textOf(PassageId passage) {
    const Steps& steps = passagesOf(passage.file).at(passage.passage);
    if (steps.size() != 1 || steps[0].kind != Step::Kind::Text) {
        throw std::logic_error("a passage of the frame holds more than plain text");
    }
    return steps[0].text;
}

std::string textOf(PassageId passage, std::initializer_list<Fill> fills) {
    std::string text;
    for (const Step& step : passagesOf(passage.file).at(passage.passage)) {
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
