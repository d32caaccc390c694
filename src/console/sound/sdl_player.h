// The SDL sound player's state, shared by the game's thread (playSound, the
// exit) and the sound thread; see sdl_sound.cpp.
#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

enum class Device { Closed, Opening, Open, Failed };

struct Request {
    std::string name;
    std::vector<char> bytes;
};

struct Player {
    std::mutex lock;
    std::condition_variable wake;     // a new sound, or the end of the process
    std::condition_variable settled;  // every call so far taken up
    Device device = Device::Closed;
    std::optional<Request> next;
    int unanswered = 0;  // calls whose sound the thread has not yet taken up
    bool deviceOpen = false;
    bool quitting = false;
    bool closed = false;  // the thread has closed the device and ends
    std::thread thread;
    // What the tests ask through testSeam::soundNowPlaying, and nothing else.
    struct {
        bool busy = false;    // the thread is starting a sound
        std::string current;  // the sound started last
    } seen;
};

// Lives until the process ends: the exit handler still needs it.
Player& player();
