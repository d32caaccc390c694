#include "console/io/transcript.h"

#include <iostream>
#include <streambuf>
#include <string_view>

#include "console/io/console_messages.h"
#include "console/io/console_streams.h"
#include "console/io/display_options.h"
#include "console/layout/output_watch.h"

namespace {

// Of a very long typed line the transcript keeps this much.
constexpr std::size_t TranscribedLineLimit = 64 * 1024;

// The transcript file behind a buffer. A failed write fails the stream
// over it, which is how the transcript finds out.
class TranscriptFile : public std::streambuf {
public:
    AppendFile file;

    TranscriptFile() { setp(buffer_, buffer_ + sizeof buffer_); }

protected:
    int_type overflow(int_type byte) override {
        if (!writeOut()) return traits_type::eof();
        if (!traits_type::eq_int_type(byte, traits_type::eof())) sputc(traits_type::to_char_type(byte));
        return traits_type::not_eof(byte);
    }
    int sync() override { return writeOut() ? 0 : -1; }

private:
    bool writeOut() {
        const bool written = file.write(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        setp(buffer_, buffer_ + sizeof buffer_);
        return written;
    }

    char buffer_[4096];
};

// Never destroyed: standard output is flushed through them after static
// destructors have run.
TranscriptFile& transcriptFile = *new TranscriptFile;
std::ostream& transcript = *new std::ostream(&transcriptFile);
bool transcribing = false;

// A transcript that cannot be written any more (a full disk, a terminal
// gone) is given up, said once, and the game plays on without it. The line
// goes straight to standard error's buffer: through std::cerr it would first
// flush standard output, which may be what is being copied right now.
void checkTranscript() {
    if (!transcribing || transcript.good()) return;
    transcribing = false;
    transcriptFile.file.close();
    std::streambuf* errors = std::cerr.rdbuf();
    const std::string_view broken = consoleMessages().transcriptBroken;
    errors->sputn(broken.data(), static_cast<std::streamsize>(broken.size()));
    errors->pubsync();
}

// Standard output on its way to the console, copied without escape
// sequences; a cleared screen shows as a rule.
class PrintedCopy : public OutputWatch {
public:
    using OutputWatch::OutputWatch;

protected:
    void watch(std::string_view bytes) override {
        if (!transcribing) return;
        for (char byte : bytes) copy(byte);
        checkTranscript();
    }
    int sync() override {
        if (transcribing) transcript.flush();
        checkTranscript();
        return OutputWatch::sync();
    }

private:
    void copy(char byte) {
        if (state_ == State::Text) {
            if (byte == '\x1b') state_ = State::Escape;
            else transcript.put(byte);
        } else if (state_ == State::Escape) {
            state_ = byte == '[' ? State::Sequence : State::Text;
            sequence_.clear();
        } else if (static_cast<unsigned char>(byte) >= 0x40 && static_cast<unsigned char>(byte) <= 0x7E) {
            if (byte == 'J' && sequence_ == "2") transcript << PlainScreenBreak;
            state_ = State::Text;
        } else if (sequence_.size() < 16) {
            sequence_ += byte;
        }
    }

    enum class State { Text, Escape, Sequence } state_ = State::Text;
    std::string sequence_;
};

// Standard input on its way to the game. A typed line goes to the
// transcript whole as soon as the game starts reading it, so it stands
// before whatever the game answers (a number read that fails at the first
// letter has taken only that letter). The line is read ahead into a buffer
// of at most TranscribedLineLimit bytes: of a longer line the transcript keeps
// that start with a line end, and the rest passes through the same buffer
// uncopied.
class TypedCopy : public std::streambuf {
public:
    explicit TypedCopy(std::streambuf* source) : source_(source) { line_.reserve(TranscribedLineLimit); }

protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        const bool copied = !continues_;
        if (!readPiece()) return traits_type::eof();
        if (copied && transcribing) {
            transcript.write(line_.data(), static_cast<std::streamsize>(line_.size()));
            if (continues_) transcript.put('\n');
            transcript.flush();
            checkTranscript();
        }
        setg(line_.data(), line_.data(), line_.data() + line_.size());
        return traits_type::to_int_type(*gptr());
    }

private:
    // Reads the next piece of input into line_: up to and with the line end,
    // to the end of input, or TranscribedLineLimit bytes (then the line goes on).
    // A source that hands out input in parts, such as the terminal's line
    // editor with each entered line, is read only to the end of the part
    // it holds: reading on would wait for a line the player has not typed.
    // Other sources (a pipe, a file) are read to the line end.
    bool readPiece() {
        line_.clear();
        if (traits_type::eq_int_type(source_->sgetc(), traits_type::eof())) return false;
        const bool inParts = source_->in_avail() > 0;
        bool ended = false;
        while (line_.size() < TranscribedLineLimit && !ended) {
            if (inParts && source_->in_avail() <= 0) break;
            const int_type next = source_->sbumpc();
            if (traits_type::eq_int_type(next, traits_type::eof())) break;
            line_ += traits_type::to_char_type(next);
            ended = line_.back() == '\n';
        }
        continues_ = !ended && line_.size() == TranscribedLineLimit && (!inParts || source_->in_avail() > 0);
        return true;
    }

    std::streambuf* source_;
    std::string line_;
    bool continues_ = false;  // the piece read last was cut at the bound: the next one is the same line's
};

}  // namespace

void transcribeScreenCleared() {
    if (!transcribing) return;
    transcript << PlainScreenBreak;
    checkTranscript();
}

AppendFile::Opened startTranscript(const std::string& file, std::initializer_list<const char*> keptFiles) {
    const AppendFile::Opened opened = transcriptFile.file.open(file, keptFiles);
    if (opened != AppendFile::Opened::Yes) return opened;
    transcribing = true;
    stackStreamFilters([](std::streambuf* next) { return new PrintedCopy(next); },
                       [](std::streambuf* next) { return new TypedCopy(next); });
    return opened;
}
