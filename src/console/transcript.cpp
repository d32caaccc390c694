#include "console/transcript.h"

#include <fstream>
#include <iostream>
#include <streambuf>
#include <string_view>

#include "console/display_options.h"

namespace {

// Of a very long typed line the transcript keeps this much.
constexpr std::size_t TypedLineLimit = 64 * 1024;

// Never destroyed: standard output is flushed through it after static
// destructors have run.
std::ofstream& transcript = *new std::ofstream;

// Standard output on its way to the console, copied without escape
// sequences; a cleared screen shows as a rule.
class PrintedCopy : public std::streambuf {
public:
    explicit PrintedCopy(std::streambuf* next) : next_(next) {}

protected:
    int_type overflow(int_type byte) override {
        if (traits_type::eq_int_type(byte, traits_type::eof())) return traits_type::not_eof(byte);
        char c = traits_type::to_char_type(byte);
        return xsputn(&c, 1) == 1 ? byte : traits_type::eof();
    }
    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        for (char byte : std::string_view(bytes, static_cast<std::size_t>(count))) copy(byte);
        return next_->sputn(bytes, count);
    }
    int sync() override {
        transcript.flush();
        return next_->pubsync();
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

    std::streambuf* next_;
    enum class State { Text, Escape, Sequence } state_ = State::Text;
    std::string sequence_;
};

// Standard input on its way to the game, copied as it is read.
class TypedCopy : public std::streambuf {
public:
    explicit TypedCopy(std::streambuf* source) : source_(source) {}

protected:
    int_type underflow() override {
        int_type next = source_->sbumpc();
        if (traits_type::eq_int_type(next, traits_type::eof())) return next;
        byte_ = traits_type::to_char_type(next);
        lineLength_ = byte_ == '\n' ? 0 : lineLength_ + 1;
        if (lineLength_ < TypedLineLimit) transcript.put(byte_);
        if (byte_ == '\n') transcript.flush();
        setg(&byte_, &byte_, &byte_ + 1);
        return next;
    }

private:
    std::streambuf* source_;
    char byte_ = 0;
    std::size_t lineLength_ = 0;
};

}  // namespace

void transcribeScreenCleared() {
    if (transcript.is_open()) transcript << PlainScreenBreak;
}

bool startTranscript(const std::string& file) {
    transcript.open(file, std::ios::binary | std::ios::app);
    if (!transcript) return false;
    std::cout.rdbuf(new PrintedCopy(std::cout.rdbuf()));  // both live until the process ends
    std::cin.rdbuf(new TypedCopy(std::cin.rdbuf()));
    return true;
}
