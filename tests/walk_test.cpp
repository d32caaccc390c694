// The walk: from every scene a game can start at, every option of every
// choice block is taken, each way on to its end, with every invariant
// checked on the way, in colour, in plain text and without colours, in German
// and in English. It must meet every choice block and every death of the
// story, and its end.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "console/io/display_options.h"
#include "state/game_state.h"
#include "support/invariants.h"
#include "support/named_scenes.h"
#include "support/scripted_console.h"
#include "support/work_folder.h"
#include "story/passages.h"
#include "test_seam.h"

namespace {

// How often `call` stands in the story's scene code.
std::size_t callsInStory(const std::string& call) {
    std::size_t count = 0;
    for (const auto& source : std::filesystem::directory_iterator(std::string(HULGOR_SOURCE_DIR) + "/src/story")) {
        if (source.path().extension() != ".cpp" || source.path().filename() == "scene.cpp") continue;
        const std::string code = fileBytes(source.path());
        for (auto at = code.find(call); at != std::string::npos; at = code.find(call, at + 1)) ++count;
    }
    return count;
}

// The first line of the screen that `end` stands on, without console events.
std::string screenOf(const std::string& text, std::size_t end) {
    static const std::regex events("\\{[A-Za-z]+( [^}]*)?\\}");
    const std::size_t start = text.rfind("{clear}", end);
    std::string screen = std::regex_replace(text.substr(start, end - start), events, "");
    screen.erase(0, screen.find_first_not_of('\n'));
    return screen.substr(0, screen.find('\n'));
}

// What tells a state apart for the way the story goes on.
std::string stateKey() {
    std::ostringstream key;
    key << game.hasSword << game.health << game.ragnarRelation << game.ragnarStatus << game.bardRelation
        << game.bardStatus << game.reservedA << game.nameGiven << game.wolfChoice << game.nameEntryPending;
    return key.str();
}

}  // namespace

TEST(Walk, EveryOptionFromEverySceneReachesEveryBlockDeathAndEnd) {
    WorkFolder folder{"hulgor-walk"};
    const DisplayOptions shown = displayOptions();
    const struct {
        bool plain, colours;
        Language language;
    } modes[] = {{false, true, Language::German},
                 {true, true, Language::German},
                 {false, false, Language::German},
                 {false, true, Language::English},
                 {true, true, Language::English}};
    for (auto [plain, colours, language] : modes) {
        SCOPED_TRACE(std::string(plain ? "plain" : colours ? "colours" : "no colours") +
                     (language == Language::English ? ", English" : ""));
        displayOptions().plain = plain;
        displayOptions().colours = colours;
        const StoryLanguage speaking(language);
        const std::string menuQuit(textOf(passages::frame::menu_quit)), dead(textOf(passages::messages::you_are_dead));
        std::set<std::string> blocks, deaths, ends, walked;
        for (const NamedScene& scene : namedScenes()) {
            std::vector<std::vector<std::int32_t>> ways{{}};
            while (!ways.empty()) {
                const std::vector<std::int32_t> answers = ways.back();
                ways.pop_back();
                folder.empty();
                game = GameState{};
                game.playerName = "Kai";
                scripted::ScriptedSession session;
                scripted::script().transcriptLimit = 1 << 20;  // a game that loops fails fast
                std::size_t given = 0;
                auto next = [&](invariants::Wait wait, const std::string& shown) -> std::optional<std::string> {
                    if (wait == invariants::Wait::Key) return std::nullopt;
                    const std::string& all = scripted::script().transcript;
                    const DeclaredChoice* choice = invariants::choiceAsked();
                    if (choice == nullptr) {
                        if (shown.find(menuQuit) == std::string::npos) return "Kai";  // a name asked for
                        const auto death = all.rfind(dead);
                        if (death != std::string::npos) deaths.insert(screenOf(all, death));
                        throw invariants::Stop{};
                    }
                    // A block by its last option before the quit line.
                    static const std::regex option("(^|\n)(\\{[A-Za-z]+\\})*([0-9] - [^\n{]*)");
                    std::string block;
                    for (std::sregex_iterator at(shown.begin(), shown.end(), option), end; at != end; ++at) {
                        block = (*at)[3];
                    }
                    blocks.insert(block);
                    if (given < answers.size()) return std::to_string(answers[given++]);
                    if (walked.insert(block + stateKey()).second) {
                        for (std::size_t i = 0; i < choice->count; ++i) {
                            ways.push_back(answers);
                            ways.back().push_back(choice->options[i].number);
                        }
                    }
                    throw invariants::Stop{};
                };
                invariants::Outcome outcome =
                    invariants::play([&] { testSeam::runMenusAfter([&] { runFromScene(scene); }); }, next);
                if (outcome.ending == invariants::Ending::Return) {
                    const std::string& all = scripted::script().transcript;
                    ends.insert(screenOf(all, all.rfind("{key}")));
                }
                for (const std::string& broken : outcome.broken) {
                    const std::string& last = outcome.shown;
                    ADD_FAILURE() << "from " << scene.name << " answering " << ::testing::PrintToString(answers)
                                  << ": " << broken << "\n" << last.substr(last.size() - std::min<std::size_t>(last.size(), 400));
                }
            }
        }
        EXPECT_EQ(blocks.size(), callsInStory("ChoicePrompt<")) << "blocks met:\n" << ::testing::PrintToString(blocks);
        EXPECT_GE(deaths.size(), callsInStory("DeathScreen(")) << "deaths met:\n" << ::testing::PrintToString(deaths);
        EXPECT_EQ(ends.size(), 1u) << ::testing::PrintToString(ends);
    }
    displayOptions() = shown;
}
