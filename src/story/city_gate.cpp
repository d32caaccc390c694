// The city gate, where Ragnar has two ideas for getting past the guards, and
// the screen that tells the player the story ends here for now.
#include <cstdint>

#include "console/console.h"
#include "state/game_state.h"
#include "story/chapters.h"
#include "story/death_screen.h"
#include "story/scene.h"

namespace {

void printArrival() {
    sayLine("Schließlich taucht die Stadtmauer vor euch auf. Das Tor wird von zwei Männern bewacht, "
            "die mit Hellebarden bewaffnet sind. Ragnar bleibt abrupt stehen.");
    colour(TextColour::Yellow);
    sayLine("Wir können nicht einfach so in die Stadt spazieren.");
    lineEnds(1);
    say("Und wieso nicht, ");
    colour(TextColour::Normal);
    sayLine("fragst du verwirrt.");
    colour(TextColour::Yellow);
    say("Weil das Tor bewacht wird, ");
    colour(TextColour::Normal);
    say("erklärt er, ");
    colour(TextColour::Yellow);
    sayLine("und die Wachen würden uns ganz sicher erkennen. In der ganzen Gegend hängen Steckbriefe "
            "mit meinem Gesicht. Wir brauchen einen Plan.");
    colour(TextColour::Normal);
    say("Er wirkt nachdenklich.");
    colour(TextColour::Yellow);
    sayLine(" Lasst mich kurz überlegen.");
    colour(TextColour::Normal);
    sayLine("Nach einem Moment der Stille nickt er schließlich mit einem Grinsen.");
    // Ragnar's ideas follow in his colour.
    colour(TextColour::Yellow);
}

// Sets no colour before Ragnar's ideas: yellow the first time, golden (the
// options' colour) after a wrong entry.
void printPlanBlock() {
    sayLine("Wir könnten warten, bis jemand vorbeikommt, ihn überfallen und uns seine Sachen als "
            "Verkleidung nehmen.");
    sayLine("Oder wir nehmen den geheimen Weg durch die Kanalisation. Der ist allerdings gefährlich, "
            "denn dort unten hausen Goblins.");
    colour(TextColour::Normal);
    lineEnds(2);
    colour(TextColour::Golden);
    sayLine("1 - Überfall");
    sayLine("2 - Kanalisation");
}

[[noreturn]] void ambush() {
    clearScreen();
    colour(TextColour::Normal);
    sayLine("Mit einem mulmigen Gefühl stimmst du dem Überfall zu. Ragnar grinst, und ihr legt euch "
            "auf die Lauer.");
    sayLine("Es dauert nicht lange, bis zwei unscheinbar aussehende Reisende aus der Stadt kommen.");
    sayLine("Auf Ragnars Zeichen stürzt ihr euch auf sie, doch die beiden entpuppen sich als "
            "kampferprobte Krieger.");
    sayLine("Einer von ihnen schießt Ragnar einen Pfeil ins Knie, woraufhin Ragnar urplötzlich zur "
            "Stadtwache wird und dich wegen\ndes Angriffs auf die Bürger der Stadt niederstreckt.");
    DeathScreen(0, LeadSound::None, DeathEndPrompt, true);
}

// Nothing is told about the sewers yet: the end-of-content screen follows.
void takeTheSewers() { clearScreen(); }

}  // namespace

void cityGateScene() {
    if (game.ragnarStatus != 2) return;  // alone or with the bard: no gate scene

    std::int32_t gateChoice = 0;
    printArrival();
    ChoicePrompt(gateChoice, printPlanBlock,
                 {
                     {1, true, ambush},
                     {2, true, takeTheSewers},
                 },
                 QuitLine::NotOffered);
}

void endOfContentScreen() {
    clearScreen();
    colour(TextColour::Red);
    sayLine("Aktuell endet die Reise hier. Schau mit dem nächsten Update rein!");
    lineEnds(1);
    colour(TextColour::Red);
    sayLine("Drücke eine beliebige Taste um fortzufahren!");
    colour(TextColour::Normal);
    lineEnds(2);
    waitForKey();
}
