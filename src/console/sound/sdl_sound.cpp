// Sound on Linux and macOS through SDL2_mixer: the sound thread.
//
// playSound reads the file on the caller's thread (wave_reading), so a
// missing or broken file is reported at once, and hands it to a sound
// thread. That thread is started by the first sound: it loads SDL2_mixer
// (sdl_library), opens the audio device once and then plays each sound it
// is given on one channel, which stops the sound before it. Once a sound has
// ended the thread closes the device again, so a game waiting at a prompt
// costs no CPU time (an open device keeps SDL mixing silence); the next
// sound opens it anew. At exit the thread closes the device.
#include "console/console.h"
#include "console/io/console_messages.h"
#include "console/io/display_options.h"
#include "console/sound/sdl_library.h"
#include "console/sound/sdl_player.h"
#include "console/sound/sound_file.h"
#include "console/sound/sound_player.h"
#include "console/sound/wave_reading.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <pthread.h>
#include <string>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace {

// One write, so the line stays whole even when it comes from the sound
// thread. Not through std::cerr: that would flush std::cout, which belongs
// to the game's thread (and may be waiting at the paging prompt).
void reportFailure() {
    const std::string_view message = consoleMessages().soundFailed;
    [[maybe_unused]] ssize_t written = ::write(STDERR_FILENO, message.data(), message.size());
}

// How often the thread looks whether the sound playing has ended.
constexpr std::chrono::milliseconds SoundEndCheck{250};

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
        p.seen.busy = true;
        const bool wasOpen = p.deviceOpen;
        const bool reopen = !wasOpen && p.device == Device::Open;  // never after a failed first open
        guard.unlock();
        const bool open = wasOpen || (reopen && openDevice());
        const bool played = open && start(request, chunk);
        for (int i = 0; !played && i < calls; ++i) reportFailure();
        guard.lock();
        p.deviceOpen = open;
        if (played) p.seen.current = request.name;
        p.seen.busy = false;
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

}  // namespace

Player& player() {
    static Player* instance = new Player;
    return *instance;
}

// The folder an installed game's sounds are in, when the build names one.
#ifdef HULGOR_DATA_DIR
const std::filesystem::path InstalledSounds = HULGOR_DATA_DIR;
#else
const std::filesystem::path InstalledSounds;
#endif

SoundSearch soundSearch() { return {.installed = InstalledSounds.string()}; }

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
