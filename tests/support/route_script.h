// Story routes as data: tests/routes/*.route parsed (format in
// docs/routes.md) and played on the scripted console.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace route {

enum class Kind {
    StartIntro, Put, MissingSound, NoConsoleWindow,                    // set-up
    Type, Key, Eof,                                                     // actions
    Appears, Absent, Exactly, Colour, State, File, NoFile, Err, End,   // checks
    Broken,  // a line the parser could not read; fails the route
};

struct Line {
    Kind kind;
    std::string first;   // the text, file, field, colour or ending
    std::string second;  // the value of put, state and file
    int number;          // line number in the file
    std::string source;  // the line as written, for messages
};

struct Route {
    std::string file;
    std::string name;      // as written after ===
    std::string testName;  // <file stem>_<name>, letters, digits and _
    int number = 0;        // line of the === header
    std::vector<Line> lines;
};

// Every route of every *.route file in `directory`, files in name order,
// with the lets of its predefined.lets known to each.
std::vector<Route> loadRoutes(const std::filesystem::path& directory);
void PrintTo(const Route& route, std::ostream* out);

// Plays `route` in the current working directory (empty, on a scripted
// session already in place) and reports each failed check as a test failure
// at its line of the route file.
void play(const Route& route);

}  // namespace route
