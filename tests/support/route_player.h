// Plays one route on the scripted console: starts the game, answers each of
// its waits with the route's next action, evaluates the route's checks at
// every wait and checks the game's invariants after every step.
#pragma once

#include <string>
#include <vector>

#include "support/route_script.h"

namespace route {

// How the game ended.
enum class Ending { Quit, Eof, Return, Waiting, Aborted };

// One failed check: where it is written, what it says, and the transcript
// around the failure.
struct Failure {
    std::string where;    // file:line
    std::string message;
};

struct Result {
    Ending ending = Ending::Aborted;
    std::vector<Failure> failures;
};

// Runs `route` in the current working directory, which must be empty, on a
// scripted session that is already in place.
Result play(const Route& route);

}  // namespace route
