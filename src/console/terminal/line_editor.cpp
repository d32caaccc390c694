#include "console/terminal/line_editor.h"

#include <utility>

#include "console/layout/display_width.h"
#include "console/layout/utf8.h"
#include "console/layout/visible_text.h"

namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD";  // U+FFFD, for what cannot be shown

bool isBlank(char byte) { return byte == ' ' || byte == '\t'; }

// How one character of the line is shown while it is typed: a tab as a
// blank, everything else as visibleCharacter shows it.
std::string shownAs(std::string_view character) {
    return character == "\t" ? " " : visibleCharacter(character);
}

// The last character of `line`: a whole UTF-8 sequence, or one stray byte.
std::size_t lastCharacterLength(std::string_view line) {
    const std::size_t start = lastLeadByte(line);
    return start != std::string_view::npos && codePointOf(line.substr(start)) ? line.size() - start : 1;
}

// The last character of `line` as the player sees it: a base character with
// the marks after it (characters shown in no column, such as combining
// accents), or marks alone at the start of the line; and its columns.
struct Shown {
    std::size_t length;
    std::size_t columns;
};
Shown lastShownCharacter(std::string_view line) {
    Shown last{0, 0};
    while (last.length < line.size() && last.columns == 0) {
        const std::size_t length = lastCharacterLength(line.substr(0, line.size() - last.length));
        last.length += length;
        last.columns = displayColumns(shownAs(line.substr(line.size() - last.length, length)));
    }
    return last;
}

// Whether the last character as the player sees it is a blank.
bool endsInBlank(std::string_view line) { return isBlank(line[line.size() - lastShownCharacter(line).length]); }

}  // namespace

LineEditor::LineEditor(EditingKeys keys, std::size_t limit) : keys_(keys), limit_(limit) {}

LineEditor::Outcome LineEditor::press(std::string_view key, std::string& echo) {
    if (key.empty() || key[0] == '\x1b') return Outcome::Editing;  // cursor and function keys
    const char first = key[0];
    if (key.size() == 1 && (first == '\n' || first == '\r')) {
        line_ += '\n';
        echo += "\r\n";
        return Outcome::Entered;
    }
    if (key.size() == 1 && first == keys_.endOfFile && first != 0) {
        return line_.empty() ? Outcome::EndOfInput : Outcome::Entered;
    }
    if (key.size() == 1 && (first == keys_.erase || first == '\b' || first == 0x7F) && first != 0) {
        if (!line_.empty()) eraseLast(echo);
    } else if (key.size() == 1 && first == keys_.kill && first != 0) {
        while (!line_.empty()) eraseLast(echo);
    } else if (key.size() == 1 && first == keys_.wordErase && first != 0) {
        while (!line_.empty() && endsInBlank(line_)) eraseLast(echo);
        while (!line_.empty() && !endsInBlank(line_)) eraseLast(echo);
    } else if (key.size() > 1 && lastCharacterLength(key) != key.size()) {
        for (char byte : key) insert(std::string_view(&byte, 1), Replacement, echo);
    } else {
        insert(key, shownAs(key), echo);
    }
    return Outcome::Editing;
}

std::string LineEditor::take() {
    rang_ = false;
    return std::exchange(line_, std::string());
}

std::string LineEditor::shown() const {
    std::string shown;
    for (std::size_t at = 0; at < line_.size();) {
        std::size_t length = 1;  // the whole character, or one stray byte
        for (std::size_t tried = 4; tried > 1; --tried) {
            if (at + tried <= line_.size() && codePointOf(std::string_view(line_).substr(at, tried))) {
                length = tried;
                break;
            }
        }
        shown += shownAs(std::string_view(line_).substr(at, length));
        at += length;
    }
    return shown;
}

void LineEditor::insert(std::string_view bytes, std::string_view shown, std::string& echo) {
    if (line_.size() + bytes.size() > limit_) {
        if (!rang_) echo += '\a';
        rang_ = true;
        return;
    }
    line_ += bytes;
    echo += shown;
}

// Erases the last character as the player sees it, marks and all, from the
// line and from the screen.
void LineEditor::eraseLast(std::string& echo) {
    const Shown last = lastShownCharacter(line_);
    line_.resize(line_.size() - last.length);
    for (std::size_t i = 0; i < last.columns; ++i) echo += "\b \b";
}
