#include "story_pair.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <regex>
#include <set>

#include "story/script.h"
#include "test_seam.h"

namespace {

constexpr std::string_view SourceMark = "#| ";
constexpr std::string_view OldSourceMark = "#|- ";
constexpr std::string_view NewSourceMark = "#|+ ";
constexpr std::string_view ChangedMark = "#! ";

bool isComment(std::string_view line) { return line.starts_with('#'); }

// What a passage's shape is made of, compared between the two editions.
struct Shape {
    std::vector<std::string> tags;  // option lines, the quit line, the hint line, in order
    std::string endColour;          // the last colour tag, if any
    bool gluedEnd = false;          // the last line ends in "\"
    int emptyLines = 0;             // "~" lines
    std::set<std::string> placeholders;
};

Shape shapeOf(const Passage& passage) {
    static const std::regex lineTag(R"(^\{(option [^}]*|quit|hint)\})");
    static const std::regex colour(R"(\{(speech|good|bad|normal)\})");
    static const std::regex placeholder(R"(\{(name|file|folder|why|argument|version)\})");
    Shape shape;
    for (const std::string& line : passage.text()) {
        std::smatch match;
        if (std::regex_search(line, match, lineTag)) shape.tags.push_back(match[1]);
        for (std::sregex_iterator at(line.begin(), line.end(), colour), end; at != end; ++at) {
            shape.endColour = (*at)[1];
        }
        for (std::sregex_iterator at(line.begin(), line.end(), placeholder), end; at != end; ++at) {
            shape.placeholders.insert((*at)[1]);
        }
        if (line == "~") ++shape.emptyLines;
        shape.gluedEnd = line.ends_with('\\');
    }
    return shape;
}

std::string joined(const std::set<std::string>& words) {
    std::string all;
    for (const std::string& word : words) all += (all.empty() ? "{" : " {") + word + "}";
    return all.empty() ? "none" : all;
}

std::string at(const Passage& passage, const std::string& what) {
    return std::to_string(passage.line) + ": passage " + passage.name + " " + what;
}

std::string header(const Passage& passage) {
    return "=== " + passage.name + (passage.stamp.empty() ? "" : " @" + passage.stamp);
}

// The passage's lines without its source comments and the translator's
// marks, which stampPassage and updatedEdition write anew.
std::vector<std::string> withoutSource(const std::vector<std::string>& lines) {
    std::vector<std::string> kept;
    for (const std::string& line : lines) {
        if (!line.starts_with("#|") && !line.starts_with(ChangedMark)) kept.push_back(line);
    }
    return kept;
}

// The German as it was and as it is now, line by line: a line both share
// under "#| ", one only the old had under "#|- ", one only the new has
// under "#|+ " (the longest common run of lines kept, as diff does).
std::vector<std::string> changes(const std::vector<std::string>& before, const std::vector<std::string>& after) {
    const std::size_t n = before.size(), m = after.size();
    std::vector<std::vector<std::size_t>> common(n + 1, std::vector<std::size_t>(m + 1, 0));
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t j = m; j-- > 0;) {
            common[i][j] = before[i] == after[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
        }
    }
    std::vector<std::string> lines;
    std::size_t i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && before[i] == after[j]) {
            lines.push_back(std::string(SourceMark) + before[i++]);
            ++j;
        } else if (i < n && (j == m || common[i + 1][j] >= common[i][j + 1])) {
            lines.push_back(std::string(OldSourceMark) + before[i++]);
        } else {
            lines.push_back(std::string(NewSourceMark) + after[j++]);
        }
    }
    return lines;
}

std::vector<std::string> marked(std::string_view mark, const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& line : lines) out.push_back(std::string(mark) + line);
    return out;
}

}  // namespace

const Passage* passageNamed(const StoryFileText& story, std::string_view name) {
    for (const Passage& passage : story.passages) {
        if (passage.name == name) return &passage;
    }
    return nullptr;
}

std::vector<std::string> Passage::text() const {
    std::vector<std::string> text;
    for (const std::string& line : lines) {
        if (!line.empty() && !isComment(line)) text.push_back(line);
    }
    return text;
}

std::vector<std::string> Passage::source() const {
    std::vector<std::string> source;
    for (const std::string& line : lines) {
        if (line.starts_with(SourceMark)) source.push_back(line.substr(SourceMark.size()));
    }
    return source;
}

StoryFileText splitStory(std::string_view file) {
    static const std::regex headerLine(R"(^=== (\S*?)(?: @([0-9a-f]+))?$)");
    StoryFileText story;
    int number = 0;
    while (!file.empty()) {
        const std::size_t end = file.find('\n');
        std::string line(file.substr(0, end));
        file.remove_prefix(end == std::string_view::npos ? file.size() : end + 1);
        ++number;
        if (line.ends_with('\r')) line.pop_back();
        std::smatch match;
        if (line.starts_with("=== ") && std::regex_match(line, match, headerLine)) {
            story.passages.push_back({match[1], match[2], number, {}});
        } else if (story.passages.empty()) {
            story.preamble.push_back(line);
        } else {
            story.passages.back().lines.push_back(line);
        }
    }
    return story;
}

std::string joinStory(const StoryFileText& story) {
    std::string out;
    for (const std::string& line : story.preamble) out += line + "\n";
    for (const Passage& passage : story.passages) {
        out += header(passage) + "\n";
        for (const std::string& line : passage.lines) out += line + "\n";
    }
    return out;
}

std::string stampOf(const Passage& german) {
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (const std::string& line : german.text()) {
        for (unsigned char byte : line + "\n") hash = (hash ^ byte) * 16777619u;
    }
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(hash));
    return hex;
}

Freshness freshness(const Passage& german, const Passage* english) {
    if (english == nullptr || english->text().empty()) return Freshness::Missing;
    return english->stamp == stampOf(german) ? Freshness::Translated : Freshness::Stale;
}

std::vector<std::string> comparePassages(const Passage& german, const Passage& english) {
    std::vector<std::string> mistakes;
    if (english.text().empty()) return {at(english, "is empty: it needs its translation")};
    const Shape source = shapeOf(german), translation = shapeOf(english);
    if (translation.tags != source.tags) {
        std::string want;
        for (const std::string& tag : source.tags) want += " {" + tag + "}";
        mistakes.push_back(at(english, "must have the German's option lines, in order:" +
                                           (want.empty() ? std::string(" none") : want)));
    }
    if (translation.endColour != source.endColour) {
        mistakes.push_back(at(english, "must end in the German's colour: {" +
                                           (source.endColour.empty() ? "none" : source.endColour) + "}"));
    }
    if (translation.gluedEnd != source.gluedEnd) {
        mistakes.push_back(at(english, source.gluedEnd ? "must end glued to what follows (\\), as the German does"
                                                       : "must end with a line end, as the German does (no \\)"));
    }
    if (translation.emptyLines != source.emptyLines) {
        mistakes.push_back(at(english, "must have the German's " + std::to_string(source.emptyLines) +
                                           " empty lines (~), not " + std::to_string(translation.emptyLines)));
    }
    if (translation.placeholders != source.placeholders) {
        mistakes.push_back(at(english, "must hold the German's placeholders: " + joined(source.placeholders)));
    }
    return mistakes;
}

std::vector<std::string> compareEditions(std::string_view german, std::string_view english) {
    const StoryFileText source = splitStory(german), translation = splitStory(english);
    std::vector<std::string> mistakes;
    // The markup as the game reads it; the German's own is the story test's.
    for (const std::string& mistake : testSeam::readStory(english).mistakes) {
        if (mistake.find("has no text") == std::string::npos) mistakes.push_back(mistake);
    }
    for (std::size_t i = 0; i < source.passages.size(); ++i) {
        const Passage& passage = source.passages[i];
        const Passage* translated = passageNamed(translation, passage.name);
        if (translated == nullptr) {
            mistakes.push_back("0: passage " + passage.name + " is missing: tools/l10n update adds it");
            continue;
        }
        if (i >= translation.passages.size() || translation.passages[i].name != passage.name) {
            mistakes.push_back(at(*translated, "is out of order: the German has it as passage " +
                                                   std::to_string(i + 1)));
        }
        for (std::string& mistake : comparePassages(passage, *translated)) mistakes.push_back(std::move(mistake));
    }
    for (const Passage& passage : translation.passages) {
        if (passageNamed(source, passage.name) == nullptr) mistakes.push_back(at(passage, "is not in the German"));
    }
    std::stable_sort(mistakes.begin(), mistakes.end(),
                     [](const std::string& a, const std::string& b) { return std::stoi(a) < std::stoi(b); });
    return mistakes;
}

std::string updatedEdition(std::string_view german, std::string_view english) {
    const StoryFileText source = splitStory(german), translation = splitStory(english);
    StoryFileText updated{translation.preamble, {}};
    for (const Passage& passage : source.passages) {
        const Passage* translated = passageNamed(translation, passage.name);
        if (translated == nullptr) {
            Passage added{passage.name, "", 0, marked(SourceMark, passage.text())};
            added.lines.push_back("");
            updated.passages.push_back(added);
            continue;
        }
        Passage kept = *translated;
        if (freshness(passage, translated) == Freshness::Stale && !translated->text().empty()) {
            const bool markedBefore = std::any_of(kept.lines.begin(), kept.lines.end(), [](const std::string& l) {
                return l.starts_with(ChangedMark);
            });
            if (!markedBefore) {
                std::vector<std::string> lines{std::string(ChangedMark) +
                                               "The German changed: lines gone (-) and new (+). Translate the "
                                               "change, then run: tools/l10n stamp FILE " + passage.name};
                for (std::string& line : changes(translated->source(), passage.text())) lines.push_back(line);
                for (std::string& line : withoutSource(kept.lines)) lines.push_back(line);
                kept.lines = lines;
            }
        }
        updated.passages.push_back(kept);
    }
    for (const Passage& passage : translation.passages) {
        if (passageNamed(source, passage.name) == nullptr) updated.passages.push_back(passage);
    }
    return joinStory(updated);
}

Stamped stampPassage(std::string_view german, std::string_view english, std::string_view name) {
    const StoryFileText source = splitStory(german);
    StoryFileText translation = splitStory(english);
    const Passage* original = passageNamed(source, name);
    Passage* translated = nullptr;
    for (Passage& passage : translation.passages) {
        if (passage.name == name) translated = &passage;
    }
    if (original == nullptr || translated == nullptr) {
        return {std::string(english), {"0: passage " + std::string(name) + " is not in both editions"}};
    }
    std::vector<std::string> mistakes = comparePassages(*original, *translated);
    for (const std::string& mistake : testSeam::readStory(english).mistakes) {
        const int line = std::stoi(mistake);
        if (line > translated->line && line <= translated->line + static_cast<int>(translated->lines.size())) {
            mistakes.push_back(mistake);
        }
    }
    if (!mistakes.empty()) return {std::string(english), mistakes};
    translated->stamp = stampOf(*original);
    std::vector<std::string> lines = marked(SourceMark, original->text());
    for (std::string& line : withoutSource(translated->lines)) lines.push_back(line);
    translated->lines = lines;
    return {joinStory(translation), {}};
}
