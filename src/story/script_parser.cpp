// Reading the story files: their passages as steps for the renderer, and
// every mistake in the markup for the story test.
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "story/script.h"
#include "story/script_steps.h"
#include "test_seam.h"

namespace {

std::optional<TextColour> colourTag(std::string_view tag) {
    if (tag == "speech") return TextColour::Yellow;
    if (tag == "option") return TextColour::Golden;
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
        } else if (isPlaceholder(tag)) {
            steps.push_back({Step::Kind::Placeholder, std::string(tag)});
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

}  // namespace

const std::vector<Steps>& passagesOf(std::uint16_t file) {
    static const std::vector<std::vector<Steps>> passages = [] {
        std::vector<std::vector<Steps>> all(storyFiles.size());
        for (std::size_t i = 0; i < storyFiles.size(); ++i) read(storyFiles[i].text, &all[i]);
        return all;
    }();
    return passages[file];
}

ReadStory testSeam::readStory(std::string_view text) {
    std::vector<Steps> steps;
    return read(text, &steps);
}
