#include "support/invariants.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <iterator>
#include <regex>
#include <sstream>

#include "frontend/entry_point.h"
#include "frontend/menu_flow.h"
#include "state/player_files.h"
#include "state/text_file.h"
#include "story/death_screen.h"
#include "support/scripted_console.h"

namespace invariants {
namespace {

const std::array<std::string, 5> Colours{"Golden", "Normal", "Green", "Red", "Yellow"};

// A save as the game writes it: a resumable label, ten integers, nothing else.
bool isValidSave(const std::string& bytes) {
    static const std::regex form("(erster Dialog|zweiter Dialog|Das Erwachen)\n(-?(0|[1-9][0-9]*)\n){10}");
    return std::regex_match(bytes, form);
}

std::string withoutColours(std::string text) {
    for (const std::string& name : Colours) {
        for (auto at = text.find("{" + name + "}"); at != std::string::npos; at = text.find("{" + name + "}", at)) {
            text.erase(at, name.size() + 2);
        }
    }
    return text;
}

std::string tail(const std::string& text, std::size_t limit) {
    return text.size() <= limit ? text : text.substr(text.size() - limit);
}

// Whether a number read takes all of `line` at once: a number and nothing
// after it, or no number at all (the rest of the line is dropped then).
bool holdsOneEntry(const std::string& line) {
    std::istringstream in(line);
    std::int32_t value = 0;
    return !(in >> value) || (in >> std::ws).eof();
}

// Standard input that asks for the next typed line whenever the game has
// read everything typed so far.
class StepInput : public std::streambuf {
public:
    explicit StepInput(std::function<std::optional<std::string>()> next) : next_(std::move(next)) {}

protected:
    int_type underflow() override {
        if (gptr() != nullptr && gptr() < egptr()) return traits_type::to_int_type(*gptr());
        std::optional<std::string> line = ended_ ? std::nullopt : next_();
        if (!line) {
            ended_ = true;
            return traits_type::eof();
        }
        line_ = *line + "\n";
        setg(line_.data(), line_.data(), line_.data() + line_.size());
        return traits_type::to_int_type(*gptr());
    }

private:
    std::function<std::optional<std::string>()> next_;
    std::string line_;
    bool ended_ = false;
};

}  // namespace

std::optional<std::string> readFile(const std::string& name) { return readSmallFile(name); }

std::string colourInForce(const std::string& transcript) {
    for (auto at = transcript.rfind('{'); at != std::string::npos; at = at == 0 ? std::string::npos : transcript.rfind('{', at - 1)) {
        for (const std::string& name : Colours) {
            if (transcript.compare(at, name.size() + 2, "{" + name + "}") == 0) return name;
        }
    }
    return "console default";
}

std::vector<std::string> Checker::check(std::optional<Wait> wait, const std::string& shown,
                                       const std::optional<std::string>& typed, bool* fatal) {
    const std::string& all = scripted::script().transcript;
    std::vector<std::string> broken;

    // A dead game says nothing more: after the death screen's key comes the title menu.
    const std::string menuStart = "{clear}{font 55}";
    for (auto at = all.find("DU BIST TOT.\n", deathsChecked_); at != std::string::npos; at = all.find("DU BIST TOT.\n", at + 1)) {
        auto key = all.find("{key}", at);
        if (key == std::string::npos) break;
        std::string after = all.substr(key + 5, menuStart.size());
        if (after != menuStart.substr(0, after.size())) {
            if (fatal != nullptr) *fatal = true;
            return {"invariant: after a death screen's key the title menu must follow, not `" + after + "...`"};
        }
        if (after.size() < menuStart.size()) break;  // checked again once more is printed
        deathsChecked_ = at + 1;
    }

    // The title menus read their number in the normal colour.
    if (wait == Wait::Line && (all.ends_with("10. Spiel beenden\n{Normal}") || all.ends_with("ZAHL dazu eingibst:")) &&
        colourInForce(all) != "Normal") {
        broken.push_back("invariant: the title menu reads a number in colour " + colourInForce(all));
    }

    // A save is absent, as put there, or one the game can write.
    if (auto save = readFile("savegame.txt"); save != knownSave_) {
        if (save && !isValidSave(*save)) broken.push_back("invariant: savegame.txt is no valid save:\n" + *save);
        knownSave_ = save;
    }

    // A rejected entry is answered by its message and the same block again
    // (followed by more when the line held more than one entry).
    bool rejected = shown.starts_with("\nUngültige Eingabe! Bitte eine Zahl eingeben!\n") ||
                    shown.starts_with("\nUngültige Auswahl!\n");
    if (wait == Wait::Line && blockBeforeRead_ && typed && rejected) {
        std::string block = tail(withoutColours(*blockBeforeRead_), 120);
        if (holdsOneEntry(*typed) ? !withoutColours(shown).ends_with(block) : withoutColours(shown).find(block) == std::string::npos) {
            broken.push_back("invariant: after a rejected entry the same choice block must follow, ending:\n" + block);
        }
    }
    blockBeforeRead_ = wait == Wait::Line ? std::optional(shown) : std::nullopt;
    return broken;
}

// The program ends only by option 10, option 200, the end of input, or after
// a game started from the first menu.
bool Checker::documentedEnd(Ending ending, const std::string& lastLine) {
    const std::string& all = scripted::script().transcript;
    if (ending == Ending::Quit) {
        if (all.ends_with("\nSpiel wird beendet...\nDas Programm wird beendet...\n{quit}")) return true;
        // Each word may hold numbers one after another, as the game reads
        // them ("3+2+200" answers three prompts); a word before them may have
        // been a name, so every word is looked at.
        std::istringstream words(lastLine);
        for (std::string word; words >> word;) {
            std::istringstream numbers(word);
            for (std::int32_t value = 0; numbers >> value;) {
                if (value == 200) return true;
            }
        }
        return false;
    }
    if (ending == Ending::Return) return all.ends_with("10. Spiel beenden\n{Normal}") && menuNesting().empty();
    return true;
}

Ending play(bool startIntro, const std::function<std::optional<std::string>(Wait)>& next, std::string& problem) {
    bool eofGiven = false;
    StepInput input([&] {
        std::optional<std::string> line = next(Wait::Line);
        eofGiven = !line;
        return line;
    });
    std::streambuf* keyboard = std::cin.rdbuf(&input);
    std::cin.clear();
    std::cin.exceptions(std::ios::badbit);  // lets Stop and Abort leave a read
    scripted::script().onKeyWait = [&] { next(Wait::Key); };

    Ending ending = Ending::Aborted;
    try {
        if (startIntro) {
            runEntryPoint();
        } else {
            loadPermadeath();
            runMenus();
        }
        ending = Ending::Return;
    } catch (const ProgramQuit&) {
        ending = eofGiven ? Ending::Eof : Ending::Quit;
    } catch (const Stop&) {
        ending = Ending::Waiting;
    } catch (const Abort&) {
    } catch (const GameOver&) {
        problem = "a death left the game without a title menu to catch it";
    } catch (const std::exception& error) {
        problem = std::string("the game threw: ") + error.what();
    }
    scripted::script().onKeyWait = nullptr;
    std::cin.exceptions(std::ios::goodbit);
    std::cin.clear();
    std::cin.rdbuf(keyboard);
    return ending;
}

std::vector<std::string> playChecked(bool startIntro, const std::function<std::optional<std::string>()>& nextLine,
                                     int maxWaits) {
    Checker checker;
    std::vector<std::string> broken;
    std::size_t since = 0;
    std::optional<std::string> typed;  // by the last action
    std::string lastLine;              // the line the game reads from now
    int waits = 0;
    auto shown = [&] { return scripted::script().transcript.substr(since); };
    auto keep = [&](const std::vector<std::string>& found) { broken.insert(broken.end(), found.begin(), found.end()); };

    std::string problem;
    Ending ending = play(startIntro, [&](Wait wait) -> std::optional<std::string> {
        keep(checker.check(wait, shown(), typed));
        if (!broken.empty()) throw Abort{};
        if (++waits > maxWaits) throw Stop{};
        since = scripted::script().transcript.size();
        typed = wait == Wait::Line ? nextLine() : std::nullopt;
        if (typed) lastLine = *typed;
        return typed;
    }, problem);
    if (!problem.empty()) broken.push_back(problem);
    if (ending != Ending::Aborted) {
        keep(checker.check(std::nullopt, shown(), typed));
        if (!Checker::documentedEnd(ending, lastLine)) broken.push_back("invariant: the program ended in a way it never should");
    }
    return broken;
}

}  // namespace invariants
