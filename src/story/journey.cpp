// The journey to the city: a talk with Ragnar, tall tales for the bard
// Bittersport, or a quiet night walk alone, depending on who came along.
// Nothing here is saved; every passage ends in sight of the city walls.
#include <cstdint>

#include "console/console.h"
#include "state/game_state.h"
#include "story/chapters.h"
#include "story/scene.h"
#include "story/visible_name.h"

namespace {

constexpr std::string_view JourneyKeyPrompt = "Drücke eine beliebige Taste um fortzufahren!";

// Every passage ends the same way: the spaced page break, then a fresh screen.
void endOfPassage() {
    PageBreak(JourneyKeyPrompt, PageBreakLayout::Spaced);
    clearScreen();
}

// --- With Ragnar -----------------------------------------------------------

// Shown afresh on a cleared screen after every wrong entry. The options stay
// golden, so the typed number and the first line of any answer are golden too.
void printRagnarBlock() {
    clearScreen();
    say("Gemeinsam mit Ragnar setzt du die Reise fort. ");
    colour(TextColour::Yellow);
    say("Wir sind fast da,");
    colour(TextColour::Normal);
    say(" sagt er mit einem fröhlichen Lächeln zu dir, doch selbst nach einer Nacht Ruhe sieht man "
        "auch ihm die Erschöpfung deutlich an.");
    lineEnds(3);

    colour(TextColour::Golden);
    sayLine("1 - Über den Drachenangriff reden");
    sayLine("2 - Ihn über das Orakel ausfragen");
    sayLine("3 - Schweigen");
}

void ragnarPicksUpThePace() {
    colour(TextColour::Normal);
    sayLine("Ragnar zieht das Tempo an. Es ist anstrengend, aber du hältst mit, denn auch du hast es "
            "eilig, die Stadt zu erreichen.");
    lineEnds(2);
}

void talkAboutTheDragon() {
    sayLine("Ragnar seufzt. Das Thema ist ihm sichtlich unangenehm.");
    colour(TextColour::Yellow);
    sayLine("Ich denke lieber nicht daran zurück. Ich bin dem Biest nur knapp entkommen und dachte, "
            "ich wäre der Einzige, der es lebend vom Karren geschafft hat.");
    say("Umso mehr freut es mich, dass Ihr es auch geschafft habt, ");
    sayName();
    sayLine(". Aber seit hundert Jahren hat niemand mehr einen Drachen gesehen. Das ist seltsam.");
    colour(TextColour::Normal);
    sayLine("Er seufzt erneut und blickt nachdenklich in die Ferne.");
    colour(TextColour::Yellow);
    sayLine("Vielleicht weiß das Orakel auch darauf eine Antwort. Aber jetzt lasst uns weitergehen.");
    ragnarPicksUpThePace();
}

void askAboutTheOracle() {
    sayLine("Als du ihn nach dem Orakel fragst, wird Ragnar nachdenklich.");
    colour(TextColour::Yellow);
    sayLine("Viel weiß ich nicht darüber. Man sagt, es sei eine Frau, die mit den Göttern spricht. "
            "Alles Weitere werden wir erfahren, wenn wir dort sind.");
    ragnarPicksUpThePace();
}

void staySilent() {
    sayLine("Schweigend folgst du Ragnar, der sich ebenfalls still auf den Weg konzentriert.");
}

void travelWithRagnar() {
    std::int32_t talkChoice = 0;
    ChoicePrompt(talkChoice, printRagnarBlock,
                 {
                     {1, true, talkAboutTheDragon},
                     {2, true, askAboutTheOracle},
                     {3, true, staySilent},
                 },
                 QuitLine::NotOffered);
    // The wolf's bite from the mountain path; printed in whatever colour the answer left.
    if (game.health == 75) {
        sayLine("Die Wunde an deinem Bein schmerzt noch immer, doch du beklagst dich nicht und "
                "konzentrierst dich aufs Gehen.");
    }
    endOfPassage();
}

// --- With the bard ---------------------------------------------------------

// Shown again below the message after a wrong entry, without clearing.
void printBardBlock() {
    sayLine("Die Reise mit Bittersport ist anstrengend, denn der Barde redet und singt ohne Pause. "
            "Und wenn er gerade nicht singt, löchert er dich mit Fragen über deine angeblichen "
            "Abenteuer als Hulgor.");
    sayLine("Trotzdem ist dir seine Gesellschaft lieber, als allein zu reisen, denn er kennt den Weg "
            "in die Stadt, und du nicht.");
    say("Also erfindest du munter Geschichten über all das, was du angeblich erlebt hast.");
    lineEnds(3);

    // Not golden, though every tale leads on.
    sayLine("1 - Erzähle eine Geschichte, wie du einen Drachen getötet hast");
    sayLine("2 - Erzähle von einem Abenteuer mit einem Troll");
    sayLine("3 - Erzähle von einer Schlacht gegen Blutelfen");
}

void tellOfTheDragon() {
    clearScreen();
    sayLine("Du erzählst von einem epischen Kampf gegen einen Drachen, wobei dir dein letzter "
            "Durchgang eines Fantasy-Videospiels gute Dienste leistet.");
    colour(TextColour::Yellow);
    sayLine("Es war in einer Stadt in der Wüste, als plötzlich eine Bestie, so groß wie drei Häuser, "
            "herangeflogen kam und angriff.");
    sayLine("Ihre Augen glühten rot wie Kohlen, und die Menschen flohen in Panik und schrien: "
            "Ein Drache! Ein Drache!");
    sayLine("Selbst die Wachen fürchteten sich. Nur ich stand ganz ruhig da, mit einer mächtigen Axt "
            "in der Hand, und befahl dem Drachen, zu verschwinden.");
    sayLine("Doch der Drache wollte nicht hören und griff an. Da spaltete ich ihm mit einem einzigen "
            "Hieb den Schädel.");
}

void tellOfTheTroll() {
    clearScreen();
    colour(TextColour::Yellow);
    sayLine("Einst jagte ich in einem gewaltigen Gebirge einen bösen Troll, der ein nahes Dorf in "
            "Angst und Schrecken versetzte.");
    sayLine("Der Kampf in seiner Höhle dauerte zwei Tage und zwei Nächte, bis die Bestie endlich "
            "erschlagen war.");
}

void tellOfTheBloodElves() {
    clearScreen();
    colour(TextColour::Yellow);
    sayLine("Im Krieg gegen die Blutelfen habe ich ganz allein mehr als hundert von ihnen erschlagen. "
            "Seitdem hassen sie mich bis aufs Blut.");
}

void bardReacts() {
    colour(TextColour::Normal);
    lineEnds(2);
    sayLine("Der Barde hängt gebannt an deinen Lippen und scheint dir jedes Wort zu glauben.");
    colour(TextColour::Yellow);
    say("Ihr seid wahrhaftig ein Held! ");
    colour(TextColour::Normal);
    sayLine("ruft er, und du atmest erleichtert auf, weil er dir deine haarsträubenden Geschichten "
            "tatsächlich abkauft.");
    colour(TextColour::Yellow);
    say("Darüber muss ich unbedingt ein Heldenlied schreiben, ");
    colour(TextColour::Normal);
    sayLine("sagt der Barde vergnügt.");
    sayLine("Endlich verstummt er für eine Weile, und du genießt beinahe die Stille der "
            "hereinbrechenden Nacht.");
    lineEnds(2);
    sayLine("Nach einiger Zeit erblickst du in der Ferne die Mauern einer Stadt und seufzt "
            "erleichtert. Vielleicht findest du dort Antworten.");
    endOfPassage();
}

void travelWithTheBard() {
    std::int32_t taleChoice = 0;
    ChoicePrompt(taleChoice, printBardBlock,
                 {
                     {1, true, tellOfTheDragon},
                     {2, true, tellOfTheTroll},
                     {3, true, tellOfTheBloodElves},
                 },
                 QuitLine::NotOffered);
    bardReacts();
}

// --- Alone -----------------------------------------------------------------

void walkAlone() {
    sayLine("Du bist schon eine ganze Weile unterwegs. Die Straße wirkt einsam und verlassen.");
    sayLine("Du folgst ihr einfach, allein mit deinen Gedanken, und fragst dich, wie du hierhergekommen "
            "bist und wo dieses Hier überhaupt ist.");
    say("Eine beinahe bedrückende Stille umgibt dich.\nDie Nacht ist dunkel, doch der Mond scheint "
        "hier so hell, dass du auch ohne Fackel den Weg erkennst.");
    lineEnds(3);
    sayLine("Du verlierst jedes Gefühl für die Zeit, bis endlich eine steinerne Mauer in Sicht kommt, "
            "erhellt vom fahlen Schein der unzähligen Fackeln der Stadt.");
    sayLine("Endlich, denkst du, und beschleunigst deine Schritte für das letzte Stück.");
    endOfPassage();
}

}  // namespace

void journeyScene() {
    clearScreen();
    // At most one companion travels along; the awakening chapter sees to that.
    if (game.ragnarStatus == 2) {
        travelWithRagnar();
    } else if (game.bardStatus == 2) {
        travelWithTheBard();
    } else {
        walkAlone();
    }
}
