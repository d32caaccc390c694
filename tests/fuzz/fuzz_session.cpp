// A whole game on the scripted console from a string of bytes. The first
// byte chooses the start: bit 0 with the intro, bit 1 permadeath on, bits 2
// and 3 a save at one of the three checkpoints (0: none). The rest is typed
// line by line, then standard input ends. Every invariant is checked at every
// wait, and the game is stopped after a number of waits.
//
// Built twice: as a libFuzzer target (preset fuzz; tools/fuzz.sh runs it),
// and as the random player, which plays seeded random games: numbers in and
// around the offered ranges, 200, words, names of any bytes, empty lines, two
// tokens on a line; with --plain in plain text, with --english in English.
//
//   random_player --games 100000 --seed 7 [--plain | --no-colour] [--digests FILE] [--scenes] [--english]
//
// With --scenes, each game starts at a scene of the story in turn, the hero
// named with control characters, C1 controls and broken UTF-8 among his
// letters, as no player could type at the name prompt alone.
//
// With --digests, every game's whole transcript (output, colour and console
// events, standard error) is reduced to one hash line in FILE, so two builds
// can be compared byte for byte over thousands of games.
//
// The random player prints how many games ran clean and each broken one with
// everything typed; its exit status is 1 when any game broke.
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>

#include "console/io/display_options.h"
#include "state/game_state.h"
#include "state/player_files.h"
#include "state/save_file.h"
#include "story/chapters.h"
#include "story/language.h"
#include "support/invariants.h"
#include "support/named_scenes.h"
#include "support/scripted_console.h"
#include "support/work_folder.h"
#include "test_seam.h"

namespace {

// Plays the game that `bytes` describe; false, with what broke and the end
// of the transcript on standard error, when an invariant broke.
// With `scene`, the game starts there with the hero named `name`.
bool playSession(const WorkFolder& folder, const std::string& bytes, int maxWaits, std::ostream* digests = nullptr,
                 const NamedScene* scene = nullptr, const std::string& name = "") {
    if (bytes.empty()) return true;
    folder.empty();
    const unsigned start = static_cast<unsigned char>(bytes[0]);
    if ((start & 2) != 0) std::ofstream(PermadeathFileName) << "1\n";
    if (unsigned label = (start >> 2) & 3; label != 0 && label <= checkpoints.size()) {
        std::ofstream(SaveFileName) << checkpoints[label - 1].label << "\n5\n0\n100\n0\n0\n0\n5\n1\n0\n0\n";
    }
    std::istringstream typed(bytes.substr(1));
    game = GameState{};
    if (scene != nullptr) game.playerName = name;
    invariants::Outcome outcome;
    std::string shown;
    {
        scripted::ScriptedSession session;
        scripted::script().transcriptLimit = 16 << 20;
        int waits = 0;
        auto next = [&](invariants::Wait, const std::string&) -> std::optional<std::string> {
            if (++waits > maxWaits) throw invariants::Stop{};
            std::string line;
            return std::getline(typed, line) ? std::optional(line) : std::nullopt;
        };
        if (scene != nullptr) {
            outcome = invariants::play(
                [scene] {
                    loadPermadeath();
                    testSeam::runMenusAfter([scene] { runFromScene(*scene); });
                },
                next);
        } else {
            outcome = invariants::play((start & 1) != 0, next);
        }
        shown = scripted::script().transcript;
        if (digests != nullptr) {
            // FNV-1a over everything the game showed, then its errors.
            std::uint64_t hash = 14695981039346656037ull;
            for (const std::string* part : {&shown, &scripted::script().errors})
                for (const char c : *part + '\0') hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
            *digests << std::hex << hash << std::dec << ' ' << shown.size() << '\n';
        }
    }
    if (outcome.broken.empty()) return true;
    shown.erase(0, shown.size() - std::min<std::size_t>(shown.size(), 3000));
    std::cerr << "transcript, last part:\n" << shown << "\n";
    for (const std::string& what : outcome.broken) std::cerr << "finding: " << what << "\n";
    return false;
}

}  // namespace

#ifdef HULGOR_LIBFUZZER

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const WorkFolder folder("hulgor-fuzz-session");
    std::string bytes(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 4097));
    if (!playSession(folder, bytes, 400)) std::abort();
    return 0;
}

#else

int main(int argc, char** argv) {
    long games = 1000;
    unsigned seed = 1;
    const char* digestFile = nullptr;
    bool scenes = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--plain") == 0) displayOptions().plain = true;
        else if (std::strcmp(argv[i], "--no-colour") == 0) displayOptions().colours = false;
        else if (std::strcmp(argv[i], "--scenes") == 0) scenes = true;
        else if (std::strcmp(argv[i], "--english") == 0) chooseStoryLanguage(Language::English);
        else if (i + 1 == argc) break;
        else if (std::strcmp(argv[i], "--digests") == 0) digestFile = argv[++i];
        else if (std::strcmp(argv[i], "--games") == 0) games = std::atol(argv[++i]);
        else if (std::strcmp(argv[i], "--seed") == 0) seed = static_cast<unsigned>(std::atol(argv[++i]));
    }
    static const std::string odd[] = {"", "200", "abc", "1 2", "2 x", "-1", "0", "99999999999", "3abc",
                                      "Ärger", "  4  ", "\t", "Hulgor", "1.5", "+2"};
    const WorkFolder folder("hulgor-random");
    std::mt19937 random(seed);
    auto below = [&](unsigned limit) { return static_cast<int>(random() % limit); };
    // A word of any bytes but the line end, as a name might be typed: C0
    // controls, DEL, C1 controls in UTF-8 (C2 80 to C2 9F), stray bytes, lead
    // bytes with continuation bytes (overlong, surrogate, too large or cut
    // short), umlauts and letters.
    auto oddName = [&] {
        std::string name;
        for (int i = 0, length = 1 + below(8); i < length; ++i) {
            switch (below(7)) {
                case 0: {
                    const auto control = static_cast<char>(below(0x20));
                    name += control == '\n' ? '\x1B' : control;
                    break;
                }
                case 1: name += '\x7F'; break;
                case 2: name += '\xC2'; name += static_cast<char>(0x80 + below(0x20)); break;
                case 3: name += static_cast<char>(0x80 + below(0x80)); break;
                case 4: {  // the edges of the UTF-8 ranges
                    static const unsigned char leads[] = {0xC0, 0xC1, 0xC2, 0xDF, 0xE0, 0xE1, 0xED, 0xEF,
                                                          0xF0, 0xF1, 0xF4, 0xF5, 0xFF};
                    static const unsigned char follows[] = {0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0x41};
                    name += static_cast<char>(leads[below(std::size(leads))]);
                    for (int more = below(4); more > 0; --more) name += static_cast<char>(follows[below(std::size(follows))]);
                    break;
                }
                case 5: name += "ö"; break;
                default: name += static_cast<char>('a' + below(26)); break;
            }
        }
        return name;
    };
    std::ofstream digestStream;
    if (digestFile != nullptr) digestStream.open(digestFile, std::ios::binary);
    std::ostream* digests = digestFile != nullptr ? &digestStream : nullptr;
    long clean = 0;
    for (long number = 1; number <= games; ++number) {
        // A start byte, then lines until the end of input (or 2000 lines);
        // every fourth game starts a new game at once with an odd name.
        std::string bytes(1, static_cast<char>(below(16)));
        if (below(4) == 0) bytes += "1 " + oddName() + "\n";
        for (int line = 0, kind = below(1000); line < 2000 && kind >= 3; ++line, kind = below(1000)) {
            if (kind < 600) bytes += std::to_string(1 + below(4)) + "\n";
            else if (kind < 850) bytes += std::to_string(below(14) - 1) + "\n";
            else if (kind < 950) bytes += odd[below(std::size(odd))] + "\n";
            else bytes += oddName() + "\n";
        }
        const NamedScene* scene = nullptr;
        std::string name;
        if (scenes) {  // the edges of the control ranges and a cut-off sequence, among the odd bytes
            static const char* edges[] = {"\x1F", "\x7F", "\xC2\x80", "\xC2\x9F", "\xC2\xA0", "\xE2\x82", "\xF4\x90"};
            scene = &namedScenes()[static_cast<std::size_t>(number) % namedScenes().size()];
            name = oddName() + edges[below(std::size(edges))] + oddName();
        }
        if (playSession(folder, bytes, 2000, digests, scene, name)) ++clean;
        else std::cout << "game " << number << " (seed " << seed << ", start " << int{bytes[0]} << "):\n" << &bytes[1];
    }
    std::cout << clean << " of " << games << " games clean (seed " << seed << ")\n";
    return clean == games ? 0 : 1;
}

#endif
