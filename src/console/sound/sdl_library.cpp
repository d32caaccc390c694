#include "console/sound/sdl_library.h"

#include <dlfcn.h>
#include <string>
#include <type_traits>

#include "console/sound/sound_file.h"

Sdl sdl;

namespace {

#if defined(__APPLE__)
constexpr const char* MixerLibrary = "libSDL2_mixer-2.0.0.dylib";
#else
constexpr const char* MixerLibrary = "libSDL2_mixer-2.0.so.0";
#endif

}  // namespace

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

namespace {

void ignoreSdlLog(void*, int, SDL_LogPriority, const char*) {}

// ALSA writes its complaints (no sound card, missing plugins) straight onto
// standard error unless the program installs an error handler of its own.
extern "C" void ignoreAlsa(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

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
