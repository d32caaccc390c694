// Word wrapping for a console window: text goes in as bytes, comes out with
// line ends at blanks so that no screen line is wider than the window.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <streambuf>
#include <string>
#include <string_view>

#include "console/layout/pager.h"

class LineWrap {
public:
    // The window's width in columns; 0 when unknown (nothing is wrapped).
    using WidthSource = std::function<std::size_t()>;
    using Sink = std::function<void(std::string_view)>;

    LineWrap(WidthSource width, Sink sink);

    // UTF-8 text with line ends and ANSI escape sequences (these take no
    // room). A line is held back until its end, a flush or a cursor home.
    void write(std::string_view bytes);
    // Passes held text through, so a prompt shows before input is read.
    void flush();
    // The cursor went back to the first column outside this filter (the
    // player's Enter was echoed, the screen was cleared).
    void lineStarted();
    // The width lines are wrapped to now; 0: not wrapped.
    std::size_t width() const { return widthOf_(); }

private:
    void layout(std::string_view line);
    void placeWord(std::size_t blanks, std::string_view word, std::size_t wordWidth);
    void blanks(std::size_t count);
    void newLine();
    void startLine();
    void emit(std::string_view bytes, std::size_t columns);

    WidthSource widthOf_;
    Sink sink_;
    std::string held_;
    std::size_t width_ = 0;
    std::size_t column_ = 0;
    bool breakable_ = true;  // a line end may go at the current position
    enum class Escape { None, Started, Csi } escape_ = Escape::None;
    std::size_t escapeStart_ = 0;  // where in held_ the current sequence began
};

// How many screen rows `line` (no line end in it) takes at `width` columns,
// laid out as a LineWrap lays it out; 1 for an empty line or no width.
std::size_t rowsTaken(std::string_view line, std::size_t width);

// A stream buffer that sends everything through a LineWrap into `target`,
// and through a Pager it builds and owns when given the window's height and
// a key wait.
class WrappedPagedOutput : public std::streambuf {
public:
    WrappedPagedOutput(std::streambuf* target, LineWrap::WidthSource width, Pager::HeightSource height = {},
                       Pager::More more = {});
    LineWrap& wrap() { return wrap_; }
    Pager* pager() { return pager_.get(); }

protected:
    int_type overflow(int_type byte) override;
    std::streamsize xsputn(const char* bytes, std::streamsize count) override;
    int sync() override;

private:
    std::streambuf* target_;
    std::unique_ptr<Pager> pager_;
    LineWrap wrap_;
};
