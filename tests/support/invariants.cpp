#include "support/invariants.h"

#include <iostream>
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

const std::regex ColourEvent("\\{(Golden|Normal|Green|Red|Yellow)\\}");
const std::string MenuEnd = "10. Spiel beenden\n{Normal}";
const std::string& transcript() { return scripted::script().transcript; }

// A save as the game writes it: a resumable label, ten integers, nothing else.
bool isValidSave(const std::string& bytes) {
    static const std::regex form("(erster Dialog|zweiter Dialog|Das Erwachen)\n(-?(0|[1-9][0-9]*)\n){10}");
    return std::regex_match(bytes, form);
}

// The numbers a number read takes from `line`, one after another as the game
// reads them ("3+2+200" answers three prompts), each word on its own, since
// a word before them may have been a name.
std::vector<std::int32_t> numbersIn(const std::string& line) {
    std::vector<std::int32_t> found;
    std::istringstream words(line);
    for (std::string word; words >> word;) {
        std::istringstream numbers(word);
        for (std::int32_t value = 0; numbers >> value;) found.push_back(value);
    }
    return found;
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
        std::optional<std::string> line = ended_ ? std::nullopt : next_();
        if ((ended_ = !line)) return traits_type::eof();
        line_ = *line + "\n";
        setg(line_.data(), line_.data(), line_.data() + line_.size());
        return traits_type::to_int_type(line_[0]);
    }

private:
    std::function<std::optional<std::string>()> next_;
    std::string line_;
    bool ended_ = false;
};

struct Checker {
    std::optional<std::string> knownSave = readSmallFile("savegame.txt");
    std::optional<std::string> blockBeforeRead;  // output before the last number read
    std::optional<std::string> typed;            // by the last answer
    std::string lastLine;                        // the line the game reads from now
    std::size_t deathsChecked = 0;               // transcript checked for deaths up to here

    // At a wait, or at the end (no wait); `shown` was printed since the last answer.
    void check(std::optional<Wait> wait, const std::string& shown, std::vector<std::string>& broken) {
        const std::string& all = transcript();
        // A dead game says nothing more: after the death screen's key comes the title menu.
        const std::string menuStart = "{clear}{font 55}";
        for (auto at = all.find("DU BIST TOT.\n", deathsChecked); at != std::string::npos; at = all.find("DU BIST TOT.\n", at + 1)) {
            auto key = all.find("{key}", at);
            std::string after = key == std::string::npos ? "" : all.substr(key + 5, menuStart.size());
            if (!menuStart.starts_with(after)) {
                broken.push_back("invariant: after a death screen's key the title menu must follow, not `" + after + "...`");
            }
            if (after.size() < menuStart.size()) break;  // checked again once more is printed
            deathsChecked = at + 1;
        }
        // The title menus read their number in the normal colour.
        if (wait == Wait::Line && (all.ends_with(MenuEnd) || all.ends_with("ZAHL dazu eingibst:")) &&
            scripted::script().colour != "Normal") {
            broken.push_back("invariant: the title menu reads a number in colour " + scripted::script().colour);
        }
        // A save is absent, as put there, or one the game can write.
        if (auto save = readSmallFile("savegame.txt"); save != knownSave && save && !isValidSave(*save)) {
            broken.push_back("invariant: savegame.txt is no valid save:\n" + *save);
        }
        // A rejected entry is answered by its message and the same block again
        // (followed by more when the line held more than one entry).
        bool rejected = shown.starts_with("\nUngültige Eingabe! Bitte eine Zahl eingeben!\n") ||
                        shown.starts_with("\nUngültige Auswahl!\n");
        if (wait == Wait::Line && blockBeforeRead && typed && rejected) {
            std::string block = std::regex_replace(*blockBeforeRead, ColourEvent, "");
            block.erase(0, block.size() - std::min<std::size_t>(block.size(), 120));
            std::string again = std::regex_replace(shown, ColourEvent, "");
            if (holdsOneEntry(*typed) ? !again.ends_with(block) : again.find(block) == std::string::npos) {
                broken.push_back("invariant: after a rejected entry the same choice block must follow, ending:\n" + block);
            }
        }
        blockBeforeRead = wait == Wait::Line ? std::optional(shown) : std::nullopt;
    }

    void answered(Wait wait, const std::optional<std::string>& line) {
        typed = wait == Wait::Line ? line : std::nullopt;
        if (typed) lastLine = *typed;
        knownSave = readSmallFile("savegame.txt");  // as it is now, or as the player put it
    }

    // The program ends only by option 10, option 200, the end of input, or
    // after a game started from the first menu.
    bool documentedEnd(Ending ending) const {
        auto numbers = numbersIn(lastLine);
        if (ending == Ending::Quit) {
            return transcript().ends_with("\nSpiel wird beendet...\nDas Programm wird beendet...\n{quit}") ||
                   std::find(numbers.begin(), numbers.end(), 200) != numbers.end();
        }
        return ending != Ending::Return || (transcript().ends_with(MenuEnd) && menuNesting().empty());
    }
};

}  // namespace

Outcome play(bool startIntro, const Next& next) {
    Outcome outcome;
    Checker checker;
    std::size_t since = 0;
    bool eofGiven = false;
    auto atWait = [&](Wait wait) {
        std::string shown = transcript().substr(since);
        checker.check(wait, shown, outcome.broken);
        if (!outcome.broken.empty()) throw Abort{};
        std::optional<std::string> line = next(wait, shown);
        since = transcript().size();
        checker.answered(wait, line);
        eofGiven = wait == Wait::Line && !line;
        return line;
    };
    StepInput input([&] { return atWait(Wait::Line); });
    std::streambuf* keyboard = std::cin.rdbuf(&input);
    std::cin.clear();
    std::cin.exceptions(std::ios::badbit);  // lets Stop and Abort leave a read
    scripted::script().onKeyWait = [&] { atWait(Wait::Key); };
    try {
        if (startIntro) {
            runEntryPoint();
        } else {
            loadPermadeath();
            runMenus();
        }
        outcome.ending = Ending::Return;
    } catch (const ProgramQuit&) {
        outcome.ending = eofGiven ? Ending::Eof : Ending::Quit;
    } catch (const Stop&) {
        outcome.ending = Ending::Waiting;
    } catch (const Abort&) {
    } catch (const GameOver&) {
        outcome.broken.push_back("a death left the game without a title menu to catch it");
    } catch (const std::exception& error) {
        outcome.broken.push_back(std::string("the game threw: ") + error.what());
    }
    scripted::script().onKeyWait = nullptr;
    std::cin.exceptions(std::ios::goodbit);
    std::cin.clear();
    std::cin.rdbuf(keyboard);

    outcome.shown = transcript().substr(since);
    if (outcome.broken.empty() && outcome.ending != Ending::Aborted) {
        checker.check(std::nullopt, outcome.shown, outcome.broken);
        if (!checker.documentedEnd(outcome.ending)) outcome.broken.push_back("invariant: the program ended in a way it never should");
    }
    return outcome;
}

}  // namespace invariants
