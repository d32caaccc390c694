#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

#include "state/game_state.h"
#include "support/invariants.h"
#include "support/route_script.h"
#include "support/scripted_console.h"

namespace route {
namespace {

using invariants::Ending;
using invariants::Wait;

const std::map<Ending, std::string> EndingNames{{Ending::Quit, "quit"}, {Ending::Eof, "eof"},
    {Ending::Return, "return"}, {Ending::Waiting, "waiting"}, {Ending::Aborted, "aborted"}};

std::optional<std::string> fieldValue(const std::string& name) {
    static const std::map<std::string, std::int32_t GameState::*> numbers{
        {"nameEntryPending", &GameState::nameEntryPending}, {"nameGiven", &GameState::nameGiven},
        {"health", &GameState::health}, {"hasSword", &GameState::hasSword},
        {"ragnarRelation", &GameState::ragnarRelation}, {"ragnarStatus", &GameState::ragnarStatus},
        {"bardRelation", &GameState::bardRelation}, {"bardStatus", &GameState::bardStatus},
        {"reservedA", &GameState::reservedA}, {"reservedB", &GameState::reservedB},
        {"wolfChoice", &GameState::wolfChoice}, {"permadeath", &GameState::permadeath},
        {"menuChoice", &GameState::menuChoice}};
    if (name == "checkpoint") return game.checkpoint;
    if (name == "playerName") return game.playerName;
    if (auto found = numbers.find(name); found != numbers.end()) return std::to_string(game.*(found->second));
    return std::nullopt;
}

bool isAction(Kind kind) { return kind == Kind::Type || kind == Kind::Key || kind == Kind::Eof; }
bool isSetUp(Kind kind) { return kind == Kind::StartIntro || kind == Kind::MissingSound || kind == Kind::NoConsoleWindow; }

struct TooManyFailures {};

// The lines between two actions: checked when the game waits for the action.
struct Step {
    std::vector<const Line*> checks;
    const Line* action = nullptr;  // none for the last step
};

class Player {
public:
    explicit Player(const Route& route) : route_(route) {}

    void run() {
        if (!setUp()) return;
        auto outcome = invariants::play(startIntro_, [this](Wait wait, const std::string& shown) { return atWait(wait, shown); });
        try {
            for (const std::string& broken : outcome.broken) fail(lastAction_, broken, outcome.shown);
            if (!evaluated_) evaluate(steps_[step_], outcome.shown, std::nullopt);
            if (outcome.ending == Ending::Aborted || !outcome.broken.empty()) return;
            evaluate(steps_[step_], outcome.shown, outcome.ending);
            if (steps_[step_].action != nullptr) fail(steps_[step_].action, "the game has already ended here", outcome.shown);
        } catch (const TooManyFailures&) {
        }
    }

private:
    bool setUp() {
        const Line* end = nullptr;
        for (const Line& line : route_.lines) {
            bool first = steps_.size() == 1;
            if (line.kind == Kind::Broken) return fail(&line, "cannot read this line: " + line.first);
            if (isSetUp(line.kind) && !first) return fail(&line, "set-up belongs before the first action");
            if (end != nullptr && isAction(line.kind)) return fail(end, "`end` can only follow the last action");
            if (line.kind == Kind::End) end = &line;
            if (line.kind == Kind::StartIntro) startIntro_ = true;
            else if (line.kind == Kind::NoConsoleWindow) scripted::script().hasConsoleWindow = false;
            else if (line.kind == Kind::MissingSound) scripted::script().missingSounds.insert(line.first);
            else if (line.kind == Kind::Put && first) std::ofstream(line.first, std::ios::binary) << line.second;
            else if (isAction(line.kind)) steps_.back().action = &line, steps_.emplace_back();
            else steps_.back().checks.push_back(&line);
        }
        return true;
    }

    // The game waits: check what it did since the last action, then hand it
    // the next one, or stop it when there is none.
    std::optional<std::string> atWait(Wait wait, const std::string& shown) {
        try {
            evaluate(steps_[step_], shown, std::nullopt);
            evaluated_ = true;
            const Line* action = steps_[step_].action;
            if (action == nullptr) throw invariants::Stop{};
            if ((wait == Wait::Key) != (action->kind == Kind::Key)) {
                fail(action, wait == Wait::Key ? "the game waits for a key here, not for a typed line"
                                               : "the game reads a typed line here, not a key", shown);
                throw invariants::Abort{};
            }
            ++step_;
            evaluated_ = false;
            lastAction_ = action;
            errorStart_ = scripted::script().errors.size();
            return action->kind == Kind::Type ? std::optional(action->first) : std::nullopt;
        } catch (const TooManyFailures&) {
            throw invariants::Abort{};
        }
    }

    void evaluate(const Step& step, const std::string& shown, std::optional<Ending> ending) {
        std::size_t cursor = 0;  // ? lines match in their order
        for (const Line* line : step.checks) {
            if (ending.has_value() != (line->kind == Kind::End)) continue;
            const std::string& text = line->first;
            switch (line->kind) {
                case Kind::Appears:
                    if (auto at = shown.find(text, cursor); at != std::string::npos) cursor = at + text.size();
                    else fail(line, cursor > 0 && shown.find(text) != std::string::npos
                                        ? "printed, but before the text of the previous `?` line" : "not printed", shown);
                    break;
                case Kind::Absent:
                    if (shown.find(text) != std::string::npos) fail(line, "printed, but must not be", shown);
                    break;
                case Kind::Exactly:
                    if (shown != text) {
                        auto at = static_cast<std::size_t>(std::mismatch(shown.begin(), shown.end(), text.begin(), text.end()).first - shown.begin());
                        fail(line, "the output differs from here on:\n  expected: " +
                                       (at < text.size() ? text.substr(at, 200) : "(nothing more)") + "\n  printed:  " +
                                       (at < shown.size() ? shown.substr(at, 200) : "(nothing more)"), shown);
                    }
                    break;
                case Kind::Colour:
                    if (auto now = scripted::script().colour; now != text) {
                        fail(line, "the colour in force is " + now);
                    }
                    break;
                case Kind::State:
                    if (auto value = fieldValue(text); value != line->second) {
                        fail(line, value ? "the field holds `" + *value + "`" : "no such GameState field");
                    }
                    break;
                case Kind::File:
                    if (auto bytes = invariants::readFile(text); bytes != line->second) {
                        fail(line, bytes ? "the file holds:\n-----\n" + *bytes + "\n-----" : "the file does not exist");
                    }
                    break;
                case Kind::NoFile:
                    if (std::filesystem::exists(text)) fail(line, "the file exists");
                    break;
                case Kind::Err:
                    if (scripted::script().errors.find(text, errorStart_) == std::string::npos) {
                        fail(line, "standard error received:\n" + scripted::script().errors.substr(errorStart_));
                    }
                    break;
                case Kind::Put:
                    std::ofstream(text, std::ios::binary) << line->second;
                    break;
                case Kind::End:
                    if (EndingNames.at(*ending) != text) fail(line, "the game ended with `" + EndingNames.at(*ending) + "`");
                    break;
                default:
                    break;
            }
        }
    }

    // Reports a failure at `line` (the route's header line when none), with
    // the output since the last action when there is any to show.
    bool fail(const Line* line, const std::string& why, std::optional<std::string> shown = std::nullopt) {
        std::string message = (line != nullptr ? line->source + "\n" : "") + "  " + why;
        if (shown) {
            std::string since = lastAction_ != nullptr
                                    ? "`" + lastAction_->source + "` (line " + std::to_string(lastAction_->number) + ")"
                                    : "the start";
            message += "\n  output since " + since + ":\n-----\n" +
                       shown->substr(shown->size() - std::min<std::size_t>(shown->size(), 1800)) + "\n-----";
        }
        ADD_FAILURE_AT(route_.file.c_str(), line != nullptr ? line->number : route_.number) << message;
        if (++failures_ >= 12) throw TooManyFailures{};
        return false;
    }

    const Route& route_;
    std::vector<Step> steps_{1};
    std::size_t step_ = 0;
    bool evaluated_ = false;  // the checks of steps_[step_] have run
    bool startIntro_ = false;
    const Line* lastAction_ = nullptr;
    std::size_t errorStart_ = 0;
    int failures_ = 0;
};

}  // namespace

void play(const Route& route) { Player(route).run(); }

}  // namespace route
