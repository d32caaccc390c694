// Plays every route of tests/routes/*.route (the format is in
// docs/routes.md) as a test case of its own on the scripted console; the
// game's invariants are checked at every step. A failed check is reported
// at its line of the route file, with the output since the last action.
#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <sys/stat.h>

#include "state/game_state.h"
#include "support/game_fixture.h"
#include "support/invariants.h"

namespace {

namespace fs = std::filesystem;
using invariants::Ending;
using invariants::Wait;
using Macros = std::vector<std::pair<std::string, std::string>>;

struct Line {
    std::string keyword, first, second;  // "state", "health", "100"; a parse error: no keyword, first the error
    int number;
    std::string source;                  // as written, for messages
};

struct Route {
    std::string file, name, testName;  // testName: <file stem>_<name>, letters, digits and _
    int number;                        // line of the === header
    std::vector<Line> lines;
};

void PrintTo(const Route& route, std::ostream* out) { *out << route.file << ":" << route.number << " " << route.name; }

// How a keyword's argument is read: n nothing, t a text (not empty), a any
// text, w a word, = NAME = TEXT. Texts take escapes and ${NAME} macros.
const std::map<std::string, char> Keywords{
    {"?", 't'}, {"!", 't'}, {"err ?", 't'}, {"=", 'a'}, {">", 'a'}, {"key", 'n'}, {"eof", 'n'}, {"start intro", 'n'},
    {"no-console-window", 'n'}, {"missing-sound", 'w'}, {"colour", 'w'}, {"nofile", 'w'}, {"end", 'w'},
    {"put", '='}, {"file", '='}, {"state", '='}, {"dir", 'w'}, {"fifo", 'w'}, {"link", '='}, {"readonly", 'w'}};
const std::set<std::string> SetUpOnly{"start intro", "no-console-window", "missing-sound", "dir", "fifo", "link", "readonly"};
const std::map<Ending, std::string> EndingNames{{Ending::Quit, "quit"}, {Ending::Eof, "eof"},
    {Ending::Return, "return"}, {Ending::Waiting, "waiting"}, {Ending::Aborted, "aborted"}};

std::string trim(const std::string& text) {
    auto begin = text.find_first_not_of(" \t\r");
    return begin == std::string::npos ? "" : text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
}

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Expands escapes (\n \s \t \r \e \0 \\ \$) and ${NAME} macros.
std::string expand(const std::string& written, const Macros& macros) {
    static const std::map<char, char> escapes{{'n', '\n'}, {'s', ' '}, {'t', '\t'}, {'r', '\r'},
                                              {'e', '\x1b'}, {'0', '\0'}, {'\\', '\\'}, {'$', '$'}};
    std::string out;
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (written.compare(i, 2, "${") == 0) {
            auto close = written.find('}', i);
            std::string name = written.substr(i + 2, close - i - 2);
            auto found = std::find_if(macros.rbegin(), macros.rend(), [&](const auto& m) { return m.first == name; });
            if (close == std::string::npos || found == macros.rend()) throw std::invalid_argument("unknown macro " + name);
            out += found->second;
            i = close;
        } else if (written[i] == '\\' && i + 1 < written.size()) {
            if (!escapes.contains(written[++i])) throw std::invalid_argument("unknown escape");
            out += escapes.at(written[i]);
        } else {
            out += written[i];
        }
    }
    return out;
}

Line parseLine(const std::string& written, int number, const Macros& macros) {
    std::string keyword;  // the longest one the line starts with, then a blank or the end
    for (const auto& [word, how] : Keywords) {
        if ((written == word || written.starts_with(word + " ")) && word.size() > keyword.size()) keyword = word;
    }
    if (keyword.empty()) throw std::invalid_argument("unknown line");
    std::string rest = written.substr(std::min(written.size(), keyword.size() + 1));
    Line line{keyword, "", "", number, written};
    char how = Keywords.at(keyword);
    if (how == 'n' && !rest.empty()) throw std::invalid_argument("nothing may follow " + keyword);
    if (how == 't' || how == 'a') line.first = expand(rest, macros);
    if (how == 't' && line.first.empty()) throw std::invalid_argument("empty text");
    if (how == 'w') line.first = rest;
    if (how == 'w' && (rest.empty() || (keyword == "end" && !std::set<std::string>{"quit", "eof", "return", "waiting"}.contains(rest)))) {
        throw std::invalid_argument("missing or unknown word");
    }
    if (how == '=') {
        auto equals = (rest + " ").find(" = ");
        if (equals == std::string::npos) throw std::invalid_argument("NAME = TEXT expected");
        line.first = trim(rest.substr(0, equals));
        line.second = expand(rest.substr(std::min(rest.size(), equals + 3)), macros);
    }
    return line;
}

// The routes of one file; its lets are added to `macros`.
std::vector<Route> parseRoutes(const std::string& file, Macros& macros) {
    std::vector<Route> routes;
    std::map<std::string, int> seen;  // routes of one name would collide as tests
    std::istringstream lines(slurp(file));
    int number = 0;
    for (std::string written; std::getline(lines, written);) {
        std::string line = trim(written);
        if (++number, line.empty() || line[0] == '#') continue;
        if (line.starts_with("===") || (routes.empty() && !line.starts_with("let "))) {
            std::string name = line.starts_with("===") ? trim(line.substr(3)) : "file header";
            std::string testName;
            for (char c : fs::path(file).stem().string() + "_" + name) {
                if (std::isalnum(static_cast<unsigned char>(c))) testName += c;
                else if (testName.back() != '_') testName += '_';
            }
            if (testName.back() == '_') testName.pop_back();
            if (int count = ++seen[testName]; count > 1) testName += "_" + std::to_string(count);
            routes.push_back({file, name, testName, number, {}});
            if (line.starts_with("===")) continue;
        }
        try {
            if (auto equals = line.find(" = "); line.starts_with("let ") && equals != std::string::npos) {
                macros.emplace_back(trim(line.substr(4, equals - 4)), expand(line.substr(equals + 3), macros));
            } else {
                routes.back().lines.push_back(parseLine(line, number, macros));
            }
        } catch (const std::invalid_argument& error) {
            routes.back().lines.push_back({"", error.what(), "", number, line});
        }
    }
    return routes;
}

// Every route of every *.route file, files in name order, each knowing the
// lets of predefined.lets.
std::vector<Route> loadRoutes(const fs::path& directory) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(directory)) {
        if (entry.path().extension() == ".route") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    Macros predefined;
    std::vector<Route> all = parseRoutes(directory / "predefined.lets", predefined);
    for (const auto& file : files) {
        Macros macros = predefined;
        auto routes = parseRoutes(file, macros);
        all.insert(all.end(), routes.begin(), routes.end());
    }
    return all;
}

std::optional<std::string> fieldValue(const std::string& name) {
    static const std::map<std::string, std::int32_t GameState::*> numbers{
        {"nameEntryPending", &GameState::nameEntryPending}, {"nameGiven", &GameState::nameGiven},
        {"health", &GameState::health}, {"hasSword", &GameState::hasSword}, {"ragnarRelation", &GameState::ragnarRelation},
        {"ragnarStatus", &GameState::ragnarStatus}, {"bardRelation", &GameState::bardRelation},
        {"bardStatus", &GameState::bardStatus}, {"reservedA", &GameState::reservedA}, {"reservedB", &GameState::reservedB},
        {"wolfChoice", &GameState::wolfChoice}, {"permadeath", &GameState::permadeath}, {"menuChoice", &GameState::menuChoice}};
    if (name == "checkpoint") return game.checkpoint;
    if (name == "playerName") return game.playerName;
    if (numbers.contains(name)) return std::to_string(game.*numbers.at(name));
    return std::nullopt;
}

bool isAction(const std::string& keyword) { return keyword == ">" || keyword == "key" || keyword == "eof"; }

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
            const std::string& keyword = line.keyword;
            bool first = steps_.size() == 1;
            if (keyword.empty()) return fail(&line, "cannot read this line: " + line.first);
            if (!first && SetUpOnly.contains(keyword)) return fail(&line, "set-up belongs before the first action");
            if (end != nullptr && isAction(keyword)) return fail(end, "`end` can only follow the last action");
            if (keyword == "end") end = &line;
            if (keyword == "start intro") startIntro_ = true;
            else if (keyword == "no-console-window") scripted::script().hasConsoleWindow = false;
            else if (keyword == "missing-sound") scripted::script().missingSounds.insert(line.first);
            else if (keyword == "put" && first) std::ofstream(line.first, std::ios::binary) << line.second;
            else if (keyword == "dir") fs::create_directory(line.first);
            else if (keyword == "fifo") ::mkfifo(line.first.c_str(), 0600);
            else if (keyword == "link") fs::create_symlink(line.second, line.first);
            else if (keyword == "readonly") fs::permissions(line.first, fs::perms::owner_read);
            else if (isAction(keyword)) steps_.back().action = &line, steps_.emplace_back();
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
            if ((wait == Wait::Key) != (action->keyword == "key")) {
                fail(action, wait == Wait::Key ? "the game waits for a key here, not for a typed line"
                                               : "the game reads a typed line here, not a key", shown);
                throw invariants::Abort{};
            }
            ++step_;
            evaluated_ = false;
            lastAction_ = action;
            errorStart_ = scripted::script().errors.size();
            return action->keyword == ">" ? std::optional(action->first) : std::nullopt;
        } catch (const TooManyFailures&) {
            throw invariants::Abort{};
        }
    }

    void evaluate(const Step& step, const std::string& shown, std::optional<Ending> ending) {
        std::size_t cursor = 0;  // ? lines match in their order
        for (const Line* line : step.checks) {
            const std::string &keyword = line->keyword, &text = line->first;
            if (ending.has_value() != (keyword == "end")) continue;
            if (keyword == "?") {
                auto at = shown.find(text, cursor);
                if (at == std::string::npos) {
                    fail(line, cursor > 0 && shown.find(text) != std::string::npos
                                   ? "printed, but before the text of the previous `?` line" : "not printed", shown);
                }
                cursor = at == std::string::npos ? cursor : at + text.size();
            } else if (keyword == "!") {
                if (shown.find(text) != std::string::npos) fail(line, "printed, but must not be", shown);
            } else if (keyword == "=") {
                auto at = static_cast<std::size_t>(std::mismatch(shown.begin(), shown.end(), text.begin(), text.end()).first - shown.begin());
                if (shown != text) {
                    fail(line, "the output differs from here on:\n  expected: " + (at < text.size() ? text.substr(at, 200) : "(nothing more)") +
                                   "\n  printed:  " + (at < shown.size() ? shown.substr(at, 200) : "(nothing more)"), shown);
                }
            } else if (keyword == "colour") {
                if (scripted::script().colour != text) fail(line, "the colour in force is " + scripted::script().colour);
            } else if (keyword == "state") {
                auto value = fieldValue(text);
                if (value != line->second) fail(line, value ? "the field holds `" + *value + "`" : "no such GameState field");
            } else if (keyword == "file") {
                auto bytes = invariants::readFile(text);
                if (bytes != line->second) fail(line, bytes ? "the file holds:\n-----\n" + *bytes + "\n-----" : "the file does not exist");
            } else if (keyword == "nofile") {
                if (fs::is_regular_file(fs::symlink_status(text))) fail(line, "the file exists");
            } else if (keyword == "err ?") {
                const std::string& errors = scripted::script().errors;
                if (errors.find(text, errorStart_) == std::string::npos) fail(line, "standard error received:\n" + errors.substr(errorStart_));
            } else if (keyword == "put") {
                std::ofstream(text, std::ios::binary) << line->second;
            } else if (keyword == "end" && EndingNames.at(*ending) != text) {
                fail(line, "the game ended with `" + EndingNames.at(*ending) + "`");
            }
        }
    }

    // Reports a failure at `line` (at the route's header when none), with the
    // output since the last action when given; always returns false.
    bool fail(const Line* line, const std::string& why, std::optional<std::string> shown = std::nullopt) {
        std::string message = (line != nullptr ? line->source + "\n" : "") + "  " + why;
        if (shown) {
            message += "\n  output since " + (lastAction_ != nullptr ? "`" + lastAction_->source + "` (line " +
                                                                           std::to_string(lastAction_->number) + ")"
                                                                     : std::string("the start")) +
                       ":\n-----\n" + shown->substr(shown->size() - std::min<std::size_t>(shown->size(), 1800)) + "\n-----";
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

class RouteTest : public GameTest, public ::testing::WithParamInterface<Route> {};

TEST_P(RouteTest, Plays) { Player(GetParam()).run(); }

INSTANTIATE_TEST_SUITE_P(Routes, RouteTest, ::testing::ValuesIn(loadRoutes(HULGOR_ROUTES_DIR)),
                         [](const ::testing::TestParamInfo<Route>& info) { return info.param.testName; });

}  // namespace
