// The console in a web page: the game runs as WebAssembly, its text goes to
// the terminal on the page (xterm.js), its keys come from there, and every
// wait is made asynchronous with Asyncify, so the page stays alive while the
// game pauses or waits. The page's side is HulgorWeb in web/page.js.
#include <emscripten.h>
#include <sys/stat.h>

#include <array>
#include <chrono>
#include <functional>
#include <iostream>
#include <memory>
#include <streambuf>
#include <string>
#include <string_view>

#include "console/console.h"
#include "console/io/console_messages.h"
#include "console/io/console_steps.h"
#include "console/io/console_streams.h"
#include "console/io/display_options.h"
#include "console/layout/ansi.h"
#include "console/io/plain_marks.h"
#include "console/layout/line_wrap.h"
#include "console/sound/sound_player.h"

// clang-format off
EM_JS(void, webWrite, (const char* bytes, int length), {
    HulgorWeb.write(HEAPU8.slice(bytes, bytes + length));
});
EM_JS(int, webColumns, (), { return HulgorWeb.columns(); });
EM_JS(double, webPauseScale, (), { return HulgorWeb.pauseScale(); });
EM_JS(void, webPlaySound, (const char* name), { HulgorWeb.playSound(UTF8ToString(name)); });
EM_JS(int, webPlainMode, (), { return HulgorWeb.plain ? 1 : 0; });
EM_JS(int, webTakeLine, (char* buffer, int capacity), {
    const bytes = HulgorWeb.takeLine(capacity);
    if (!bytes) return -1;
    HEAPU8.set(bytes, buffer);
    return bytes.length;
});
EM_ASYNC_JS(void, webWaitForLine, (), { await HulgorWeb.waitForLine(); });
EM_ASYNC_JS(void, webWaitForKey, (), { await HulgorWeb.nextKey(); });
EM_ASYNC_JS(void, webFinish, (), {
    HulgorWeb.finish();
    await new Promise(() => {});
});
// clang-format on

namespace {

// Standard output: bytes are collected and handed to the terminal at every
// flush (the game flushes before it waits).
class PageOutput : public std::streambuf {
public:
    // What was collected and not yet handed over is dropped.
    void discard() { pending_.clear(); }

protected:
    int_type overflow(int_type byte) override {
        if (!traits_type::eq_int_type(byte, traits_type::eof())) pending_ += traits_type::to_char_type(byte);
        return traits_type::not_eof(byte);
    }
    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        pending_.append(bytes, static_cast<std::size_t>(count));
        return count;
    }
    int sync() override {
        if (!pending_.empty()) webWrite(pending_.data(), static_cast<int>(pending_.size()));
        pending_.clear();
        return 0;
    }

private:
    std::string pending_;
};

// Standard input: one line at a time from the page's line editor, which
// echoes and handles Backspace until Enter, like a terminal in line mode.
// The line entered is handed over in large pieces, never copying its rest;
// the page is waited on only once all of it has been read. Each piece is
// told to `taken`, so that the screen keeps the line as it was echoed.
class PageInput : public std::streambuf {
public:
    std::function<void(std::string_view)> taken;

protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        std::cout.flush();
        int got = webTakeLine(piece_.data(), static_cast<int>(piece_.size()));
        if (got < 0) {
            webWaitForLine();
            got = webTakeLine(piece_.data(), static_cast<int>(piece_.size()));
        }
        if (got <= 0) return traits_type::eof();
        if (taken) taken(std::string_view(piece_.data(), static_cast<std::size_t>(got)));
        setg(piece_.data(), piece_.data(), piece_.data() + got);
        return traits_type::to_int_type(*gptr());
    }

private:
    std::array<char, 64 * 1024> piece_{};
};

// The page's screen-reader setting is the game's plain mode: read at the
// start, and again after each key or line, so that a switch on the page
// holds from the player's next answer on.
void followPageSettings() { displayOptions().plain = webPlainMode() != 0; }

// The terminal's text wraps at blanks to the terminal's width. The page's
// width changes with the window and the text size, so the text of the
// current screen is kept as the game wrote it (since its last clear, with
// the colour in force then, and the lines typed): laid out once more at the
// new width it reads as if it had been written there.
class ScreenText : public std::streambuf {
public:
    explicit ScreenText(PageOutput& output) : output_(output) { wrap_ = freshWrap(); }

    LineWrap& wrap() { return *wrap_; }

    void setColour(std::string_view sequence) { colour_ = sequence; }
    void cleared() { text_ = colour_; }
    void typed(std::string_view line) { text_ += line; }

    // The current screen cleared and written anew at the terminal's width
    // now; later text goes on from where it ends.
    void layOutAgain() {
        output_.discard();
        constexpr std::string_view restart = "\x1b[0m\x1b[H\x1b[2J\x1b[3J";
        output_.sputn(restart.data(), static_cast<std::streamsize>(restart.size()));
        wrap_ = freshWrap();
        wrap_->write(text_);
        wrap_->flush();
        output_.pubsync();
    }

protected:
    int_type overflow(int_type byte) override {
        if (!traits_type::eq_int_type(byte, traits_type::eof())) {
            char c = traits_type::to_char_type(byte);
            xsputn(&c, 1);
        }
        return traits_type::not_eof(byte);
    }
    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        std::string_view text(bytes, static_cast<std::size_t>(count));
        text_ += text;
        wrap_->write(text);
        return count;
    }
    int sync() override {
        wrap_->flush();
        return output_.pubsync();
    }

private:
    std::unique_ptr<LineWrap> freshWrap() {
        return std::make_unique<LineWrap>([] { return static_cast<std::size_t>(webColumns()); },
                                          [this](std::string_view bytes) {
                                              output_.sputn(bytes.data(), static_cast<std::streamsize>(bytes.size()));
                                          });
    }

    PageOutput& output_;
    std::unique_ptr<LineWrap> wrap_;
    std::string text_;
    std::string colour_;
};

struct Page {
    PageOutput output;
    PageInput input;
    ScreenText screen{output};
};

Page& page() {
    static Page* instance = [] {
        auto* p = new Page;  // lives as long as the page
        // emscripten starts with the mask 0777, which would leave every new
        // save file without permissions, unreadable and not replaceable.
        ::umask(022);
        p->input.taken = [p](std::string_view line) { p->screen.typed(line); };
        // The wrapping is the page's own (ScreenText), not the shared one.
        PlatformStreams streams;
        streams.output = &p->screen;
        streams.input = &p->input;
        installConsoleStreams(streams);
        followPageSettings();
        return p;
    }();
    return *instance;
}

// Set up before main, so that no text can bypass the terminal.
const bool pageReady = (page(), true);

}  // namespace

// Called by the page when the terminal's width changed.
extern "C" EMSCRIPTEN_KEEPALIVE void hulgorLayOutAgain() { page().screen.layOutAgain(); }

// A browser tab has no full-screen switch, font or code page to ask for
// without a click of the player's; the terminal is already UTF-8.
void enterFullScreen() { page(); }
void setFontHeight(std::int16_t) {}
void selectUtf8CodePage() {}
// In the browser the game stays in the classic locale: numbers are read and
// shown without digit grouping, and the page's terminal takes the UTF-8
// text as it comes.
void setGermanLocale() {}

void setTextColour(TextColour colour) {
    if (!coloursShown()) return;
    std::cout << sgrFor(colour);
    page().screen.setColour(sgrFor(colour));
}

void clearScreen() {
    if (!clearShownAsRule()) std::cout << AnsiClearScreen;
    std::cout.flush();
    page().screen.cleared();
}

void waitForKey() {
    std::cout.flush();
    webWaitForKey();
    followPageSettings();
}

void pauseMs(std::int64_t milliseconds) {
    auto scaled = static_cast<std::int64_t>(static_cast<double>(milliseconds) * webPauseScale());
    pauseOnSteadyClock(scaled, [](std::chrono::milliseconds length) {
        emscripten_sleep(static_cast<unsigned>(length.count()));
    });
}

// The page brings its sounds along.
SoundSearch soundSearch() { return {}; }

void playSound(const std::string& fileName) {
    if (displayOptions().sound) webPlaySound(fileName.c_str());
}

void quitProgram() {
    std::cout << consoleMessages().quit;
    std::cout.flush();
    // The page keeps its terminal; the game just never goes on.
    for (;;) webFinish();
}

// The page's terminal scrolls back: nothing is held for the player to read.
WindowSize windowSize() { return {page().screen.wrap().width(), 0}; }

void beginLineInput() { std::cout.flush(); }

void endLineInput() {
    // The player's Enter was echoed: the cursor is back in the first column.
    page().screen.wrap().lineStarted();
    followPageSettings();
}
