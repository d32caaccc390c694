// What every game on the scripted console must respect, whatever the player
// does, and one way to play a game with each of it checked at every wait.
// Used by the route runner, the session fuzz target and the random player.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "story/script.h"

namespace invariants {

enum class Wait { Line, Key };
enum class Ending { Quit, Eof, Return, Waiting, Aborted };

struct Stop {};   // thrown by `next`: stop the game at this wait (Ending::Waiting)
struct Abort {};  // thrown by `next`: give up on the game (Ending::Aborted)

// Asked at every wait with what the game printed since the previous answer.
// At a line read it returns the line to type (without its line end), or
// nothing for the end of input; at a key wait its result is ignored.
using Next = std::function<std::optional<std::string>(Wait wait, const std::string& shown)>;

struct Outcome {
    Ending ending = Ending::Aborted;
    std::string shown;                // printed since the last answer
    std::vector<std::string> broken;  // invariants broken, exceptions that escaped the game
    // The passages told and the waits, in order: the same in every language.
    std::vector<std::string> steps;
};

// The numbered choice the game asked just before the wait `next` is asked
// about, or null when that wait is no choice.
const DeclaredChoice* choiceAsked();

// Plays a game on the scripted session in place, from the intro or from the
// first title menu, and checks every invariant at every wait and at the
// end. The game is stopped at the first wait where one is broken.
Outcome play(bool startIntro, const Next& next);
// The same for any way into the game (a scene by name, say).
Outcome play(const std::function<void()>& program, const Next& next);

}  // namespace invariants
