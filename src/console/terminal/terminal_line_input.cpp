// Standard input when it is the player's terminal: each line is typed into
// the game's own line editor, key by key, with the terminal left in the
// game's quiet mode throughout. Keys typed while the game was busy wait in
// the terminal's queue and so begin the line, shown and erasable.
#include <iostream>
#include <streambuf>
#include <sys/stat.h>
#include <string>
#include <termios.h>
#include <unistd.h>
#include <utility>

#include "console/terminal/line_editor.h"
#include "console/terminal/terminal.h"
#include "console/terminal/terminal_keys.h"

// A line pasted whole may be long, but never costs more memory than this.
constexpr std::size_t EditedLineLimit = std::size_t{2} << 20;

class TerminalLineInput : public std::streambuf {
public:
    TerminalLineInput(int tty, KeyReader& keys, EditingKeys editing)
        : tty_(tty), keys_(keys), editor_(editing, EditedLineLimit) {}
    bool takeEntered() { return std::exchange(entered_, false); }

protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        std::cout.flush();
        // Continued after a stop, the line is drawn again where the shell
        // left the cursor: the prompt's line and what was typed.
        keys_.dropWakeUps();
        auto drawAgain = [this] { writeAll(tty_, "\r" + outputLineSoFar() + editor_.shown()); };
        // Keys read already (a paste) are shown together, once the next key
        // would be waited for.
        std::string key, echo;
        for (;;) {
            // false: the terminal is gone
            if (!keys_.read(key, KeyReader::Purpose::Line, drawAgain)) {
                writeAll(tty_, echo);
                return traits_type::eof();
            }
            LineEditor::Outcome outcome = editor_.press(key, echo);
            if (outcome != LineEditor::Outcome::Editing || !keys_.holdsMore()) writeAll(tty_, std::exchange(echo, {}));
            if (outcome == LineEditor::Outcome::EndOfInput) return traits_type::eof();
            if (outcome == LineEditor::Outcome::Entered) break;
        }
        line_ = editor_.take();
        entered_ = !line_.empty() && line_.back() == '\n';
        setg(line_.data(), line_.data(), line_.data() + line_.size());
        return traits_type::to_int_type(*gptr());
    }

private:
    int tty_;
    KeyReader& keys_;
    LineEditor editor_;
    std::string line_;
    bool entered_ = false;
};

namespace {

EditingKeys editingKeysOf(const termios& mode) {
    auto key = [&mode](int index) {
        return mode.c_cc[index] == _POSIX_VDISABLE ? '\0' : static_cast<char>(mode.c_cc[index]);
    };
    return EditingKeys{key(VERASE), key(VKILL), key(VWERASE), key(VEOF)};
}

// Standard input is the terminal the keys come from, not a pipe, a file or
// some other terminal: the controlling terminal (that /dev/tty stands for),
// or the same device as the keyboard opened without one.
bool inputIsKeyboard(int tty) {
    if (::isatty(STDIN_FILENO) != 1) return false;
    if (::tcgetsid(STDIN_FILENO) != -1) return true;
    struct stat input {}, keyboard {};
    return ::fstat(STDIN_FILENO, &input) == 0 && ::fstat(tty, &keyboard) == 0 && input.st_rdev == keyboard.st_rdev;
}

}  // namespace

TerminalLineInput* makeTerminalLineInput(const Terminal& t) {
    if (t.tty < 0 || !inputIsKeyboard(t.tty)) return nullptr;
    return new TerminalLineInput(t.tty, *t.keys, editingKeysOf(t.original));  // lives as long as std::cin
}

bool takeLineEntered(TerminalLineInput& input) { return input.takeEntered(); }

std::streambuf* lineInputBuffer(TerminalLineInput* input) { return input; }
