// The shared end of every death in the story.
#pragma once

#include "story/script.h"

// Thrown by DeathScreen once the player has seen the death screen: it unwinds
// the dead game's scenes up to the chapter run, which then opens the title
// menu in their place. Nothing of the dead game's story is printed after it.
struct GameOver {};

enum class LeadSound : bool { None, Gore };
enum class Sword : bool { Kept, Lost };

// What differs from one death to the next.
struct Death {
    int blankLinesBefore;        // red line ends before the banner
    LeadSound leadSound;         // gore.wav and a second's pause before death.wav
    PassageId keyPrompt;         // the red prompt of the key wait
    Sword sword;                 // whether the dead hero's sword is taken from the record
};

// Death banner and sound, the permadeath wipe of the save, the key prompt;
// then leaves the game (throws GameOver). Never returns into the story.
[[noreturn]] void DeathScreen(const Death& death);
