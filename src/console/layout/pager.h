// Paging for a console window: before text pushes a line off the top of the
// window that the player has not had on screen, a one-line prompt of the
// game's own waits for a key.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// What erases a prompt from its row again, without escape sequences, so
// that plain text stays plain: back to the row's start, blanks, back again.
inline std::string promptEraser(std::string_view prompt) {
    std::string eraser(prompt.size() + 2, ' ');
    eraser.front() = eraser.back() = '\r';
    return eraser;
}

class Pager {
public:
    // The window's height in rows; below 2 (or unknown: 0) nothing is held.
    using HeightSource = std::function<std::size_t()>;
    using Sink = std::function<void(std::string_view)>;
    // Called with everything before it given to the sink and the cursor at
    // the start of an empty row: shows the prompt there, waits for a key
    // pressed after it appeared, and leaves the row empty, the cursor at its
    // start.
    using More = std::function<void()>;

    Pager(HeightSource height, Sink sink, More more);

    // Wrapped text: no line is wider than the window. A cursor home (the
    // screen was cleared) counts from the top row again.
    void write(std::string_view bytes);
    // Passes on text held for the last row, so a prompt or a pause shows it.
    void flush();
    // The player pressed a key or entered a line: what is on screen is read.
    void seen();
    // The window's height in rows now.
    std::size_t height() const { return heightOf_(); }

private:
    void lineEnd();

    HeightSource heightOf_;
    Sink sink_;
    More more_;
    std::size_t unseen_ = 1;  // rows begun since the player last looked, the cursor's own included
    bool lastRow_ = false;    // the cursor is on the last row that keeps the first unseen one on screen
    bool lastRowShown_ = false;  // text of that row already went out (a flush)
    std::string held_;           // text for that row, until its line end shows whether to page
};
