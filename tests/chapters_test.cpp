// The first two chapters on the scripted console: every text, colour and line
// end as the player sees them, the saves they write and how their prompts
// deal with wrong entries.
#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <string>

#include "state/game_state.h"
#include "state/save_file.h"
#include "story/chapters.h"
#include "support/game_fixture.h"
#include "support/scripted_console.h"
#include "support/screens.h"

namespace {

// ---------------------------------------------------------------------------
// What the screen shows, piece by piece.

using screens::Saved;
const std::string PageBreakShown = screens::AnyKey;
const std::string WrongNumber = screens::InvalidChoice;
const std::string NotANumber = screens::InvalidInput;
const std::string Farewell = screens::Quit;

// Chapter "erster Dialog".
const std::string OneOpening =
    "Langsam öffnest du die Augen. Verwirrt stellst du fest, dass du nicht mehr in "
    "deinem Schlafzimmer bist.\n"
    "Stattdessen sitzt du gefesselt auf einem Pferdekarren, eingezwängt zwischen anderen "
    "Gefangenen.\nKeinen von ihnen hast du je zuvor gesehen, und der Karren rumpelt mitten auf "
    "einer Straße dahin. Die Straße windet sich durch eine verschneite Winterlandschaft, und du "
    "hast nicht die geringste Ahnung, wie du hierhergekommen bist.\n"
    "Dir gegenüber sitzt ein bärtiger Mann, der dich an einen Wikinger aus einer billigen "
    "Fernsehserie erinnert. Er mustert dich.\n";

const std::string OneGreeting =
    "{Yellow}\nIhr seid also endlich wach,{Normal} sagt er mit tiefer Stimme und sieht dich "
    "seltsam emotionslos an.\n\n";
const std::string HintLine =
    "(Dialogoptionen, welche die Handlung weiterführen, werden in {Golden}goldener "
    "{Normal}Farbe angezeigt)\n\n\n";
const std::string OneOptions =
    "{Golden}1 - Aufspringen und die Flucht ergreifen.\n"
    "2 - Fragen, wo du bist\n"
    "3 - Um Hilfe rufen\n"
    "\n\n"
    "{Normal}200 - Spiel beenden\n";
const std::string OneBlock = OneGreeting + HintLine + OneOptions;

const std::string OneStart = "{clear}" + Saved + "\n\n" + OneOpening;

const std::string OneFlee =
    "Erschrocken willst du aufspringen, doch die Fesseln halten dich unerbittlich fest.\n\n"
    "Der Wikinger lacht spöttisch. \n\n"
    "{Yellow}Die Stricke sind dick. Ohne eine scharfe Klinge wird das nichts,"
    "{Normal} sagt er resigniert.\n";
const std::string OneAskWhere =
    "Du fragst, wo du bist.\n"
    "Der Wikinger sieht dich irritiert an.\n"
    "{Yellow}Man hat Euch wohl zu fest auf den Kopf geschlagen. Ihr seid auf dem Weg zu Eurer "
    "Hinrichtung, so wie wir alle hier.\n"
    "{Normal}Entgeistert starrst du ihn an. Hinrichtung? Warum um alles in der Welt solltest du "
    "hingerichtet werden? Das muss ein böser Traum sein.\n"
    "Der Wikinger lacht erneut.\n"
    "{Yellow}Findet Euch damit ab,{Normal}sagt er,{Yellow} Ihr seid ein Feind des Kaiserreichs. "
    "Also betet zu Euren Göttern und schließt Euren Frieden.\n"
    "{Normal}";
const std::string OneCallForHelp =
    "Verzweifelt rufst du um Hilfe.\n"
    "{Yellow}Haltet da hinten gefälligst das Maul!{Normal} faucht dich der Kutscher an, an dessen "
    "Gürtel ein Schwert baumelt.\n"
    "Du beschließt, ihn lieber nicht weiter zu provozieren.\n";

const std::string OneClosing =
    "\n\n{Normal}"
    "Einen Moment lang schweigst du und lässt das alles auf dich wirken. Noch immer begreifst du "
    "nicht, was hier eigentlich vor sich geht.\n"
    "Auch die anderen Gefangenen schweigen. Sie scheinen sich mit dem abgefunden zu haben, was "
    "ihnen bevorsteht.\n"
    "Alle tragen schlichte Kleidung, die auf dich irgendwie mittelalterlich wirkt. Und du selbst "
    "auch, was dich noch mehr irritiert.\n"
    "Immer mehr Fragen schwirren dir durch den Kopf.\n\n";
const std::string OneEnd = OneClosing + PageBreakShown;

// Chapter "zweiter Dialog".
const std::string TwoNaming =
    "{Yellow}\n\n"
    "Ich bin übrigens Ragnar. Und wie heißt Ihr?\n"
    "{Normal} Unerwartet bricht der Wikinger das Schweigen.\n"
    "Noch bevor du antworten kannst, mischt sich einer der anderen Gefangenen ein.\n"
    "{Yellow}Seid Ihr blind, Ragnar? Das ist doch eindeutig Hulgor, der berühmte Barbarenheld!\n"
    "{Normal}Ragnar wendet sich mit hochgezogener Augenbraue dem anderen Mann zu.\n"
    "{Yellow}Unsinn! Hulgor ist zwei Meter groß und ein wahrer Berg von einem Mann.\n"
    "{Normal}Dann dreht er sich wieder zu dir um: {Yellow}Nichts für ungut, aber Ihr seid doch "
    "eher ein Hänfling.\n"
    "{Normal}\n\n";
const std::string TwoStart = "{clear}" + Saved + TwoNaming;

const std::string TwoBlock =
    "Am liebsten würdest du empört widersprechen, doch insgeheim weißt du, dass Ragnar nicht ganz "
    "unrecht hat.\nSchließlich hast du jahrelang für ein Fitnessstudio bezahlt, ohne je einen Fuß "
    "hineinzusetzen.\n"
    "Noch immer verwirrt fragst du dich, warum der andere Mann dich für Hulgor hält.\n"
    "Du überlegst, was du antworten sollst.\n"
    "Einerseits hast du keine Ahnung, wer dieser Hulgor überhaupt ist. Aber für einen Helden "
    "gehalten zu werden, beeindruckt dich irgendwie.\n"
    "Andererseits könnte sich Ehrlichkeit auszahlen.\n"
    "\n\n"
    "{Golden}1 - Behaupten, dass du tatsächlich Hulgor bist\n"
    "2 - Sagen, dass du nicht Hulgor bist\n"
    "\n"
    "{Normal}200 - Beenden\n";

const std::string TwoClaim =
    "{clear}{Normal}Du bemühst dich, so eindrucksvoll und selbstsicher wie möglich zu wirken, als "
    "du sprichst: {Yellow}Ganz recht, ich bin Hulgor, der gefürchtete...\n\n\n{Normal}";
const std::string TwoDeny =
    "{clear}Du schüttelst den Kopf und sagst kleinlaut: {Yellow}Nein, ich bin nicht Hulgor. Ich "
    "bin nur ein ganz gewöhnlicher...\n{Normal}";

const std::string Dragon =
    "{sound Dragonattack.wav}"
    "Weiter kommst du nicht. Plötzlich erschallt ein gewaltiges Brüllen, laut wie ein "
    "Donnerschlag.\n"
    "Die Gefangenen werden kreidebleich, und das Pferd, das den Karren zieht, wiehert panisch "
    "auf.\n"
    "{Yellow}Mögen die Götter uns beistehen...{Normal} sagt Ragnar bleich, die nackte Todesangst "
    "in den Augen.\n\n"
    "Du willst gerade nervös fragen, was das war, als sich die Antwort schon von selbst zeigt.\n"
    "Schlagartig verdunkelt sich der Himmel, als sich zwei riesige Flügel über die "
    "schneebedeckten Berge erheben.\n"
    "Du blickst nach oben und traust deinen Augen nicht: Vier Beine, zwei Flügel. Das ist ein "
    "Drache, ganz eindeutig ein Drache.\n"
    "{Yellow}WYVERN!\n"
    "{Normal} brüllt Ragnar.\n"
    "{Normal}Ein anderer Gefangener widerspricht empört: {Yellow}Nein, das ist ein DRACHE, Ihr "
    "ungebildeter Hohl...{Normal} Weiter kommt der besserwisserische Gefangene nicht.\nDer Drache "
    "fegt im Tiefflug über den Karren hinweg und reißt ihm den Kopf ab.\n"
    "Mit einem weiteren Brüllen nimmt die Bestie erneut Kurs auf den Karren. Der Soldat auf dem "
    "Kutschbock peitscht auf das Pferd ein, doch das arme Tier hat keine Chance.\n"
    "Direkt vor dem Karren kracht der Drache zu Boden.\n"
    "Die Erde bebt, und der Karren kippt um. Du schlägst hart auf dem Boden auf und verlierst das "
    "Bewusstsein.\n\n\n";
const std::string TwoEnd = Dragon + PageBreakShown + Saved;

// The save file of a fresh game at each checkpoint.
const std::string FreshSaveFirst = "erster Dialog\n5\n0\n100\n0\n0\n0\n5\n0\n0\n1\n";
const std::string FreshSaveSecond = "zweiter Dialog\n5\n0\n100\n0\n0\n0\n5\n0\n0\n1\n";
const std::string FreshSaveAwakening = "Das Erwachen\n5\n0\n100\n0\n0\n0\n5\n0\n0\n1\n";

std::size_t count(const std::string& haystack, const std::string& needle) {
    std::size_t found = 0;
    for (std::size_t at = haystack.find(needle); at != std::string::npos;
         at = haystack.find(needle, at + needle.size())) {
        ++found;
    }
    return found;
}

// The colour the console is left in: the last colour event of a transcript.
std::string lastColour(const std::string& transcript) {
    std::size_t best = std::string::npos;
    std::string colourName;
    for (const char* name : {"{Golden}", "{Normal}", "{Green}", "{Red}", "{Yellow}"}) {
        std::size_t at = transcript.rfind(name);
        if (at != std::string::npos && (best == std::string::npos || at > best)) {
            best = at;
            colourName = name;
        }
    }
    return colourName;
}

}  // namespace

// ===========================================================================
// Chapter "erster Dialog"

class ChapterOneTest : public GameTest {};

struct AnswerCase {
    const char* typed;
    const std::string* outcome;
};

// Test names show what was typed.
void PrintTo(const AnswerCase& answer, std::ostream* out) {
    *out << ::testing::PrintToString(std::string(answer.typed));
}

class ChapterOneAnswerTest : public GameTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(ChapterOneAnswerTest, EveryAnswerReachesTheSameClosingAndPageBreak) {
    type(GetParam().typed);
    firstDialogScene();

    const std::string shown = screen();
    EXPECT_EQ(shown, OneStart + OneBlock + *GetParam().outcome + OneEnd);
    EXPECT_TRUE(shown.ends_with(OneEnd));
    EXPECT_EQ(count(shown, "{clear}"), 1u);
    EXPECT_EQ(count(shown, "{key}"), 1u);
    EXPECT_EQ(lastColour(shown), "{Normal}");
    EXPECT_EQ(scripted::script().keyWaits, 1);
}

TEST_P(ChapterOneAnswerTest, OnlyTheCheckpointChanges) {
    GameState before = game;
    type(GetParam().typed);
    firstDialogScene();

    before.checkpoint = "erster Dialog";
    EXPECT_EQ(game, before);
    EXPECT_EQ(readFile("savegame.txt"), FreshSaveFirst);
}

INSTANTIATE_TEST_SUITE_P(ChapterAnswers, ChapterOneAnswerTest,
                         ::testing::Values(AnswerCase{"1\n", &OneFlee},
                                           AnswerCase{"2\n", &OneAskWhere},
                                           AnswerCase{"3\n", &OneCallForHelp}));

struct WrongEntryCase {
    const char* typed;
    const std::string* message;
};

void PrintTo(const WrongEntryCase& entry, std::ostream* out) {
    *out << ::testing::PrintToString(std::string(entry.typed));
}

class ChapterOneWrongEntryTest : public GameTest,
                                 public ::testing::WithParamInterface<WrongEntryCase> {};

TEST_P(ChapterOneWrongEntryTest, ShowsTheWholeBlockAgainBelowTheMessage) {
    type(std::string(GetParam().typed) + "\n3\n");
    firstDialogScene();

    const std::string shown = screen();
    EXPECT_EQ(shown, OneStart + OneBlock + *GetParam().message + OneBlock + OneCallForHelp + OneEnd);
    EXPECT_EQ(count(shown, "{clear}"), 1u) << "a wrong entry must not clear the screen";
    EXPECT_EQ(count(shown, "Ihr seid also endlich wach,"), 2u);
    EXPECT_EQ(count(shown, "(Dialogoptionen, welche die Handlung weiterführen, werden in "), 2u);
    EXPECT_EQ(count(shown, "3 - Um Hilfe rufen\n"), 2u);
}

const std::string ChoiceMessage = WrongNumber;
const std::string InputMessage = NotANumber;

INSTANTIATE_TEST_SUITE_P(ChapterEntries, ChapterOneWrongEntryTest,
                         ::testing::Values(WrongEntryCase{"abc", &InputMessage},
                                           WrongEntryCase{"7", &ChoiceMessage},
                                           WrongEntryCase{"0", &ChoiceMessage},
                                           WrongEntryCase{"-1", &ChoiceMessage},
                                           WrongEntryCase{"4", &ChoiceMessage},
                                           WrongEntryCase{"99999999999", &InputMessage}));

TEST_F(ChapterOneTest, SeveralWrongEntriesEachGetTheirMessageAndTheBlock) {
    type("abc def\n0\n2\n");
    firstDialogScene();

    EXPECT_EQ(screen(), OneStart + OneBlock + NotANumber + OneBlock + WrongNumber + OneBlock +
                            OneAskWhere + OneEnd);
}

TEST_F(ChapterOneTest, EmptyLinesAtThePromptShowNothing) {
    type("\n\n   \n1\n");
    firstDialogScene();

    EXPECT_EQ(screen(), OneStart + OneBlock + OneFlee + OneEnd);
}

TEST_F(ChapterOneTest, QuitWith200EndsTheGameAndKeepsTheSave) {
    type("200\n");
    EXPECT_THROW(firstDialogScene(), ProgramQuit);

    EXPECT_EQ(screen(), OneStart + OneBlock + Farewell);
    EXPECT_EQ(readFile("savegame.txt"), FreshSaveFirst);
    EXPECT_EQ(game.checkpoint, "erster Dialog");
    EXPECT_EQ(scripted::script().keyWaits, 0);
}

TEST_F(ChapterOneTest, QuitAfterAWrongEntryStillQuits) {
    type("5\n200\n");
    EXPECT_THROW(firstDialogScene(), ProgramQuit);

    EXPECT_EQ(screen(), OneStart + OneBlock + WrongNumber + OneBlock + Farewell);
}

TEST_F(ChapterOneTest, SavesBeforeTheFirstLineOfText) {
    game.health = 42;  // whatever the game holds is saved as it is
    type("2\n");
    firstDialogScene();

    EXPECT_EQ(screen().rfind("{clear}\nSpiel erfolgreich gespeichert.\n\n\nLangsam öffnest du", 0), 0u);
    EXPECT_EQ(readFile("savegame.txt"), "erster Dialog\n5\n0\n42\n0\n0\n0\n5\n0\n0\n1\n");
}

TEST_F(ChapterOneTest, EndOfInputAtThePromptEndsTheGame) {
    type("");
    EXPECT_THROW(firstDialogScene(), ProgramQuit);

    EXPECT_EQ(screen(), OneStart + OneBlock + "\n" + Farewell);
}

// ===========================================================================
// Chapter "zweiter Dialog"

class ChapterTwoTest : public GameTest {};

class ChapterTwoAnswerTest : public GameTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(ChapterTwoAnswerTest, BothAnswersEndInTheSameDragonAttack) {
    type(GetParam().typed);
    secondDialogScene();

    const std::string shown = screen();
    EXPECT_EQ(shown, TwoStart + TwoBlock + *GetParam().outcome + TwoEnd);
    EXPECT_EQ(count(shown, "{sound Dragonattack.wav}"), 1u);
    EXPECT_EQ(count(shown, "{clear}"), 2u);
    EXPECT_EQ(lastColour(shown), "{Normal}");
    EXPECT_EQ(readFile("savegame.txt"), FreshSaveAwakening);
    EXPECT_EQ(game.checkpoint, "Das Erwachen");
}

INSTANTIATE_TEST_SUITE_P(ChapterAnswers, ChapterTwoAnswerTest,
                         ::testing::Values(AnswerCase{"1\n", &TwoClaim},
                                           AnswerCase{"2\n", &TwoDeny}));

TEST_F(ChapterTwoTest, TheAnswerChangesNoField) {
    type("1\n");
    secondDialogScene();
    const GameState afterClaim = game;
    const std::string claimSave = readFile("savegame.txt");

    game = GameState{};
    type("2\n");
    secondDialogScene();

    EXPECT_EQ(game, afterClaim);
    EXPECT_EQ(readFile("savegame.txt"), claimSave);
}

TEST_F(ChapterTwoTest, SavesItsCheckpointRightAfterClearing) {
    type("200\n");
    EXPECT_THROW(secondDialogScene(), ProgramQuit);

    EXPECT_EQ(screen(), TwoStart + TwoBlock + Farewell);
    EXPECT_EQ(readFile("savegame.txt"), FreshSaveSecond);
}

TEST_F(ChapterTwoTest, SavesDasErwachenOnlyAfterTheKeyPress) {
    type("2\n");
    secondDialogScene();

    const std::string shown = screen();
    EXPECT_TRUE(shown.ends_with("{Red}Drücke eine beliebige Taste, um fortzufahren.\n{Normal}{key}"
                                "\nSpiel erfolgreich gespeichert.\n"));
    EXPECT_EQ(count(shown, Saved), 2u);
    EXPECT_EQ(readFile("savegame.txt"), FreshSaveAwakening);
}

TEST_F(ChapterTwoTest, ResetsTheHeroWhateverTheSaveHeld) {
    writeFile("savegame.txt", "zweiter Dialog\n9\n1\n75\n2\n3\n1\n7\n0\n0\n1\n");
    ASSERT_TRUE(loadGame());
    ASSERT_EQ(game.health, 75);
    screen();

    type("200\n");
    EXPECT_THROW(secondDialogScene(), ProgramQuit);

    EXPECT_EQ(game.reservedA, 0);
    EXPECT_EQ(game.ragnarStatus, 0);
    EXPECT_EQ(game.ragnarRelation, 5);
    EXPECT_EQ(game.hasSword, 0);
    EXPECT_EQ(game.health, 100);
    // The bard's values are not the hero's; they stay as loaded.
    EXPECT_EQ(game.bardStatus, 1);
    EXPECT_EQ(game.bardRelation, 7);
    EXPECT_EQ(readFile("savegame.txt"), "zweiter Dialog\n5\n0\n100\n0\n0\n1\n7\n0\n0\n1\n");
}

class ChapterTwoWrongEntryTest : public GameTest,
                                 public ::testing::WithParamInterface<WrongEntryCase> {};

TEST_P(ChapterTwoWrongEntryTest, ShowsTheParagraphsAndOptionsAgainWithoutClearing) {
    type(std::string(GetParam().typed) + "\n2\n");
    secondDialogScene();

    const std::string shown = screen();
    EXPECT_EQ(shown, TwoStart + TwoBlock + *GetParam().message + TwoBlock + TwoDeny + TwoEnd);
    EXPECT_EQ(count(shown, "{clear}"), 2u) << "only the chapter start and the answer clear";
}

INSTANTIATE_TEST_SUITE_P(ChapterEntries, ChapterTwoWrongEntryTest,
                         ::testing::Values(WrongEntryCase{"Hulgor", &InputMessage},
                                           WrongEntryCase{"3", &ChoiceMessage},
                                           WrongEntryCase{"0", &ChoiceMessage},
                                           WrongEntryCase{"199", &ChoiceMessage}));

TEST_F(ChapterTwoTest, AMissingRoarDoesNotStopTheChapter) {
    scripted::script().missingSounds.insert("Dragonattack.wav");
    type("1\n");
    secondDialogScene();

    EXPECT_EQ(screen(), TwoStart + TwoBlock + TwoClaim + TwoEnd);
    EXPECT_NE(scripted::script().errors.find("Fehler: "), std::string::npos);
    EXPECT_EQ(readFile("savegame.txt"), FreshSaveAwakening);
}

// ===========================================================================
// Both chapters in a row, as a new game plays them.

class ChapterSequenceTest : public GameTest {};

TEST_F(ChapterSequenceTest, LettersAfterANumberFailAtTheNextPrompt) {
    type("2abc\n1\n");
    firstDialogScene();
    EXPECT_EQ(screen(), OneStart + OneBlock + OneAskWhere + OneEnd);

    secondDialogScene();
    EXPECT_EQ(screen(), TwoStart + TwoBlock + NotANumber + TwoBlock + TwoClaim + TwoEnd);
}

TEST_F(ChapterSequenceTest, TwoNumbersOnOneLineAnswerBothPrompts) {
    type("3 2\n");
    firstDialogScene();
    secondDialogScene();

    EXPECT_EQ(screen(), OneStart + OneBlock + OneCallForHelp + OneEnd + TwoStart + TwoBlock + TwoDeny +
                            TwoEnd);
    EXPECT_EQ(readFile("savegame.txt"), FreshSaveAwakening);
}

TEST_F(ChapterSequenceTest, QuittingInChapterTwoKeepsItsOwnCheckpoint) {
    type("1\n200\n");
    firstDialogScene();
    EXPECT_EQ(readFile("savegame.txt"), FreshSaveFirst);
    EXPECT_THROW(secondDialogScene(), ProgramQuit);

    EXPECT_EQ(readFile("savegame.txt"), FreshSaveSecond);
    EXPECT_TRUE(screen().ends_with("{Normal}200 - Beenden\n" + Farewell));
}
