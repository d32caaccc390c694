// The translator's tool for the English edition of the story files
// (src/story/text/en/, one file per German file; docs/translating.md):
//
//   l10n status             translated, missing and stale passages per file
//   l10n update             adds new passages (the German as comments, the
//                           body empty) and marks changed ones
//   l10n stamp FILE NAME... checks passages and stamps them as current
//   l10n stamp FILE --all   the same for every passage of FILE that passes
//   l10n check [--strict]   what the build runs: exit status 1 for a
//                           mistake, and with --strict for a stale passage
//
// The text folder is the source tree's, or the one given with --dir DIR.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "story_pair.h"

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool writeFile(const fs::path& path, const std::string& bytes) {
    const fs::path temporary = path.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::binary);
        if (!(out << bytes) || !out.flush()) return false;
    }
    std::error_code failed;
    fs::rename(temporary, path, failed);
    return !failed;
}

std::vector<fs::path> germanFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".story") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

fs::path englishOf(const fs::path& german) { return german.parent_path() / "en" / german.filename(); }

std::string shown(const fs::path& path, const fs::path& folder) {
    return "src/story/text/" + fs::relative(path, folder).generic_string();
}

int check(const fs::path& folder, bool strict) {
    int mistakes = 0, stale = 0;
    for (const fs::path& german : germanFiles(folder)) {
        const fs::path english = englishOf(german);
        if (!fs::exists(english)) {
            std::cerr << shown(english, folder) << ": missing: tools/l10n update starts it\n";
            ++mistakes;
            continue;
        }
        const std::string source = readFile(german), translation = readFile(english);
        for (const std::string& mistake : compareEditions(source, translation)) {
            std::cerr << shown(english, folder) << ":" << mistake << "\n";
            ++mistakes;
        }
        const StoryFileText translated = splitStory(translation);
        for (const Passage& passage : splitStory(source).passages) {
            const Passage* other = passageNamed(translated, passage.name);
            if (other != nullptr && freshness(passage, other) == Freshness::Stale) {
                std::cerr << shown(english, folder) << ":" << other->line << ": " << (strict ? "" : "warning: ")
                          << "passage " << passage.name
                          << " is stale: the German changed since it was translated (tools/l10n update)\n";
                ++stale;
            }
        }
    }
    return mistakes > 0 || (strict && stale > 0) ? 1 : 0;
}

int showStatus(const fs::path& folder) {
    std::cout << "file                 translated  missing  stale\n";
    for (const fs::path& german : germanFiles(folder)) {
        const std::string translation = fs::exists(englishOf(german)) ? readFile(englishOf(german)) : "";
        const StoryFileText translated = splitStory(translation);
        int counts[3] = {0, 0, 0};
        for (const Passage& passage : splitStory(readFile(german)).passages) {
            ++counts[static_cast<int>(freshness(passage, passageNamed(translated, passage.name)))];
        }
        std::string name = german.filename().string();
        name.resize(std::max<std::size_t>(name.size(), 20), ' ');
        std::cout << name << " " << std::setw(10) << counts[0] << "  " << std::setw(7) << counts[1] << "  "
                  << std::setw(5) << counts[2] << "\n";
    }
    return 0;
}

int update(const fs::path& folder) {
    for (const fs::path& german : germanFiles(folder)) {
        const fs::path english = englishOf(german);
        std::string translation = fs::exists(english) ? readFile(english) : "";
        if (translation.empty()) {
            translation = "# The English edition of " + german.filename().string() + ".\n\n";
        }
        const std::string updated = updatedEdition(readFile(german), translation);
        if (updated == translation && fs::exists(english)) continue;
        fs::create_directories(english.parent_path());
        if (!writeFile(english, updated)) {
            std::cerr << "l10n: cannot write " << shown(english, folder) << "\n";
            return 1;
        }
        std::cout << "updated " << shown(english, folder) << "\n";
    }
    return 0;
}

int stamp(const fs::path& folder, std::string file, std::vector<std::string> names) {
    if (!file.ends_with(".story")) file += ".story";
    const fs::path german = folder / file, english = englishOf(german);
    if (!fs::exists(german) || !fs::exists(english)) {
        std::cerr << "l10n: no story file " << file << " in both editions\n";
        return 1;
    }
    const std::string source = readFile(german);
    std::string translation = readFile(english);
    const bool all = names.size() == 1 && names[0] == "--all";
    if (all) {
        names.clear();
        for (const Passage& passage : splitStory(translation).passages) names.push_back(passage.name);
    }
    int refused = 0;
    for (const std::string& name : names) {
        Stamped stamped = stampPassage(source, translation, name);
        for (const std::string& mistake : stamped.mistakes) std::cerr << shown(english, folder) << ":" << mistake << "\n";
        if (!stamped.mistakes.empty()) {
            ++refused;
            continue;
        }
        translation = stamped.edition;
        if (!all) std::cout << "stamped " << name << "\n";
    }
    if (!writeFile(english, translation)) {
        std::cerr << "l10n: cannot write " << shown(english, folder) << "\n";
        return 1;
    }
    return refused > 0 ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    fs::path folder = fs::path(HULGOR_SOURCE_DIR) / "src" / "story" / "text";
    if (arguments.size() >= 2 && arguments[0] == "--dir") {
        folder = arguments[1];
        arguments.erase(arguments.begin(), arguments.begin() + 2);
    }
    const std::string command = arguments.empty() ? "" : arguments[0];
    if (command == "check" && (arguments.size() == 1 || (arguments.size() == 2 && arguments[1] == "--strict"))) {
        return check(folder, arguments.size() == 2);
    }
    if (command == "status" && arguments.size() == 1) return showStatus(folder);
    if (command == "update" && arguments.size() == 1) return update(folder);
    if (command == "stamp" && arguments.size() >= 3) {
        return stamp(folder, arguments[1], {arguments.begin() + 2, arguments.end()});
    }
    std::cerr << "usage: l10n [--dir DIR] status | update | stamp FILE NAME... | stamp FILE --all | check [--strict]\n";
    return 2;
}
