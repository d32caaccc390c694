// How the title menu and the story's numbered choices read what is typed:
// the stream's own number rules, the two rejection messages, tokens left on
// the line for the next read, and the end of input.
#include "frontend/menu_flow.h"
#include "story/scene.h"
#include "support/game_fixture.h"

namespace {

class InputRulesTest : public GameTest {};

const std::string BadInput = "\nUngültige Eingabe! Bitte eine Zahl eingeben!\n";
const std::string BadChoice = "\nUngültige Auswahl!\n";
const std::string Menu = "Bitte wähle eine Option, indem du die ZAHL dazu eingibst:";
const std::string Quit = "Das Programm wird beendet...\n{quit}";

// The pieces of `shown` between the menu prompts, without the menu itself.
std::vector<std::string> afterEachMenu(const std::string& shown) {
    std::vector<std::string> pieces;
    for (auto at = shown.find(Menu); at != std::string::npos;) {
        auto next = shown.find(Menu, at + Menu.size());
        std::string piece = shown.substr(at + Menu.size(), next == std::string::npos ? std::string::npos : next - at - Menu.size());
        pieces.push_back(piece.substr(0, piece.find("{clear}{font 75}")));
        at = next;
    }
    return pieces;
}

// A three-option block: 1 and 2 advance, 3 shows its outcome and asks again.
std::int32_t askOnce(QuitLine quitLine) {
    std::int32_t value = 0;
    return ChoicePrompt(
        value, [] { sayLine("[Block]"); },
        {{1, true, [] { sayLine("[1]"); }}, {2, true, [] { sayLine("[2]"); }}, {3, false, [] { sayLine("[3]"); }}},
        quitLine);
}

}  // namespace

TEST_F(InputRulesTest, TitleMenu) {
    struct Case {
        std::string typed;
        std::vector<std::string> answers;  // what follows each showing of the menu
    };
    const std::string newGame = "{sound 719.wav}";
    const std::string version = "{clear}\nVersion: ALPHA 0.2.0\n";
    const std::string endOfInput = "\n" + Quit;
    const std::vector<Case> cases{
        {"1\n", {newGame}},
        {"\n\n  \n   1\n", {newGame}},
        {"+1\n", {newGame}},
        {"01\n", {newGame}},
        {"1", {newGame}},
        {"abc def\n10\n", {BadInput, "{clear}\nSpiel wird beendet...\n" + Quit}},
        {"7\n0\n-1\n11\n", {BadChoice + "\n", BadChoice + "\n", BadChoice + "\n", BadChoice + "\n", endOfInput}},
        {"2147483647\n2147483648\n-2147483649\n", {BadChoice + "\n", BadInput, BadInput, endOfInput}},
        {"3 5\n", {version, "{clear}Programmierung: Tamlowen\n", endOfInput}},
        {"4x\n", {"{clear}Erfolge sind in dieser Version noch nicht verfügbar!\n", BadInput, endOfInput}},
        {"  \n \n", {endOfInput}},
        {"abc", {BadInput, endOfInput}},
    };
    for (const Case& c : cases) {
        game = GameState{};
        type(c.typed);
        screen();
        EXPECT_TRUE(endsProgram(runMenus)) << c.typed;
        auto pieces = afterEachMenu(screen());
        ASSERT_EQ(pieces.size(), c.answers.size()) << "typed: " << c.typed;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            EXPECT_TRUE(pieces[i].starts_with(c.answers[i])) << "typed: " << c.typed << "\nshown: " << pieces[i];
        }
    }
}

TEST_F(InputRulesTest, ChoicePrompt) {
    struct Case {
        std::string typed;
        QuitLine quitLine;
        std::int32_t answer;  // 0: the program ended
        std::string shown;
        std::string leftOver;  // what the next read would see
    };
    const QuitLine offered = QuitLine::Offered;
    const QuitLine notOffered = QuitLine::NotOffered;
    const std::string block = "[Block]\n";
    const std::vector<Case> cases{
        {"\n\n   2\n", notOffered, 2, block + "[2]\n", "\n"},
        {"Schwert\n1\n", notOffered, 1, block + BadInput + block + "[1]\n", "\n"},
        {"7\n0\n-2\n1\n", notOffered, 1, block + BadChoice + block + BadChoice + block + BadChoice + block + "[1]\n", "\n"},
        {"3\n3\n1\n", notOffered, 1, block + "[3]\n" + block + "[3]\n" + block + "[1]\n", "\n"},
        {"200\n1\n", notOffered, 1, block + BadChoice + block + "[1]\n", "\n"},
        {"200\n1\n", offered, 0, block + Quit, "\n1\n"},
        {"2abc\n", notOffered, 2, block + "[2]\n", "abc\n"},
        {"1 2\n", notOffered, 1, block + "[1]\n", " 2\n"},
        {"+1\n", notOffered, 1, block + "[1]\n", "\n"},
        {"4294967297\n2\n", notOffered, 2, block + BadInput + block + "[2]\n", "\n"},
        {"", offered, 0, block + "\n" + Quit, ""},
        {"3\n", notOffered, 0, block + "[3]\n" + block + "\n" + Quit, ""},
    };
    for (const Case& c : cases) {
        type(c.typed);
        std::int32_t answer = 0;
        EXPECT_EQ(endsProgram([&] { answer = askOnce(c.quitLine); }), c.answer == 0) << c.typed;
        EXPECT_EQ(answer, c.answer) << c.typed;
        EXPECT_EQ(screen(), c.shown) << c.typed;
        std::string rest;
        std::getline(std::cin, rest, '\0');
        EXPECT_EQ(rest, c.leftOver) << c.typed;
        std::cin.clear();
    }
}
