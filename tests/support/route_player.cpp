#include "support/route_script.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <regex>
#include <sstream>

#include "frontend/entry_point.h"
#include "frontend/menu_flow.h"
#include "state/game_state.h"
#include "state/player_files.h"
#include "story/death_screen.h"
#include "support/scripted_console.h"

namespace route {
namespace {

struct Stop {};   // the route ran out of actions at a wait
struct Abort {};  // a failure after which going on would only add noise

enum class Wait { Line, Key };

bool isAction(Kind kind) { return kind == Kind::Type || kind == Kind::Key || kind == Kind::Eof; }

const std::array<std::string, 5> Colours{"Golden", "Normal", "Green", "Red", "Yellow"};
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

std::optional<std::string> readFile(const std::string& name) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(name, error)) return std::nullopt;
    std::ifstream in(name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A save as the game writes it: a resumable label, ten integers, nothing else.
bool isValidSave(const std::string& bytes) {
    static const std::regex form("(erster Dialog|zweiter Dialog|Das Erwachen)\n(-?(0|[1-9][0-9]*)\n){10}");
    return std::regex_match(bytes, form);
}

std::string withoutColours(std::string text) {
    for (const std::string& name : Colours) {
        for (auto at = text.find("{" + name + "}"); at != std::string::npos; at = text.find("{" + name + "}", at)) {
            text.erase(at, name.size() + 2);
        }
    }
    return text;
}

std::string tail(const std::string& text, std::size_t limit) {
    return text.size() <= limit ? text : text.substr(text.size() - limit);
}

// Standard input that asks for the route's next typed line whenever the game
// has read everything typed so far.
class StepInput : public std::streambuf {
public:
    explicit StepInput(std::function<bool(std::string&)> next) : next_(std::move(next)) {}

protected:
    int_type underflow() override {
        if (gptr() != nullptr && gptr() < egptr()) return traits_type::to_int_type(*gptr());
        if (ended_ || !next_(line_)) {
            ended_ = true;
            return traits_type::eof();
        }
        setg(line_.data(), line_.data(), line_.data() + line_.size());
        return traits_type::to_int_type(*gptr());
    }

private:
    std::function<bool(std::string&)> next_;
    std::string line_;
    bool ended_ = false;
};

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
    void finish(Ending ending);
    void fail(const Line* line, const std::string& why, bool showOutput = true);

    static const std::string& transcript() { return scripted::script().transcript; }
    std::string segment() const { return transcript().substr(segmentStart_); }
    static std::string colourInForce();

    const Route& route_;
    std::vector<Step> steps_{1};
    std::size_t step_ = 0;
    std::size_t evaluatedSteps_ = 0;  // steps whose checks have run
    std::size_t segmentStart_ = 0;
    std::size_t errorStart_ = 0;
    std::vector<Failure> failures_;
    bool startIntro_ = false;
    bool eofGiven_ = false;
    const Line* lastAction_ = nullptr;
    std::optional<std::string> knownSave_;
    std::optional<std::string> blockBeforeRead_;  // output before the last number read
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

std::string Player::colourInForce() {
    std::string found = "console default";
    std::size_t best = 0;
    for (const std::string& name : Colours) {
        auto at = transcript().rfind("{" + name + "}");
        if (at != std::string::npos && (found == "console default" || at > best)) {
            best = at;
            found = name;
        }
    }
    return found;
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
    knownSave_ = readFile("savegame.txt");
    return true;
}

std::vector<Failure> Player::run() {
    if (!setUp()) return failures_;
    StepInput input([this](std::string& text) {
        arriveAt(Wait::Line);
        if (lastAction_->kind == Kind::Eof) return eofGiven_ = true, false;
        text = lastAction_->first + "\n";
        return true;
    });
    std::streambuf* keyboard = std::cin.rdbuf(&input);
    std::cin.clear();
    std::cin.exceptions(std::ios::badbit);  // lets Stop and Abort leave a read
    scripted::script().onKeyWait = [this] { arriveAt(Wait::Key); };

    Ending ending = Ending::Aborted;
    try {
        if (startIntro_) {
            runEntryPoint();
        } else {
            loadPermadeath();
            runMenus();
        }
        ending = Ending::Return;
    } catch (const ProgramQuit&) {
        ending = eofGiven_ ? Ending::Eof : Ending::Quit;
    } catch (const Stop&) {
        ending = Ending::Waiting;
    } catch (const Abort&) {
    } catch (const GameOver&) {
        fail(nullptr, "a death left the game without a title menu to catch it");
    } catch (const std::exception& error) {
        fail(nullptr, std::string("the game threw: ") + error.what());
    }
    scripted::script().onKeyWait = nullptr;
    std::cin.exceptions(std::ios::goodbit);
    std::cin.clear();
    std::cin.rdbuf(keyboard);
    try {
        if (ending != Ending::Aborted) finish(ending);
    } catch (const Abort&) {
    }
    return failures_;
}

// The game waits: check what it did since the last action, then hand it the
// next one (or stop it when there is none).
void Player::arriveAt(Wait wait) {
    std::string shown = segment();
    evaluate(steps_[step_], std::nullopt);
    evaluatedSteps_ = step_ + 1;
    checkInvariants(wait, shown);
    blockBeforeRead_ = wait == Wait::Line ? std::optional(shown) : std::nullopt;

    const Line* action = steps_[step_].action;
    if (action == nullptr) throw Stop{};
    if ((wait == Wait::Key) != (action->kind == Kind::Key)) {
        fail(action, wait == Wait::Key ? "the game waits for a key here, not for a typed line"
                                       : "the game reads a typed line here, not a key");
        throw Abort{};
    }
    ++step_;
    lastAction_ = action;
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
                if (text == "savegame.txt") knownSave_ = line->second;
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
    const std::string& all = transcript();

    // A dead game says nothing more: after the death screen's key comes the title menu.
    const std::string menuStart = "{clear}{font 55}";
    for (auto at = all.find("DU BIST TOT.\n"); at != std::string::npos; at = all.find("DU BIST TOT.\n", at + 1)) {
        auto key = all.find("{key}", at);
        if (key == std::string::npos) break;
        std::string after = all.substr(key + 5, menuStart.size());
        if (after != menuStart.substr(0, after.size())) {
            fail(lastAction_, "invariant: after a death screen's key the title menu must follow, not `" + after + "...`");
            throw Abort{};
        }
    }

    // The title menus read their number in the normal colour.
    if (wait == Wait::Line && (all.ends_with("10. Spiel beenden\n{Normal}") || all.ends_with("ZAHL dazu eingibst:")) &&
        colourInForce() != "Normal") {
        fail(lastAction_, "invariant: the title menu reads a number in colour " + colourInForce());
    }

    // A save is absent, as the route put it, or one the game can write.
    if (auto save = readFile("savegame.txt"); save != knownSave_) {
        if (save && !isValidSave(*save)) fail(lastAction_, "invariant: savegame.txt is no valid save:\n" + *save);
        knownSave_ = save;
    }

    // A rejected entry is answered by its message and the same block again.
    bool rejected = shown.starts_with("\nUngültige Eingabe! Bitte eine Zahl eingeben!\n") ||
                    shown.starts_with("\nUngültige Auswahl!\n");
    if (wait == Wait::Line && blockBeforeRead_ && lastAction_->kind == Kind::Type && rejected) {
        std::string block = tail(withoutColours(*blockBeforeRead_), 120);
        if (!withoutColours(shown).ends_with(block)) {
            fail(lastAction_, "invariant: after a rejected entry the same choice block must follow, ending:\n" + block);
        }
    }
}

void Player::finish(Ending ending) {
    std::string shown = segment();
    if (evaluatedSteps_ <= step_) evaluate(steps_[step_], std::nullopt);
    evaluate(steps_[step_], ending);
    if (steps_[step_].action != nullptr) fail(steps_[step_].action, "the game has already ended here");
    checkInvariants(std::nullopt, shown);

    // The program ends only by option 10, option 200, the end of input, or
    // after a game started from the first menu.
    const std::string& all = transcript();
    bool documented = ending != Ending::Quit && ending != Ending::Return;
    if (ending == Ending::Quit) {
        std::istringstream typed(lastAction_ != nullptr ? lastAction_->first : "");
        documented = all.ends_with("\nSpiel wird beendet...\nDas Programm wird beendet...\n{quit}") ||
                     std::find(std::istream_iterator<std::string>(typed), {}, "200") != std::istream_iterator<std::string>();
    } else if (ending == Ending::Return) {
        documented = all.ends_with("10. Spiel beenden\n{Normal}") && menuNesting().empty();
    }
    if (!documented) fail(nullptr, "invariant: the program ended in a way it never should");
}

}  // namespace

std::vector<Failure> play(const Route& route) { return Player(route).run(); }

}  // namespace route
