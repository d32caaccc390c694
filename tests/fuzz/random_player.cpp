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

#include "fuzz/session.h"

namespace {

// A start byte, then lines until the end of input (or 2000 lines).
std::string randomGame(std::mt19937& random) {
    static const std::vector<std::string> odd{"", "200", "abc", "1 2", "2 x", "-1", "0", "99999999999", "3abc",
                                              "Ärger", "  4  ", "\t", "Hulgor", "1.5", "+2"};
    auto below = [&](unsigned limit) { return static_cast<int>(random() % limit); };
    std::string bytes(1, static_cast<char>(below(16)));
    for (int line = 0; line < 2000; ++line) {
        int kind = below(1000);
        if (kind < 3) break;
        if (kind < 600) bytes += std::to_string(1 + below(4));
        else if (kind < 850) bytes += std::to_string(below(14) - 1);
        else bytes += odd[static_cast<std::size_t>(below(static_cast<unsigned>(odd.size())))];
        bytes += "\n";
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    long games = 1000;
    unsigned seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--games") == 0) games = std::atol(argv[i + 1]);
        if (std::strcmp(argv[i], "--seed") == 0) seed = static_cast<unsigned>(std::atol(argv[i + 1]));
    }
    const WorkFolder folder("hulgor-random");
    std::mt19937 random(seed);
    long clean = 0;
    for (long number = 1; number <= games; ++number) {
        std::string bytes = randomGame(random);
        if (playSession(folder, bytes, 2000).empty()) {
            ++clean;
        } else {
            std::cout << "game " << number << " (seed " << seed << ", start " << int{bytes[0]}
                      << ") broke; typed, then the end of input:\n" << bytes.substr(1);
        }
    }
    std::cout << clean << " of " << games << " games clean (seed " << seed << ")\n";
    return clean == games ? 0 : 1;
}
