// The shared end of every death in the story.
#pragma once

#include <string_view>

// Thrown by DeathScreen once the player has seen the death screen: it unwinds
// the dead game's scenes up to the chapter run, which then opens the title
// menu in their place. Nothing of the dead game's story is printed after it.
struct GameOver {};

enum class LeadSound : bool { None, Gore };

// Death banner and sound, the permadeath wipe of the save, the key prompt;
// then leaves the game (throws GameOver). Never returns into the story.
[[noreturn]] void DeathScreen(int leadInLines, LeadSound leadSound, std::string_view keyPrompt,
                              bool clearSword);
