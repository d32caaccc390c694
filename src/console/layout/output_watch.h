// A filter in front of an output stream buffer: every byte written is shown
// to `watch` on its way, then passed on unchanged.
#pragma once

#include <streambuf>
#include <string_view>

class OutputWatch : public std::streambuf {
public:
    explicit OutputWatch(std::streambuf* next) : next_(next) {}

protected:
    virtual void watch(std::string_view bytes) = 0;

    int_type overflow(int_type byte) override {
        if (traits_type::eq_int_type(byte, traits_type::eof())) return traits_type::not_eof(byte);
        char c = traits_type::to_char_type(byte);
        return xsputn(&c, 1) == 1 ? byte : traits_type::eof();
    }
    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        watch(std::string_view(bytes, static_cast<std::size_t>(count)));
        return next_->sputn(bytes, count);
    }
    int sync() override { return next_->pubsync(); }

private:
    std::streambuf* next_;
};
