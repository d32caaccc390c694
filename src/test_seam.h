// The few hooks that exist only for the tests, each floor's in a section of
// its own. The game never calls them.
#pragma once

#include <string>

namespace testSeam {

// Console, sound (SDL back end): waits until every sound asked for so far
// has been taken up (or refused), then names the one still playing, or
// gives "" when none is.
std::string soundNowPlaying();

}  // namespace testSeam
