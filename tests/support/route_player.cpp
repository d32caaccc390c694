#include "support/route_script.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

#include "state/game_state.h"
#include "support/invariants.h"
#include "support/scripted_console.h"

namespace route {
namespace {

using invariants::Abort;  // a failure after which going on would only add noise
using invariants::readFile;
using invariants::Wait;

bool isAction(Kind kind) { return kind == Kind::Type || kind == Kind::Key || kind == Kind::Eof; }

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

std::string tail(const std::string& text, std::size_t limit) {
    return text.size() <= limit ? text : text.substr(text.size() - limit);
}

// The lines between two actions: checked when the game waits for the action.
struct Step {
    std::vector<const Line*> checks;
    const Line* action = nullptr;  // none for the last step
};

class Player {
public:
    explicit Player(const Route& route) : route_(route) {}
    std::vector<Failure> run();

private:
    bool setUp();
    void arriveAt(Wait wait);
    void evaluate(const Step& step, std::optional<Ending> ending);
    void checkInvariants(std::optional<Wait> wait, const std::string& shown);
    std::optional<std::string> nextLine(Wait wait);
    void finish(Ending ending);
    void fail(const Line* line, const std::string& why, bool showOutput = true);

    static const std::string& transcript() { return scripted::script().transcript; }
    std::string segment() const { return transcript().substr(segmentStart_); }
    static std::string colourInForce() { return invariants::colourInForce(transcript()); }

    const Route& route_;
    std::vector<Step> steps_{1};
    std::size_t step_ = 0;
    std::size_t evaluatedSteps_ = 0;  // steps whose checks have run
    std::size_t segmentStart_ = 0;
    std::size_t errorStart_ = 0;
    std::vector<Failure> failures_;
    bool startIntro_ = false;
    const Line* lastAction_ = nullptr;
    std::string lastTyped_;  // the line the game reads from now
    invariants::Checker checker_;
};

void Player::fail(const Line* line, const std::string& why, bool showOutput) {
    std::string message = (line != nullptr ? line->source + "\n" : "") + "  " + why + "\n";
    if (showOutput) {
        message += "  output since " +
                   (lastAction_ != nullptr ? "`" + lastAction_->source + "` (line " + std::to_string(lastAction_->number) + ")"
                                           : std::string("the start")) +
                   ":\n-----\n" + tail(segment(), 1800) + "\n-----";
    }
    failures_.push_back({route_.file, line != nullptr ? line->number : route_.number, message});
    if (failures_.size() >= 12) throw Abort{};
}

bool Player::setUp() {
    for (const Line& line : route_.lines) {
        bool first = steps_.size() == 1;
        bool setUpOnly = line.kind == Kind::StartIntro || line.kind == Kind::MissingSound || line.kind == Kind::NoConsoleWindow;
        if (line.kind == Kind::Broken || (setUpOnly && !first)) {
            fail(&line, line.kind == Kind::Broken ? "cannot read this line: " + line.first
                                                  : "set-up belongs before the first action", false);
            return false;
        }
        if (line.kind == Kind::StartIntro) startIntro_ = true;
        else if (line.kind == Kind::NoConsoleWindow) scripted::script().hasConsoleWindow = false;
        else if (line.kind == Kind::MissingSound) scripted::script().missingSounds.insert(line.first);
        else if (line.kind == Kind::Put && first) std::ofstream(line.first, std::ios::binary) << line.second;
        else if (isAction(line.kind)) steps_.back().action = &line, steps_.emplace_back();
        else steps_.back().checks.push_back(&line);
    }
    for (std::size_t i = 0; i + 1 < steps_.size(); ++i) {
        for (const Line* line : steps_[i].checks) {
            if (line->kind == Kind::End) {
                fail(line, "`end` can only follow the last action", false);
                return false;
            }
        }
    }
    checker_.expectSave(readFile("savegame.txt"));
    return true;
}

std::vector<Failure> Player::run() {
    if (!setUp()) return failures_;
    std::string problem;
    Ending ending = invariants::play(startIntro_, [this](Wait wait) { return nextLine(wait); }, problem);
    try {
        if (!problem.empty()) fail(nullptr, problem);
        if (ending != Ending::Aborted) finish(ending);
    } catch (const Abort&) {
    }
    return failures_;
}

std::optional<std::string> Player::nextLine(Wait wait) {
    arriveAt(wait);
    if (wait == Wait::Key || lastAction_->kind == Kind::Eof) return std::nullopt;
    return lastAction_->first;
}

// The game waits: check what it did since the last action, then hand it the
// next one (or stop it when there is none).
void Player::arriveAt(Wait wait) {
    std::string shown = segment();
    evaluate(steps_[step_], std::nullopt);
    evaluatedSteps_ = step_ + 1;
    checkInvariants(wait, shown);

    const Line* action = steps_[step_].action;
    if (action == nullptr) throw invariants::Stop{};
    if ((wait == Wait::Key) != (action->kind == Kind::Key)) {
        fail(action, wait == Wait::Key ? "the game waits for a key here, not for a typed line"
                                       : "the game reads a typed line here, not a key");
        throw Abort{};
    }
    ++step_;
    lastAction_ = action;
    if (action->kind == Kind::Type) lastTyped_ = action->first;
    segmentStart_ = transcript().size();
    errorStart_ = scripted::script().errors.size();
}

void Player::evaluate(const Step& step, std::optional<Ending> ending) {
    const std::string shown = segment();
    std::size_t cursor = 0;  // ? lines match in their order
    for (const Line* line : step.checks) {
        if (ending.has_value() != (line->kind == Kind::End)) continue;
        const std::string& text = line->first;
        switch (line->kind) {
            case Kind::Appears:
                if (auto at = shown.find(text, cursor); at != std::string::npos) {
                    cursor = at + text.size();
                } else {
                    fail(line, cursor > 0 && shown.find(text) != std::string::npos
                                   ? "printed, but before the text of the previous `?` line" : "not printed");
                }
                break;
            case Kind::Absent:
                if (shown.find(text) != std::string::npos) fail(line, "printed, but must not be");
                break;
            case Kind::Exactly:
                if (shown != text) {
                    auto at = static_cast<std::size_t>(std::mismatch(shown.begin(), shown.end(), text.begin(), text.end()).first - shown.begin());
                    fail(line, "the output differs from here on:\n  expected: " +
                                   (at < text.size() ? text.substr(at, 200) : "(nothing more)") + "\n  printed:  " +
                                   (at < shown.size() ? shown.substr(at, 200) : "(nothing more)"));
                }
                break;
            case Kind::Colour:
                if (colourInForce() != text) fail(line, "the colour in force is " + colourInForce(), false);
                break;
            case Kind::State:
                if (auto value = fieldValue(text); value != line->second) {
                    fail(line, value ? "the field holds `" + *value + "`" : "no such GameState field", false);
                }
                break;
            case Kind::File:
                if (auto bytes = readFile(text); bytes != line->second) {
                    fail(line, bytes ? "the file holds:\n-----\n" + *bytes + "\n-----" : "the file does not exist", false);
                }
                break;
            case Kind::NoFile:
                if (std::filesystem::exists(text)) fail(line, "the file exists", false);
                break;
            case Kind::Err:
                if (scripted::script().errors.find(text, errorStart_) == std::string::npos) {
                    fail(line, "standard error received:\n" + scripted::script().errors.substr(errorStart_), false);
                }
                break;
            case Kind::Put:
                std::ofstream(text, std::ios::binary) << line->second;
                if (text == "savegame.txt") checker_.expectSave(line->second);
                break;
            case Kind::End:
                if (EndingNames.at(*ending) != text) fail(line, "the game ended with `" + EndingNames.at(*ending) + "`");
                break;
            default:
                break;
        }
    }
}

void Player::checkInvariants(std::optional<Wait> wait, const std::string& shown) {
    bool fatal = false;
    bool typed = lastAction_ != nullptr && lastAction_->kind == Kind::Type;
    for (const std::string& broken : checker_.check(wait, shown, typed ? std::optional(lastAction_->first) : std::nullopt, &fatal)) {
        fail(lastAction_, broken);
    }
    if (fatal) throw Abort{};
}

void Player::finish(Ending ending) {
    std::string shown = segment();
    if (evaluatedSteps_ <= step_) evaluate(steps_[step_], std::nullopt);
    evaluate(steps_[step_], ending);
    if (steps_[step_].action != nullptr) fail(steps_[step_].action, "the game has already ended here");
    checkInvariants(std::nullopt, shown);
    if (!invariants::Checker::documentedEnd(ending, lastTyped_)) {
        fail(nullptr, "invariant: the program ended in a way it never should");
    }
}

}  // namespace

std::vector<Failure> play(const Route& route) { return Player(route).run(); }

}  // namespace route
