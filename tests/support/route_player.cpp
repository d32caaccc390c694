#include "support/route_player.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <streambuf>

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

const std::string BadInput = "\nUngültige Eingabe! Bitte eine Zahl eingeben!\n";
const std::string BadChoice = "\nUngültige Auswahl!\n";
const std::string Farewell = "Das Programm wird beendet...\n{quit}";
const std::string MenuLastOption = "10. Spiel beenden\n{Normal}";
const std::array<std::string, 5> ColourNames{"Golden", "Normal", "Green", "Red", "Yellow"};

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

void writeFile(const std::string& name, const std::string& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A save as the game writes it: a resumable label, ten integers, nothing else.
bool isValidSave(const std::string& bytes) {
    static const std::regex form(
        "(erster Dialog|zweiter Dialog|Das Erwachen)\n(-?(0|[1-9][0-9]*)\n){10}");
    return std::regex_match(bytes, form);
}

std::string withoutColours(std::string text) {
    for (const std::string& name : ColourNames) {
        const std::string event = "{" + name + "}";
        for (auto at = text.find(event); at != std::string::npos; at = text.find(event, at)) {
            text.erase(at, event.size());
        }
    }
    return text;
}

std::string excerpt(const std::string& text, std::size_t limit = 1800) {
    if (text.size() <= limit) return text;
    return "..." + text.substr(text.size() - limit);
}

std::string actionText(const Line& line) { return line.source; }

// Standard input that hands the game one typed line of the route at a time,
// and asks the player for the next one when the game wants more.
class StepInput : public std::streambuf {
public:
    explicit StepInput(std::function<bool(std::string&)> next) : next_(std::move(next)) {}

protected:
    int_type underflow() override {
        if (gptr() != nullptr && gptr() < egptr()) return traits_type::to_int_type(*gptr());
        if (ended_) return traits_type::eof();
        if (!next_(line_)) {
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

struct Step {
    std::vector<const Line*> checks;  // and puts, in the order written
    const Line* action = nullptr;      // none for the last step
    bool evaluated = false;
};

class Player {
public:
    explicit Player(const Route& route) : route_(route) {}

    Result run();

private:
    bool nextLine(std::string& text);
    void keyWait();
    void arriveAt(Wait wait);
    const Line& takeAction(Wait wait);
    void evaluate(Step& step, const std::optional<Ending>& ending);
    void check(const Line& line, const std::string& segment, std::size_t& cursor,
               const std::optional<Ending>& ending);
    void checkInvariants(std::optional<Wait> wait, const std::string& segment);
    void finish(Ending ending);

    void fail(const Line* line, const std::string& why, bool showOutput = true);
    std::string transcript() const { return scripted::script().transcript; }
    std::string segment() const { return transcript().substr(segmentStart_); }
    std::string colourInForce() const;
    bool setUp();

    const Route& route_;
    std::vector<Step> steps_;
    std::size_t step_ = 0;
    std::size_t segmentStart_ = 0;
    std::size_t errorStart_ = 0;
    Result result_;
    bool startIntro_ = false;
    bool eofGiven_ = false;
    std::string lastTyped_;
    const Line* lastAction_ = nullptr;
    // For the invariants.
    std::optional<std::string> knownSave_;
    std::string segmentBeforeRead_;
    bool lastWaitWasRead_ = false;
};

void Player::fail(const Line* line, const std::string& why, bool showOutput) {
    std::ostringstream message;
    int number = line != nullptr ? line->number : route_.number;
    if (line != nullptr) message << line->source << "\n";
    message << "  " << why << "\n";
    if (showOutput) {
        message << "  output since "
                << (lastAction_ != nullptr ? "`" + actionText(*lastAction_) + "` (line " +
                                                 std::to_string(lastAction_->number) + ")"
                                           : std::string("the start"))
                << ":\n-----\n" << excerpt(segment()) << "\n-----";
    }
    result_.failures.push_back({route_.file + ":" + std::to_string(number), message.str()});
    if (result_.failures.size() >= 12) throw Abort{};
}

std::string Player::colourInForce() const {
    const std::string& all = scripted::script().transcript;
    std::string found = "console default";
    std::size_t best = 0;
    for (const std::string& name : ColourNames) {
        auto at = all.rfind("{" + name + "}");
        if (at != std::string::npos && (found == "console default" || at > best)) {
            best = at;
            found = name;
        }
    }
    return found;
}

bool Player::setUp() {
    steps_.emplace_back();
    for (const Line& line : route_.lines) {
        if (line.kind == Kind::Broken) {
            fail(&line, "cannot read this line: " + line.first, false);
            return false;
        }
        bool first = steps_.size() == 1;
        if (line.kind == Kind::StartIntro || line.kind == Kind::MissingSound ||
            line.kind == Kind::NoConsoleWindow) {
            if (!first) {
                fail(&line, "set-up belongs before the first action", false);
                return false;
            }
            if (line.kind == Kind::StartIntro) startIntro_ = true;
            else if (line.kind == Kind::NoConsoleWindow) scripted::script().hasConsoleWindow = false;
            else scripted::script().missingSounds.insert(line.first);
        } else if (line.kind == Kind::Put && first) {
            writeFile(line.first, line.second);
        } else if (isAction(line.kind)) {
            steps_.back().action = &line;
            steps_.emplace_back();
        } else {
            steps_.back().checks.push_back(&line);
        }
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

Result Player::run() {
    if (!setUp()) return result_;
    StepInput input([this](std::string& text) { return nextLine(text); });
    std::streambuf* keyboard = std::cin.rdbuf(&input);
    std::cin.clear();
    std::cin.exceptions(std::ios::badbit);  // lets Stop and Abort leave a read
    scripted::script().onKeyWait = [this] { keyWait(); };

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
        ending = Ending::Aborted;
    } catch (const GameOver&) {
        fail(nullptr, "a death left the game without a title menu to catch it");
    } catch (const std::exception& error) {
        fail(nullptr, std::string("the game threw: ") + error.what());
    }
    scripted::script().onKeyWait = nullptr;
    std::cin.exceptions(std::ios::goodbit);
    std::cin.clear();
    std::cin.rdbuf(keyboard);

    if (ending != Ending::Aborted) {
        try {
            finish(ending);
        } catch (const Abort&) {
        }
    }
    result_.ending = ending;
    return result_;
}

bool Player::nextLine(std::string& text) {
    arriveAt(Wait::Line);
    const Line& action = takeAction(Wait::Line);
    if (action.kind == Kind::Eof) {
        eofGiven_ = true;
        return false;
    }
    lastTyped_ = action.first;
    text = action.first + "\n";
    return true;
}

void Player::keyWait() {
    arriveAt(Wait::Key);
    takeAction(Wait::Key);
}

void Player::arriveAt(Wait wait) {
    std::string shown = segment();
    evaluate(steps_[step_], std::nullopt);
    checkInvariants(wait, shown);
    lastWaitWasRead_ = wait == Wait::Line;
    if (lastWaitWasRead_) segmentBeforeRead_ = shown;
}

const Line& Player::takeAction(Wait wait) {
    const Line* action = steps_[step_].action;
    if (action == nullptr) throw Stop{};
    bool fits = wait == Wait::Key ? action->kind == Kind::Key : action->kind != Kind::Key;
    if (!fits) {
        fail(action, wait == Wait::Key ? "the game waits for a key here, not for a typed line"
                                       : "the game reads a typed line here, not a key");
        throw Abort{};
    }
    ++step_;
    lastAction_ = action;
    segmentStart_ = scripted::script().transcript.size();
    errorStart_ = scripted::script().errors.size();
    return *action;
}

void Player::evaluate(Step& step, const std::optional<Ending>& ending) {
    if (step.evaluated) {
        if (!ending) return;
        std::size_t cursor = 0;
        for (const Line* line : step.checks) {
            if (line->kind == Kind::End) check(*line, segment(), cursor, ending);
        }
        return;
    }
    step.evaluated = true;
    std::string shown = segment();
    std::size_t cursor = 0;
    for (const Line* line : step.checks) check(*line, shown, cursor, ending);
}

void Player::check(const Line& line, const std::string& shown, std::size_t& cursor,
                   const std::optional<Ending>& ending) {
    switch (line.kind) {
        case Kind::Appears: {
            auto at = shown.find(line.first, cursor);
            if (at == std::string::npos) {
                bool earlier = cursor > 0 && shown.find(line.first) != std::string::npos;
                fail(&line, earlier ? "printed, but before the text of the previous `?` line"
                                    : "not printed");
            } else {
                cursor = at + line.first.size();
            }
            break;
        }
        case Kind::Absent:
            if (shown.find(line.first) != std::string::npos) fail(&line, "printed, but must not be");
            break;
        case Kind::Exactly:
            if (shown != line.first) {
                auto differs = std::mismatch(shown.begin(), shown.end(), line.first.begin(), line.first.end());
                auto at = static_cast<std::size_t>(differs.first - shown.begin());
                fail(&line, "the output differs from the expected text from here on:\n  expected: " +
                                (at < line.first.size() ? line.first.substr(at, 200) : "(nothing more)") +
                                "\n  printed:  " + (at < shown.size() ? shown.substr(at, 200) : "(nothing more)"));
            }
            break;
        case Kind::Colour:
            if (colourInForce() != line.first) {
                fail(&line, "the colour in force is " + colourInForce(), false);
            }
            break;
        case Kind::State: {
            auto value = fieldValue(line.first);
            if (!value) fail(&line, "no such GameState field", false);
            else if (*value != line.second) fail(&line, "the field holds `" + *value + "`", false);
            break;
        }
        case Kind::File: {
            auto bytes = readFile(line.first);
            if (!bytes) fail(&line, "the file does not exist", false);
            else if (*bytes != line.second) fail(&line, "the file holds:\n-----\n" + *bytes + "\n-----", false);
            break;
        }
        case Kind::NoFile:
            if (std::filesystem::exists(line.first)) fail(&line, "the file exists", false);
            break;
        case Kind::Err:
            if (scripted::script().errors.find(line.first, errorStart_) == std::string::npos) {
                fail(&line, "standard error received:\n" + scripted::script().errors.substr(errorStart_), false);
            }
            break;
        case Kind::Put:
            writeFile(line.first, line.second);
            if (line.first == "savegame.txt") knownSave_ = line.second;
            break;
        case Kind::End: {
            if (!ending) break;  // checked when the game has ended
            static const std::map<Ending, std::string> names{
                {Ending::Quit, "quit"}, {Ending::Eof, "eof"}, {Ending::Return, "return"},
                {Ending::Waiting, "waiting"}, {Ending::Aborted, "aborted"}};
            if (names.at(*ending) != line.first) fail(&line, "the game ended with `" + names.at(*ending) + "`");
            break;
        }
        default:
            break;
    }
}

void Player::checkInvariants(std::optional<Wait> wait, const std::string& shown) {
    const std::string& all = scripted::script().transcript;

    // A dead game says nothing more: after the death screen's key comes the
    // title menu.
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
    if (wait == Wait::Line && (all.ends_with(MenuLastOption) || all.ends_with("ZAHL dazu eingibst:")) &&
        colourInForce() != "Normal") {
        fail(lastAction_, "invariant: the title menu reads a number in colour " + colourInForce());
    }

    // A save is absent, as the route put it, or a save the game can write.
    auto save = readFile("savegame.txt");
    if (save != knownSave_) {
        if (save && !isValidSave(*save)) {
            fail(lastAction_, "invariant: savegame.txt is no valid save:\n-----\n" + *save + "\n-----");
        }
        knownSave_ = save;
    }

    // A rejected entry is answered by its message and the same block again.
    if (wait == Wait::Line && lastWaitWasRead_ && lastAction_ != nullptr && lastAction_->kind == Kind::Type &&
        (shown.starts_with(BadInput) || shown.starts_with(BadChoice))) {
        std::string before = withoutColours(segmentBeforeRead_);
        std::string tail = before.substr(before.size() - std::min<std::size_t>(before.size(), 120));
        if (!withoutColours(shown).ends_with(tail)) {
            fail(lastAction_, "invariant: after a rejected entry the same choice block must be shown again, ending:\n" + tail);
        }
    }
}

void Player::finish(Ending ending) {
    std::string shown = segment();
    if (steps_[step_].action != nullptr) {
        evaluate(steps_[step_], ending);
        fail(steps_[step_].action, "the game has already ended here");
    } else {
        evaluate(steps_[step_], ending);
    }
    checkInvariants(std::nullopt, shown);

    const std::string& all = scripted::script().transcript;
    bool documented = true;
    if (ending == Ending::Quit) {
        bool menuQuit = all.ends_with("\nSpiel wird beendet...\n" + Farewell);
        std::istringstream tokens(lastTyped_);
        bool quitOption = false;
        for (std::string token; tokens >> token;) quitOption = quitOption || token == "200";
        documented = menuQuit || quitOption;
    } else if (ending == Ending::Return) {
        documented = all.ends_with(MenuLastOption) && menuNesting().empty();
    }
    if (!documented) fail(nullptr, "invariant: the program ended in a way it never should");
}

}  // namespace

Result play(const Route& route) {
    Player player(route);
    return player.run();
}

}  // namespace route
