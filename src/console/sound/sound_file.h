// Where a sound file is found: in the folder the game runs in first, so
// that a player's own .wav files there win, then in the folder the game's
// sounds were installed to.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// `installed` is empty where the game has no such folder.
std::filesystem::path soundFile(const std::string& name, const std::filesystem::path& installed);

// The rate the sound device plays at, and the game's sounds are made at.
inline constexpr int SoundDeviceRate = 44100;

// A sound file is read whole; a larger one is refused.
inline constexpr std::size_t MaxSoundFileBytes = std::size_t{8} << 20;

// Whether `bytes` is a WAV file that the game plays: RIFF/WAVE with a format
// chunk of 16-, 24- or 32-bit PCM or 32-bit float samples, one or two
// channels at 44,100 Hz (the rate the sound device is opened with), and a
// data chunk with sound in it. Playing converts a sound to the device's
// format; without a change of rate that costs a few times the file's size,
// where a claimed rate of 1 Hz would cost forty thousand times.
bool playableWave(std::string_view bytes);
