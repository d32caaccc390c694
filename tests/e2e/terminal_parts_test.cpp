// The terminal console's pure pieces: wrapping text at blanks to the
// window's width, the columns a character takes, where a key press ends, and
// keys read from a pipe. (Colour sequences and key waits
// are checked on the real binary.)
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <unistd.h>
#include <vector>

#include "console/layout/display_width.h"
#include "console/terminal/line_editor.h"
#include "console/layout/line_wrap.h"
#include "console/layout/pager.h"
#include "console/layout/utf8.h"
#include "console/terminal/terminal_keys.h"

namespace {

struct Screen {
    std::size_t width = 80;
    std::string shown;
    LineWrap wrap{[this] { return width; }, [this](std::string_view bytes) { shown += bytes; }};
};

const std::string Red = "\x1b[91m";
const std::string Paragraph =
    "Dir gegenüber sitzt ein bärtiger Mann, der dich an einen Wikinger aus einer billigen "
    "Fernsehserie erinnert. Er mustert dich.\n";
const std::string Saves = "Dieses Spiel speichert automatisch in bestimmten Abständen.";

struct Case {
    const char* what;
    std::string text;
    std::string at20, at80, at200;  // what shows at these widths; empty: the text unchanged
};

const std::vector<Case> cases{
    {"fits", "Der Wikinger lacht.\n", "", "", ""},
    {"one long paragraph", Paragraph,
     "Dir gegenüber sitzt\nein bärtiger Mann,\nder dich an einen\nWikinger aus einer\nbilligen\n"
     "Fernsehserie\nerinnert. Er mustert\ndich.\n",
     "Dir gegenüber sitzt ein bärtiger Mann, der dich an einen Wikinger aus einer\n"
     "billigen Fernsehserie erinnert. Er mustert dich.\n", ""},
    {"a word longer than the line", "Ach Aaaaaaaaaaaaaaaaaaaaaaaaah! Nein.\n",
     "Ach\nAaaaaaaaaaaaaaaaaaaa\naaaaah! Nein.\n", "", ""},
    {"umlauts at the edge", "Zwölf große Bären aß Äpfel.\n", "Zwölf große Bären aß\nÄpfel.\n", "", ""},
    {"colour sequences inside", "\x1b[93mIhr seid also endlich wach,\x1b[0m sagt er mit tiefer Stimme.\n",
     "\x1b[93mIhr seid also\nendlich wach,\x1b[0m sagt\ner mit tiefer\nStimme.\n", "", ""},
    {"a centred line that fits", std::string(29, ' ') + "Ein Spiel von Tamlowen...\n",
     "Ein Spiel von\nTamlowen...\n", "", ""},
    {"a centred line re-centred", Red + std::string(39, ' ') + Saves + "\n",
     Red + "Dieses Spiel\nspeichert\nautomatisch in\nbestimmten\nAbständen.\n",
     Red + std::string(10, ' ') + Saves + "\n", ""},
    {"a centred prompt", std::string(53, ' ') + "Drücke eine beliebige Taste...\n",
     "Drücke eine\nbeliebige Taste...\n", std::string(25, ' ') + "Drücke eine beliebige Taste...\n", ""},
    {"trailing blanks", "Der Wikinger lacht spöttisch. \n", "Der Wikinger lacht\nspöttisch. \n", "", ""},
    {"a prompt without a line end", "Gib deinen Namen ein: ", "Gib deinen Namen\nein: ", "", ""},
    {"explicit blank lines", "\n\nEins\n\n\nZwei\n", "", "", ""},
    {"East Asian characters take two columns", "霧の森を抜けると山の上に竜が住んでいた。\n",
     "霧の森を抜けると山の\n上に竜が住んでいた。\n", "", ""},
    {"emoji take two columns", "Die Wölfe 🐺🐺🐺 heulen, der Drache 🐉 faucht.\n",
     "Die Wölfe 🐺🐺🐺\nheulen, der Drache\n🐉 faucht.\n", "", ""},
    {"a combining accent takes none", "Rene\u0301 sah große Bären aß Äpfel.\n",
     "Rene\u0301 sah große Bären\naß Äpfel.\n", "", ""},
    {"a combining accent stays on its letter", "Aaaaaaaaaaaaaaaaaaae\u0301eeeh!\n",
     "Aaaaaaaaaaaaaaaaaaae\u0301\neeeh!\n", "", ""},
    {"a wide character does not straddle the edge", "Aaaaaaaaaaaaaaaaaaa竜の叫び!\n",
     "Aaaaaaaaaaaaaaaaaaa\n竜の叫び!\n", "", ""},
    {"a centred line of wide characters", std::string(60, ' ') + "ハルゴル 野蛮人の物語\n",
     "ハルゴル\n野蛮人の物語\n", std::string(29, ' ') + "ハルゴル 野蛮人の物語\n", ""},
};

}  // namespace

// Each case at widths 20, 80, 200 and unknown (0: left alone), written at
// once and byte by byte.
TEST(LineWrap, WrapsEachCaseAtEachWidth) {
    for (const Case& c : cases) {
        for (auto [width, expected] : {std::pair{20, c.at20}, {80, c.at80}, {200, c.at200}, {0, std::string()}}) {
            for (bool byteByByte : {false, true}) {
                Screen screen;
                screen.width = static_cast<std::size_t>(width);
                if (!byteByByte) screen.wrap.write(c.text);
                for (char byte : byteByByte ? c.text : "") screen.wrap.write(std::string_view(&byte, 1));
                screen.wrap.flush();
                EXPECT_EQ(screen.shown, expected.empty() ? c.text : expected)
                    << c.what << " at " << width << (byteByByte ? ", byte by byte" : "");
            }
        }
    }
}

// The column carries over writes and flushes until the line starts again: by
// a line end, the player's Enter, a cursor home; a new width counts from the
// next line.
TEST(LineWrap, ColumnCarriesOverUntilTheLineStartsAgain) {
    Screen screen;
    screen.width = 20;
    screen.wrap.write("Bitte wähle:");
    screen.wrap.flush();
    EXPECT_EQ(screen.shown, "Bitte wähle:");
    screen.wrap.write(" zwei Worte\n");  // 12 + 11 columns: the second word moves on
    screen.wrap.write("Gib deinen Namen: ");
    screen.wrap.flush();
    screen.wrap.lineStarted();  // the player's Enter
    screen.wrap.write("Zwölf große Bären aß\n0123456789 0123456789");
    screen.wrap.write("\x1b[H\x1b[2JZwölf große Bären aß\n");  // cursor home: the first column again
    EXPECT_EQ(screen.shown, "Bitte wähle: zwei\nWorte\nGib deinen Namen: Zwölf große Bären aß\n"
                            "0123456789\n0123456789\x1b[H\x1b[2JZwölf große Bären aß\n");
    screen.shown.clear();
    screen.width = 80;
    screen.wrap.write(Paragraph);
    screen.width = 40;
    screen.wrap.write("Zwölf große Bären aß Äpfel, Birnen und Nüsse.\n");
    EXPECT_EQ(screen.shown, "Dir gegenüber sitzt ein bärtiger Mann, der dich an einen Wikinger aus einer\n"
                            "billigen Fernsehserie erinnert. Er mustert dich.\n"
                            "Zwölf große Bären aß Äpfel, Birnen und\nNüsse.\n");
}

// Text in a window of a given height: where the paging prompt comes ([P]).
// A step of `writes` is text, "|" a flush (a pause), "^" the player's key or
// line, "#" a window of 3 rows from here on.
TEST(Pager, PromptsBeforeAnUnreadRowScrollsAway) {
    struct Case {
        const char* what;
        std::size_t height;
        std::vector<std::string> writes;
        std::string shown;
    };
    const std::vector<Case> cases{
        {"fits exactly", 4, {"a\nb\nc\nd"}, "a\nb\nc\nd"},
        {"one row too many", 4, {"a\nb\nc\nd\ne\n"}, "a\nb\nc\n[P]d\ne\n"},
        {"the last line end alone pages nothing", 4, {"a\nb\nc\n"}, "a\nb\nc\n"},
        {"counts again after the prompt", 3, {"1\n2\n3\n4\n5\n6\n"}, "1\n2\n[P]3\n4\n[P]5\n6\n"},
        {"a key makes the screen read", 3, {"a\nb\n", "^", "c\nd\n"}, "a\nb\nc\nd\n"},
        {"a cursor home counts from the top", 3, {"a\nb\n\x1b[H\x1b[2Jc\nd\n"}, "a\nb\n\x1b[H\x1b[2Jc\nd\n"},
        {"a row shown by a flush: the prompt takes the next", 3, {"a\nb\nc", "|", "\nd"}, "a\nb\nc\n[P]d"},
        {"unknown height pages nothing", 0, {"a\nb\nc\nd\n"}, "a\nb\nc\nd\n"},
        {"a smaller window counts from the next line end", 40, {"a\nb\n", "#", "c\nd\n"}, "a\nb\nc\n[P]d\n"},
    };
    for (const Case& c : cases) {
        std::size_t height = c.height;
        std::string shown;
        Pager pager([&] { return height; }, [&](std::string_view bytes) { shown += bytes; }, [&] { shown += "[P]"; });
        for (const std::string& step : c.writes) {
            if (step == "|") pager.flush();
            else if (step == "^") pager.seen();
            else if (step == "#") height = 3;
            else pager.write(step);
        }
        pager.flush();
        EXPECT_EQ(shown, c.shown) << c.what;
    }
}

// Characters at the edges of the width tables, and whole texts with escape
// sequences, combining marks and broken UTF-8.
TEST(DisplayWidth, CountsColumnsAsTerminalsDo) {
    const std::vector<std::pair<char32_t, std::size_t>> characters{
        {U'A', 1}, {U'ä', 1}, {0x1B, 0}, {0x9F, 0}, {0xAD, 1},             // soft hyphen: shown
        {0x0300, 0}, {0x0301, 0}, {0x036F, 0}, {0x0370, 1},                // combining accents
        {0x200A, 1}, {0x200B, 0}, {0x200D, 0}, {0x200F, 0}, {0x2010, 1},   // zero-width space to joiner
        {0x10FF, 1}, {0x1100, 2}, {0x115F, 2}, {0x1160, 0}, {0x11FF, 0},   // Hangul lead, vowels, finals
        {0x3042, 2}, {0xFF21, 2}, {0xFF61, 1}, {0x1F600, 2}, {0x1F64F, 2}, // hiragana, fullwidth, emoji
        {0xFE0F, 0}, {0xE0100, 0}, {0xE01EF, 0}, {0xE01F0, 1},             // variation selectors
        {0xE000, 1}, {0x0378, 1}, {0x10FFFF, 1},                           // private use, unassigned
    };
    for (const auto& [codePoint, columns] : characters) {
        EXPECT_EQ(displayWidth(codePoint), columns) << "U+" << std::hex << static_cast<unsigned>(codePoint);
    }
    const std::vector<std::pair<std::string, std::size_t>> texts{
        {"", 0}, {"Zwölf Bären", 11}, {"\x1b[91m竜\x1b[0m\t", 2}, {"Rene\u0301", 4}, {"🐺 🐉", 5},
        {"\xff", 1}, {"\xc3(", 2}, {"\xe0\x80\x80", 1}, {"\xc3\xa4\x80", 1}, {"a\x80", 1},  // broken UTF-8
    };
    for (const auto& [text, columns] : texts) EXPECT_EQ(displayColumns(text), columns) << text;
}

// What no other piece shows: a surrogate and a code point past U+10FFFF
// are no characters, each one broken sequence.
TEST(Utf8, RefusesSurrogatesAndCodePointsPastTheLast) {
    for (const std::string bytes : {"\xed\xa0\x80", "\xf4\x90\x80\x80"}) {
        EXPECT_EQ(decodeUtf8(bytes).status, Utf8Decoded::Status::Invalid) << bytes.size();
        EXPECT_EQ(decodeUtf8(bytes).length, bytes.size());
    }
}

TEST(TerminalKeys, OneKeyIsOneKeyPress) {
    // The bytes waiting, and how many of them are the first key (0: wait for more).
    const std::vector<std::pair<std::string, std::size_t>> cases{
        {"", 0}, {"a", 1}, {"ab", 1}, {"\n", 1}, {"\x1b", 0}, {"\x1b[", 0},
        {"\x1b[A", 3}, {"\x1b[Ax", 3}, {"\x1b[15~", 5}, {"\x1b[1;5C", 6},  // arrow up, F5, Ctrl+Right
        {"\x1bOP", 3}, {"\x1bO", 0}, {"\x1bx", 1},                         // F1 (SS3); Escape, then a key
        {"\xc3\xa4", 2}, {"\xc3", 0}, {"\xe2\x82\xac", 3}, {"\xe2\x82", 0},  // ä, €
        {"\xf0\x9f\x90\xba", 4}, {"\xc3" "a", 1}, {"\x80", 1},             // an emoji, broken UTF-8
        {"\x1bO\n", 2}, {"\x1b[1\n", 3}, {"\x1b[1;\n", 4},                   // cut short by Enter
        {"\x1b[" + std::string(29, '1'), 0}, {"\x1b[" + std::string(30, '1'), 32},  // no key is longer
    };
    for (const auto& [bytes, length] : cases) EXPECT_EQ(keyLength(bytes), length) << "bytes of length " << bytes.size();
}

// Keys typed on a pipe and read as whole keys. A step types bytes (">..."),
// sets aside what is typed ("s", as the paging prompt does), or reads one
// key at a key wait ("w..."), a line read ("l...") or the paging prompt
// ("p...") and expects the rest of the step. A key at the paging prompt that
// can begin an answer also begins the next line read.
TEST(KeyReader, ReadsWholeKeysAndLosesNone) {
    const std::vector<std::pair<const char*, std::vector<std::string>>> cases{
        {"whole keys", {">\xc3\xa4\x1b[A\x1bOPx", "l\xc3\xa4", "w\x1b[A", "w\x1bOP", "lx"}},
        {"a Latin-1 byte, then Enter", {">\xe9\n", "l\xe9", "l\n"}},
        {"Escape, then Enter", {">\x1b\n", "w\x1b", "l\n"}},
        {"a CSI broken by a control key", {">\x1b[\x01", "l\x1b[", "w\x01"}},
        {"keys cut short by Enter", {">\x1bO\n\x1b[1\n\x1b[1;\n", "w\x1bO", "l\n", "w\x1b[1", "l\n", "w\x1b[1;", "l\n"}},
        {"a CSI past the longest key", {">\x1b[" + std::string(30, '1') + "23", "w\x1b[" + std::string(30, '1'), "l2", "l3"}},
        {"a broken character set aside", {">\xc3" "1", "s", "> ", "p ", "w\xc3", "w1"}},
        {"a broken character at the paging prompt", {">a", "s", ">\xc3 ", "p\xc3", "wa", "w "}},
        {"a digit at the paging prompt begins the next line, not a key wait", {">1", "p1", "> ", "w ", "l1"}},
        {"blanks, Enter, escapes and controls only page on",
         {"> ", "p ", ">\n", "p\n", ">\x1b[B", "p\x1b[B", ">\x01", "p\x01"}},
        {"a letter kept behind the keys set aside", {">2\n", "s", ">\xc3\xa4", "p\xc3\xa4", "l2", "l\n", "l\xc3\xa4"}},
        {"keys set aside after it go to key waits", {">a", "s", ">-", "p-", ">b", "s", "> ", "p ", "wa", "wb", "l-"}},
    };
    for (const auto& [what, steps] : cases) {
        int pipeEnds[2];
        ASSERT_EQ(::pipe(pipeEnds), 0);
        KeyReader keys(pipeEnds[0]);
        std::string key;
        auto typing = std::count_if(steps.begin(), steps.end(), [](const std::string& step) { return step[0] == '>'; });
        for (const std::string& step : steps) {
            const std::string bytes = step.substr(1);
            if (step[0] == '>') {
                ASSERT_EQ(::write(pipeEnds[1], bytes.data(), bytes.size()), ssize_t(bytes.size()));
                if (--typing == 0) ::close(pipeEnds[1]);  // a key lost shows as the end of input
            } else if (step[0] == 's') {
                keys.setAside(1024);
            } else {
                using Purpose = KeyReader::Purpose;
                bool read = step[0] == 'p' ? keys.readNew(key, true)
                                           : keys.read(key, step[0] == 'w' ? Purpose::KeyWait : Purpose::Line);
                EXPECT_TRUE(read && key == bytes) << what << ": " << step[0] << " read " << key.size() << " bytes";
            }
        }
        EXPECT_FALSE(keys.read(key, KeyReader::Purpose::Line)) << what << ": left over: " << key;
        ::close(pipeEnds[0]);
    }
}

// Keys pressed at a line read, one whole key each: the line they leave, what
// the terminal shows, and how the read ends.
TEST(LineEditor, EachKeyEditsTheLineAndShowsItself) {
    using Outcome = LineEditor::Outcome;
    const std::string del = "\x7f", wordErase = "\x17", kill = "\x15", eof = "\x04", back = "\b \b";
    struct Case {
        const char* what;
        std::vector<std::string> keys;
        std::string line, echo;
        Outcome outcome;
    };
    const std::vector<Case> cases{
        {"typed ahead, then erased", {"L", "e", "n", "a", del, "\b"}, "Le", "Lena" + back + back, Outcome::Editing},
        {"Enter ends the line", {"K", "a", "i", "\n"}, "Kai\n", "Kai\r\n", Outcome::Entered},
        {"a wide character takes two columns back", {"\xe6\x97\xa5", del}, "", "\xe6\x97\xa5" + back + back,
         Outcome::Editing},
        {"a letter goes with its accent", {"e", "\xcc\x81", del}, "", "e\xcc\x81" + back, Outcome::Editing},
        {"a wide character goes with its marks", {"a", "\xe6\x97\xa5", "\xcc\x81", "\xcc\xa3", del}, "a",
         "a\xe6\x97\xa5\xcc\x81\xcc\xa3" + back + back, Outcome::Editing},
        {"Ctrl+W erases a word with its marks", {"u", "\xcc\x88", " ", "e", "\xcc\x81", wordErase}, "u\xcc\x88 ",
         "u\xcc\x88 e\xcc\x81" + back, Outcome::Editing},
        {"umlauts erased whole", {"J", "\xc3\xb6", del}, "J", "J\xc3\xb6" + back, Outcome::Editing},
        {"controls kept, shown as ^X", {"\x01", "\t", del}, "\x01", "^A " + back, Outcome::Editing},
        {"a C1 control and a broken byte kept, shown as U+FFFD", {"\xc2\x9b", "\xc3"}, "\xc2\x9b\xc3",
         "\xef\xbf\xbd\xef\xbf\xbd", Outcome::Editing},
        {"cursor and function keys ignored", {"a", "\x1b[D", "\x1b", "\x1bOP", "b"}, "ab", "ab", Outcome::Editing},
        {"Ctrl+W erases the last word", {"a", " ", "b", "c", " ", wordErase}, "a ", "a bc " + back + back + back,
         Outcome::Editing},
        {"Ctrl+U erases the line", {"a", "\x01", kill}, "", "a^A" + back + back + back, Outcome::Editing},
        {"Ctrl+D on an empty line ends the input", {"a", del, eof}, "", "a" + back, Outcome::EndOfInput},
        {"Ctrl+D after text gives the text", {"a", "b", eof}, "ab", "ab", Outcome::Entered},
        {"a full line rings once and drops the rest", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", del, "k"},
         "abcdefgk", "abcdefgh\a" + back + "k", Outcome::Editing},
    };
    for (const Case& c : cases) {
        LineEditor editor(EditingKeys{}, 8);
        std::string echo;
        Outcome outcome = Outcome::Editing;
        for (const std::string& key : c.keys) outcome = editor.press(key, echo);
        EXPECT_EQ(outcome, c.outcome) << c.what;
        EXPECT_EQ(echo, c.echo) << c.what;
        EXPECT_EQ(editor.take(), c.line) << c.what;
        EXPECT_EQ(editor.take(), "") << c.what;
    }
}
