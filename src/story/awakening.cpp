// Chapter "Das Erwachen": the hero comes to in the wreckage of the cart,
// frees his hands and has to choose a way before nightfall. Without a weapon
// every way ends with the wolves; with the sword, the mountain and the south
// road go on in their own files, and the tower holds a small surprise.
#include <array>
#include <cstdint>
#include <string_view>

#include "console/console.h"
#include "state/game_state.h"
#include "story/awakening_ways.h"
#include "story/chapters.h"
#include "story/death_screen.h"
#include "story/scene.h"

namespace {

// Whatever a save held, the chapter starts with the hero as he fell.
void resetChapterState() {
    resetHero();
    game.bardStatus = 0;
    game.bardRelation = 5;
}

// Shown again after every answer that stays, in the colour the step before
// it leaves (normal).
void printWreckBlock() {
    sayLine("Stöhnend kommst du zu dir. Du liegst allein auf dem kalten Boden, ringsum verstreut die "
            "Trümmer des Karrens und blutige Körperteile.");
    sayLine("Auch das Pferd ist verschwunden, geflohen oder gefressen. Zu deiner Erleichterung ist "
            "aber auch vom Drachen nichts mehr zu sehen.");
    sayLine("Offenbar bist du der einzige Überlebende. Deine Hände sind noch immer gefesselt.");
    lineEnds(2);
    colour(TextColour::Golden);
    sayLine("1 - Nach etwas umschauen, womit du deine Fesseln loswerden kannst");
    colour(TextColour::Normal);
    sayLine("2 - Nach anderen Überlebenden umschauen und rufen ");
    lineEnds(2);
    sayLine("200 - Beenden");
}

void cutTheBonds() {
    clearScreen();
    sayLine("Ganz in der Nähe entdeckst du einen scharfkantigen Holzsplitter. Mühsam kriechst du "
            "hinüber, um deine Fesseln daran durchzuscheuern.");
    sayLine("Es kostet dich einige Mühe, doch schließlich reißt der Strick, und du kannst aufstehen.");
    lineEnds(2);
}

void callForSurvivors() {
    clearScreen();
    sayLine("Du siehst dich um und rufst, so laut du kannst. Doch da ist niemand, und niemand "
            "antwortet. Du bist allein.");
    lineEnds(3);
}

void printCrossroads() {
    sayLine("Du fühlst dich schwach, doch abgesehen von den Schmerzen nach dem Sturz scheinst du "
            "weitgehend unverletzt zu sein.");
    sayLine("Es wird bereits dunkel. Du solltest dir einen Unterschlupf für die Nacht suchen, wer "
            "weiß, welche Gefahren hier lauern.");
    lineEnds(1);
    sayLine("Langsam wird dir kalt. Es ist noch immer Winter, und du trägst nur einfache Kleidung, "
            "offenbar die eines gewöhnlichen Mannes.");
    // One sentence over two lines.
    sayLine("Du siehst dich um: Du stehst auf einer breiten Straße mitten in der Wildnis. Zu deiner "
            "Rechten erhebt sich ein gewaltiges Gebirge,");
    sayLine("wo du vielleicht eine Höhle für die Nacht finden könntest, auch wenn dort ebenfalls "
            "Gefahren lauern mögen.");
    sayLine("Dem Stand der Sonne nach verläuft die Straße von Norden nach Süden. Weit im Süden steigt "
            "Rauch auf, vielleicht von einer Siedlung.");
    sayLine("Im Norden ragt ein riesiger Turm aus dem Wald empor, doch vor Einbruch der Nacht "
            "erreichst du ihn unmöglich.");
    lineEnds(1);
    sayLine("Du könntest auch hierbleiben und darauf warten, dass jemand vorbeikommt. Aus den Resten "
            "des Karrens ließe sich ein notdürftiges Lager bauen.");
    sayLine("Auf jeden Fall solltest du dich nach einer Waffe umsehen. Vielleicht liegt hier ja "
            "irgendwo eine herum.");
    lineEnds(2);
}

// Option 1 disappears once the sword is found.
void printWayBlock() {
    colour(TextColour::Normal);
    if (game.hasSword == 0) sayLine("1 - Dich umschauen und nach einer Waffe suchen");
    colour(TextColour::Golden);
    sayLine("2 - Zum Berg gehen, um eine Höhle zu suchen");
    sayLine("3 - Richtung Süden gehen, um die Quelle des Rauches zu untersuchen");
    sayLine("4 - In Richtung des Turms gehen");
    lineEnds(2);
    colour(TextColour::Normal);
    sayLine("200 - Beenden");
}

void searchForWeapon() {
    if (game.hasSword != 0) {
        sayLine("Das hast du bereits getan.");
        lineEnds(2);
        return;
    }
    playSound("erfolg.wav");
    clearScreen();
    sayLine("Eine ganze Weile durchwühlst du die Trümmer nach einer Waffe. Inzwischen ist die Nacht "
            "hereingebrochen, doch die Suche lohnt sich: Zwischen den Brettern findest du ein Schwert.");
    sayLine("Das Schwert ist kurz und schartig, aber für den Anfang sollte es genügen. Zufrieden "
            "steckst du es dir in den Gürtel.");
    StatusBanner(Standing::Gain, SwordBanner);
    lineEnds(2);
    game.hasSword = 1;
}

// The three ways taken without a weapon: all end with the wolves.
struct UnarmedDeath {
    std::array<std::string_view, 6> beats;  // unused slots stay empty
    std::string_view keyPrompt;
};

constexpr std::string_view WolfFood = "Ohne Waffe bist du leichte Beute und endest als Wolfsfutter.";

constexpr UnarmedDeath MountainDeath{
    {"Du beschließt, keine Zeit zu verlieren, und machst dich direkt auf den Weg zum Berg.",
     "Vorsichtig bahnst du dir einen Weg durch den dichten Wald in Richtung des Gebirges.",
     "Als es dunkel wird, hörst du plötzlich Wölfe heulen.",
     "Du beschleunigst deine Schritte, doch die Wölfe holen dich ein, und ohne Waffe kannst du dich "
     "nicht verteidigen.",
     "Niemand außer den Wölfen hört deine Schreie, als sie dich in Stücke reißen.",
     "Am nächsten Morgen ist von dir nur noch ein blutiger Rest übrig."},
    DeathEndPrompt};

constexpr UnarmedDeath SouthDeath{
    {"Du willst gerade Richtung Süden aufbrechen, da raschelt es plötzlich im Gebüsch, und ein "
     "Rudel Wölfe bricht aus dem Wald hervor.",
     WolfFood},
    KeyPrompt};

constexpr UnarmedDeath TowerDeath{
    {"Du willst gerade in Richtung des Turms aufbrechen, da raschelt es plötzlich im Gebüsch, und "
     "ein Rudel Wölfe bricht aus dem Wald hervor.",
     WolfFood},
    KeyPrompt};

[[noreturn]] void dieUnarmed(const UnarmedDeath& death) {
    clearScreen();
    for (std::string_view beat : death.beats) {
        if (!beat.empty()) sayLine(beat);
    }
    DeathScreen(2, LeadSound::None, death.keyPrompt, true);
}

// The tower with the sword: below the prompt, without clearing.
void visitTower() {
    sayLine("Du wählst den Turm als dein Ziel und machst dich auf den Weg.");
    sayLine("Der Weg verläuft ruhig, auch wenn dich die Nacht ringsum nervös macht.");
    sayLine("Erst am Turm begreifst du seine wahre Größe: Er ist wahrhaft riesig und obendrein "
            "bedrohlich.");
    sayLine("Vorsichtig näherst du dich dem großen Tor. Es ist verschlossen.");
    sayLine("Du hebst die Hand, um den Türklopfer in Form eines Wolfskopfes zu benutzen, und bemerkst "
            "einen Zettel an der Tür:");
    lineEnds(2);
    colour(TextColour::Yellow);
    sayLine("Dieser Turm gehört dem mächtigen Zauberer Xerxes, der derzeit im Urlaub weilt. Bitte "
            "kommt später wieder.");
    colour(TextColour::Normal);
    sayLine("Du fluchst. Jetzt bleibt dir nur noch der Weg zur Rauchsäule, wo du eine Stadt vermutest. "
            "Also musst du umkehren.");
    sayLine("Frustriert machst du dich auf den Weg.");
    lineEnds(2);
    PageBreak(KeyPrompt);
    colour(TextColour::Normal);
    clearScreen();
}

void takeMountain() {
    if (game.hasSword == 0) dieUnarmed(MountainDeath);
    mountainPath();
}

void takeSouthRoad() {
    if (game.hasSword == 0) dieUnarmed(SouthDeath);
    southRoad();
}

void takeTower() {
    if (game.hasSword == 0) dieUnarmed(TowerDeath);
    visitTower();
}

}  // namespace

void awakeningScene() {
    std::int32_t wreckChoice = 0;
    std::int32_t wayChoice = 0;

    resetChapterState();
    colour(TextColour::Normal);
    clearScreen();

    ChoicePrompt(wreckChoice, printWreckBlock,
                 {
                     {1, true, cutTheBonds},
                     {2, false, callForSurvivors},
                 },
                 QuitLine::Offered);

    printCrossroads();

    ChoicePrompt(wayChoice, printWayBlock,
                 {
                     {1, false, searchForWeapon},
                     {2, true, takeMountain},
                     {3, true, takeSouthRoad},
                     {4, true, takeTower},
                 },
                 QuitLine::Offered);
}
