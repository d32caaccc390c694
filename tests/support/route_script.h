// Story routes as data: the parsed form of tests/routes/*.route (the format
// is described in docs/routes.md).
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace route {

enum class Kind {
    // set-up
    StartIntro, Put, MissingSound, NoConsoleWindow,
    // actions
    Type, Key, Eof,
    // checks
    Appears, Absent, Exactly, Colour, State, File, NoFile, Err, End,
    // a line the parser could not read; fails the route where it stands
    Broken,
};

struct Line {
    Kind kind;
    std::string first;   // the text, file, field, colour or end
    std::string second;  // the value of put, state and file
    int number;          // line number in the file
    std::string source;  // the line as written, for messages
};

bool isAction(Kind kind);

struct Route {
    std::string file;      // path as given to the loader
    std::string name;      // as written after ===
    std::string testName;  // <file stem>_<name>, letters, digits and _
    int number = 0;        // line of the === header
    std::vector<Line> lines;
};

std::vector<Route> parseRoutes(const std::string& file, const std::string& text);

// Every route of every *.route file in `directory`, files in name order.
std::vector<Route> loadRoutes(const std::filesystem::path& directory);

// Expands escapes (\n \s \t \r \e \\) and ${NAME} macros; throws
// std::invalid_argument for an unknown one.
std::string expandText(const std::string& written,
                       const std::vector<std::pair<std::string, std::string>>& macros);

void PrintTo(const Route& route, std::ostream* out);

}  // namespace route
