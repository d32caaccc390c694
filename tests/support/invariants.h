// What every game on the scripted console must respect, whatever the player
// does, and a way to play one with input handed out at each wait. Used by the
// route player, the fuzz targets and the random player.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace invariants {

enum class Wait { Line, Key };
enum class Ending { Quit, Eof, Return, Waiting, Aborted };

struct Stop {};   // thrown at a wait: stop the game there (Ending::Waiting)
struct Abort {};  // thrown at a wait: give up on the game (Ending::Aborted)

// The bytes of a regular file in the working directory, if there is one.
std::optional<std::string> readFile(const std::string& name);
// The last colour set in the transcript ("console default" before any).
std::string colourInForce(const std::string& transcript);

class Checker {
public:
    Checker() : knownSave_(readFile("savegame.txt")) {}
    // savegame.txt was put there from outside the game.
    void expectSave(std::optional<std::string> bytes) { knownSave_ = std::move(bytes); }
    // Checks at a wait (nothing: the game has ended); `shown` is what was
    // printed since the last action, `typed` the line that action typed.
    // Returns what is broken; `fatal` is set when going on makes no sense.
    std::vector<std::string> check(std::optional<Wait> wait, const std::string& shown,
                                   const std::optional<std::string>& typed, bool* fatal = nullptr);
    // Whether the program ended through a documented end; `lastLine` is the
    // line typed last (keys pressed since do not count).
    static bool documentedEnd(Ending ending, const std::string& lastLine);

private:
    std::optional<std::string> knownSave_;
    std::optional<std::string> blockBeforeRead_;  // output before the last number read
    std::size_t deathsChecked_ = 0;               // transcript checked for deaths up to here
};

// Runs the game (from the first title menu, or with its intro) on the
// scripted session in place. `next` is asked at every wait: at a line read it
// returns the line to type (without its line end), or nothing for the end of
// input; at a key wait its result is ignored. It may throw Stop or Abort.
// `problem` receives an exception that escaped the game.
Ending play(bool startIntro, const std::function<std::optional<std::string>(Wait)>& next, std::string& problem);

// One game with `nextLine` typing at every line read, every invariant
// checked at every wait and at the end, stopped after `maxWaits` waits.
// Returns what broke: empty for a clean game.
std::vector<std::string> playChecked(bool startIntro, const std::function<std::optional<std::string>()>& nextLine,
                                     int maxWaits);

}  // namespace invariants
