// Synthesizes the game's eight sound effects as small WAV files (16-bit PCM,
// mono, 44100 Hz), so that a play folder can be filled without recordings.
// Usage: make_sounds <dir>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;
using Samples = std::vector<double>;
using Harmonics = std::vector<double>;  // weights of harmonics 1, 2, 3, ...

// Seeded afresh before every sound, so each file is the same on every run.
std::mt19937 rng;

double noise() { return static_cast<double>(rng()) / 2147483647.5 - 1.0; }

std::size_t at(double seconds) { return static_cast<std::size_t>(seconds * kRate); }
double timeOf(std::size_t index) { return static_cast<double>(index) / kRate; }
double midi(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// A linear attack, then an exponential decay, and a 20 ms release at the end
// of the note so it never stops with a click.
double envelope(double t, double length, double attack, double decay) {
    double level = t < attack ? t / attack : std::exp(-(t - attack) / decay);
    double tail = length - t;
    return tail < 0.02 ? level * std::max(tail, 0.0) / 0.02 : level;
}

void addNote(Samples& out, double start, double length, double freq, double amp,
             const Harmonics& harmonics, double attack, double decay) {
    const std::size_t first = at(start);
    for (std::size_t i = 0; i < at(length) && first + i < out.size(); ++i) {
        double t = timeOf(i);
        double sum = 0.0;
        for (std::size_t h = 0; h < harmonics.size(); ++h) {
            sum += harmonics[h] * std::sin(2.0 * kPi * freq * static_cast<double>(h + 1) * t);
        }
        out[first + i] += amp * envelope(t, length, attack, decay) * sum;
    }
}

// One-pole low-pass filter; the cutoff may change from sample to sample.
struct LowPass {
    double state = 0.0;
    double run(double input, double cutoff) {
        state += (1.0 - std::exp(-2.0 * kPi * cutoff / kRate)) * (input - state);
        return state;
    }
};

struct Note { double start, length; int pitch; };

Samples intro() {  // heroic fanfare: a call on G, the rise, a full C chord
    Samples s(at(3.0));
    const Harmonics brass = {1.0, 0.6, 0.45, 0.3, 0.2, 0.1};
    for (Note n : {Note{0.00, 0.16, 67}, Note{0.18, 0.16, 67}, Note{0.36, 0.16, 67},
                   Note{0.54, 0.55, 72}, Note{1.12, 0.20, 76}, Note{1.34, 0.24, 79}}) {
        addNote(s, n.start, n.length, midi(n.pitch), 0.5, brass, 0.02, 0.8);
    }
    for (int pitch : {60, 64, 67, 72}) addNote(s, 1.6, 1.4, midi(pitch), 0.3, brass, 0.04, 0.9);
    return s;
}

Samples loading() {  // 719.wav: an A-major arpeggio climbing three octaves
    Samples s(at(2.0));
    const Harmonics squareish = {1.0, 0.0, 0.33, 0.0, 0.2};
    const int steps[] = {0, 4, 7};
    for (int i = 0; i < 12; ++i) {
        int pitch = 45 + 12 * (i / 3) + steps[i % 3];
        double length = i == 11 ? 0.24 : 0.15;
        addNote(s, 0.16 * i, length, midi(pitch), 0.2 + 0.03 * i, squareish, 0.005, 0.12);
    }
    return s;
}

Samples dragonAttack() {  // a roar: rough noise riding a falling, growling saw
    const double length = 2.5;
    Samples s(at(length));
    LowPass rough, body;
    double phase = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        double t = timeOf(i), p = t / length;
        phase += 95.0 * std::pow(0.4, p) / kRate;  // 95 Hz falling to 38 Hz
        phase -= std::floor(phase);
        double saw = 2.0 * phase - 1.0;
        double grit = rough.run(noise(), 1400.0 - 1000.0 * p);
        double roar = body.run(0.6 * saw + 2.5 * grit * (1.0 + saw), 900.0 - 500.0 * p);
        s[i] = roar * std::min(1.0, t / 0.25) * std::min(1.0, (length - t) / 0.8);
    }
    return s;
}

Samples success() {  // erfolg.wav: a quick bright run up to a ringing chord
    Samples s(at(1.5));
    const Harmonics bell = {1.0, 0.5, 0.25, 0.12};
    for (Note n : {Note{0.00, 0.30, 72}, Note{0.09, 0.30, 76}, Note{0.18, 0.30, 79},
                   Note{0.27, 0.30, 84}}) {
        addNote(s, n.start, n.length, midi(n.pitch), 0.4, bell, 0.005, 0.15);
    }
    for (int pitch : {76, 79, 84, 88}) addNote(s, 0.45, 1.05, midi(pitch), 0.25, bell, 0.005, 0.4);
    return s;
}

// One howl: a quick rise to its peak, a long sinking glide, a slight vibrato.
void addHowl(Samples& s, double start, double length, double base) {
    const std::size_t first = at(start);
    double phase = 0.0;
    for (std::size_t i = 0; i < at(length) && first + i < s.size(); ++i) {
        double t = timeOf(i), p = t / length;
        double glide = p < 0.25 ? p / 0.25 : 1.0 - 0.6 * (p - 0.25) / 0.75;
        double freq = base * (1.0 + 0.5 * glide) * (1.0 + 0.015 * std::sin(2.0 * kPi * 5.5 * t));
        phase += freq / kRate;
        phase -= std::floor(phase);
        double voice = std::sin(2.0 * kPi * phase) + 0.15 * std::sin(4.0 * kPi * phase);
        s[first + i] += 0.4 * std::sin(kPi * p) * (voice + 0.05 * noise());
    }
}

Samples wolves() {
    Samples s(at(3.0));
    addHowl(s, 0.0, 1.8, 420.0);
    addHowl(s, 0.6, 2.0, 520.0);
    addHowl(s, 1.3, 1.7, 380.0);
    return s;
}

// Karplus-Strong: a noise burst circulating in a delay line one period long,
// averaged on every pass, dies away like a plucked string.
void addPluck(Samples& s, double start, double freq, double amp) {
    std::vector<double> line(std::max<std::size_t>(2, static_cast<std::size_t>(kRate / freq + 0.5)));
    for (double& x : line) x = noise();
    const std::size_t first = at(start);
    for (std::size_t i = 0; first + i < s.size(); ++i) {
        std::size_t k = i % line.size();
        double current = line[k];
        s[first + i] += amp * current;
        line[k] = 0.996 * 0.5 * (current + line[(k + 1) % line.size()]);
    }
}

Samples bard() {  // a little lute tune in D minor over two bass notes
    Samples s(at(3.0));
    const int melody[] = {62, 65, 69, 67, 65, 64, 62, 57};
    for (int i = 0; i < 8; ++i) addPluck(s, 0.3 * i, midi(melody[i]), 0.5);
    addPluck(s, 0.0, midi(50), 0.4);
    addPluck(s, 1.2, midi(45), 0.4);
    return s;
}

Samples gore() {  // a wet thud: a falling low thump, a muffled burst, a splat
    Samples s(at(0.8));
    LowPass muffle, splatLow, splatHigh;
    double phase = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        double t = timeOf(i);
        phase += (40.0 + 50.0 * std::exp(-t / 0.05)) / kRate;
        double thump = std::sin(2.0 * kPi * phase) * std::exp(-t / 0.12);
        double burst = 3.0 * muffle.run(noise(), 800.0) * std::exp(-t / 0.06);
        double wet = noise();
        double band = splatHigh.run(wet, 2500.0) - splatLow.run(wet, 600.0);
        double splat = t < 0.18 ? 0.0 : 1.5 * band * std::exp(-(t - 0.18) / 0.04);
        s[i] = thump + burst + splat;
    }
    return s;
}

Samples death() {  // a slow A-minor descent over a low A drone
    Samples s(at(2.5));
    const Harmonics soft = {1.0, 0.4, 0.15};
    for (Note n : {Note{0.00, 0.55, 69}, Note{0.45, 0.55, 67}, Note{0.90, 0.55, 65},
                   Note{1.35, 0.55, 64}, Note{1.80, 0.70, 57}}) {
        addNote(s, n.start, n.length, midi(n.pitch), 0.4, soft, 0.08, 0.7);
    }
    addNote(s, 0.0, 2.5, midi(45), 0.3, soft, 0.3, 2.0);
    return s;
}

// Scales every sound to the same peak level, leaving headroom, then fades the
// first 5 ms in and the last 30 ms out.
void finish(Samples& s) {
    double peak = 0.0;
    for (double x : s) peak = std::max(peak, std::abs(x));
    const double gain = peak > 0.0 ? 0.85 / peak : 0.0;
    const std::size_t fadeIn = at(0.005), fadeOut = at(0.03);
    for (std::size_t i = 0; i < s.size(); ++i) {
        double level = gain;
        if (i < fadeIn) level *= static_cast<double>(i) / fadeIn;
        if (s.size() - i <= fadeOut) level *= static_cast<double>(s.size() - 1 - i) / fadeOut;
        s[i] *= level;
    }
}

void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

bool writeWav(const std::filesystem::path& path, const Samples& samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out = "RIFF";
    putLittleEndian(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    putLittleEndian(out, 16, 4);         // size of the format chunk
    putLittleEndian(out, 1, 2);          // PCM
    putLittleEndian(out, 1, 2);          // mono
    putLittleEndian(out, kRate, 4);      // sample rate
    putLittleEndian(out, kRate * 2, 4);  // bytes per second
    putLittleEndian(out, 2, 2);          // bytes per sample frame
    putLittleEndian(out, 16, 2);         // bits per sample
    out += "data";
    putLittleEndian(out, dataBytes, 4);
    for (double x : samples) {
        auto value = static_cast<std::int16_t>(std::lround(std::clamp(x, -1.0, 1.0) * 32767.0));
        putLittleEndian(out, static_cast<std::uint16_t>(value), 2);
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    file.close();
    return file.good();
}

struct Sound { const char* fileName; Samples (*make)(); };

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_sounds <dir>\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        std::cerr << "make_sounds: cannot create " << dir.string() << ": " << error.message() << '\n';
        return 1;
    }

    const Sound sounds[] = {
        {"intro.wav", intro},   {"719.wav", loading}, {"Dragonattack.wav", dragonAttack},
        {"erfolg.wav", success}, {"wolves.wav", wolves}, {"bard.wav", bard},
        {"gore.wav", gore},     {"death.wav", death},
    };
    std::uint32_t seed = 719;
    for (const Sound& sound : sounds) {
        rng.seed(seed++);
        Samples samples = sound.make();
        finish(samples);
        const std::filesystem::path path = dir / sound.fileName;
        if (!writeWav(path, samples)) {
            std::cerr << "make_sounds: cannot write " << path.string() << '\n';
            return 1;
        }
    }
    return 0;
}
