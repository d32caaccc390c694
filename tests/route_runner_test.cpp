// Plays every route of tests/routes/*.route (the format is in
// docs/routes.md) as a test case of its own on the scripted console; the
// game's invariants are checked at every step. A failed check is reported
// at its line of the route file, with the output since the last action.
// Each route is played again in English, without its checks of what is
// shown: it must tell the same passages, wait alike and leave the same files.
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "console/io/display_options.h"
#include "state/game_state.h"
#include "state/player_files.h"
#include "state/text_file.h"
#include "story/chapters.h"
#include "support/invariants.h"
#include "support/named_scenes.h"
#include "support/scripted_console.h"
#include "support/work_folder.h"
#include "test_seam.h"

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
// text, w a word, = NAME = TEXT, * COUNT TEXT. Texts take escapes and ${NAME}
// macros.
const std::map<std::string, char> Keywords{{"?", 't'}, {"!", 't'}, {"err ?", 't'}, {">", 'a'}, {">*", '*'},
    {"key", 'n'}, {"eof", 'n'}, {"start intro", 'n'}, {"start scene", 'w'}, {"set", '='}, {"no-console-window", 'n'},
    {"missing-sound", 'w'}, {"nofile", 'w'}, {"end", 'w'}, {"put", '='}, {"file", '='}, {"state", '='}, {"dir", 'w'},
    {"fifo", 'w'}, {"link", '='}, {"chmod", '='}, {"grow", '='}, {"age", '='}, {"lock", 'w'}, {"mode", '='},
    {"files", 'a'}, {"plain", 'n'}, {"nocolour", 'n'}, {"window", 'w'}};
const std::set<std::string> SetUpOnly{"start intro", "start scene", "set", "no-console-window", "missing-sound", "dir",
    "fifo", "link", "chmod", "grow", "age", "lock", "plain", "nocolour", "window"};
const std::map<Ending, std::string> EndingNames{{Ending::Quit, "quit"}, {Ending::Eof, "eof"},
    {Ending::Return, "return"}, {Ending::Waiting, "waiting"}, {Ending::Aborted, "aborted"}};

std::string trim(const std::string& text) {
    auto begin = text.find_first_not_of(" \t\r");
    return begin == std::string::npos ? "" : text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
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
            if (close == std::string::npos || found == macros.rend()) {
                throw std::invalid_argument("unknown macro " + name);
            }
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
    bool ending = std::any_of(EndingNames.begin(), EndingNames.end(), [&](const auto& name) {
        return name.first != Ending::Aborted && name.second == rest;
    });
    if (how == 'w' && (rest.empty() || (keyword == "end" && !ending))) {
        throw std::invalid_argument("missing or unknown word");
    }
    if (how == '*') {  // the count is checked here, the line built when it is typed
        auto blank = rest.find(' ');
        line.first = rest.substr(0, blank);
        line.second = expand(blank == std::string::npos ? "" : rest.substr(blank + 1), macros);
        char* end = nullptr;
        const unsigned long long count = std::strtoull(line.first.c_str(), &end, 10);
        if (*end != '\0' || count == 0 || line.second.empty() ||
            count > (std::size_t{64} << 20) / line.second.size()) {
            throw std::invalid_argument("COUNT TEXT expected, at most 64 MiB typed");
        }
    }
    if (how == '=') {
        auto equals = (rest + " ").find(" = ");
        if (equals == std::string::npos) throw std::invalid_argument("NAME = TEXT expected");
        line.first = trim(rest.substr(0, equals));
        line.second = expand(rest.substr(std::min(rest.size(), equals + 3)), macros);
    }
    return line;
}

// The routes of one file; its lets are added to `macros`. Lines before the
// first === other than lets make a route "file header" that fails.
std::vector<Route> parseRoutes(const std::string& file, Macros& macros) {
    std::vector<Route> routes;
    auto startRoute = [&](const std::string& name, int number) {
        std::string testName;
        for (char c : fs::path(file).stem().string() + "_" + name) {
            if (std::isalnum(static_cast<unsigned char>(c))) testName += c;
            else if (testName.back() != '_') testName += '_';
        }
        if (testName.back() == '_') testName.pop_back();
        routes.push_back({file, name, testName, number, {}});
    };
    std::istringstream lines(fileBytes(file));
    int number = 0, repeatNumber = 0;
    long times = 0;
    std::size_t repeatFrom = std::string::npos;  // where the lines of an open repeat begin
    auto closeRepeat = [&] {
        if (repeatFrom != std::string::npos) {
            routes.back().lines.push_back({"", "repeat without done", "", repeatNumber, "repeat"});
        }
        repeatFrom = std::string::npos;
    };
    for (std::string written; std::getline(lines, written);) {
        std::string line = trim(written);
        if (++number, line.empty() || line[0] == '#') continue;
        if (line.starts_with("===")) {
            closeRepeat();
            startRoute(trim(line.substr(3)), number);
            continue;
        }
        try {
            if (auto equals = line.find(" = "); line.starts_with("let ") && equals != std::string::npos) {
                macros.emplace_back(trim(line.substr(4, equals - 4)), expand(line.substr(equals + 3), macros));
                continue;
            }
            if (routes.empty()) throw std::invalid_argument("only lets may come before the first ===");
            std::vector<Line>& into = routes.back().lines;
            if (line.starts_with("repeat ") && repeatFrom == std::string::npos) {
                times = std::strtol(line.c_str() + 7, nullptr, 10);
                if (times < 1 || times > 10000) throw std::invalid_argument("repeat 1 to 10000 times");
                repeatFrom = into.size();
                repeatNumber = number;
            } else if (line == "done" && repeatFrom != std::string::npos) {
                std::vector<Line> body(into.begin() + static_cast<std::ptrdiff_t>(repeatFrom), into.end());
                for (long i = 1; i < times; ++i) into.insert(into.end(), body.begin(), body.end());
                repeatFrom = std::string::npos;
            } else {
                into.push_back(parseLine(line, number, macros));
            }
        } catch (const std::invalid_argument& error) {
            if (routes.empty()) startRoute("file header", number);
            routes.back().lines.push_back({"", error.what(), "", number, line});
        }
    }
    closeRepeat();
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

// The number fields of GameState by name.
const std::map<std::string, std::int32_t GameState::*>& numberFields() {
    static const std::map<std::string, std::int32_t GameState::*> numbers{
        {"nameEntryPending", &GameState::nameEntryPending}, {"nameGiven", &GameState::nameGiven},
        {"health", &GameState::health}, {"hasSword", &GameState::hasSword},
        {"ragnarRelation", &GameState::ragnarRelation}, {"ragnarStatus", &GameState::ragnarStatus},
        {"bardRelation", &GameState::bardRelation}, {"bardStatus", &GameState::bardStatus},
        {"reservedA", &GameState::reservedA}, {"reservedB", &GameState::reservedB},
        {"wolfChoice", &GameState::wolfChoice}, {"permadeath", &GameState::permadeath},
        {"menuChoice", &GameState::menuChoice}};
    return numbers;
}

std::optional<std::string> fieldValue(const std::string& name) {
    const auto& numbers = numberFields();
    if (name == "menuDepth") return std::to_string(testSeam::menuDepth());
    if (name == "menuStoredRuns") return std::to_string(testSeam::menuStoredRuns());
    if (name == "checkpoint") return game.checkpoint;
    if (name == "playerName") return game.playerName;
    if (name == "checkpointBytes") return std::to_string(game.checkpoint.size());
    if (name == "playerNameBytes") return std::to_string(game.playerName.size());
    if (numbers.contains(name)) return std::to_string(game.*numbers.at(name));
    return std::nullopt;
}

// Sets a field of GameState for a route that starts at a scene.
void setField(const std::string& name, const std::string& value) {
    if (name == "checkpoint") game.checkpoint = value;
    else if (name == "playerName") game.playerName = value;
    else if (numberFields().contains(name)) game.*numberFields().at(name) = std::stoi(value);
    else throw std::invalid_argument("no such GameState field");
}

bool isAction(const std::string& keyword) {
    return keyword == ">" || keyword == ">*" || keyword == "key" || keyword == "eof";
}

// The line an action types, without its line end: nothing for a key or the end of input.
std::optional<std::string> typedLine(const Line& action) {
    if (action.keyword == ">") return action.first;
    if (action.keyword != ">*") return std::nullopt;
    std::string line;
    for (auto count = std::stoull(action.first); count > 0; --count) line += action.second;
    return line;
}

// What a route left behind: the passages told and the waits, and the files.
struct Played {
    std::vector<std::string> steps;
    std::map<std::string, std::string> files;
};

class Player {
public:
    explicit Player(const Route& route) : route_(route), lines_(route.lines) {}
    ~Player() { std::ranges::for_each(locks_, ::close); }
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    Played run() {
        Played played;
        if (!setUp()) return played;
        auto next = [this](Wait wait, const std::string& shown) { return atWait(wait, shown); };
        auto fromScene = [this] {
            loadPermadeath();
            testSeam::runMenusAfter([this] { runFromScene(*startScene_); });
        };
        auto outcome = startScene_ ? invariants::play(fromScene, next) : invariants::play(startIntro_, next);
        for (const std::string& broken : outcome.broken) fail(lastAction_, broken, outcome.shown);
        played.steps = outcome.steps;
        for (const auto& entry : fs::directory_iterator(".")) {
            if (auto bytes = entry.is_regular_file() ? readSmallFile(entry.path()) : std::nullopt) {
                played.files[entry.path().filename()] = *bytes;
            }
        }
        if (outcome.ending == Ending::Aborted) return played;
        // The checks since the last action, if the game ended before it waited again.
        for (std::size_t cursor = 0; next_ < lines_.size(); ++next_) {
            if (isAction(lines_[next_].keyword)) {
                fail(&lines_[next_], "the game has already ended here", outcome.shown);
                return played;
            }
            check(lines_[next_], outcome.shown, cursor);
        }
        const std::string& ending = EndingNames.at(outcome.ending);
        for (const Line& line : lines_) {
            if (line.keyword == "end" && line.first != ending) fail(&line, "the game ended with `" + ending + "`");
        }
        return played;
    }

private:
    // Sets up the working folder and the console from the lines before the
    // first action; false when the route cannot be played as written.
    bool setUp() {
        bool acted = false, ended = false;
        for (const Line& line : lines_) {
            const std::string& keyword = line.keyword;
            if (keyword.empty()) return fail(&line, "cannot read this line: " + line.first);
            if (acted && SetUpOnly.contains(keyword)) return fail(&line, "set-up belongs before the first action");
            if (ended && isAction(keyword)) return fail(&line, "an action after `end`");
            ended = ended || keyword == "end";
            acted = acted || isAction(keyword);
            try {  // a bad number or a missing file fails the route at its line
                if (keyword == "start scene" && !sceneNamed(line.first)) return fail(&line, "no scene of that name");
                if (keyword == "start intro") startIntro_ = true;
                else if (keyword == "start scene") startScene_ = sceneNamed(line.first);
                else if (keyword == "set") setField(line.first, line.second);
                else if (keyword == "no-console-window") scripted::script().hasConsoleWindow = false;
                else if (keyword == "plain") displayOptions().plain = true;
                else if (keyword == "window") {  // COLUMNSxROWS
                    const auto x = line.first.find('x');
                    scripted::script().window = {std::stoul(line.first), std::stoul(line.first.substr(x + 1))};
                }
                else if (keyword == "nocolour") displayOptions().colours = false;
                else if (keyword == "missing-sound") scripted::script().missingSounds.insert(line.first);
                else if (keyword == "put" && !acted) std::ofstream(line.first, std::ios::binary) << line.second;
                else if (keyword == "dir") fs::create_directory(line.first);
                else if (keyword == "fifo") ::mkfifo(line.first.c_str(), 0600);
                else if (keyword == "link") fs::create_symlink(line.second, line.first);
                else if (keyword == "chmod") fs::permissions(line.first, fs::perms(std::stoul(line.second, {}, 8)));
                else if (keyword == "grow") fs::resize_file(line.first, std::stoull(line.second));
                else if (keyword == "age") age(line.first, std::stol(line.second));
                else if (keyword == "lock") lock(line.first);
            } catch (const std::exception& error) {
                return fail(&line, std::string("cannot set this up: ") + error.what());
            }
        }
        return true;
    }

    // FILE (a link itself, not its target) was last changed `seconds` ago.
    static void age(const std::string& file, long seconds) {
        const timespec then{::time(nullptr) - seconds, 0};
        const timespec times[2] = {then, then};
        if (::utimensat(AT_FDCWD, file.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0) {
            throw std::runtime_error("cannot age " + file);
        }
    }

    // FILE is held with an exclusive lock, as a game writing it holds it,
    // until the route has been played.
    void lock(const std::string& file) {
        int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) locks_.push_back(fd);
        if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) throw std::runtime_error("cannot lock " + file);
    }

    // The game waits: check what it did since the last action, then hand it
    // the next one, or stop it when there is none.
    std::optional<std::string> atWait(Wait wait, const std::string& shown) {
        std::size_t cursor = 0;
        for (; next_ < lines_.size() && !isAction(lines_[next_].keyword); ++next_) check(lines_[next_], shown, cursor);
        if (next_ == lines_.size()) throw invariants::Stop{};
        lastAction_ = &lines_[next_++];
        if ((wait == Wait::Key) != (lastAction_->keyword == "key")) {
            fail(lastAction_, wait == Wait::Key ? "the game waits for a key here, not for a typed line"
                                                : "the game reads a typed line here, not a key", shown);
            throw invariants::Abort{};
        }
        errorStart_ = scripted::script().errors.size();
        return typedLine(*lastAction_);
    }

    // One check about `shown`, the output since the last action; `cursor` is
    // where the previous `?` line of this step matched.
    void check(const Line& line, const std::string& shown, std::size_t& cursor) {
        const std::string &keyword = line.keyword, &text = line.first;
        // What is shown is checked in German; the English run compares the rest.
        const bool english = storyLanguage() == Language::English;
        if (english && (keyword == "?" || keyword == "!" || keyword == "err ?")) return;
        if (keyword == "?") {
            auto at = shown.find(text, cursor);
            if (at == std::string::npos) fail(&line, "not printed (after the previous `?` line's text)", shown);
            cursor = at == std::string::npos ? cursor : at + text.size();
        } else if (keyword == "!") {
            if (shown.find(text) != std::string::npos) fail(&line, "printed, but must not be", shown);
        } else if (keyword == "state") {
            auto value = fieldValue(text);
            if (value != line.second) {
                fail(&line, value ? "the field holds `" + *value + "`" : "no such GameState field");
            }
        } else if (keyword == "file") {
            auto bytes = readSmallFile(text);
            if (bytes != line.second) {
                fail(&line, bytes ? "the file holds:\n-----\n" + *bytes + "\n-----" : "the file does not exist");
            }
        } else if (keyword == "nofile") {
            if (fs::is_regular_file(fs::symlink_status(text))) fail(&line, "the file exists");
        } else if (keyword == "mode") {
            std::ostringstream mode;
            mode << std::oct << (static_cast<unsigned>(fs::status(text).permissions()) & 0777);
            if (mode.str() != line.second) fail(&line, "the mode is " + mode.str());
        } else if (keyword == "files") {
            std::set<std::string> names;  // in name order
            for (const auto& entry : fs::directory_iterator(".")) names.insert(entry.path().filename());
            std::string listed;
            for (const std::string& name : names) listed += (listed.empty() ? "" : " ") + name;
            if (listed != text) fail(&line, "the folder holds: " + listed);
        } else if (keyword == "err ?") {
            const std::string& errors = scripted::script().errors;
            if (errors.find(text, errorStart_) == std::string::npos) {
                fail(&line, "standard error received:\n" + errors.substr(errorStart_));
            }
        } else if (keyword == "put" && lastAction_ != nullptr) {
            std::ofstream(text, std::ios::binary) << line.second;
        }
    }

    // Reports a failure at `line` (at the route's header when none), with the
    // output since the last action when given; always returns false.
    bool fail(const Line* line, const std::string& why, std::optional<std::string> shown = std::nullopt) {
        std::string message = (storyLanguage() == Language::English ? "in English: " : "") +
                              (line != nullptr ? line->source + "\n" : "") + "  " + why;
        if (shown) {
            std::string since = lastAction_ != nullptr
                                    ? "`" + lastAction_->source + "` (line " + std::to_string(lastAction_->number) + ")"
                                    : "the start";
            std::string tail = shown->substr(shown->size() - std::min<std::size_t>(shown->size(), 1800));
            message += "\n  output since " + since + ":\n-----\n" + tail + "\n-----";
        }
        ADD_FAILURE_AT(route_.file.c_str(), line != nullptr ? line->number : route_.number) << message;
        return false;
    }

    const Route& route_;
    const std::vector<Line>& lines_;
    std::size_t next_ = 0;  // the first line not yet checked or handed to the game
    bool startIntro_ = false;
    const NamedScene* startScene_ = nullptr;
    const Line* lastAction_ = nullptr;
    std::size_t errorStart_ = 0;
    std::vector<int> locks_;  // descriptors of the files held locked
};

// Each route in a working folder of its own, with a fresh GameState.
class RouteTest : public ::testing::TestWithParam<Route> {
protected:
    RouteTest() { game = GameState{}; }
    ~RouteTest() override { displayOptions() = {}; }

    WorkFolder folder{"hulgor-test"};
    scripted::ScriptedSession session;
};

TEST_P(RouteTest, Plays) {
    const Played german = Player(GetParam()).run();
    if (::testing::Test::HasFailure()) return;
    game = GameState{};
    displayOptions() = {};
    WorkFolder englishFolder{"hulgor-test-en"};
    const StoryLanguage speaking(Language::English);
    scripted::ScriptedSession englishSession;
    const Played english = Player(GetParam()).run();
    EXPECT_EQ(english.steps, german.steps) << "in English the route told other passages or waited otherwise";
    EXPECT_EQ(english.files, german.files) << "in English the route left other files";
}

INSTANTIATE_TEST_SUITE_P(Routes, RouteTest, ::testing::ValuesIn(loadRoutes(HULGOR_ROUTES_DIR)),
                         [](const ::testing::TestParamInfo<Route>& info) { return info.param.testName; });

}  // namespace
