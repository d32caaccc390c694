#include "support/route_script.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace route {
namespace {

using Macros = std::vector<std::pair<std::string, std::string>>;

Macros predefined() {
    const std::string title = "{Yellow}************************************\n*        Hulgor - der Barbar       *\n"
                              "************************************\n";
    const std::string options = "{Green}1. Neues Spiel\n{Normal}2. Spiel laden\n3. Version\n4. Erfolge\n5. Credits\n"
                                "6. Permadeath: aus\n{Red}10. Spiel beenden\n{Normal}";
    return {{"BAD_INPUT", "\nUngültige Eingabe! Bitte eine Zahl eingeben!\n"},
            {"BAD_CHOICE", "\nUngültige Auswahl!\n"},
            {"SAVED", "\nSpiel erfolgreich gespeichert.\n"},
            {"QUIT", "Das Programm wird beendet...\n{quit}"},
            {"TITLE", title},
            {"MENU", "{clear}{font 75}" + title + "{Normal}{font 28}\n" + options +
                         "\nBitte wähle eine Option, indem du die ZAHL dazu eingibst:"},
            {"NESTED_MENU", "{clear}{font 55}" + title + "{font 28}{Normal}\n" + options},
            {"DEATH", "{sound death.wav}DU BIST TOT.\n\n\n{Normal}"}};
}

std::string trim(const std::string& text) {
    auto begin = text.find_first_not_of(" \t\r");
    return begin == std::string::npos ? "" : text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
}

// Expands escapes (\n \s \t \r \e \\ \$) and ${NAME} macros.
std::string expand(const std::string& written, const Macros& macros) {
    static const std::map<char, char> escapes{{'n', '\n'}, {'s', ' '}, {'t', '\t'}, {'r', '\r'},
                                              {'e', '\x1b'}, {'\\', '\\'}, {'$', '$'}};
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
            auto found = escapes.find(written[++i]);
            if (found == escapes.end()) throw std::invalid_argument("unknown escape");
            out += found->second;
        } else {
            out += written[i];
        }
    }
    return out;
}

std::string testNameOf(const std::string& file, const std::string& name) {
    std::string out;
    for (char c : std::filesystem::path(file).stem().string() + "_" + name) {
        if (std::isalnum(static_cast<unsigned char>(c))) out += c;
        else if (!out.empty() && out.back() != '_') out += '_';
    }
    while (!out.empty() && out.back() == '_') out.pop_back();
    return out;
}

Line parseLine(const std::string& written, int number, const Macros& macros) {
    static const std::map<std::string, Kind> texts{{"?", Kind::Appears}, {"!", Kind::Absent}, {"=", Kind::Exactly},
                                                   {">", Kind::Type}, {"missing-sound", Kind::MissingSound},
                                                   {"nofile", Kind::NoFile}, {"colour", Kind::Colour}};
    static const std::map<std::string, Kind> bare{{"key", Kind::Key}, {"eof", Kind::Eof},
                                                  {"no-console-window", Kind::NoConsoleWindow},
                                                  {"start intro", Kind::StartIntro}, {"end quit", Kind::End},
                                                  {"end eof", Kind::End}, {"end return", Kind::End},
                                                  {"end waiting", Kind::End}};
    static const std::map<std::string, Kind> assignments{{"put", Kind::Put}, {"file", Kind::File}, {"state", Kind::State}};
    Line line{Kind::Broken, "", "", number, written};
    auto space = written.find(' ');
    std::string keyword = written.substr(0, space);
    std::string rest = space == std::string::npos ? "" : written.substr(space + 1);
    auto equals = (rest + " ").find(" = ");
    if (auto found = bare.find(written); found != bare.end()) {
        line.kind = found->second;
        line.first = line.kind == Kind::End ? rest : "";
    } else if (auto text = texts.find(keyword); text != texts.end()) {
        line.kind = text->second;
        bool literal = line.kind == Kind::MissingSound || line.kind == Kind::NoFile || line.kind == Kind::Colour;
        line.first = literal ? rest : expand(rest, macros);
        if (line.first.empty() && line.kind != Kind::Type && line.kind != Kind::Exactly) throw std::invalid_argument("empty text");
    } else if (auto assignment = assignments.find(keyword); assignment != assignments.end() && equals != std::string::npos) {
        line.kind = assignment->second;
        line.first = trim(rest.substr(0, equals));
        line.second = equals + 3 <= rest.size() ? expand(rest.substr(equals + 3), macros) : "";
    } else if (keyword == "err" && rest.starts_with("? ")) {
        line.kind = Kind::Err;
        line.first = expand(rest.substr(2), macros);
    } else {
        throw std::invalid_argument("unknown line");
    }
    return line;
}

}  // namespace

std::vector<Route> parseRoutes(const std::string& file, const std::string& text) {
    std::vector<Route> routes;
    Macros macros = predefined();
    std::istringstream lines(text);
    int number = 0;
    for (std::string written; std::getline(lines, written);) {
        ++number;
        std::string line = trim(written);
        if (line.empty() || line[0] == '#') continue;
        if (line.starts_with("===")) {
            std::string name = trim(line.substr(3));
            routes.push_back({file, name, testNameOf(file, name), number, {}});
            continue;
        }
        if (routes.empty()) routes.push_back({file, "file header", testNameOf(file, "file header"), number, {}});
        try {
            if (auto equals = line.find(" = "); line.starts_with("let ") && equals != std::string::npos) {
                macros.emplace_back(trim(line.substr(4, equals - 4)), expand(line.substr(equals + 3), macros));
            } else {
                routes.back().lines.push_back(parseLine(line, number, macros));
            }
        } catch (const std::invalid_argument& error) {
            routes.back().lines.push_back({Kind::Broken, error.what(), "", number, line});
        }
    }
    // Routes of one file with the same name would collide as tests.
    std::map<std::string, int> seen;
    for (Route& route : routes) {
        if (int count = ++seen[route.testName]; count > 1) route.testName += "_" + std::to_string(count);
    }
    // A file's lets before its first route leave an empty header route behind.
    std::erase_if(routes, [](const Route& route) { return route.name == "file header" && route.lines.empty(); });
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

void PrintTo(const Route& route, std::ostream* out) { *out << route.file << ":" << route.number << " " << route.name; }

}  // namespace route
