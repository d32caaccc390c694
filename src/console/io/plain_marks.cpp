#include "console/io/plain_marks.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "console/io/console_messages.h"
#include "console/io/display_options.h"
#include "console/io/print.h"

namespace {

// One piece of a passage as it reached the filter: text, a colour from here
// on, the hero's name, or a quotation mark of the markup (‚ ‘ „).
struct Step {
    enum class Kind { Text, Colour, Name, Mark } kind;
    std::string text;
    TextColour colour = TextColour::Normal;
};

using Steps = std::vector<Step>;

bool endsWithAny(std::string_view text, std::initializer_list<std::string_view> ends) {
    return std::any_of(ends.begin(), ends.end(), [text](std::string_view end) { return text.ends_with(end); });
}

// Whether a lower-case letter begins `text`: the start of a speaker tag.
bool startsLowerCase(std::string_view text) {
    return (!text.empty() && text[0] >= 'a' && text[0] <= 'z') || text.starts_with("ä") || text.starts_with("ö") ||
           text.starts_with("ü");
}

// Quotation marks where the speech colour would be (the language's own,
// from the console messages; German „ and “ here): „ before the first
// character spoken, “ after the last (before the line ends and blanks that
// follow it). In German a comma that ends the spoken part goes after “, and
// one follows “ where "!", "?" or "..." end it and a tag in lower case
// follows on the line. Speech after a blank line or after {„} is a
// quotation of its own. The marks follow the colour across passages: the
// speech colour in force when a passage begins is speech not yet opened,
// and a quotation open at the end of a passage that ends on a line end is
// closed there.
class Quoting {
public:
    // `colour` and `last` are the colour in force and the last byte said
    // before the passage.
    Steps marked(const Steps& steps, TextColour colour, char last) {
        out_.clear();
        tagComma_.reset();
        speaking_ = colour == TextColour::Yellow;
        last_ = last;
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
        append(consoleMessages().speechOpens);
        open_ = true;
    }

    void text(std::string_view text) {
        if (tagComma_) {
            std::string_view rest = text.substr(std::min(text.size(), text.find_first_not_of(' ')));
            if (startsLowerCase(rest)) out_[tagComma_->first].text.insert(tagComma_->second, 1, ',');
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
        const ConsoleMessages& marks = consoleMessages();
        if (found == out_.rend() || found->kind != Step::Kind::Text) {
            out_.insert(found.base(), {Step::Kind::Text, std::string(marks.speechCloses)});
            return;
        }
        std::string& bytes = found->text;
        const std::size_t end = bytes.find_last_not_of("\n ") + 1;
        if (marks.commaAfterClosingMark && end > 0 && bytes[end - 1] == ',') {
            bytes.insert(end - 1, marks.speechCloses);
            return;
        }
        bytes.insert(end, marks.speechCloses);
        const std::size_t after = end + marks.speechCloses.size();
        if (marks.commaAfterClosingMark && endsWithAny(std::string_view(bytes).substr(0, end), {"!", "?", "...", "…"}) &&
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

// The filter. Outside a passage, and wherever colours are shown, it passes
// text, flushes and colours on as they come. A passage with marks in words
// is held whole until it ends (it is printed at once, nothing waits in
// between), because a closing mark can fall before line ends already
// written; then it goes out marked, each line end flushed as printing a
// line does.
class PlainMarks : public std::streambuf {
public:
    void install(std::ostream& out) {
        next_ = out.rdbuf();
        holding_ = false;
        held_.clear();
        out.rdbuf(this);
    }

    bool installed() const { return next_ != nullptr; }

    void signal(StorySignal signal) {
        if (signal == StorySignal::PassageBegins) {
            holding_ = installed() && marksInWords();
            held_.clear();
            colourBefore_ = colourInForce();
            lastBefore_ = lastByteSaid();
            return;
        }
        if (!holding_) return;
        switch (signal) {
            case StorySignal::PassageEnds: release(); break;
            case StorySignal::NameBegins: held_.push_back({Step::Kind::Name, {}}); break;
            case StorySignal::NameEnds: break;
            case StorySignal::InnerQuoteOpens:
                held_.push_back({Step::Kind::Mark, std::string(consoleMessages().innerSpeechOpens)});
                break;
            case StorySignal::InnerQuoteCloses:
                held_.push_back({Step::Kind::Mark, std::string(consoleMessages().innerSpeechCloses)});
                break;
            case StorySignal::NewQuotation: held_.push_back({Step::Kind::Mark, "„"}); break;
            case StorySignal::GoldenOptionEnds: held_.push_back({Step::Kind::Mark, std::string(consoleMessages().plainOptionMark)}); break;
            case StorySignal::PassageBegins: break;
        }
        inName_ = signal == StorySignal::NameBegins;
    }

    void colour(TextColour colour) {
        if (holding_) held_.push_back({Step::Kind::Colour, {}, colour});
        else setTextColour(colour);
    }

    void rule() {
        next_->sputn(PlainScreenBreak.data(), static_cast<std::streamsize>(PlainScreenBreak.size()));
    }

protected:
    int_type overflow(int_type byte) override {
        if (traits_type::eq_int_type(byte, traits_type::eof())) return traits_type::not_eof(byte);
        char c = traits_type::to_char_type(byte);
        return xsputn(&c, 1) == 1 ? byte : traits_type::eof();
    }

    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        if (!holding_) return next_->sputn(bytes, count);
        if (!inName_ && (held_.empty() || held_.back().kind != Step::Kind::Text)) {
            held_.push_back({Step::Kind::Text, {}});
        }
        held_.back().text.append(bytes, static_cast<std::size_t>(count));
        return count;
    }

    int sync() override { return holding_ ? 0 : next_->pubsync(); }

private:
    void release() {
        holding_ = false;
        inName_ = false;
        const Steps steps = quoting_.marked(held_, colourBefore_, lastBefore_);
        held_.clear();
        for (const Step& step : steps) {
            switch (step.kind) {
                case Step::Kind::Colour:
                    setTextColour(step.colour);
                    break;
                case Step::Kind::Name:
                case Step::Kind::Mark:
                    write(step.text);
                    break;
                case Step::Kind::Text: {
                    std::string_view text = step.text;
                    for (std::size_t end; (end = text.find('\n')) != std::string_view::npos;
                         text.remove_prefix(end + 1)) {
                        std::string_view line = text.substr(0, end);
                        write(line);
                        next_->sputc('\n');
                        next_->pubsync();
                    }
                    write(text);
                    break;
                }
            }
        }
    }

    void write(std::string_view bytes) {
        if (!bytes.empty()) next_->sputn(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    std::streambuf* next_ = nullptr;
    bool holding_ = false;  // inside a passage with marks in words
    bool inName_ = false;   // the bytes coming are the hero's name
    Steps held_;
    TextColour colourBefore_ = TextColour::Normal;
    char lastBefore_ = '\n';
    Quoting quoting_;
};

// Never destroyed: standard output is flushed through it after static
// destructors have run.
PlainMarks& filter() {
    static PlainMarks* instance = new PlainMarks;
    return *instance;
}

}  // namespace

void installPlainMarks(std::ostream& out) { filter().install(out); }

void storySignal(StorySignal signal) { filter().signal(signal); }

void passColour(TextColour colour) { filter().colour(colour); }

bool clearShownAsRule() {
    if (!filter().installed() || !displayOptions().plain) return false;
    filter().rule();
    return true;
}
