// SDL2_mixer, loaded when the first sound plays, so the game's start does
// not wait for SDL and its many libraries; and the audio device it opens.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

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
extern Sdl sdl;

// Loads the library and finds every function; false when any is missing.
bool loadSdl();
// Keeps ALSA from writing its complaints onto standard error.
void silenceAlsa();
// Opens the audio device with one channel; false when it cannot be opened.
bool openDevice();
// Closes the device, freeing the chunk last played.
void closeDevice(Mix_Chunk*& chunk);
