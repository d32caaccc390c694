// The one record of all game variables. Every part of the game reads and
// writes its fields directly; it is never reset as a whole.
#pragma once

#include <cstdint>
#include <string>

namespace Checkpoint {
inline constexpr const char* GameStart = "Spielstart";
inline constexpr const char* FirstDialog = "erster Dialog";
inline constexpr const char* SecondDialog = "zweiter Dialog";
inline constexpr const char* Awakening = "Das Erwachen";
inline constexpr const char* Empty = "leer";
}  // namespace Checkpoint

struct GameState {
    std::string checkpoint = Checkpoint::GameStart;
    std::string playerName;
    std::int32_t nameEntryPending = 1;
    std::int32_t nameGiven = 0;
    std::int32_t health = 100;
    std::int32_t hasSword = 0;
    std::int32_t ragnarRelation = 5;
    std::int32_t ragnarStatus = 0;
    std::int32_t bardRelation = 5;
    std::int32_t bardStatus = 0;
    std::int32_t reservedA = 0;
    std::int32_t reservedB = 0;
    std::int32_t wolfChoice = 0;
    std::int32_t permadeath = 0;
    std::int32_t menuChoice = 0;

    bool operator==(const GameState&) const = default;
};

extern GameState game;
