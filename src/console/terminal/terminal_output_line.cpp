// The text of the terminal's current line, kept as standard output passes
// on its way, so the line editor can draw the prompt's line again.
#include <string>
#include <string_view>

#include "console/layout/output_watch.h"
#include "console/terminal/terminal.h"

namespace {

// Standard output on its way to the terminal, passed on as it comes, with
// the text of the current line kept: colours stay in it, other escape
// sequences do not, and a cursor home starts the line anew.
class OutputLine : public OutputWatch {
public:
    using OutputWatch::OutputWatch;
    std::string soFar() const { return tooLong_ ? std::string() : start_ + line_; }
    void lineStarted() {
        start_ = colour_;
        line_.clear();
        tooLong_ = false;
    }

protected:
    void watch(std::string_view bytes) override {
        for (char byte : bytes) keep(byte);
    }

private:
    static constexpr std::size_t Limit = 4096;

    void keep(char byte) {
        if (!sequence_.empty()) {
            sequence_ += byte;
            const auto code = static_cast<unsigned char>(byte);
            if (sequence_.size() == 2 ? byte == '[' : code < 0x40 || code > 0x7E) return;
            if (byte == 'm') {
                colour_ = sequence_;
                add(sequence_);
            }
            if (byte == 'H') lineStarted();
            sequence_.clear();
        } else if (byte == '\x1b') {
            sequence_ = byte;
        } else if (byte == '\n' || byte == '\r') {
            lineStarted();
        } else {
            add(std::string_view(&byte, 1));
        }
    }
    void add(std::string_view bytes) {
        if (line_.size() + bytes.size() > Limit) tooLong_ = true;
        else if (!tooLong_) line_ += bytes;
    }

    std::string sequence_;  // an escape sequence under way
    std::string colour_;    // the last colour sequence
    std::string start_;     // the colour in force where the line began
    std::string line_;
    bool tooLong_ = false;
};
OutputLine* outputLine = nullptr;

}  // namespace

std::streambuf* keepOutputLine(std::streambuf* next) {
    outputLine = new OutputLine(next);  // lives until the process ends
    return outputLine;
}

std::string outputLineSoFar() { return outputLine != nullptr ? outputLine->soFar() : std::string(); }

void outputLineStarted() {
    if (outputLine != nullptr) outputLine->lineStarted();
}
