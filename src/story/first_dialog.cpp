// Chapter "erster Dialog": the hero wakes up bound on a prisoner cart in the
// snow, opposite a bearded fellow who looks like a television Viking. One
// question, three answers, and every one of them ends in the same silence.
#include <cstdint>

#include "state/game_state.h"
#include "state/save_file.h"
#include "story/chapters.h"
#include "story/scene.h"

namespace {

void printOpening() {
    sayLine("Langsam öffnest du die Augen. Verwirrt stellst du fest, dass du nicht mehr in "
            "deinem Schlafzimmer bist.");
    // Two pieces on one line: the cart, then the road it travels on.
    say("Stattdessen sitzt du gefesselt auf einem Pferdekarren, eingezwängt zwischen anderen "
        "Gefangenen.\nKeinen von ihnen hast du je zuvor gesehen, und der Karren rumpelt mitten auf "
        "einer Straße dahin. ");
    sayLine("Die Straße windet sich durch eine verschneite Winterlandschaft, und du hast nicht die "
            "geringste Ahnung, wie du hierhergekommen bist.");
    sayLine("Dir gegenüber sitzt ein bärtiger Mann, der dich an einen Wikinger aus einer billigen "
            "Fernsehserie erinnert. Er mustert dich.");
}

// Shown again, greeting and all, after every wrong entry.
void printGreetingBlock() {
    colour(TextColour::Yellow);
    say("\nIhr seid also endlich wach,");
    colour(TextColour::Normal);
    sayLine(" sagt er mit tiefer Stimme und sieht dich seltsam emotionslos an.");
    lineEnds(1);

    HintLine();

    colour(TextColour::Golden);
    sayLine("1 - Aufspringen und die Flucht ergreifen.");
    sayLine("2 - Fragen, wo du bist");
    sayLine("3 - Um Hilfe rufen");
    lineEnds(2);
    colour(TextColour::Normal);
    sayLine("200 - Spiel beenden");
}

void tryToFlee() {
    sayLine("Erschrocken willst du aufspringen, doch die Fesseln halten dich unerbittlich fest.");
    lineEnds(1);
    sayLine("Der Wikinger lacht spöttisch. ");
    lineEnds(1);
    colour(TextColour::Yellow);
    say("Die Stricke sind dick. Ohne eine scharfe Klinge wird das nichts,");
    colour(TextColour::Normal);
    sayLine(" sagt er resigniert.");
}

void askWhereYouAre() {
    sayLine("Du fragst, wo du bist.");
    sayLine("Der Wikinger sieht dich irritiert an.");
    colour(TextColour::Yellow);
    sayLine("Man hat Euch wohl zu fest auf den Kopf geschlagen. Ihr seid auf dem Weg zu Eurer "
            "Hinrichtung, so wie wir alle hier.");
    colour(TextColour::Normal);
    sayLine("Entgeistert starrst du ihn an. Hinrichtung? Warum um alles in der Welt solltest du "
            "hingerichtet werden? Das muss ein böser Traum sein.");
    sayLine("Der Wikinger lacht erneut.");
    // Speech, tag, speech on one line; the tag sits between two spoken parts.
    colour(TextColour::Yellow);
    say("Findet Euch damit ab, ");
    colour(TextColour::Normal);
    say("sagt er,");
    colour(TextColour::Yellow);
    sayLine(" Ihr seid ein Feind des Kaiserreichs. Also betet zu Euren Göttern und schließt Euren "
            "Frieden.");
    colour(TextColour::Normal);
}

void callForHelp() {
    sayLine("Verzweifelt rufst du um Hilfe.");
    colour(TextColour::Yellow);
    say("Haltet da hinten gefälligst das Maul!");
    colour(TextColour::Normal);
    sayLine(" faucht dich der Kutscher an, an dessen Gürtel ein Schwert baumelt.");
    sayLine("Du beschließt, ihn lieber nicht weiter zu provozieren.");
}

void printClosing() {
    lineEnds(2);
    colour(TextColour::Normal);
    sayLine("Einen Moment lang schweigst du und lässt das alles auf dich wirken. Noch immer "
            "begreifst du nicht, was hier eigentlich vor sich geht.");
    sayLine("Auch die anderen Gefangenen schweigen. Sie scheinen sich mit dem abgefunden zu haben, "
            "was ihnen bevorsteht.");
    sayLine("Alle tragen schlichte Kleidung, die auf dich irgendwie mittelalterlich wirkt. Und du "
            "selbst auch, was dich noch mehr irritiert.");
    sayLine("Immer mehr Fragen schwirren dir durch den Kopf.");
    lineEnds(1);
}

}  // namespace

void firstDialogScene() {
    std::int32_t value = 0;

    clearScreen();
    game.checkpoint = Checkpoint::FirstDialog;
    saveGame();
    lineEnds(2);

    printOpening();

    ChoicePrompt(value, printGreetingBlock,
                 {
                     {1, true, tryToFlee},
                     {2, true, askWhereYouAre},
                     {3, true, callForHelp},
                 },
                 QuitLine::Offered);

    printClosing();
    PageBreak(AnyKeyPrompt);
}
