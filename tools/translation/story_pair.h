// A German story file and its English edition, compared passage by
// passage: what tools/l10n checks, reports and rewrites, and what the build
// and the tests ask it.
//
// An English passage carries the stamp of the German text it was
// translated from ("=== greeting @1a2b3c4d") and that text below its
// header as "#| " comment lines, for the translator to read in place.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct Passage {
    std::string name;
    std::string stamp;               // after " @" in the header; empty if none
    int line = 0;                    // of the header
    std::vector<std::string> lines;  // every line after the header, up to the next
    std::vector<std::string> text() const;    // without blank and comment lines
    std::vector<std::string> source() const;  // the "#| " lines, without their mark
};

struct StoryFileText {
    std::vector<std::string> preamble;  // the lines before the first passage
    std::vector<Passage> passages;
};

StoryFileText splitStory(std::string_view file);
// The passage called `name`, or null.
const Passage* passageNamed(const StoryFileText& story, std::string_view name);
std::string joinStory(const StoryFileText& story);

// A short hash of a German passage's text lines: the stamp its translation
// carries while it is current.
std::string stampOf(const Passage& german);

enum class Freshness { Translated, Missing, Stale };
Freshness freshness(const Passage& german, const Passage* english);

// What is wrong with an English edition against its German file: one
// message per mistake, "LINE: what" (the English file's line). A stale
// stamp is no mistake; freshness() tells it.
std::vector<std::string> compareEditions(std::string_view german, std::string_view english);
// The same for one passage of each.
std::vector<std::string> comparePassages(const Passage& german, const Passage& english);

// The English edition with every German passage present in the German
// order: a new one with its source and an empty body, a stale one with the
// German it was translated from and the German now, marked for the
// translator. Passages the German no longer has stay at the end, for the
// translator to remove.
std::string updatedEdition(std::string_view german, std::string_view english);

// The English edition with `name` stamped as current and its source
// comments renewed; the mistakes that keep it from being stamped, if any.
struct Stamped {
    std::string edition;
    std::vector<std::string> mistakes;
};
Stamped stampPassage(std::string_view german, std::string_view english, std::string_view name);
