#include "support/route_script.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace route {
namespace {

using Macros = std::vector<std::pair<std::string, std::string>>;

const std::string Title =
    "{Yellow}************************************\n"
    "*        Hulgor - der Barbar       *\n"
    "************************************\n";
const std::string Options =
    "{Green}1. Neues Spiel\n{Normal}2. Spiel laden\n3. Version\n4. Erfolge\n5. Credits\n"
    "6. Permadeath: aus\n{Red}10. Spiel beenden\n{Normal}";

Macros predefined() {
    return {
        {"BAD_INPUT", "\nUngültige Eingabe! Bitte eine Zahl eingeben!\n"},
        {"BAD_CHOICE", "\nUngültige Auswahl!\n"},
        {"SAVED", "\nSpiel erfolgreich gespeichert.\n"},
        {"QUIT", "Das Programm wird beendet...\n{quit}"},
        {"TITLE", Title},
        {"MENU", "{clear}{font 75}" + Title + "{Normal}{font 28}\n" + Options +
                     "\nBitte wähle eine Option, indem du die ZAHL dazu eingibst:"},
        {"NESTED_MENU", "{clear}{font 55}" + Title + "{font 28}{Normal}\n" + Options},
        {"DEATH", "{sound death.wav}DU BIST TOT.\n\n\n{Normal}"},
    };
}

std::string trim(const std::string& text) {
    auto begin = text.find_first_not_of(" \t\r");
    if (begin == std::string::npos) return "";
    auto end = text.find_last_not_of(" \t\r");
    return text.substr(begin, end - begin + 1);
}

// "KEY = VALUE" split at the first " = ".
bool splitAssignment(const std::string& text, std::string& key, std::string& value) {
    auto at = text.find(" = ");
    if (at == std::string::npos) {
        if (text.size() >= 2 && text.ends_with(" =")) {
            key = trim(text.substr(0, text.size() - 2));
            value.clear();
            return !key.empty();
        }
        return false;
    }
    key = trim(text.substr(0, at));
    value = text.substr(at + 3);
    return !key.empty();
}

std::string testNameOf(const std::string& file, const std::string& name) {
    std::string stem = std::filesystem::path(file).stem().string();
    std::string out;
    for (char c : stem + "_" + name) {
        bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (plain) {
            out += c;
        } else if (!out.empty() && out.back() != '_') {
            out += '_';
        }
    }
    while (!out.empty() && out.back() == '_') out.pop_back();
    return out;
}

// Keyword and rest: "put a = b" gives "put" and "a = b".
void splitKeyword(const std::string& line, std::string& keyword, std::string& rest) {
    auto space = line.find(' ');
    keyword = line.substr(0, space);
    rest = space == std::string::npos ? "" : line.substr(space + 1);
}

Line parseLine(const std::string& written, int number, const Macros& macros) {
    Line line{Kind::Broken, "", "", number, written};
    std::string keyword;
    std::string rest;
    splitKeyword(written, keyword, rest);
    auto text = [&](const std::string& raw) { return expandText(raw, macros); };
    std::string key;
    std::string value;

    static const std::map<std::string, Kind> textChecks{
        {"?", Kind::Appears}, {"!", Kind::Absent}, {"=", Kind::Exactly}, {">", Kind::Type}};
    static const std::map<std::string, Kind> bare{
        {"key", Kind::Key}, {"eof", Kind::Eof}, {"no-console-window", Kind::NoConsoleWindow}};

    if (auto found = textChecks.find(keyword); found != textChecks.end()) {
        line.kind = found->second;
        line.first = text(rest);
        if ((line.kind == Kind::Appears || line.kind == Kind::Absent) && line.first.empty()) {
            throw std::invalid_argument("empty text");
        }
    } else if (auto plain = bare.find(keyword); plain != bare.end() && rest.empty()) {
        line.kind = plain->second;
    } else if (keyword == "start" && rest == "intro") {
        line.kind = Kind::StartIntro;
    } else if (keyword == "missing-sound" && !rest.empty()) {
        line.kind = Kind::MissingSound;
        line.first = rest;
    } else if ((keyword == "put" || keyword == "file" || keyword == "state") &&
               splitAssignment(rest, key, value)) {
        line.kind = keyword == "put" ? Kind::Put : keyword == "file" ? Kind::File : Kind::State;
        line.first = key;
        line.second = text(value);
    } else if (keyword == "nofile" && !rest.empty()) {
        line.kind = Kind::NoFile;
        line.first = rest;
    } else if (keyword == "colour" && !rest.empty()) {
        line.kind = Kind::Colour;
        line.first = rest;
    } else if (keyword == "err" && rest.starts_with("? ")) {
        line.kind = Kind::Err;
        line.first = text(rest.substr(2));
    } else if (keyword == "end" &&
               (rest == "quit" || rest == "eof" || rest == "return" || rest == "waiting")) {
        line.kind = Kind::End;
        line.first = rest;
    } else {
        throw std::invalid_argument("unknown line");
    }
    return line;
}

}  // namespace

bool isAction(Kind kind) { return kind == Kind::Type || kind == Kind::Key || kind == Kind::Eof; }

std::string expandText(const std::string& written, const Macros& macros) {
    std::string out;
    for (std::size_t i = 0; i < written.size(); ++i) {
        char c = written[i];
        if (c == '$' && i + 1 < written.size() && written[i + 1] == '{') {
            auto close = written.find('}', i);
            if (close == std::string::npos) throw std::invalid_argument("unclosed ${");
            std::string name = written.substr(i + 2, close - i - 2);
            auto found = std::find_if(macros.rbegin(), macros.rend(),
                                      [&](const auto& macro) { return macro.first == name; });
            if (found == macros.rend()) throw std::invalid_argument("unknown macro ${" + name + "}");
            out += found->second;
            i = close;
        } else if (c == '\\' && i + 1 < written.size()) {
            static const std::map<char, char> escapes{
                {'n', '\n'}, {'s', ' '}, {'t', '\t'}, {'r', '\r'}, {'e', '\x1b'}, {'\\', '\\'}, {'$', '$'}};
            auto found = escapes.find(written[++i]);
            if (found == escapes.end()) throw std::invalid_argument("unknown escape");
            out += found->second;
        } else {
            out += c;
        }
    }
    return out;
}

std::vector<Route> parseRoutes(const std::string& file, const std::string& text) {
    std::vector<Route> routes;
    Macros macros = predefined();
    std::istringstream lines(text);
    std::string written;
    int number = 0;
    auto broken = [&](const std::string& why, const std::string& source) {
        if (routes.empty()) routes.push_back({file, "file header", testNameOf(file, "file header"), number, {}});
        routes.back().lines.push_back({Kind::Broken, why, "", number, source});
    };
    while (std::getline(lines, written)) {
        ++number;
        std::string line = trim(written);
        if (line.empty() || line[0] == '#') continue;
        if (line.starts_with("===")) {
            std::string name = trim(line.substr(3));
            routes.push_back({file, name, testNameOf(file, name), number, {}});
            continue;
        }
        try {
            std::string key;
            std::string value;
            if (line.starts_with("let ") && splitAssignment(line.substr(4), key, value)) {
                macros.emplace_back(key, expandText(value, macros));
                continue;
            }
            Line parsed = parseLine(line, number, macros);
            if (routes.empty()) {
                broken("a line before the first === header", line);
                continue;
            }
            routes.back().lines.push_back(parsed);
        } catch (const std::invalid_argument& error) {
            broken(error.what(), line);
        }
    }
    // Two routes of one file with the same name would collide as tests.
    std::map<std::string, int> seen;
    for (Route& route : routes) {
        if (int count = ++seen[route.testName]; count > 1) route.testName += "_" + std::to_string(count);
    }
    return routes;
}

std::vector<Route> loadRoutes(const std::filesystem::path& directory) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        if (entry.path().extension() == ".route") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<Route> all;
    for (const auto& path : files) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        auto routes = parseRoutes(path.string(), text.str());
        all.insert(all.end(), routes.begin(), routes.end());
    }
    return all;
}

void PrintTo(const Route& route, std::ostream* out) {
    *out << route.file << ":" << route.number << " " << route.name;
}

}  // namespace route
