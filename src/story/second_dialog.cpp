// Chapter "zweiter Dialog": still on the cart. The Viking turns out to be
// Ragnar, a fellow prisoner mistakes the hero for the great Hulgor, and
// before the hero can settle the matter a dragon settles it for everyone.
#include <cstdint>

#include "console/console.h"
#include "state/game_state.h"
#include "state/save_file.h"
#include "story/chapters.h"
#include "story/scene.h"

namespace {

void printNamingDialogue() {
    colour(TextColour::Yellow);
    lineEnds(2);
    sayLine("Ich bin übrigens Ragnar. Und wie heißt Ihr?");
    colour(TextColour::Normal);
    sayLine(" Unerwartet bricht der Wikinger das Schweigen.");
    sayLine("Noch bevor du antworten kannst, mischt sich einer der anderen Gefangenen ein.");
    colour(TextColour::Yellow);
    sayLine("Seid Ihr blind, Ragnar? Das ist doch eindeutig Hulgor, der berühmte Barbarenheld!");
    colour(TextColour::Normal);
    sayLine("Ragnar wendet sich mit hochgezogener Augenbraue dem anderen Mann zu.");
    colour(TextColour::Yellow);
    sayLine("Unsinn! Hulgor ist zwei Meter groß und ein wahrer Berg von einem Mann.");
    colour(TextColour::Normal);
    say("Dann dreht er sich wieder zu dir um: ");
    colour(TextColour::Yellow);
    sayLine("Nichts für ungut, aber Ihr seid doch eher ein Hänfling.");
    colour(TextColour::Normal);
    lineEnds(2);
}

// Shown again after every wrong entry, in the colour the prompt leaves.
void printClaimBlock() {
    sayLine("Am liebsten würdest du empört widersprechen, doch insgeheim weißt du, dass Ragnar nicht "
            "ganz unrecht hat.\nSchließlich hast du jahrelang für ein Fitnessstudio bezahlt, ohne "
            "je einen Fuß hineinzusetzen.");
    sayLine("Noch immer verwirrt fragst du dich, warum der andere Mann dich für Hulgor hält.");
    sayLine("Du überlegst, was du antworten sollst.");
    sayLine("Einerseits hast du keine Ahnung, wer dieser Hulgor überhaupt ist. Aber für einen Helden "
            "gehalten zu werden, beeindruckt dich irgendwie.");
    sayLine("Andererseits könnte sich Ehrlichkeit auszahlen.");
    lineEnds(2);

    colour(TextColour::Golden);
    sayLine("1 - Behaupten, dass du tatsächlich Hulgor bist");
    sayLine("2 - Sagen, dass du nicht Hulgor bist");
    lineEnds(1);
    colour(TextColour::Normal);
    sayLine("200 - Beenden");
}

void claimToBeHulgor() {
    clearScreen();
    colour(TextColour::Normal);
    say("Du bemühst dich, so eindrucksvoll und selbstsicher wie möglich zu wirken, als du sprichst: ");
    colour(TextColour::Yellow);
    say("Ganz recht, ich bin Hulgor, der gefürchtete...");
    lineEnds(3);
    colour(TextColour::Normal);
}

void denyBeingHulgor() {
    clearScreen();
    say("Du schüttelst den Kopf und sagst kleinlaut: ");
    colour(TextColour::Yellow);
    say("Nein, ich bin nicht Hulgor. Ich bin nur ein ganz gewöhnlicher...");
    lineEnds(1);
    colour(TextColour::Normal);
}

// Whatever the hero said, nobody hears the end of it.
void printDragonAttack() {
    playSound("Dragonattack.wav");
    sayLine("Weiter kommst du nicht. Plötzlich erschallt ein gewaltiges Brüllen, laut wie ein "
            "Donnerschlag.");
    sayLine("Die Gefangenen werden kreidebleich, und das Pferd, das den Karren zieht, wiehert "
            "panisch auf.");
    colour(TextColour::Yellow);
    say("Mögen die Götter uns beistehen...");
    colour(TextColour::Normal);
    sayLine(" sagt Ragnar bleich, die nackte Todesangst in den Augen.");
    lineEnds(1);
    sayLine("Du willst gerade nervös fragen, was das war, als sich die Antwort schon von selbst "
            "zeigt.");
    sayLine("Schlagartig verdunkelt sich der Himmel, als sich zwei riesige Flügel über die "
            "schneebedeckten Berge erheben.");
    sayLine("Du blickst nach oben und traust deinen Augen nicht: Vier Beine, zwei Flügel. Das ist "
            "ein Drache, ganz eindeutig ein Drache.");
    colour(TextColour::Yellow);
    sayLine("WYVERN!");
    colour(TextColour::Normal);
    sayLine(" brüllt Ragnar.");
    colour(TextColour::Normal);
    say("Ein anderer Gefangener widerspricht empört: ");
    colour(TextColour::Yellow);
    say("Nein, das ist ein DRACHE, Ihr ungebildeter Hohl...");
    colour(TextColour::Normal);
    sayLine(" Weiter kommt der besserwisserische Gefangene nicht.\nDer Drache fegt im Tiefflug über "
            "den Karren hinweg und reißt ihm den Kopf ab.");
    sayLine("Mit einem weiteren Brüllen nimmt die Bestie erneut Kurs auf den Karren. Der Soldat auf "
            "dem Kutschbock peitscht auf das Pferd ein, doch das arme Tier hat keine Chance.");
    sayLine("Direkt vor dem Karren kracht der Drache zu Boden.");
    say("Die Erde bebt, und der Karren kippt um. Du schlägst hart auf dem Boden auf und verlierst "
        "das Bewusstsein.");
    lineEnds(3);
}

}  // namespace

void secondDialogScene() {
    std::int32_t value = 0;

    resetHero();
    clearScreen();
    game.checkpoint = Checkpoint::SecondDialog;
    saveGame();

    printNamingDialogue();

    ChoicePrompt(value, printClaimBlock,
                 {
                     {1, true, claimToBeHulgor},
                     {2, true, denyBeingHulgor},
                 },
                 QuitLine::Offered);

    printDragonAttack();
    PageBreak(AnyKeyPrompt);

    // From here on a continued game wakes up in the wreckage.
    game.checkpoint = Checkpoint::Awakening;
    saveGame();
}
