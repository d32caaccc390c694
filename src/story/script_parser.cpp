// Reading the story files: their passages as steps for the renderer, and
// every mistake in the markup for the story test.
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "story/script.h"
#include "story/script_steps.h"
#include "test_seam.h"

namespace {

std::optional<TextColour> colourTag(std::string_view tag) {
    if (tag == "speech") return TextColour::Yellow;
    if (tag == "good") return TextColour::Green;
    if (tag == "bad") return TextColour::Red;
    if (tag == "normal") return TextColour::Normal;
    return std::nullopt;
}

// The values the frame's texts take; any other word in braces is a mistake.
bool isPlaceholder(std::string_view tag) {
    for (std::string_view known : {"file", "folder", "why", "argument", "version"}) {
        if (tag == known) return true;
    }
    return false;
}

void addText(Steps& steps, std::string_view text) {
    if (text.empty()) return;
    if (steps.empty() || steps.back().kind != Step::Kind::Text) steps.push_back({Step::Kind::Text, {}});
    steps.back().text += text;
}

constexpr std::string_view QuitNumber = "200";

// Reads the tag of an option line, "option 2 >" and the like, into `option`.
std::optional<std::string> readOptionTag(std::string_view tag, DeclaredOption& option) {
    std::vector<std::string_view> words;
    while (!tag.empty()) {
        std::size_t blank = tag.find(' ');
        if (blank != 0) words.push_back(tag.substr(0, blank));
        tag.remove_prefix(blank == std::string_view::npos ? tag.size() : blank + 1);
    }
    const std::string_view form = "an option reads {option n >}, {option n > dies} or {option n again|on|dies}";
    if (words.size() < 3 || words.size() > 4) return std::string(form);
    std::string_view number = words[1];
    if (number.empty() || number.size() > 3 || number.find_first_not_of("0123456789") != std::string_view::npos ||
        number[0] == '0' || number == QuitNumber) {
        return std::string(form);
    }
    option.number = std::stoi(std::string(number));
    option.golden = words[2] == ">";
    std::string_view then = option.golden ? (words.size() == 4 ? words[3] : "on") : words[2];
    if (option.golden && words.size() == 4 && then != "dies") return "a golden option leaves its choice: > or > dies";
    if (!option.golden && words.size() == 4) return std::string(form);
    if (then == "again") option.then = Then::AskAgain;
    else if (then == "on") option.then = Then::MoveOn;
    else if (then == "dies") option.then = Then::Dies;
    else return std::string(form);
    return std::nullopt;
}

// An option line or the quit line: "{option 1 >} Text" prints "1 - Text".
std::optional<std::string> readOptionLine(std::string_view& line, Steps& steps, ReadStory::Passage* passage,
                                          bool& golden) {
    std::size_t close = line.find('}');
    std::string_view tag = line.substr(1, close - 1);
    DeclaredOption option;
    if (tag == "quit") {
        option.number = 200;
    } else if (auto mistake = readOptionTag(tag, option)) {
        return mistake;
    }
    line.remove_prefix(close + 1);
    if (!line.starts_with(' ') || line.size() < 2) return "an option's text follows its tag after one blank";
    line.remove_prefix(1);
    if (line.ends_with('\\')) return "an option line ends with its line end";
    if (passage != nullptr) {
        if (option.number == 200) {
            if (passage->quitLine) return "the quit line is there twice";
            passage->quitLine = true;
        } else {
            for (const auto& other : passage->options) {
                if (other.declared.number == option.number) {
                    return std::string("option ").append(std::to_string(option.number)).append(" is there twice");
                }
            }
            passage->options.push_back({option, std::string(line)});
        }
    }
    golden = option.golden;
    steps.push_back({Step::Kind::Option, {}, option.golden ? TextColour::Golden : TextColour::Normal});
    addText(steps, std::to_string(option.number) + " - ");
    return std::nullopt;
}

// Reads one line of text into `steps`; a mistake is returned as a message.
std::optional<std::string> readLine(std::string_view line, Steps& steps, ReadStory::Passage* passage) {
    if (line == "~") {
        addText(steps, "\n");
        return std::nullopt;
    }
    if (line == "{hint}") {
        steps.push_back({Step::Kind::Hint, {}});
        return std::nullopt;
    }
    bool golden = false;
    if (line.starts_with("{option ") || line.starts_with("{quit}")) {
        if (auto mistake = readOptionLine(line, steps, passage, golden)) return mistake;
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
        } else if (isPlaceholder(tag)) {
            steps.push_back({Step::Kind::Placeholder, std::string(tag)});
        } else if (tag == "_") {
            addText(steps, " ");
        } else if (tag == "n") {
            addText(steps, "\n");
        } else if (tag == "‚" || tag == "‘" || tag == "„") {
            steps.push_back({Step::Kind::Mark, std::string(tag)});
        } else if (tag.starts_with("option") || tag == "quit" || tag == "hint") {
            return std::string("{").append(tag).append("} begins its own line");
        } else {
            return "unknown tag {" + std::string(tag) + "}";
        }
        line.remove_prefix(close + 1);
    }
    if (golden) steps.push_back({Step::Kind::GoldenOptionEnds, {}});
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
            // A translated passage carries the stamp of its source: "=== name @1a2b3c4d".
            if (std::size_t stamp = name.find(" @"); stamp != std::string_view::npos &&
                                                     name.find_first_not_of("0123456789abcdef", stamp + 2) ==
                                                         std::string_view::npos) {
                name = name.substr(0, stamp);
            }
            if (!line.starts_with("=== ") || !isName(name)) mistake("a passage header reads \"=== name\"");
            for (const auto& passage : story.passages) {
                if (passage.name == name) mistake("passage " + std::string(name) + " is there twice");
            }
            story.passages.push_back({std::string(name), lineNumber, {}, false});
            if (steps != nullptr) steps->emplace_back();
            continue;
        }
        if (story.passages.empty()) {
            mistake("text before the first passage");
            continue;
        }
        Steps ignored;
        if (auto what = readLine(line, steps != nullptr ? steps->back() : ignored, &story.passages.back())) {
            mistake(*what);
        }
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

}  // namespace

std::vector<Steps> stepsOf(std::string_view file) {
    std::vector<Steps> steps;
    read(file, &steps);
    return steps;
}

ReadStory testSeam::readStory(std::string_view text) {
    std::vector<Steps> steps;
    return read(text, &steps);
}
