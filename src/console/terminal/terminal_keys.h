// Telling where one key press ends in the bytes a terminal delivers: an
// escape sequence (arrow keys, function keys) or a UTF-8 character is one key.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <string_view>

// No key a terminal sends is longer than this; an escape sequence that runs
// on past it ends there, and the bytes after it are keys of their own.
constexpr std::size_t LongestKey = 32;

// How many bytes of `bytes` belong to the first key, or 0 when the key is
// not complete yet and more bytes may follow.
std::size_t keyLength(std::string_view bytes);

// Keys read one key press at a time from a terminal (or any descriptor).
// Keys set aside while the game shows its paging prompt are read first, in
// the order they were typed; so are the bytes read past the end of a key.
class KeyReader {
public:
    enum class Purpose { KeyWait, Line };

    // A byte arriving on `wakeUp` (a pipe; -1: none) interrupts the wait.
    explicit KeyReader(int fd, int wakeUp = -1);

    // Waits for one key press; false at the end of input or on an error.
    // `wokenUp` is called each time the wait is interrupted.
    bool read(std::string& key, Purpose purpose, const std::function<void()>& wokenUp = {});
    // Moves what has been typed so far into the keys set aside, while they
    // hold less than `limit` bytes.
    void setAside(std::size_t limit);
    // Waits for a key typed from now on, past the keys set aside. With
    // `keepAnswer`, a key that can begin an answer (a printable character
    // that is no blank) is also kept to begin the next line read; key waits
    // pass it by.
    bool readNew(std::string& key, bool keepAnswer);
    // Whether bytes are read already that the next key begins with.
    bool holdsMore() const;
    // Forgets the wake-ups that came before now.
    void dropWakeUps();

private:
    struct Run {
        std::string bytes;
        std::size_t taken = 0;  // bytes of it already read
        bool answer = false;    // for a line read only
    };
    bool readFrom(std::size_t firstRun, bool forLine, std::string& key, const std::function<void()>& wokenUp);
    bool readMore(std::size_t firstRun, bool wait, const std::function<void()>& wokenUp);
    void append(std::size_t firstRun, std::string_view bytes);
    void dropTaken();

    int fd_;
    int wakeUp_;
    std::deque<Run> runs_;  // keys set aside and bytes read ahead, oldest first
};
