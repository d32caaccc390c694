#include "support/route_script.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace route {
namespace {

using Macros = std::vector<std::pair<std::string, std::string>>;

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

// How a keyword's argument is read: not at all, as a text with escapes and
// macros (one that may be empty or not), as a plain word, or as NAME = TEXT.
enum class Argument { None, Text, AnyText, Word, Assignment };

Line parseLine(const std::string& written, int number, const Macros& macros) {
    static const std::map<std::string, std::pair<Kind, Argument>> keywords{
        {"?", {Kind::Appears, Argument::Text}}, {"!", {Kind::Absent, Argument::Text}},
        {"err ?", {Kind::Err, Argument::Text}}, {"=", {Kind::Exactly, Argument::AnyText}},
        {">", {Kind::Type, Argument::AnyText}}, {"key", {Kind::Key, Argument::None}},
        {"eof", {Kind::Eof, Argument::None}}, {"start intro", {Kind::StartIntro, Argument::None}},
        {"no-console-window", {Kind::NoConsoleWindow, Argument::None}},
        {"missing-sound", {Kind::MissingSound, Argument::Word}}, {"colour", {Kind::Colour, Argument::Word}},
        {"nofile", {Kind::NoFile, Argument::Word}}, {"end", {Kind::End, Argument::Word}},
        {"put", {Kind::Put, Argument::Assignment}}, {"file", {Kind::File, Argument::Assignment}},
        {"state", {Kind::State, Argument::Assignment}}};
    // The longest keyword that the line starts with, followed by a blank or the line end.
    auto keyword = keywords.end();
    for (auto it = keywords.begin(); it != keywords.end(); ++it) {
        const std::string& word = it->first;
        bool starts = written.starts_with(word) && (written.size() == word.size() || written[word.size()] == ' ');
        if (starts && (keyword == keywords.end() || word.size() > keyword->first.size())) keyword = it;
    }
    if (keyword == keywords.end()) throw std::invalid_argument("unknown line");
    auto [kind, argument] = keyword->second;
    std::string rest = written.substr(std::min(written.size(), keyword->first.size() + 1));
    Line line{kind, "", "", number, written};
    switch (argument) {
        case Argument::None:
            if (!rest.empty()) throw std::invalid_argument("nothing may follow " + keyword->first);
            break;
        case Argument::Text:
        case Argument::AnyText:
            line.first = expand(rest, macros);
            if (line.first.empty() && argument == Argument::Text) throw std::invalid_argument("empty text");
            break;
        case Argument::Word:
            line.first = rest;
            if (rest.empty() || (kind == Kind::End && rest != "quit" && rest != "eof" && rest != "return" &&
                                 rest != "waiting")) {
                throw std::invalid_argument("missing or unknown word");
            }
            break;
        case Argument::Assignment: {
            auto equals = (rest + " ").find(" = ");
            if (equals == std::string::npos) throw std::invalid_argument("NAME = TEXT expected");
            line.first = trim(rest.substr(0, equals));
            line.second = expand(rest.substr(std::min(rest.size(), equals + 3)), macros);
            break;
        }
    }
    return line;
}

// The routes of one file; its lets are added to `macros`.
std::vector<Route> parseRoutes(const std::string& file, const std::string& text, Macros& macros) {
    std::vector<Route> routes;
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
        try {
            if (auto equals = line.find(" = "); line.starts_with("let ") && equals != std::string::npos) {
                macros.emplace_back(trim(line.substr(4, equals - 4)), expand(line.substr(equals + 3), macros));
                continue;
            }
            if (routes.empty()) throw std::invalid_argument("only lets may come before the first ===");
            routes.back().lines.push_back(parseLine(line, number, macros));
        } catch (const std::invalid_argument& error) {
            if (routes.empty()) routes.push_back({file, "file header", testNameOf(file, "file header"), number, {}});
            routes.back().lines.push_back({Kind::Broken, error.what(), "", number, line});
        }
    }
    // Routes of one file with the same name would collide as tests.
    std::map<std::string, int> seen;
    for (Route& route : routes) {
        if (int count = ++seen[route.testName]; count > 1) route.testName += "_" + std::to_string(count);
    }
    return routes;
}

std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

std::vector<Route> loadRoutes(const std::filesystem::path& directory) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        if (entry.path().extension() == ".route") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    Macros predefined;
    std::vector<Route> all = parseRoutes((directory / "predefined.lets").string(),
                                         slurp(directory / "predefined.lets"), predefined);
    for (const auto& path : files) {
        Macros macros = predefined;
        auto routes = parseRoutes(path.string(), slurp(path), macros);
        all.insert(all.end(), routes.begin(), routes.end());
    }
    return all;
}

void PrintTo(const Route& route, std::ostream* out) { *out << route.file << ":" << route.number << " " << route.name; }

}  // namespace route
