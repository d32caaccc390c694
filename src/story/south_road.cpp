// The armed way south: on the road to the smoke the hero meets Bittersport,
// a bard with a lute and a name that is better not laughed at.
#include <cstdint>

#include "console/console.h"
#include "state/game_state.h"
#include "story/awakening_ways.h"
#include "story/death_screen.h"
#include "story/scene.h"
#include "story/visible_name.h"

namespace {

void walkSouth() {
    playSound("bard.wav");
    clearScreen();
    sayLine("Du packst dein Schwert und marschierst los.");
    sayLine("Eine Weile folgst du der Straße, ohne jemandem oder etwas zu begegnen.");
    sayLine("Unterwegs denkst du über das Geschehene nach. Noch immer weißt du nicht, wie du "
            "hierhergekommen bist.");
    sayLine("Das Letzte, woran du dich erinnerst, ist, dass du an deinem PC gesessen hast und ein "
            "neues Spiel ausprobieren wolltest. Dann musst du wohl eingeschlafen sein.");
    sayLine("Ist das alles vielleicht nur ein Traum? Doch als du dich kneifst, tut es weh, und du "
            "wachst nicht auf.");
    sayLine("Du seufzt. Hoffentlich findest du bald Antworten auf deine Fragen.");
    lineEnds(2);
    sayLine("Als du der Straße weiter folgst, hörst du plötzlich eine Stimme, die immer lauter wird.");
    sayLine("Dann kommt dir jemand entgegen: ein bunt gekleideter Mann, der auf einer Laute spielt.");
    sayLine("Dazu singt er einen seltsamen Text:");
    lineEnds(1);
    colour(TextColour::Yellow);
    sayLine("Oh, gebt, ihr guten Leute, gebt eurem Barden Gold, so bleibt das Glück euch hold!");
    colour(TextColour::Normal);
    sayLine("Mitten im Lied hält der Mann inne, als er dich bemerkt, und mustert dich neugierig.");
    colour(TextColour::Yellow);
    sayLine("Seid gegrüßt, Wanderer! Was führt Euch auf diese gottverlassene Straße?");
    colour(TextColour::Normal);
    sayLine("Knapp antwortest du, dass du die nächste Stadt suchst. Der Fremde grinst verschmitzt.");
    colour(TextColour::Yellow);
    sayLine("Dann seid Ihr hier genau richtig. Ich komme nämlich geradewegs aus dieser Stadt.");
    colour(TextColour::Normal);
    sayLine("Stolz wirft sich der Fremde in die Brust.");
    colour(TextColour::Yellow);
}

// The question is yellow the first time and normal after a wrong entry.
void printBardQuestion() {
    sayLine("Ich bin Bittersport, der berühmte Barde! Und wie lautet Euer werter Name?");
    colour(TextColour::Normal);
    lineEnds(2);
    colour(TextColour::Golden);
    sayLine("1 - Stell dich als Hulgor vor");
    sayLine("2 - Sag deinen richtigen Namen");
    colour(TextColour::Normal);
    sayLine("3 - Dich über seinen Namen lustig machen");
    lineEnds(1);
}

void claimToBeHulgor() {
    sayLine("Als du dich mit diesem Namen vorstellst, starrt dich Bittersport mit großen Augen an.");
    colour(TextColour::Yellow);
    sayLine("Der legendäre Barbarenheld? Ihr wollt mich wohl auf den Arm nehmen!");
    colour(TextColour::Normal);
    sayLine("Du schüttelst den Kopf und versuchst, so überzeugend wie möglich dreinzuschauen.");
    sayLine("Bittersport mustert dich skeptisch.");
    colour(TextColour::Yellow);
    sayLine("In den Liedern seht Ihr aber ganz anders aus.");
    sayLine("Und doch bin ich es. Die Lieder tragen eben etwas dick auf.");
    colour(TextColour::Normal);
    sayLine("Ganz überzeugt ist der Barde nicht, doch er fragt nicht weiter nach, was dich beruhigt.");
    say("Dann lächelt Bittersport. ");
    colour(TextColour::Yellow);
    sayLine("Darf ich Euch eine Weile begleiten? Ein Abenteuer mit Hulgor höchstpersönlich, davon "
            "träume ich schon mein Leben lang!");
    colour(TextColour::Normal);
    sayLine("So recht sicher bist du dir nicht, aber ein wenig Gesellschaft kann wohl nicht schaden. Also "
            "nickst du.");
    sayLine("Der Barde ist außer sich vor Freude.");
    colour(TextColour::Yellow);
    say("Habt Dank! Lasst uns sofort aufbrechen!");
    colour(TextColour::Normal);
    sayLine(" ruft er freudig und begleitet dich fortan auf dem Weg in die Stadt.");

    game.bardRelation += 5;
    game.bardStatus = 2;
    StatusBanner(Standing::Gain, BardBetterBanner);
    lineEnds(2);
    PageBreak(KeyPrompt);
    clearScreen();
}

void tellRealName() {
    sayLine("Du nennst ihm deinen richtigen Namen.");
    sayLine("Bittersport nickt und lächelt.");
    colour(TextColour::Yellow);
    say("Nun, ");
    sayName();
    sayLine(", es war mir eine Freude, Euch kennenzulernen. Viel Glück auf Eurem Weg in die Stadt!");
    colour(TextColour::Normal);
    sayLine("Mit diesen Worten verabschiedet sich der Barde und zieht seines Weges, während du weiter "
            "nach Süden wanderst.");
    lineEnds(2);
    PageBreak(KeyPrompt);
}

void mockTheName() {
    sayLine("Bittersport? Bei diesem Namen kannst du dir ein Lachen beim besten Willen nicht verkneifen.");
    say("Das Letzte, was du siehst, ist die Laute des Barden, die auf deinen Kopf niedersaust. Mit "
        "einem hässlichen Geräusch ");
    sayLine("findest du den Tod durch ein Musikinstrument.");
    DeathScreen(2, LeadSound::Gore, KeyPrompt, false);
}

}  // namespace

void southRoad() {
    std::int32_t bardChoice = 0;

    walkSouth();
    ChoicePrompt(bardChoice, printBardQuestion,
                 {
                     {1, true, claimToBeHulgor},
                     {2, true, tellRealName},
                     {3, false, mockTheName},
                 },
                 QuitLine::NotOffered);
}
