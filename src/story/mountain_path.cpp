// The armed way to the mountains: four wolves, a clumsy hero, and Ragnar with
// his spears just in time. A night in his cave, and in the morning the
// question of who the hero really is decides whether Ragnar comes along.
#include <cstdint>

#include "console/console.h"
#include "state/game_state.h"
#include "story/awakening_ways.h"
#include "story/death_screen.h"
#include "story/scene.h"
#include "story/visible_name.h"

namespace {

// The howling starts anew with every showing of the fight. No colour is set:
// everything is in the normal colour the crossroads left.
void printWolfBlock() {
    playSound("wolves.wav");
    sayLine("Die Hand am Griff des Schwertes, um dich ein wenig sicherer zu fühlen, machst du dich "
            "auf den Weg.");
    sayLine("Schon bald hörst du mehrere Wölfe heulen. Hastig ziehst du das Schwert und siehst dich um.");
    sayLine("Vier Wölfe springen aus dem Dickicht, die Augen voller Blutgier, und fletschen die "
            "Zähne, bereit, dich zu verschlingen.");
    // One sentence over two lines.
    sayLine("Eine Flucht scheint unmöglich, also machst du dich bereit, um dein Leben zu kämpfen. Du "
            "hast noch nie zuvor");
    sayLine("mit einem Schwert gekämpft, doch dir bleibt keine Wahl.");
    lineEnds(2);
    sayLine("1 - Dich auf den nächsten Wolf stürzen und ihn angreifen");
    sayLine("2 - Brüllen, um sie abzuschrecken");
    sayLine("3 - Den ersten Angriff abwarten und versuchen, auszuweichen");
}

void attackWolf() {
    clearScreen();
    sayLine("Du stürmst los und fuchtelst unbeholfen mit dem Schwert herum, doch du triffst nichts.");
    sayLine("Die Wölfe nutzen die Gelegenheit: Einer verbeißt sich in deinem Arm, und mit einem Schrei "
            "lässt du das Schwert fallen.");
    sayLine("Der Kampf endet mit deinem qualvollen Tod.");
    DeathScreen(2, LeadSound::None, DeathEndPromptLower, true);
}

void roarAtWolves() {
    clearScreen();
    sayLine("Du gibst dir alle Mühe, bedrohlich zu wirken, doch so richtig will es dir nicht gelingen.");
    sayLine("Dein Gebrüll reizt die Wölfe nur. Sie wirken beinahe AMÜSIERT.");
    sayLine("Einer von ihnen springt auf dich zu, und nur mit einem Satz zur Seite kannst du ihm knapp "
            "ausweichen.");
    sayLine("Doch seine Krallen erwischen deine Wade und hinterlassen eine leicht blutende Wunde.");
    game.health = 75;
}

void awaitAttack() {
    clearScreen();
    sayLine("Du beschließt abzuwarten und die Lage einzuschätzen, so wie du es aus Videospielen "
            "kennst. Wachsam beobachtest du die Wölfe, jederzeit bereit.");
    // One sentence over two lines.
    sayLine("Als der erste Wolf springt, weichst du ihm sofort mit einem");
    sayLine("Satz zur Seite aus.");
    sayLine("Der zweite springt gleich hinterher, und wie durch Zufall wehrst du ihn mit dem Schwert ab "
            "und triffst ihn tödlich an der Kehle. Während er winselnd verblutet, knurren die anderen "
            "drei und machen sich zu einem gemeinsamen Angriff bereit.");
}

void fightWolves() {
    game.wolfChoice = 0;
    ChoicePrompt(game.wolfChoice, printWolfBlock,
                 {
                     {1, true, attackWolf},
                     {2, true, roarAtWolves},
                     {3, true, awaitAttack},
                 },
                 QuitLine::NotOffered);
}

// After waiting for the attack one wolf already lies dead, so Ragnar's spear
// kills "another" one; after the roar all four are still alive.
void ragnarToTheRescue(bool aWolfIsDead) {
    game.wolfChoice = 0;
    say("Plötzlich raschelt es, und wie aus dem Nichts trifft ein Speer ");
    say(aWolfIsDead ? "einen weiteren Wolf" : "einen der Wölfe");
    sayLine(" und tötet ihn auf der Stelle.");
    // One sentence over two lines.
    sayLine("Überrascht drehst du dich in die Richtung, aus der der Speer kam, und siehst Ragnar, der "
            "dich lässig angrinst, einen weiteren");
    sayLine("Speer bereits in der Hand.");
    lineEnds(2);
    game.ragnarStatus = 1;

    colour(TextColour::Yellow);
    sayLine("Braucht Ihr vielleicht Hilfe?");
    colour(TextColour::Normal);
    say("Die übrigen Wölfe ergreifen nun hastig die Flucht. ");
    colour(TextColour::Yellow);
    say("Ja, lauft nur, ihr Flohsäcke!");
    colour(TextColour::Normal);
    sayLine(" ruft Ragnar ihnen lachend hinterher und wendet sich dann wieder dir zu.");
    colour(TextColour::Yellow);
    sayLine("Ganz in der Nähe gibt es eine Höhle, in der ich Unterschlupf gefunden habe. Lasst uns "
            "dorthin gehen.");
    colour(TextColour::Normal);
    sayLine("Erleichtert und dankbar nickst du und folgst ihm.");
    lineEnds(2);
    PageBreak(KeyPrompt);
    clearScreen();
}

void nightInTheCave() {
    sayLine("Endlich erreicht ihr die Höhle, und du kannst dich ausruhen. Erst jetzt merkst du, wie "
            "erschöpft du bist.");
    say("Auch Ragnar scheint das zu spüren. ");
    colour(TextColour::Yellow);
    say("Legt Euch hin und schlaft eine Weile,");
    colour(TextColour::Normal);
    say(" sagt er,");
    colour(TextColour::Yellow);
    sayLine(" wir reden morgen.");
    colour(TextColour::Normal);
    sayLine("Gähnend legst du dich neben das Feuer, das Ragnar entfacht hat. Der steinige Boden ist "
            "hart, doch du schläfst sofort ein.");
    lineEnds(2);
    PageBreak(KeyPrompt);
    clearScreen();
}

// Only a wolf's claw leaves something to bind.
void bindTheWound() {
    sayLine("Als du dich aufrichtest, schmerzt die Wunde an deiner Wade.");
    sayLine("Jetzt bemerkt auch Ragnar sie.");
    colour(TextColour::Yellow);
    say("Das sollten wir gleich versorgen,");
    colour(TextColour::Normal);
    sayLine(" sagt er und reißt einen Streifen von seinem abgetragenen Hemd, um die Wunde damit zu "
            "verbinden.");
    colour(TextColour::Yellow);
    say("Danke,");
    colour(TextColour::Normal);
    sayLine(" sagst du und fühlst dich tief in seiner Schuld.");
    sayLine("Ragnar winkt nur ab und wendet sich wieder dem Fleisch zu.");
    lineEnds(2);
}

void morning() {
    sayLine("Das fahle Morgenlicht weckt dich. Ragnar ist bereits auf den Beinen und brät Fleisch über "
            "dem Feuer.");
    sayLine("Gerade rechtzeitig, denn dein Magen beginnt zu knurren. Ragnar hört es und lacht.");
    colour(TextColour::Yellow);
    lineEnds(1);
    sayLine("Guten Morgen, Fremder. Ich brate gerade meinen Fang, er reicht für uns beide. Wasser "
            "findet Ihr am Bach, ein paar Schritte südlich von hier.");
    colour(TextColour::Normal);
    sayLine("Du nickst ihm nur zu, während du dich langsam aufrappelst.");
    lineEnds(1);
    if (game.health == 75) bindTheWound();

    colour(TextColour::Yellow);
    say("Nun können wir ja reden,");
    colour(TextColour::Normal);
    say(" sagt Ragnar lächelnd. ");
    colour(TextColour::Yellow);
}

// The question continues Ragnar's sentence in yellow the first time; after a
// wrong entry it stands on its own line in the normal colour.
void printNameQuestion() {
    sayLine("Fangen wir doch damit an, wer Ihr eigentlich seid.");
    colour(TextColour::Normal);
    lineEnds(2);
    sayLine("1 - Deinen echten Namen nennen");
    sayLine("2 - Dich weiter als Hulgor vorstellen");
}

void tellTrueName() {
    sayLine("Du nennst ihm deinen echten Namen und bist ehrlich zu ihm. Ragnar grinst.");
    colour(TextColour::Yellow);
    say("Ich wusste doch, dass Ihr NICHT Hulgor seid! Freut mich, Euch kennenzulernen, ");
    sayName();
    sayLine("!");
    lineEnds(2);
    game.ragnarRelation += 5;
    StatusBanner(Standing::Gain, RagnarBetterBanner);
}

void keepClaimingHulgor() {
    sayLine("Deine Antwort scheint Ragnar nicht zu gefallen.");
    colour(TextColour::Yellow);
    sayLine("Das glaube ich Euch nicht. Aber wenn Ihr darauf besteht, dann seid Ihr eben Hulgor.");
    colour(TextColour::Normal);
    sayLine("Die Skepsis in seiner Stimme ist nicht zu überhören.");
    lineEnds(2);
    game.ragnarRelation -= 5;
    StatusBanner(Standing::Loss, RagnarWorseBanner);
    lineEnds(2);
}

void theTalk() {
    sayLine("Ragnar lächelt dich an.");
    colour(TextColour::Yellow);
    sayLine("Sagt, wie seid Ihr eigentlich dem Kaiserreich in die Hände gefallen?");
    colour(TextColour::Normal);
    sayLine("Du zuckst mit den Schultern. So sehr du dich auch bemühst, du kannst dich nicht erinnern.");
    colour(TextColour::Yellow);
    sayLine("Ich weiß es nicht. Das Letzte, woran ich mich erinnere, ist, dass ich an meinem PC saß "
            "und ein neues Rollenspiel ausprobieren wollte.");
    colour(TextColour::Normal);
    say("Ragnar sieht dich skeptisch an.");
    colour(TextColour::Yellow);
    sayLine(" Was ist ein PC?");
    colour(TextColour::Normal);
    sayLine("Du überlegst kurz, es ihm zu erklären, lässt es dann aber bleiben.");
    colour(TextColour::Yellow);
    sayLine("Das ist nicht so wichtig. Jedenfalls komme ich aus einer anderen Welt und muss "
            "herausfinden, wie ich dorthin zurückkomme.");
    colour(TextColour::Normal);
    sayLine("Ragnar sieht dich noch immer an, als hättest du den Verstand verloren, doch dann nickt er.");
    colour(TextColour::Yellow);
    sayLine("Das klingt alles ziemlich verrückt. Aber wenn Ihr die Wahrheit sagt, dann kann Euch nur "
            "eine helfen: DAS ORAKEL.");
    colour(TextColour::Normal);
    say("Ragnar wirkt einen Moment lang nachdenklich.");
}

void ragnarComesAlong() {
    colour(TextColour::Yellow);
    sayLine(" Ich werde Euch zu ihr bringen.");
    colour(TextColour::Normal);
    sayLine("Du hast nichts dagegen einzuwenden und nickst. So wird Ragnar zu deinem Gefährten.");
    lineEnds(2);
    PageBreak(KeyPrompt);
    game.ragnarStatus = 2;
}

// Printed straight after the period of the line before, without a blank.
void goOnAlone() {
    colour(TextColour::Yellow);
    sayLine("Ich zeige Euch den Weg. Als der legendäre Hulgor werdet Ihr es ja wohl allein schaffen.");
    colour(TextColour::Normal);
    sayLine("Du schluckst. Dich als den großen Helden auszugeben, war wohl doch nicht so klug.");
    sayLine("Aber du bist zu stolz, um jetzt zuzugeben, dass du Hilfe brauchst.");
    sayLine("Und so ziehst du allein weiter, nachdem du etwas gegessen hast.");
    lineEnds(2);
    PageBreak(KeyPrompt);
}

}  // namespace

void mountainPath() {
    std::int32_t ragnarChoice = 0;

    fightWolves();
    ragnarToTheRescue(game.wolfChoice == 3);
    nightInTheCave();
    morning();

    ChoicePrompt(ragnarChoice, printNameQuestion,
                 {
                     {1, true, tellTrueName},
                     {2, true, keepClaimingHulgor},
                 },
                 QuitLine::NotOffered);

    theTalk();
    if (game.ragnarRelation >= 5) {
        ragnarComesAlong();
    } else {
        goOnAlone();
    }
}
