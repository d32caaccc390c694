#include "console/layout/pager.h"

#include <utility>

Pager::Pager(HeightSource height, Sink sink, More more)
    : heightOf_(std::move(height)), sink_(std::move(sink)), more_(std::move(more)) {}

void Pager::write(std::string_view bytes) {
    static constexpr std::string_view CursorHome = "\x1b[H";
    while (!bytes.empty()) {
        std::size_t lineEnd = bytes.find('\n');
        std::size_t home = bytes.find(CursorHome);
        if (home < lineEnd) {
            flush();
            sink_(bytes.substr(0, home + CursorHome.size()));
            bytes.remove_prefix(home + CursorHome.size());
            seen();  // nothing unread is left on the cleared screen
            continue;
        }
        std::string_view text = bytes.substr(0, lineEnd);
        if (lastRow_) held_ += text;
        else sink_(text);
        if (lineEnd == std::string_view::npos) return;
        bytes.remove_prefix(lineEnd + 1);
        this->lineEnd();
    }
}

// The cursor's row is the window's last one that keeps the first unseen row
// on screen. Its line end waits behind the prompt, which takes that row when
// nothing of it was shown yet (a flush before a pause), else the next one.
void Pager::lineEnd() {
    if (lastRow_ && lastRowShown_) {
        flush();
        sink_("\n");
        more_();
        unseen_ = 1;
        lastRow_ = lastRowShown_ = false;
        return;
    }
    if (lastRow_) {
        more_();
        unseen_ = 1;
    }
    sink_(held_);
    held_.clear();
    sink_("\n");
    std::size_t height = heightOf_();
    lastRow_ = height >= 2 && ++unseen_ >= height;
}

void Pager::flush() {
    if (held_.empty()) return;
    sink_(held_);
    held_.clear();
    lastRowShown_ = true;
}

void Pager::seen() {
    flush();
    unseen_ = 1;
    lastRow_ = lastRowShown_ = false;
}
