#include "console/layout/line_wrap.h"

#include <algorithm>
#include <utility>

#include "console/layout/display_width.h"

namespace {

enum class Kind { Blank, Visible, Invisible };

struct Token {
    std::string_view bytes;
    Kind kind;
    std::size_t columns;  // a visible character takes 0 (a combining mark), 1 or 2
};

// One blank, one character (a UTF-8 sequence), or something that takes no
// column: an escape sequence, a control byte, a stray byte.
Token tokenAt(std::string_view text, std::size_t at) {
    if (text[at] == ' ') return {text.substr(at, 1), Kind::Blank, 1};
    TextPiece piece = textPieceAt(text, at);
    return {text.substr(at, piece.length), piece.character ? Kind::Visible : Kind::Invisible, piece.columns};
}

template <typename Visit>
void forEachToken(std::string_view text, Visit visit) {
    for (std::size_t at = 0; at < text.size();) {
        Token token = tokenAt(text, at);
        at += token.bytes.size();
        visit(token);
    }
}

}  // namespace

LineWrap::LineWrap(WidthSource width, Sink sink) : widthOf_(std::move(width)), sink_(std::move(sink)) {}

void LineWrap::write(std::string_view bytes) {
    for (char byte : bytes) {
        auto code = static_cast<unsigned char>(byte);
        if (escape_ == Escape::Started) {
            escape_ = byte == '[' ? Escape::Csi : Escape::None;
        } else if (escape_ == Escape::Csi) {
            if (code >= 0x40 && code <= 0x7E) {
                escape_ = Escape::None;
                if (byte == 'H') {
                    // Cursor home: what came before goes out, then a new line starts.
                    held_ += byte;
                    std::size_t start = std::min(escapeStart_, held_.size());
                    layout(std::string_view(held_).substr(0, start));
                    emit(std::string_view(held_).substr(start), 0);
                    held_.clear();
                    startLine();
                    continue;
                }
            }
        } else if (byte == '\n') {
            layout(held_);
            held_.clear();
            emit("\n", 0);
            startLine();
            continue;
        } else if (byte == '\x1b') {
            escape_ = Escape::Started;
            escapeStart_ = held_.size();
        }
        held_ += byte;
    }
}

void LineWrap::flush() {
    layout(held_);
    held_.clear();
    escapeStart_ = 0;
}

void LineWrap::lineStarted() {
    flush();
    startLine();
}

void LineWrap::startLine() {
    column_ = 0;
    breakable_ = true;
}

void LineWrap::layout(std::string_view line) {
    if (line.empty()) return;
    if (column_ == 0) width_ = widthOf_();

    std::string_view text = line;
    if (column_ == 0 && width_ > 0) {
        // Leading blanks centre a line; if it does not fit, centre it on the
        // real width, or start it in the first column when the text alone is
        // wider than the window.
        std::size_t leading = 0;
        std::size_t at = 0;
        std::string escapes;
        while (at < line.size()) {
            Token token = tokenAt(line, at);
            if (token.kind == Kind::Visible) break;
            if (token.kind == Kind::Blank) ++leading;
            if (token.kind == Kind::Invisible) escapes += token.bytes;
            at += token.bytes.size();
        }
        std::size_t textWidth = 0;
        std::size_t blanksAfter = 0;
        forEachToken(line.substr(at), [&](const Token& token) {
            if (token.kind == Kind::Blank) ++blanksAfter;
            if (token.kind == Kind::Visible) {
                textWidth += blanksAfter + token.columns;
                blanksAfter = 0;
            }
        });
        if (leading > 0 && textWidth > 0 && leading + textWidth > width_) {
            emit(escapes, 0);
            if (textWidth <= width_) blanks((width_ - textWidth) / 2);
            text = line.substr(at);
        }
    }

    std::size_t pendingBlanks = 0;
    std::string word;
    std::size_t wordWidth = 0;
    forEachToken(text, [&](const Token& token) {
        if (token.kind == Kind::Blank) {
            if (!word.empty()) {
                placeWord(pendingBlanks, word, wordWidth);
                pendingBlanks = 0;
                word.clear();
                wordWidth = 0;
            }
            ++pendingBlanks;
            return;
        }
        word += token.bytes;
        wordWidth += token.columns;
    });
    if (!word.empty()) {
        placeWord(pendingBlanks, word, wordWidth);
    } else if (pendingBlanks > 0) {
        blanks(pendingBlanks);
        breakable_ = true;
    }
}

void LineWrap::placeWord(std::size_t blankCount, std::string_view word, std::size_t wordWidth) {
    if (wordWidth == 0) {
        blanks(blankCount);
        emit(word, 0);
        if (blankCount > 0) breakable_ = true;
        return;
    }
    if (width_ == 0 || column_ + blankCount + wordWidth <= width_) {
        blanks(blankCount);
        emit(word, wordWidth);
        breakable_ = false;
        return;
    }
    // The blank at the break becomes the line end.
    if (column_ > 0 && (blankCount > 0 || breakable_)) {
        newLine();
    } else {
        blanks(blankCount);
    }
    if (column_ + wordWidth > width_) {
        // Longer than a whole line (or the rest of a word already shown):
        // split it at the window's edge. A wide character that would cross
        // the edge starts the next line; a combining mark stays on the line
        // of the character it sits on.
        forEachToken(word, [&](const Token& token) {
            if (token.columns > 0 && column_ > 0 && column_ + token.columns > width_) newLine();
            emit(token.bytes, token.columns);
        });
    } else {
        emit(word, wordWidth);
    }
    breakable_ = false;
}

// Blanks beyond the window's edge would only push the cursor onto a new line.
void LineWrap::blanks(std::size_t count) {
    if (width_ > 0) count = std::min(count, width_ > column_ ? width_ - column_ : 0);
    emit(std::string(count, ' '), count);
}

void LineWrap::newLine() {
    emit("\n", 0);
    startLine();
    width_ = widthOf_();
}

void LineWrap::emit(std::string_view bytes, std::size_t columns) {
    if (!bytes.empty()) sink_(bytes);
    column_ += columns;
}

std::size_t rowsTaken(std::string_view line, std::size_t width) {
    std::size_t rows = 1;
    LineWrap wrap([width] { return width; },
                  [&rows](std::string_view bytes) { rows += static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')); });
    wrap.write(line);
    wrap.flush();
    return rows;
}

WrappedPagedOutput::WrappedPagedOutput(std::streambuf* target, LineWrap::WidthSource width, Pager::HeightSource height,
                                       Pager::More more)
    : target_(target),
      pager_(height ? std::make_unique<Pager>(
                          std::move(height),
                          [target](std::string_view bytes) {
                              target->sputn(bytes.data(), static_cast<std::streamsize>(bytes.size()));
                          },
                          [target, more = std::move(more)] {
                              target->pubsync();  // all before the prompt is on screen
                              more();
                          })
                    : nullptr),
      wrap_(std::move(width), [this](std::string_view bytes) {
          if (pager_) pager_->write(bytes);
          else target_->sputn(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      }) {}

WrappedPagedOutput::int_type WrappedPagedOutput::overflow(int_type byte) {
    if (!traits_type::eq_int_type(byte, traits_type::eof())) {
        char c = traits_type::to_char_type(byte);
        wrap_.write(std::string_view(&c, 1));
    }
    return traits_type::not_eof(byte);
}

std::streamsize WrappedPagedOutput::xsputn(const char* bytes, std::streamsize count) {
    wrap_.write(std::string_view(bytes, static_cast<std::size_t>(count)));
    return count;
}

int WrappedPagedOutput::sync() {
    wrap_.flush();
    if (pager_) pager_->flush();
    return target_->pubsync();
}
