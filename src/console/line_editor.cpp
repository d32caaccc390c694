#include "console/line_editor.h"

#include <utility>

#include "console/display_width.h"
#include "console/visible_text.h"

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
    for (std::size_t length = 1; length <= 4 && length <= line.size(); ++length) {
        std::string_view tail = line.substr(line.size() - length);
        if ((static_cast<unsigned char>(tail[0]) & 0xC0) != 0x80) return codePointOf(tail) ? length : 1;
    }
    return 1;
}

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
        while (!line_.empty() && isBlank(line_.back())) eraseLast(echo);
        while (!line_.empty() && !isBlank(line_.back())) eraseLast(echo);
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

void LineEditor::eraseLast(std::string& echo) {
    std::size_t length = lastCharacterLength(line_);
    std::string shown = shownAs(std::string_view(line_).substr(line_.size() - length));
    line_.resize(line_.size() - length);
    std::size_t columns = displayColumns(shown);
    for (std::size_t i = 0; i < columns; ++i) echo += "\b \b";
}
