// Expected screens of the title menu, shared by the front-end tests.
#pragma once

#include <string>

namespace screens {

inline const std::string TitleLines =
    "************************************\n"
    "*        Hulgor - der Barbar       *\n"
    "************************************\n";

inline std::string options(bool permadeathOn = false) {
    return std::string("{Green}1. Neues Spiel\n{Normal}2. Spiel laden\n3. Version\n4. Erfolge\n5. Credits\n") +
           (permadeathOn ? "6. Permadeath: an\n" : "6. Permadeath: aus\n") + "{Red}10. Spiel beenden\n{Normal}";
}

// printMenuBox: title at font 75, options at 28.
inline std::string menuBox(bool permadeathOn = false) {
    return "{font 75}{Yellow}" + TitleLines + "{Normal}{font 28}\n" + options(permadeathOn);
}

// One pass of the entry-point menu up to its read.
inline std::string entryMenu(bool permadeathOn = false) {
    return "{clear}" + menuBox(permadeathOn) + "\nBitte wähle eine Option, indem du die ZAHL dazu eingibst:";
}

// One pass of the re-entrant menu up to its read: title at font 55, no prompt.
inline std::string nestedMenu(bool permadeathOn = false) {
    return "{clear}{font 55}{Yellow}" + TitleLines + "{font 28}{Normal}\n" + options(permadeathOn);
}

inline const std::string InvalidInput = "\nUngültige Eingabe! Bitte eine Zahl eingeben!\n";
inline const std::string InvalidChoice = "\nUngültige Auswahl!\n";
inline const std::string AnyKey = "{Red}Drücke eine beliebige Taste, um fortzufahren.\n{Normal}{key}";
inline const std::string Quit = "Das Programm wird beendet...\n{quit}";
inline const std::string EndOfInput = "\n" + Quit;

inline const std::string VersionScreen =
    "{clear}\nVersion: ALPHA 0.2.0\n\n\n"
    "Dies ist ein SEHR FRÜHER Build des Spiels. Es sind noch nicht alle Inhalte verfügbar.\n"
    "Es kann zu Bugs und Fehlern kommen. Diese gerne an mich melden: tamlowen@example.org\n"
    "Im Rahmen der kommenden Updates wird das Spiel nach und nach erweitert.\n\n\n" + AnyKey;
inline const std::string AchievementsScreen =
    "{clear}Erfolge sind in dieser Version noch nicht verfügbar!\n" + AnyKey;
inline const std::string CreditsScreen = "{clear}Programmierung: Tamlowen\nStory: Tamlowen\n" + AnyKey;

inline const std::string LoadingAnimation =
    "{sound 719.wav}{clear}"
    "Lade neues Spiel...\n--------------\n|             \n--------------\n{pause 3000}{clear}"
    "Es lädt immer noch...\n--------------\n||||          \n--------------\n{pause 3000}{clear}"
    "Lade Fragezeichen...\n--------------\n||||||||      \n--------------\n{pause 3000}{clear}"
    "Lade Bugs...\n--------------\n||||||||||    \n--------------\n{pause 3000}{clear}"
    "Gleich fertig...\n--------------\n||||||||||||||\n--------------\n{pause 4000}";

inline const std::string NamePrompt = "Gib deinen Namen ein: ";
inline const std::string Saved = "\nSpiel erfolgreich gespeichert.\n";
inline const std::string NoSave =
    "\nKein Spielstand gefunden.\n{Red}Drücke eine beliebige Taste, um fortzufahren.\n{Normal}{key}";

}  // namespace screens
