// Plays many games on the scripted console with random input: numbers in and
// around the offered ranges, 200, words, empty lines, two tokens on a line,
// now and then the end of input. Every invariant is checked at every wait.
//
//   random_player --games 100000 --seed 7
//
// Prints how many games ran clean; a broken game is printed with its start
// and everything typed. Exit status 1 when any game broke.
#include <cstring>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "fuzz/game_folder.h"
#include "state/game_state.h"
#include "support/invariants.h"
#include "support/scripted_console.h"

namespace {

std::optional<std::string> randomLine(std::mt19937& random) {
    static const std::vector<std::string> odd{"", "200", "abc", "1 2", "2 x", "-1", "0", "99999999999", "3abc",
                                              "Ärger", "  4  ", "\t", "Hulgor", "1.5", "+2"};
    auto below = [&](int limit) { return static_cast<int>(random() % static_cast<unsigned>(limit)); };
    int kind = below(1000);
    if (kind < 3) return std::nullopt;
    if (kind < 600) return std::to_string(1 + below(4));
    if (kind < 850) return std::to_string(below(14) - 1);
    return odd[static_cast<std::size_t>(below(static_cast<int>(odd.size())))];
}

}  // namespace

int main(int argc, char** argv) {
    long games = 1000;
    unsigned seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--games") == 0) games = std::atol(argv[i + 1]);
        if (std::strcmp(argv[i], "--seed") == 0) seed = static_cast<unsigned>(std::atol(argv[i + 1]));
    }
    enterGameFolder("hulgor-random");
    std::mt19937 random(seed);
    long clean = 0;
    for (long number = 1; number <= games; ++number) {
        unsigned start = random() % 16;
        setUpGameFolder(start);
        game = GameState{};
        std::vector<std::string> typed;
        std::vector<std::string> broken;
        {
            scripted::ScriptedSession session;
            broken = invariants::playChecked((start & 1) != 0, [&] {
                std::optional<std::string> line = randomLine(random);
                typed.push_back(line ? "> " + *line : "eof");
                return line;
            }, 2000);
        }
        if (broken.empty()) {
            ++clean;
            continue;
        }
        std::cout << "game " << number << " (seed " << seed << ", start " << start << ") broke:\n";
        for (const std::string& what : broken) std::cout << "  " << what << "\n";
        for (const std::string& line : typed) std::cout << line << "\n";
    }
    std::cout << clean << " of " << games << " games clean (seed " << seed << ")\n";
    return clean == games ? 0 : 1;
}
