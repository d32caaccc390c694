// Printing a passage: its text and colours as written, the hero's name, and
// what only text without colours shows told to the output's plain marks
// (console/io/plain_marks.h), which set speech in quotation marks there.
#include <functional>
#include <utility>

#include "console/io/display_options.h"
#include "console/io/plain_marks.h"
#include "console/io/print.h"
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

// The line that explains golden options, with its three line ends. Printed
// in the normal colour that the line before it leaves in force.
void hintLine() {
    if (marksInWords()) {
        sayLine(PlainHintLine);
        lineEnds(2);
        return;
    }
    say("(Dialogoptionen, welche die Handlung weiterführen, werden in ");
    setColourInForce(TextColour::Golden);
    say("goldener ");
    setColourInForce(TextColour::Normal);
    say("Farbe angezeigt)");
    lineEnds(3);
}

std::function<void(const StoryEvent&)>& watcher() {
    static std::function<void(const StoryEvent&)> watch;
    return watch;
}

}  // namespace

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
            case Step::Kind::Text: {
                // Every line end flushes, as a line printed with its end does.
                std::string_view text = step.text;
                for (std::size_t end; (end = text.find('\n')) != std::string_view::npos; text.remove_prefix(end + 1)) {
                    sayLine(text.substr(0, end));
                }
                say(text);
                break;
            }
        }
    }
    storySignal(StorySignal::PassageEnds);
}
