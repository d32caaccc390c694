#include "story/script.h"

#include <algorithm>
#include <initializer_list>
#include <iostream>
#include <optional>
#include <utility>

#include "console/console.h"
#include "console/io/display_options.h"
#include "console/io/print.h"
#include "story/scene.h"
#include "story/visible_name.h"

namespace {

// One step of a passage: text to print, a colour from here on, the name, or
// a quotation mark printed only where marks are in words.
struct Step {
    enum class Kind { Text, Colour, Name, Mark } kind;
    std::string text;
    TextColour colour = TextColour::Normal;
};

using Steps = std::vector<Step>;

std::optional<TextColour> colourTag(std::string_view tag) {
    if (tag == "speech") return TextColour::Yellow;
    if (tag == "option") return TextColour::Golden;
    if (tag == "good") return TextColour::Green;
    if (tag == "bad") return TextColour::Red;
    if (tag == "normal") return TextColour::Normal;
    return std::nullopt;
}

void addText(Steps& steps, std::string_view text) {
    if (text.empty()) return;
    if (steps.empty() || steps.back().kind != Step::Kind::Text) steps.push_back({Step::Kind::Text, {}});
    steps.back().text += text;
}

// Reads one line of text into `steps`; a mistake is returned as a message.
std::optional<std::string> readLine(std::string_view line, Steps& steps) {
    if (line == "~") {
        addText(steps, "\n");
        return std::nullopt;
    }
    const bool glued = line.ends_with('\\');
    if (glued) line.remove_suffix(1);
    if (!glued && (line.ends_with(' ') || line.ends_with('\t'))) {
        return "a blank at the end of a line is invisible: write {_}, or \\ to go on without a line end";
    }
    while (!line.empty()) {
        std::size_t open = line.find_first_of("{}");
        addText(steps, line.substr(0, open));
        if (open == std::string_view::npos) break;
        if (line[open] == '}') return "a } without its {";
        std::size_t close = line.find('}', open);
        if (close == std::string_view::npos) return "a { without its }";
        std::string_view tag = line.substr(open + 1, close - open - 1);
        if (auto colour = colourTag(tag)) {
            steps.push_back({Step::Kind::Colour, {}, *colour});
        } else if (tag == "name") {
            steps.push_back({Step::Kind::Name, {}});
        } else if (tag == "_") {
            addText(steps, " ");
        } else if (tag == "n") {
            addText(steps, "\n");
        } else if (tag == "‚" || tag == "‘" || tag == "„") {
            steps.push_back({Step::Kind::Mark, std::string(tag)});
        } else {
            return "unknown tag {" + std::string(tag) + "}";
        }
        line.remove_prefix(close + 1);
    }
    if (!glued) addText(steps, "\n");
    return std::nullopt;
}

bool isName(std::string_view name) {
    if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
    for (char c : name) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) return false;
    }
    return true;
}

// Reads a whole story file: its passages' steps, and what it says about them.
ReadStory read(std::string_view text, std::vector<Steps>* steps) {
    ReadStory story;
    int lineNumber = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (line.ends_with('\r')) line.remove_suffix(1);  // a checkout with Windows line ends
        auto mistake = [&](const std::string& what) {
            story.mistakes.push_back(std::to_string(lineNumber) + ": " + what);
        };
        if (line.empty() || line.starts_with('#')) continue;
        if (line.starts_with("===")) {
            std::string_view name = line.substr(std::min<std::size_t>(4, line.size()));
            if (!line.starts_with("=== ") || !isName(name)) mistake("a passage header reads \"=== name\"");
            for (const auto& passage : story.passages) {
                if (passage.name == name) mistake("passage " + std::string(name) + " is there twice");
            }
            story.passages.push_back({std::string(name), lineNumber});
            if (steps != nullptr) steps->emplace_back();
            continue;
        }
        if (story.passages.empty()) {
            mistake("text before the first passage");
            continue;
        }
        Steps ignored;
        if (auto what = readLine(line, steps != nullptr ? steps->back() : ignored)) mistake(*what);
    }
    for (std::size_t i = 0; steps != nullptr && i < steps->size(); ++i) {
        if ((*steps)[i].empty()) {
            story.mistakes.push_back(std::to_string(story.passages[i].line) + ": passage " + story.passages[i].name +
                                     " has no text");
        }
    }
    std::stable_sort(story.mistakes.begin(), story.mistakes.end(),
                     [](const std::string& a, const std::string& b) { return std::stoi(a) < std::stoi(b); });
    return story;
}

// Every story file's passages, read once at their first use.
const std::vector<Steps>& passagesOf(std::uint16_t file) {
    static const std::vector<std::vector<Steps>> passages = [] {
        std::vector<std::vector<Steps>> all(storyFiles.size());
        for (std::size_t i = 0; i < storyFiles.size(); ++i) read(storyFiles[i].text, &all[i]);
        return all;
    }();
    return passages[file];
}

}  // namespace

ReadStory readStory(std::string_view text) {
    std::vector<Steps> steps;
    return read(text, &steps);
}

namespace {

bool endsWithAny(std::string_view text, std::initializer_list<std::string_view> ends) {
    return std::any_of(ends.begin(), ends.end(), [text](std::string_view end) { return text.ends_with(end); });
}

// Whether a lower-case letter begins `text`: the start of a speaker tag.
bool startsLowerCase(std::string_view text) {
    return (!text.empty() && text[0] >= 'a' && text[0] <= 'z') || text.starts_with("ä") || text.starts_with("ö") ||
           text.starts_with("ü");
}

// Where no colour shows speech, German quotation marks do: „ before the first
// character spoken, “ after the last (before the line ends and blanks that
// follow it; before a comma that ends it, and with a comma after it where
// "!", "?" or "..." end it and a tag in lower case follows on the line).
// Speech after a blank line or after {„} is a quotation of its own. The
// marks follow the colour across passages: the speech colour in force when a
// passage begins is speech not yet opened, and a quotation open at the end
// of a passage that ends on a line end is closed there.
class Quoting {
public:
    Steps marked(const Steps& steps) {
        out_.clear();
        tagComma_.reset();
        speaking_ = colourInForce() == TextColour::Yellow;
        last_ = lastByteSaid();
        if (open_ && !speaking_) close();  // ended by a colour set outside the story text
        for (const Step& step : steps) {
            switch (step.kind) {
                case Step::Kind::Colour:
                    if (speaking_ && step.colour != TextColour::Yellow && open_) close();
                    speaking_ = step.colour == TextColour::Yellow;
                    out_.push_back(step);
                    break;
                case Step::Kind::Name:
                    tagComma_.reset();
                    if (speaking_ && !open_) opening();
                    out_.push_back(step);
                    last_ = 'N';
                    break;
                case Step::Kind::Mark:
                    if (step.text != "„") {
                        text(step.text);
                    } else if (open_) {
                        close();  // another speaker goes on in the same colour
                    }
                    break;
                case Step::Kind::Text:
                    text(step.text);
                    break;
            }
        }
        auto final = lastPrinted();
        if (open_ && final != out_.rend() && final->kind == Step::Kind::Text && final->text.ends_with('\n')) close();
        return std::move(out_);
    }

private:
    Steps::reverse_iterator lastPrinted() {
        return std::find_if(out_.rbegin(), out_.rend(), [](const Step& s) { return s.kind != Step::Kind::Colour; });
    }

    void append(std::string_view text) {
        if (text.empty()) return;
        if (out_.empty() || out_.back().kind != Step::Kind::Text) out_.push_back({Step::Kind::Text, {}});
        out_.back().text += text;
        last_ = text.back();
    }

    void opening() {
        if (last_ != ' ' && last_ != '\n') append(" ");
        append("„");
        open_ = true;
    }

    void text(std::string_view text) {
        if (tagComma_) {
            std::string_view rest = text.substr(std::min(text.size(), text.find_first_not_of(' ')));
            if (startsLowerCase(rest)) out_[tagComma_->first].text.insert(tagComma_->second, ",");
            tagComma_.reset();
        }
        while (!text.empty()) {
            std::size_t cut = text.size();
            if (speaking_ && !open_) {
                cut = std::min(text.size(), text.find_first_not_of("\n "));
            } else if (open_) {
                cut = std::min(text.size(), text.find("\n\n"));  // a blank line ends a quotation
            }
            append(text.substr(0, cut));
            text.remove_prefix(cut);
            if (text.empty()) break;
            if (open_) close();
            else opening();
        }
    }

    void close() {
        open_ = false;
        auto found = lastPrinted();
        if (found == out_.rend() || found->kind != Step::Kind::Text) {
            out_.insert(found.base(), {Step::Kind::Text, "“"});
            return;
        }
        std::string& bytes = found->text;
        const std::size_t end = bytes.find_last_not_of("\n ") + 1;
        if (end > 0 && bytes[end - 1] == ',') {
            bytes.insert(end - 1, "“");
            return;
        }
        bytes.insert(end, "“");
        const std::size_t after = end + std::string_view("“").size();
        if (endsWithAny(std::string_view(bytes).substr(0, end), {"!", "?", "...", "…"}) &&
            bytes.find('\n', after) == std::string::npos) {
            tagComma_ = {static_cast<std::size_t>(found.base() - 1 - out_.begin()), after};
        }
    }

    bool open_ = false;  // „ printed, “ not yet: lasts from one passage to the next
    // Within one passage:
    Steps out_;
    bool speaking_ = false;
    char last_ = '\n';  // the byte before what comes next
    std::optional<std::pair<std::size_t, std::size_t>> tagComma_;  // step and byte: a comma there if a tag follows
};

// A numbered option: "2 - Sag deinen richtigen Namen".
bool isOptionLine(std::string_view line) {
    std::size_t digits = line.find_first_not_of("0123456789");
    return digits > 0 && digits != std::string_view::npos && line.substr(digits).starts_with(" - ");
}

}  // namespace

void tell(PassageId passage) {
    static Quoting quoting;
    const bool marks = marksInWords();
    const Steps& written = passagesOf(passage.file).at(passage.passage);
    Steps marked;
    for (const Step& step : marks ? (marked = quoting.marked(written)) : written) {
        switch (step.kind) {
            case Step::Kind::Mark:
                break;  // quotation marks are only for text without colours
            case Step::Kind::Colour:
                colour(step.colour);
                break;
            case Step::Kind::Name:
                sayName();
                break;
            case Step::Kind::Text: {
                // Every line end flushes, as a line printed with its end does.
                std::string_view text = step.text;
                for (std::size_t end; (end = text.find('\n')) != std::string_view::npos; text.remove_prefix(end + 1)) {
                    std::string_view line = text.substr(0, end);
                    if (marks && colourInForce() == TextColour::Golden && isOptionLine(line)) {
                        say(line);
                        sayLine(PlainOptionMark);
                    } else {
                        sayLine(line);
                    }
                }
                say(text);
                break;
            }
        }
    }
}
