#include "console/terminal/terminal_keys.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "console/layout/display_width.h"
#include "console/layout/visible_text.h"

namespace {

bool isFinalByte(unsigned char byte) { return byte >= 0x40 && byte <= 0x7E; }

// CSI: ESC [ parameters... final byte in 0x40..0x7E. One that runs on past
// the longest key ends there, so a flood of parameter bytes costs no more
// than the same bytes typed.
std::size_t csiLength(std::string_view bytes) {
    for (std::size_t i = 2; i < bytes.size() && i < LongestKey; ++i) {
        auto byte = static_cast<unsigned char>(bytes[i]);
        if (isFinalByte(byte)) return i + 1;
        if (byte < 0x20 || byte > 0x3F) return i;  // not a CSI byte: the key ended before it
    }
    return bytes.size() >= LongestKey ? LongestKey : 0;
}

// A key that can begin a typed answer: one printable character, no blank.
bool keyBeginsAnswer(std::string_view key) {
    const std::optional<char32_t> code = codePointOf(key);
    return code && ::beginsAnswer(*code);
}

// The rest of an escape sequence or UTF-8 character arrives at once; a lone
// Escape is followed by nothing.
constexpr int RestOfKeyTimeoutMs = 50;

}  // namespace

std::size_t keyLength(std::string_view bytes) {
    if (bytes.empty()) return 0;
    auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead == 0x1B) {
        if (bytes.size() < 2) return 0;
        if (bytes[1] == '[') return csiLength(bytes);
        if (bytes[1] == 'O') {  // SS3: ESC O x; cut short by another byte, that one is the next key
            if (bytes.size() < 3) return 0;
            return isFinalByte(static_cast<unsigned char>(bytes[2])) ? 3 : 2;
        }
        return 1;  // a lone Escape followed by another key
    }
    // A broken or ill-formed sequence is a key of its own, as far as it goes.
    const Utf8Decoded character = decodeUtf8(bytes);
    return character.status == Utf8Decoded::Status::Incomplete ? 0 : character.length;
}

KeyReader::KeyReader(int fd, int wakeUp) : fd_(fd), wakeUp_(wakeUp) {}

bool KeyReader::read(std::string& key, Purpose purpose, const std::function<void()>& wokenUp) {
    return readFrom(0, purpose == Purpose::Line, key, wokenUp);
}

bool KeyReader::readNew(std::string& key, bool keepAnswer) {
    const std::size_t from = runs_.size();
    if (!readFrom(from, true, key, {})) return false;
    // Kept before what was read past the key, which was typed after it.
    if (keepAnswer && keyBeginsAnswer(key)) {
        runs_.insert(runs_.begin() + static_cast<std::ptrdiff_t>(from), Run{key, 0, true});
    }
    return true;
}

void KeyReader::setAside(std::size_t limit) {
    std::size_t held = 0;
    for (const Run& run : runs_) held += run.bytes.size() - run.taken;
    char buffer[4096];
    for (pollfd waiting{fd_, POLLIN, 0}; held < limit && ::poll(&waiting, 1, 0) > 0;) {
        ssize_t got = ::read(fd_, buffer, sizeof buffer);
        if (got <= 0) break;
        if (runs_.empty() || runs_.back().answer) runs_.emplace_back();
        runs_.back().bytes.append(buffer, static_cast<std::size_t>(got));
        held += static_cast<std::size_t>(got);
    }
}

// Gathers the bytes of one key from the runs from `firstRun` on, then from
// the descriptor; takes them once the key is whole, and no more: what was
// read past its end stays for the next key.
bool KeyReader::readFrom(std::size_t firstRun, bool forLine, std::string& key,
                         const std::function<void()>& wokenUp) {
    key.clear();
    std::vector<std::pair<std::size_t, std::size_t>> used;  // a run, and how many of its bytes the key holds
    std::size_t run = firstRun, at = run < runs_.size() ? runs_[run].taken : 0;
    for (;;) {
        while (run < runs_.size() && (at >= runs_[run].bytes.size() || (runs_[run].answer && !forLine))) {
            ++run;
            at = run < runs_.size() ? runs_[run].taken : 0;
        }
        if (run == runs_.size()) {
            const std::size_t runs = runs_.size(), held = runs != 0 ? runs_.back().bytes.size() : 0;
            if (!readMore(firstRun, key.empty(), wokenUp)) break;
            run = runs_.size() - 1;
            at = runs_.size() == runs ? held : 0;
        }
        const char byte = runs_[run].bytes[at++];
        if (used.empty() || used.back().first != run) used.emplace_back(run, 0);
        ++used.back().second;
        key += byte;
        if (keyLength(key) != 0) break;
    }
    if (key.empty()) return false;
    // The byte that ended an unfinished key belongs to the next one.
    const std::size_t length = keyLength(key);
    if (length != 0) key.resize(length);
    std::size_t left = key.size();
    for (auto [index, count] : used) {
        runs_[index].taken += std::min(count, left);
        left -= std::min(count, left);
    }
    dropTaken();
    return true;
}

// Reads what has been typed so far, behind everything read before: for the
// first byte of a key it waits, waking up for the wake-up pipe; for the rest
// of a key only a moment. False when nothing came.
bool KeyReader::readMore(std::size_t firstRun, bool wait, const std::function<void()>& wokenUp) {
    for (;;) {
        pollfd waiting[2]{{fd_, POLLIN, 0}, {wakeUp_, POLLIN, 0}};
        const int ready = ::poll(waiting, wait && wakeUp_ >= 0 ? 2 : 1, wait ? -1 : RestOfKeyTimeoutMs);
        if (ready < 0 && errno == EINTR) continue;
        if (ready == 0 || (ready < 0 && !wait)) return false;
        if (wait && (waiting[1].revents & POLLIN) != 0) {
            dropWakeUps();
            if (wokenUp) wokenUp();
            continue;
        }
        char buffer[4096];
        ssize_t got = ::read(fd_, buffer, sizeof buffer);
        if (got > 0) {
            append(firstRun, std::string_view(buffer, static_cast<std::size_t>(got)));
            return true;
        }
        if (got < 0 && errno == EINTR) continue;
        return false;
    }
}

bool KeyReader::holdsMore() const {
    return std::any_of(runs_.begin(), runs_.end(), [](const Run& run) { return run.taken < run.bytes.size(); });
}

void KeyReader::dropWakeUps() {
    char drained[64];
    if (wakeUp_ >= 0) {
        while (::read(wakeUp_, drained, sizeof drained) > 0) {
        }
    }
}

// Bytes from the descriptor go behind everything read so far.
void KeyReader::append(std::size_t firstRun, std::string_view bytes) {
    if (runs_.empty() || runs_.size() - 1 < firstRun || runs_.back().answer) runs_.emplace_back();
    runs_.back().bytes += bytes;
}

void KeyReader::dropTaken() {
    for (std::size_t i = 0; i < runs_.size();) {
        if (runs_[i].taken == runs_[i].bytes.size()) runs_.erase(runs_.begin() + static_cast<std::ptrdiff_t>(i));
        else ++i;
    }
}
