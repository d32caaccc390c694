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

// What the story's numbers in the record mean.
namespace Health {
inline constexpr std::int32_t Unhurt = 100;
inline constexpr std::int32_t Bitten = 75;  // by a wolf on the mountain path
}  // namespace Health

// ragnarStatus and bardStatus.
namespace Companion {
inline constexpr std::int32_t NotMet = 0;
inline constexpr std::int32_t Met = 1;
inline constexpr std::int32_t Travelling = 2;  // goes to the city with the hero
}  // namespace Companion

// ragnarRelation and bardRelation: where they start, and how far one
// answer moves them.
namespace Relation {
inline constexpr std::int32_t Neutral = 5;
inline constexpr std::int32_t Step = 5;
}  // namespace Relation

struct GameState {
    std::string checkpoint = Checkpoint::GameStart;
    std::string playerName;
    std::int32_t nameEntryPending = 1;
    std::int32_t nameGiven = 0;
    std::int32_t health = Health::Unhurt;
    std::int32_t hasSword = 0;
    std::int32_t ragnarRelation = Relation::Neutral;
    std::int32_t ragnarStatus = Companion::NotMet;
    std::int32_t bardRelation = Relation::Neutral;
    std::int32_t bardStatus = Companion::NotMet;
    std::int32_t reservedA = 0;
    std::int32_t reservedB = 0;
    std::int32_t wolfChoice = 0;
    std::int32_t permadeath = 0;
    std::int32_t menuChoice = 0;

    bool operator==(const GameState&) const = default;
};

extern GameState game;
