// Sound on Linux and macOS through SDL2_mixer.
//
// playSound reads the file on the caller's thread, so a missing or broken
// file is reported at once, and hands it to a sound thread. That thread is
// started by the first sound: it loads SDL2_mixer (at run time, so the
// game's start does not wait for SDL and its many libraries), opens the
// audio device once and then plays each sound it is given on one channel,
// which stops the sound before it. Once a sound has ended the thread closes
// the device again, so a game waiting at a prompt costs no CPU time (an open
// device keeps SDL mixing silence); the next sound opens it anew. At exit
// the thread closes the device.
#include "console/console.h"
#include "console/io/console_messages.h"
#include "console/io/display_options.h"
#include "console/sound/sound_file.h"
#include "console/sound/sound_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <optional>
#include <pthread.h>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <type_traits>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// One write, so the line stays whole even when it comes from the sound
// thread. Not through std::cerr: that would flush std::cout, which belongs
// to the game's thread (and may be waiting at the paging prompt).
void reportFailure() {
    [[maybe_unused]] ssize_t written = ::write(STDERR_FILENO, SoundFailedMessage.data(), SoundFailedMessage.size());
}

// The SDL functions the sound thread calls, looked up in the loaded library.
struct Sdl {
    decltype(&SDL_SetHint) setHint;
    decltype(&SDL_LogSetOutputFunction) setLogOutput;
    decltype(&SDL_InitSubSystem) initSubSystem;
    decltype(&SDL_Quit) quit;
    decltype(&SDL_RWFromConstMem) fromMemory;
    decltype(&Mix_OpenAudio) openAudio;
    decltype(&Mix_AllocateChannels) allocateChannels;
    decltype(&Mix_LoadWAV_RW) loadWav;
    decltype(&Mix_PlayChannelTimed) playChannel;
    decltype(&Mix_Playing) playing;
    decltype(&Mix_HaltChannel) haltChannel;
    decltype(&Mix_FreeChunk) freeChunk;
    decltype(&Mix_CloseAudio) closeAudio;
};
Sdl sdl;

#if defined(__APPLE__)
constexpr const char* MixerLibrary = "libSDL2_mixer-2.0.0.dylib";
#else
constexpr const char* MixerLibrary = "libSDL2_mixer-2.0.so.0";
#endif

bool loadSdl() {
    void* library = ::dlopen(MixerLibrary, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        // Where pkg-config found it at build time (Homebrew's folder is not searched).
        library = ::dlopen((std::string(HULGOR_MIXER_LIBDIR) + "/" + MixerLibrary).c_str(),
                           RTLD_NOW | RTLD_LOCAL);
    }
    if (library == nullptr) return false;
    bool complete = true;
    auto find = [&](auto& function, const char* name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(::dlsym(library, name));
        complete = complete && function != nullptr;
    };
    find(sdl.setHint, "SDL_SetHint");
    find(sdl.setLogOutput, "SDL_LogSetOutputFunction");
    find(sdl.initSubSystem, "SDL_InitSubSystem");
    find(sdl.quit, "SDL_Quit");
    find(sdl.fromMemory, "SDL_RWFromConstMem");
    find(sdl.openAudio, "Mix_OpenAudio");
    find(sdl.allocateChannels, "Mix_AllocateChannels");
    find(sdl.loadWav, "Mix_LoadWAV_RW");
    find(sdl.playChannel, "Mix_PlayChannelTimed");
    find(sdl.playing, "Mix_Playing");
    find(sdl.haltChannel, "Mix_HaltChannel");
    find(sdl.freeChunk, "Mix_FreeChunk");
    find(sdl.closeAudio, "Mix_CloseAudio");
    return complete;
}

void ignoreSdlLog(void*, int, SDL_LogPriority, const char*) {}

// ALSA writes its complaints (no sound card, missing plugins) straight onto
// standard error unless the program installs an error handler of its own.
extern "C" void ignoreAlsa(const char*, int, const char*, int, const char*, ...) {}

void silenceAlsa() {
#if defined(__linux__)
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    if (void* alsa = ::dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL)) {
        void* setHandler = ::dlsym(alsa, "snd_lib_error_set_handler");
        if (setHandler != nullptr) reinterpret_cast<int (*)(Handler)>(setHandler)(ignoreAlsa);
    }
#endif
}

bool openDevice() {
    sdl.setLogOutput(ignoreSdlLog, nullptr);
    sdl.setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");  // the console owns the signals
    sdl.setHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Hulgor");
    if (sdl.initSubSystem(SDL_INIT_AUDIO) != 0 || sdl.openAudio(SoundDeviceRate, AUDIO_S16SYS, 2, 1024) != 0) {
        sdl.quit();  // also frees the hints
        return false;
    }
    sdl.allocateChannels(1);
    return true;
}

void closeDevice(Mix_Chunk*& chunk) {
    sdl.haltChannel(-1);
    if (chunk != nullptr) sdl.freeChunk(chunk);
    chunk = nullptr;
    sdl.closeAudio();
    sdl.quit();  // also frees the hints; openDevice sets them again
}

// How often the thread looks whether the sound playing has ended.
constexpr std::chrono::milliseconds SoundEndCheck{250};

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
    bool busy = false;   // the thread is starting a sound
    bool deviceOpen = false;
    bool quitting = false;
    bool closed = false;  // the thread has closed the device and ends
    std::string current;  // the sound started last
    std::thread thread;
};

// Lives until the process ends: the exit handler still needs it.
Player& player() {
    static Player* instance = new Player;
    return *instance;
}

// Starts the new sound on the one channel, which stops the one before it.
bool start(const Request& request, Mix_Chunk*& chunk) {
    Mix_Chunk* loaded = sdl.loadWav(
        sdl.fromMemory(request.bytes.data(), static_cast<int>(request.bytes.size())), 1);
    if (loaded == nullptr) return false;
    sdl.haltChannel(0);
    if (chunk != nullptr) sdl.freeChunk(chunk);
    chunk = loaded;
    return sdl.playChannel(0, chunk, 0, -1) == 0;
}

void soundThread(Player& p) {
    // Signals stay with the game's own thread; SDL's audio thread inherits this.
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, nullptr);

    silenceAlsa();
    const bool opened = loadSdl() && openDevice();
    Mix_Chunk* chunk = nullptr;
    std::unique_lock guard(p.lock);
    p.deviceOpen = opened;
    p.device = opened ? Device::Open : Device::Failed;
    while (!p.quitting) {
        if (!p.next) {
            p.settled.notify_all();
            if (!p.deviceOpen) {
                p.wake.wait(guard);
            } else if (!p.wake.wait_for(guard, SoundEndCheck, [&] { return p.next || p.quitting; }) &&
                       sdl.playing(0) == 0) {
                p.deviceOpen = false;  // the sound has ended: nothing to mix until the next one
                guard.unlock();
                closeDevice(chunk);
                guard.lock();
            }
            continue;
        }
        Request request = std::move(*p.next);
        p.next.reset();
        const int calls = std::exchange(p.unanswered, 0);
        p.busy = true;
        const bool wasOpen = p.deviceOpen;
        const bool reopen = !wasOpen && p.device == Device::Open;  // never after a failed first open
        guard.unlock();
        const bool open = wasOpen || (reopen && openDevice());
        const bool played = open && start(request, chunk);
        for (int i = 0; !played && i < calls; ++i) reportFailure();
        guard.lock();
        p.deviceOpen = open;
        if (played) p.current = request.name;
        p.busy = false;
    }
    const bool open = p.deviceOpen;
    p.deviceOpen = false;
    guard.unlock();
    if (open) closeDevice(chunk);
    guard.lock();
    p.closed = true;
    p.settled.notify_all();
}

// How long the end of the game waits for the sound thread to close the
// device; a thread still busy with a sound is left to the end of the process.
constexpr std::chrono::milliseconds ClosingWait{200};

// The whole file, if it is a regular file the game plays (playableWave). A
// FIFO or a link to a device would block or never end, so only regular files
// are opened, and no more than the bound is ever read.
std::optional<std::vector<char>> readWave(const std::string& fileName) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) return std::nullopt;
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (file == nullptr) return std::nullopt;
    std::vector<char> bytes;
    char buffer[65536];
    std::size_t got = 0;
    while (bytes.size() <= MaxSoundFileBytes && (got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    const bool readWhole = std::ferror(file) == 0;
    std::fclose(file);
    if (!readWhole || !playableWave(std::string_view(bytes.data(), bytes.size()))) return std::nullopt;
    return bytes;
}

}  // namespace

// The folder an installed game's sounds are in, when the build names one.
#ifdef HULGOR_DATA_DIR
const std::filesystem::path InstalledSounds = HULGOR_DATA_DIR;
#else
const std::filesystem::path InstalledSounds;
#endif

void playSound(const std::string& fileName) {
    if (!displayOptions().sound) return;  // nothing loaded, nothing opened
    std::cout.flush();
    std::optional<std::vector<char>> bytes = readWave(soundFile(fileName, InstalledSounds).string());
    Player& p = player();
    std::unique_lock guard(p.lock);
    if (!bytes || p.device == Device::Failed) {
        guard.unlock();
        reportFailure();
        return;
    }
    p.next = Request{fileName, std::move(*bytes)};
    ++p.unanswered;
    if (p.device == Device::Closed) {
        try {
            p.thread = std::thread(soundThread, std::ref(p));
        } catch (const std::system_error&) {
            p.device = Device::Failed;
            p.next.reset();
            p.unanswered = 0;
            guard.unlock();
            reportFailure();
            return;
        }
        p.device = Device::Opening;
    }
    p.wake.notify_one();
}

void stopSoundAtExit() {
    Player& p = player();
    std::unique_lock guard(p.lock);
    if (!p.thread.joinable()) return;
    p.quitting = true;
    p.wake.notify_one();
    if (p.settled.wait_for(guard, ClosingWait, [&] { return p.closed; })) {
        guard.unlock();
        p.thread.join();
    } else {
        p.thread.detach();  // still converting a sound: the end of the process ends it
    }
}

std::string soundNowPlaying() {
    Player& p = player();
    std::unique_lock guard(p.lock);
    if (p.device == Device::Closed) return "";
    p.settled.wait(guard, [&] { return p.device != Device::Opening && !p.next && !p.busy; });
    return p.deviceOpen && sdl.playing(0) != 0 ? p.current : "";
}
