#include "support/invariants.h"

#include <algorithm>
#include <iostream>
#include <regex>
#include <set>
#include <sstream>
#include <string_view>

#include "console/io/console_messages.h"
#include "console/io/display_options.h"
#include "frontend/entry_point.h"
#include "frontend/menu_loop.h"
#include "state/game_state.h"
#include "state/player_files.h"
#include "state/text_file.h"
#include "story/chapters.h"
#include "story/passages.h"
#include "story/death_screen.h"
#include "story/visible_name.h"
#include "support/scripted_console.h"
#include "test_seam.h"

namespace invariants {
namespace {

// The game's own words the checks look for, in the language it speaks.
struct Words {
    std::string menuEnd, menuPrompt, saved, death, invalidInput, invalidChoice, permadeathOn, permadeathOff, quitting;
    std::vector<std::string> keyPrompts;
};

std::string withoutLeadingLineEnds(std::string_view text) { return std::string(text.substr(text.find_first_not_of('\n'))); }

const Words& words() {
    static Words german, english;
    Words& words = storyLanguage() == Language::English ? english : german;
    if (words.menuEnd.empty()) {
        namespace frame = passages::frame;
        namespace text = passages::messages;
        words = {std::string(textOf(frame::menu_quit)) + "{Normal}", withoutLeadingLineEnds(textOf(frame::menu_prompt)),
                 withoutLeadingLineEnds(textOf(text::saved)), std::string(textOf(text::you_are_dead)) + "\n",
                 std::string(textOf(text::invalid_input)), std::string(textOf(text::invalid_choice)),
                 std::string(textOf(frame::menu_permadeath_on)), std::string(textOf(frame::menu_permadeath_off)),
                 std::string(textOf(frame::quitting)) + std::string(textOf(text::quit)) + "{quit}", {}};
        for (PassageId prompt : {text::any_key, text::key, text::key_to_end, text::key_to_end_lower, text::journey_key,
                                 frame::disclaimer_key}) {
            words.keyPrompts.emplace_back(textOf(prompt));
        }
    }
    return words;
}
const std::string& transcript() { return scripted::script().transcript; }

// The save the game writes from `game`.
std::string saveOf(const GameState& g) {
    std::string bytes = g.checkpoint + "\n";
    for (std::int32_t value : {g.ragnarRelation, g.hasSword, g.health, g.ragnarStatus, g.reservedA, g.bardStatus,
                               g.bardRelation, g.nameGiven, g.reservedB, g.nameEntryPending}) {
        bytes += std::to_string(value) + "\n";
    }
    return bytes;
}

// Whether a permadeath file holding `bytes` turns permadeath on; nothing
// when it leaves the setting as it was (empty but for blanks).
std::optional<bool> permadeathIn(const std::string& bytes) {
    std::istringstream in(bytes);
    in.imbue(std::locale::classic());
    in >> std::ws;
    if (in.eof()) return std::nullopt;
    std::int32_t value = 0;
    return (in >> value) && value != 0;
}

// Where a key prompt ("Drücke eine Taste, ...") in `text` is not laid out as
// a page break that waits for its key: red, the prompt and its line end,
// the normal colour, then the key wait (spaced: two line ends before and
// after the prompt; the end of the story: two after). The splash waits
// below its own indented prompt. With `atKey`, `text` ends at a key wait,
// which must come after such a prompt.
std::optional<std::string> looseKeyPrompt(std::string_view text, bool atKey) {
    std::set<std::size_t> prompts;
    for (const std::string& prompt : words().keyPrompts) {
        for (auto at = text.find(prompt); at != std::string_view::npos; at = text.find(prompt, at + 1)) prompts.insert(at);
    }
    std::size_t last = std::string_view::npos;
    for (const std::size_t at : prompts) {
        const std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) continue;
        const std::string_view before = text.substr(0, at), after = text.substr(end + 1);
        const std::size_t indent = before.size() - std::min(before.size(), before.find_last_not_of(' ') + 1);
        std::size_t layout = 0;
        if (before.ends_with("{Red}") && after.starts_with("{Normal}{key}")) layout = 13;
        if ((before.ends_with("{Red}\n\n") || before.ends_with("{Red}")) && after.starts_with("{Normal}\n\n{key}")) {
            layout = 15;
        }
        if (indent > 0 && before.substr(0, before.size() - indent).ends_with("{Normal}") && after.starts_with("{key}")) {
            layout = 5;
        }
        if (layout == 0) return "a key prompt out of its page-break layout: " + std::string(text.substr(at, 60));
        last = end + 1 + layout;
    }
    if (atKey && last != text.size()) return "a key wait without its key prompt before it";
    return std::nullopt;
}

// A save as the game writes it: a resumable label, ten integers, nothing else.
bool isValidSave(const std::string& bytes) {
    std::size_t labelEnd = bytes.find('\n');
    std::string label = bytes.substr(0, labelEnd);
    static const std::regex numbers("(-?(0|[1-9][0-9]*)\n){10}");
    return std::ranges::any_of(checkpoints, [&](const ResumePlace& place) { return label == place.label; }) &&
           labelEnd != std::string::npos && std::regex_match(bytes.substr(labelEnd + 1), numbers);
}

// `text` without its colour events (std::regex would be the slow way here),
// and without quotation marks when `marks`: they stand for a colour.
std::string withoutColours(std::string text, bool marks = false) {
    const ConsoleMessages& quotes = consoleMessages();
    for (std::string_view colour : {std::string_view("{Golden}"), std::string_view("{Normal}"), std::string_view("{Green}"),
                                    std::string_view("{Red}"), std::string_view("{Yellow}"), quotes.speechOpens,
                                    quotes.speechCloses, quotes.innerSpeechOpens, quotes.innerSpeechCloses}) {
        if (!marks && colour[0] != '{') break;
        const std::string event(colour);
        for (auto at = text.find(event); at != std::string::npos; at = text.find(event, at)) text.erase(at, event.size());
    }
    return text;
}

// Where `text` holds something that could drive a terminal or is no UTF-8:
// a C0 control other than the line end, DEL, a C1 control (U+0080 to
// U+009F), or a byte that is not in a well-formed UTF-8 sequence
// (stray, overlong, a surrogate, beyond U+10FFFF, cut short). Checked here on
// its own terms, not with the game's code for it. Nothing: all is safe.
std::optional<std::string> unsafeOutput(std::string_view text) {
    auto byte = [&](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
    auto report = [&](std::size_t at, const std::string& what) {
        return what + " at byte " + std::to_string(at) + " of the output since the last answer, after: " +
               std::string(text.substr(at - std::min<std::size_t>(at, 60), std::min<std::size_t>(at, 60)));
    };
    for (std::size_t i = 0; i < text.size();) {
        const unsigned lead = byte(i);
        if (lead < 0x80) {
            if ((lead < 0x20 && lead != '\n') || lead == 0x7F) return report(i, "a control character");
            ++i;
            continue;
        }
        // The second byte's range and the length, by lead byte.
        unsigned low = 0x80, high = 0xBF;
        std::size_t length = 0;
        if (lead >= 0xC2 && lead <= 0xDF) length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
        else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
        bool formed = length != 0 && i + length <= text.size() && byte(i + 1) >= low && byte(i + 1) <= high;
        for (std::size_t k = 2; formed && k < length; ++k) formed = (byte(i + k) & 0xC0) == 0x80;
        if (!formed) return report(i, "a byte that is no UTF-8");
        if (lead == 0xC2 && byte(i + 1) <= 0x9F) return report(i, "a C1 control character");
        i += length;
    }
    return std::nullopt;
}

// `text` with the hero's name left out: it is the player's, whatever it holds.
std::string withoutName(std::string text) {
    if (const std::string name = visibleName(game.playerName); !name.empty()) {
        for (auto at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
            text.replace(at, name.size(), "N");
        }
    }
    return text;
}

// Where speech set in quotation marks breaks the language's rules („ and “
// in German, “ and ” in English): the opening mark opens and the closing one
// closes, never nested but for the inner marks inside; a blank or a line
// start before the opening mark. In German also: no comma inside the
// closing mark, and a tag in lower case on the same line follows a spoken
// sentence's closing mark with a comma. Nothing: all is well.
std::optional<std::string> misquoted(std::string text) {
    text = withoutName(std::move(text));
    const ConsoleMessages& marks = consoleMessages();
    enum Depth { Outside, Speech, Inner } depth = Outside;
    auto report = [&](std::size_t at, const std::string& what) {
        std::size_t from = at - std::min<std::size_t>(at, 50);
        return what + ", at: " + text.substr(from, at - from) + "⟨here⟩" + text.substr(at, 30);
    };
    for (std::size_t at = 0; (at = text.find('\xE2', at)) != std::string::npos; ++at) {
        const std::string_view mark = std::string_view(text).substr(at, 3);
        const char before = at == 0 ? '\n' : text[at - 1];
        if (mark == marks.speechOpens) {
            if (depth != Outside) return report(at, "an opening mark inside a quotation");
            if (before != ' ' && before != '\n' && before != '}') return report(at, "no blank before an opening mark");
            depth = Speech;
        } else if (mark == marks.speechCloses) {
            if (depth != Speech) return report(at, "a closing mark that closes nothing");
            const std::string_view after = std::string_view(text).substr(at + 3, 3);
            const bool lowerCase = (after.size() > 1 && after[1] >= 'a' && after[1] <= 'z') ||
                                   after.substr(1) == "ä" || after.substr(1) == "ö" || after.substr(1) == "ü";
            if (marks.commaAfterClosingMark && before == ',') return report(at, "a comma inside the closing mark");
            if (marks.commaAfterClosingMark && (before == '!' || before == '?' || before == '.') &&
                after.starts_with(' ') && lowerCase) {
                return report(at, "no comma between the closing mark and its tag");
            }
            depth = Outside;
        } else if (mark == marks.innerSpeechOpens) {
            if (depth != Speech) return report(at, "an inner opening mark outside a quotation");
            depth = Inner;
        } else if (mark == marks.innerSpeechCloses) {
            if (depth != Inner) return report(at, "an inner closing mark that closes nothing");
            depth = Speech;
        }
    }
    if (depth != Outside) return report(text.size(), "a quotation left open");
    return std::nullopt;
}

// Where the English game shows German: a German letter or quotation mark
// outside the hero's name. Nothing: none.
std::optional<std::string> germanIn(const std::string& shown) {
    const std::string text = withoutName(shown);
    for (std::string_view german : {"ä", "ö", "ü", "ß", "Ä", "Ö", "Ü", "„", "‚"}) {
        if (auto at = text.find(german); at != std::string::npos) {
            return "German in the English game: " + text.substr(at - std::min<std::size_t>(at, 50), 80);
        }
    }
    return std::nullopt;
}

// The last 120 bytes of a choice block, colours and quotation marks left out.
std::string blockEnd(const std::string& shown) {
    std::string block = withoutColours(shown, true);
    return block.erase(0, block.size() - std::min<std::size_t>(block.size(), 120));
}

// Whether a number read takes all of `line` at once: a number and nothing
// after it, or no number at all (the rest of the line is dropped then).
bool holdsOneEntry(const std::string& line) {
    std::istringstream in(line);
    std::int32_t value = 0;
    return !(in >> value) || (in >> std::ws).eof();
}

struct Checker {
    std::optional<std::string> knownSave = readSmallFile("savegame.txt");
    std::optional<std::string> knownPermadeath = readSmallFile("permadeath.txt");
    bool menuShown = false;
    std::size_t savedChecked = 0;                 // transcript checked for save messages up to here
    // The choice asked last, as a copy: the game may hand a temporary.
    std::optional<DeclaredChoice> asked;
    std::size_t askedAt = 0;                      // the transcript's length then
    std::size_t toldAt = 0;                       // the same when the last passage began
    // The choice the game reads a number for now, if it does.
    const DeclaredChoice* askedNow() const {
        return asked && askedAt == transcript().size() ? &*asked : nullptr;
    }
    struct Answered {
        DeclaredChoice choice;
        Then leads;
        std::size_t from;   // the transcript from the answer on
        std::string block;  // the end of the choice block, colours and marks left out
    };
    std::optional<Answered> answeredChoice;
    std::optional<std::string> blockBeforeRead;  // output before the last number read
    std::optional<std::string> typed;            // by the last answer
    std::string lastLine;                        // the line the game reads from now
    std::size_t deathsChecked = 0;               // transcript checked for deaths up to here
    std::size_t speechChecked = 0;               // colour events checked up to here

    // At a wait, or at the end (no wait); `shown` was printed since the last answer.
    void check(std::optional<Wait> wait, const std::string& shown, std::vector<std::string>& broken) {
        const std::string& all = transcript();
        // A dead game says nothing more: after the death screen's key comes the title menu.
        const std::string menuStart = "{clear}{font 55}";
        for (auto at = all.find(words().death, deathsChecked); at != std::string::npos; at = all.find(words().death, at + 1)) {
            auto key = all.find("{key}", at);
            std::string after = key == std::string::npos ? "" : all.substr(key + 5, menuStart.size());
            if (!menuStart.starts_with(after)) {
                broken.push_back("invariant: after a death screen's key the title menu must follow, not `" + after +
                                 "...`");
            }
            if (after.size() < menuStart.size()) break;  // checked again once more is printed
            deathsChecked = at + 1;
        }
        // Nothing printed can drive the terminal, whatever the player typed or
        // the files held: only text, line ends and the console's own events.
        if (auto unsafe = unsafeOutput(shown)) broken.push_back("invariant: the output holds " + *unsafe);
        // Speech never runs on into narration: the colour set after the
        // speech colour is the normal one, or a banner line in green or red
        // capitals ("DEINE BEZIEHUNG ...", "DU BIST TOT.").
        static const std::regex banner("\\{(Green|Red)\\}[A-Z][A-Z ]{3}");
        const auto& colours = scripted::script().colourEvents;
        for (; speechChecked + 1 < colours.size(); ++speechChecked) {
            // A banner line gives the normal colour back at its line end.
            if (const auto& [at, colour] = colours[speechChecked];
                colour != "Yellow" && std::regex_match(all.substr(at, colour.size() + 6), banner)) {
                if (all.compare(all.find('\n', at) + 1, 8, "{Normal}") != 0) {
                    broken.push_back("invariant: a banner line leaves its colour in force: " + all.substr(at, 60));
                }
            }
            if (colours[speechChecked].second != "Yellow") continue;
            const auto& [at, next] = colours[speechChecked + 1];
            const bool isBanner =
                at > 0 && all[at - 1] == '\n' && std::regex_match(all.substr(at, next.size() + 6), banner);
            if (next != "Normal" && !isBanner) {
                broken.push_back("invariant: a spoken line runs on in " + next + ": " + all.substr(at, 40));
            }
        }
        // Where speech is set in quotation marks, they follow the language's rules.
        if (marksInWords()) {
            if (auto wrong = misquoted(withoutColours(shown))) broken.push_back("invariant: " + *wrong);
        }
        if (storyLanguage() == Language::English) {
            if (auto german = germanIn(shown)) broken.push_back("invariant: " + *german);
        }
        if (wait && scripted::script().colour == "Yellow") {
            broken.push_back("invariant: the game waits with the speech colour in force");
        }
        const bool atMenu =
            wait == Wait::Line && (all.ends_with(words().menuEnd) || all.ends_with(words().menuPrompt));
        if (atMenu && scripted::script().colour != "Normal") {
            broken.push_back("invariant: the title menu reads a number in colour " + scripted::script().colour);
        }
        // A save is absent, as put there, or one the game can write.
        if (auto save = readSmallFile("savegame.txt"); save != knownSave && save && !isValidSave(*save)) {
            broken.push_back("invariant: savegame.txt is no valid save:\n" + *save);
        }
        // A rejected entry is answered by its message and the same block again
        // (followed by more when the line held more than one entry).
        bool rejected = shown.starts_with(words().invalidInput) || shown.starts_with(words().invalidChoice);
        if (wait == Wait::Line && blockBeforeRead && typed && rejected) {
            // Speech shown again in another colour is not marked again.
            const std::string block = blockEnd(*blockBeforeRead);
            std::string again = withoutColours(shown, true);
            if (holdsOneEntry(*typed) ? !again.ends_with(block) : again.find(block) == std::string::npos) {
                broken.push_back("invariant: after a rejected entry the same choice block must follow, ending:\n" +
                                 block);
            }
        }
        // Every key wait comes after its key prompt, and every key prompt is a
        // page break that waits for its key. The splash and the end of the
        // story wait without one.
        if (auto loose = looseKeyPrompt(shown, wait == Wait::Key)) broken.push_back("invariant: " + *loose);
        // The title menu shows the permadeath setting that the file it read
        // or just wrote holds.
        if (atMenu) {
            const auto file = readSmallFile("permadeath.txt");
            const auto on = file ? permadeathIn(*file) : std::nullopt;
            if ((!menuShown || file != knownPermadeath) && on) {
                const auto shownOn = all.rfind(words().permadeathOn), shownOff = all.rfind(words().permadeathOff);
                const bool lastOn = shownOn != std::string::npos && (shownOff == std::string::npos || shownOn > shownOff);
                if ((shownOn == std::string::npos && shownOff == std::string::npos) || lastOn != *on) {
                    broken.push_back("invariant: the title menu shows another permadeath setting than the file's");
                }
            }
            menuShown = true;
        }
        // An option leads where its table says: to the same choice again, on
        // (not to the same block again), or to a death.
        if (wait == Wait::Line && answeredChoice) {
            const Answered& a = *answeredChoice;
            const bool died = all.find(words().death, a.from) != std::string::npos;
            const auto* now = askedNow();
            // The same choice: the same option lines of the same passage.
            const bool same = now && now->passage.file == a.choice.passage.file &&
                              now->passage.passage == a.choice.passage.passage;
            if (a.leads == Then::Dies && !died) {
                broken.push_back("invariant: an option that kills led on without a death");
            } else if (a.leads == Then::AskAgain && (died || !same)) {
                broken.push_back("invariant: an option that asks again did not ask the same choice again");
            } else if (a.leads == Then::MoveOn && !died && same &&
                       withoutColours(shown, true).ends_with(a.block)) {
                broken.push_back("invariant: an option that moves on asked the same choice again");
            }
            answeredChoice.reset();
        }
        // The block is what its passage printed, not what came before it.
        const std::size_t blockStart = std::max(toldAt, all.size() - shown.size());
        blockBeforeRead = wait == Wait::Line ? std::optional(all.substr(std::min(blockStart, all.size()))) : std::nullopt;
    }

    // After each write: a save the game reports as written holds the game
    // as it stands at that moment.
    void written(std::vector<std::string>& broken) {
        const std::string& all = transcript();
        const std::string& saved = words().saved;
        if (all.size() <= savedChecked || !all.ends_with(saved)) return;
        savedChecked = all.size();
        if (readSmallFile("savegame.txt") != saveOf(game)) {
            broken.push_back("invariant: after \"" + saved + "\" the save differs from the game:\n" +
                             readSmallFile("savegame.txt").value_or("(none)") + "instead of\n" + saveOf(game));
        }
    }

    void answered(Wait wait, const std::optional<std::string>& line) {
        if (wait == Wait::Line && askedNow() && line && holdsOneEntry(*line)) {
            std::istringstream in(*line);
            std::int32_t value = 0;
            in >> value;
            if (const DeclaredOption* option = in ? asked->find(value) : nullptr) {
                answeredChoice = Answered{*asked, option->then, transcript().size(), blockEnd(*blockBeforeRead)};
            }
        }
        knownPermadeath = readSmallFile("permadeath.txt");
        typed = wait == Wait::Line ? line : std::nullopt;
        if (typed) lastLine = *typed;
        knownSave = readSmallFile("savegame.txt");  // as it is now, or as the player put it
    }

    // The program ends only by option 10, option 200, the end of input, or
    // after a game started from the first menu. A 200 may stand anywhere in
    // the last line: each word may hold numbers one after another, as the
    // game reads them ("3+2+200" answers three prompts), and a word before
    // them may have been a name.
    bool documentedEnd(Ending ending) const {
        if (ending == Ending::Return) return transcript().ends_with(words().menuEnd) && testSeam::menuDepth() == 0;
        if (ending != Ending::Quit || transcript().ends_with(words().quitting)) return true;
        std::istringstream words(lastLine);
        for (std::string word; words >> word;) {
            std::istringstream numbers(word);
            for (std::int32_t value = 0; numbers >> value;) {
                if (value == 200) return true;
            }
        }
        return false;
    }
};

Checker* current = nullptr;

}  // namespace

const DeclaredChoice* choiceAsked() {
    return current != nullptr ? current->askedNow() : nullptr;
}

Outcome play(bool startIntro, const Next& next) {
    return play(
        [startIntro] {
            if (startIntro) {
                runEntryPoint();
            } else {
                loadPermadeath();
                runMenus();
            }
        },
        next);
}

Outcome play(const std::function<void()>& program, const Next& next) {
    Outcome outcome;
    Checker checker;
    std::size_t since = 0;
    bool eofGiven = false;
    auto atWait = [&](Wait wait) {
        outcome.steps.push_back(wait == Wait::Key ? "key" : "line");
        std::string shown = transcript().substr(since);
        checker.check(wait, shown, outcome.broken);
        if (!outcome.broken.empty()) throw Abort{};
        std::optional<std::string> line = next(wait, shown);
        since = transcript().size();
        checker.answered(wait, line);
        eofGiven = wait == Wait::Line && !line;
        return line;
    };
    std::cin.exceptions(std::ios::badbit);  // lets Stop and Abort leave a read
    scripted::script().nextLine = [&] { return atWait(Wait::Line); };
    scripted::script().onKeyWait = [&] { atWait(Wait::Key); };
    scripted::script().onWrite = [&] { checker.written(outcome.broken); };
    testSeam::watchStory([&](const StoryEvent& event) {
        if (event.kind == StoryEvent::Kind::Told) {
            checker.toldAt = transcript().size();
            outcome.steps.push_back(std::to_string(event.passage.file) + "." + std::to_string(event.passage.passage));
        }
        if (event.kind != StoryEvent::Kind::NumberAsked) return;
        checker.asked = *event.choice;
        checker.askedAt = transcript().size();
    });
    current = &checker;
    try {
        program();
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
    scripted::script().onWrite = nullptr;
    testSeam::watchStory(nullptr);
    current = nullptr;
    scripted::script().nextLine = [] { return std::nullopt; };
    std::cin.exceptions(std::ios::goodbit);

    outcome.shown = transcript().substr(since);
    if (outcome.broken.empty() && outcome.ending != Ending::Aborted) {
        checker.check(std::nullopt, outcome.shown, outcome.broken);
        if (!checker.documentedEnd(outcome.ending)) {
            outcome.broken.push_back("invariant: the program ended in a way it never should");
        }
    }
    return outcome;
}

}  // namespace invariants
